#include "grammar/correzione.hpp"

#include "grammar/articoli.hpp"
#include "grammar/chiavi.hpp"
#include "grammar/flessione.hpp"
#include "grammar/preposizioni.hpp"
#include "grammar/verbi.hpp"
#include "wordstore/tag.hpp"

namespace talewick {
namespace {

using Riscrittura = void (*)(Dato&);

// One step of a row: the key written into the marker (empty: the marker is left as it is), then
// the rewrite (nullptr: none).
struct Passo {
  std::string_view chiave;
  Riscrittura riscrittura;
};

struct RigaMarcatore {
  std::string_view parola_chiave;
  Passo numero;
  Passo principale;
};

// The main steps of the keywords ending in "Senza" and "Con", which write no key.
void Senza_Articolo(Dato& dato) {
  Cancella_Articolo(dato);
  dato.valore_dato.insert(0, "senza ");
}

void Con_Articolo(Dato& dato) {
  Iniziale_Stringa_Minuscola(dato);
  dato.valore_dato.insert(0, "con ");
}

// No step. The number steps: plural ending, then plural definite article.
constexpr Passo no{};
constexpr Passo fem{chiave::al_femminile_plurale, Correggi_al_Femminile_Plurale};
constexpr Passo mas{chiave::al_maschile_plurale, Correggi_al_Maschile_Plurale};

// The rewrites of the main steps.
constexpr Riscrittura partitivi = Correggi_Articoli_Determinativi_in_Articoli_Partitivi;
constexpr Riscrittura partitivi_plurali = Correggi_Articoli_Determinativi_in_Articoli_Partitivi_Plurali;
constexpr Riscrittura indeterminativi = Correggi_Articoli_Determinativi_in_Articoli_Indeterminativi;
constexpr Riscrittura indeterminativi_a = Correggi_Articoli_Determinativi_in_Articoli_Indeterminativi_A;
constexpr Riscrittura indeterminativi_di = Correggi_Articoli_Determinativi_in_Articoli_Indeterminativi_Di;
constexpr Riscrittura preposizione_su = Correggi_Articoli_Determinativi_in_Preposizione_Articolate_Su;
constexpr Riscrittura preposizione_a = Correggi_Articoli_Determinativi_in_Preposizione_Articolate_A;
constexpr Riscrittura preposizione_in = Correggi_Articoli_Determinativi_in_Preposizione_Articolate_In;
constexpr Riscrittura preposizione_da = Correggi_Articoli_Determinativi_in_Preposizione_Articolate_Da;
constexpr Riscrittura aggettivo_femminile = Correggi_Aggettivi_al_Femminile_Singolare;
constexpr Riscrittura passato_prossimo = Correggi_Verbi_Passato_Prossimo;
constexpr Riscrittura participio = Correggi_Verbi_Participio_Passato;
constexpr Riscrittura in_infinito = Correggi_Passato_Prossimo_in_Infinito;

// One row per keyword, in the order the keywords are tried: keyword, number step, main step.
constexpr RigaMarcatore marcatori[] = {
    {"FemSingPart", no, {chiave::partitivi_femminili_singolari, partitivi}},
    {"MasSingPart", no, {chiave::partitivi_maschili_singolari, partitivi}},
    {"FemPlurDet", fem, no},
    {"MasPlurDet", mas, no},
    {"FemPlurPart", fem, {chiave::partitivi_femminili_plurali, partitivi_plurali}},
    {"MasPlurPart", mas, {chiave::partitivi_maschili_plurali, partitivi_plurali}},
    {"AggFemPlur", fem, no},
    {"AggMasPlur", mas, no},
    {"AggFemSing", no, {chiave::aggettivi_al_femminile_singolare, aggettivo_femminile}},
    {"FemSingSu", no, {chiave::in_preposizione_su, preposizione_su}},
    {"MasSingSu", no, {chiave::in_preposizione_su, preposizione_su}},
    {"FemPlurSu", fem, {chiave::in_preposizione_su, preposizione_su}},
    {"MasPlurSu", mas, {chiave::in_preposizione_su, preposizione_su}},
    {"FemSingA", no, {chiave::in_preposizione_a, preposizione_a}},
    {"MasSingA", no, {chiave::in_preposizione_a, preposizione_a}},
    {"FemPlurA", fem, {chiave::in_preposizione_a, preposizione_a}},
    {"MasPlurA", mas, {chiave::in_preposizione_a, preposizione_a}},
    {"FemSingDa", no, {chiave::in_preposizione_da, preposizione_da}},
    {"MasSingDa", no, {chiave::in_preposizione_da, preposizione_da}},
    {"FemPlurDa", fem, {chiave::in_preposizione_da, preposizione_da}},
    {"MasPlurDa", mas, {chiave::in_preposizione_da, preposizione_da}},
    {"VerbiPlurMas", no, {chiave::al_maschile_plur, passato_prossimo}},
    {"VerbiPlurFem", no, {chiave::al_femminile_plur, passato_prossimo}},
    {"VerbiSingFem", no, {chiave::al_femminile_sing, passato_prossimo}},
    {"ParticipioMasPlur", no, {chiave::al_maschile_plur, participio}},
    {"ParticipioFemPlur", no, {chiave::al_femminile_plur, participio}},
    {"ParticipioFemSing", no, {chiave::al_femminile_sing, participio}},
    {"ParticipioMasSing", no, {chiave::al_maschile_sing, participio}},
    {"FemSingIndet", no, {chiave::indeterminativi_femminili_singolari, indeterminativi}},
    {"MasSingIndet", no, {chiave::indeterminativi_maschili_singolari, indeterminativi}},
    {"FemPlurIndet", fem, {chiave::indeterminativi_femminili_plurali, indeterminativi}},
    {"MasPlurIndet", mas, {chiave::indeterminativi_maschili_plurali, indeterminativi}},
    {"Infinito", no, {{}, in_infinito}},
    {"FemSingIn", no, {chiave::in_preposizione_in, preposizione_in}},
    {"MasSingIn", no, {chiave::in_preposizione_in, preposizione_in}},
    {"FemPlurIn", fem, {chiave::in_preposizione_in, preposizione_in}},
    {"MasPlurIn", mas, {chiave::in_preposizione_in, preposizione_in}},
    {"FemSingIndetA", no, {chiave::indeterminativi_femminili_singolari, indeterminativi_a}},
    {"MasSingIndetA", no, {chiave::indeterminativi_maschili_singolari, indeterminativi_a}},
    {"FemPlurIndetA", fem, {chiave::indeterminativi_femminili_plurali, indeterminativi_a}},
    {"MasPlurIndetA", mas, {chiave::indeterminativi_maschili_plurali, indeterminativi_a}},
    {"FemSingIndetDi", no, {chiave::indeterminativi_femminili_singolari, indeterminativi_di}},
    {"MasSingIndetDi", no, {chiave::indeterminativi_maschili_singolari, indeterminativi_di}},
    {"FemPlurIndetDi", fem, {chiave::indeterminativi_femminili_plurali, indeterminativi_di}},
    {"MasPlurIndetDi", mas, {chiave::indeterminativi_maschili_plurali, indeterminativi_di}},
    {"FemSingSenza", no, {{}, Senza_Articolo}},
    {"MasSingSenza", no, {{}, Senza_Articolo}},
    {"FemPlurSenza", fem, {{}, Senza_Articolo}},
    {"MasPlurSenza", mas, {{}, Senza_Articolo}},
    {"FemSingCon", no, {{}, Con_Articolo}},
    {"MasSingCon", no, {{}, Con_Articolo}},
    {"FemPlurCon", fem, {{}, Con_Articolo}},
    {"MasPlurCon", mas, {{}, Con_Articolo}},
};
static_assert(std::size(marcatori) == numero_parole_chiave);

constexpr std::array<std::string_view, numero_parole_chiave> Parole_Dei_Marcatori() {
  std::array<std::string_view, numero_parole_chiave> parole{};
  for (std::size_t i = 0; i < parole.size(); ++i) parole[i] = marcatori[i].parola_chiave;
  return parole;
}

void Esegui_Passo(Dato& dato, const Passo& passo) {
  if (!passo.chiave.empty()) dato.forma_dato = passo.chiave;
  if (passo.riscrittura != nullptr) passo.riscrittura(dato);
}

}  // namespace

constinit const std::array<std::string_view, numero_parole_chiave> parole_chiave = Parole_Dei_Marcatori();

void Correzione_Sostantivi_Aggettivi_Verbi(Dato& dato) {
  const RigaMarcatore* riga = nullptr;
  for (const RigaMarcatore& candidata : marcatori) {
    if (candidata.parola_chiave == dato.forma_dato) {
      riga = &candidata;
      break;
    }
  }
  if (riga == nullptr) return;
  Esegui_Passo(dato, riga->numero);
  Esegui_Passo(dato, riga->principale);
}

void Pulisci_Dato(Dato& dato) {
  Cancella_Tag_Categoria(dato);
  Correzione_Sostantivi_Aggettivi_Verbi(dato);
  Cancella_Info_Programma(dato);
}

std::string Forma(std::string_view voce, std::string_view marcatore) {
  Dato dato;
  dato.valore_dato = voce;
  dato.forma_dato = marcatore;
  Pulisci_Dato(dato);
  return std::move(dato.valore_dato);
}

}  // namespace talewick
