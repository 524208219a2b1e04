#include "grammar/verbi.hpp"

#include <algorithm>
#include <array>
#include <span>

#include "grammar/chiavi.hpp"
#include "grammar/correzione.hpp"
#include "grammar/regole.hpp"
#include "wordstore/tag.hpp"
#include "wordstore/testo.hpp"

namespace talewick {
namespace {

struct Accordo {
  std::string_view chiave;
  char finale;                            // takes the place of the participle's "o" after "è"
  std::array<Sostituzione, 2> ausiliari;  // in this order
};

constexpr Accordo accordi_passato_prossimo[] = {
    {chiave::al_femminile_plur, 'e', {{{"è ", "sono "}, {"ha ", "hanno "}}}},
    {chiave::al_maschile_plur, 'i', {{{"ha ", "hanno "}, {"è ", "sono "}}}},
    {chiave::al_femminile_sing, 'a', {}},
};

constexpr Sostituzione ausiliari_tolti[] = {{"è ", ""}, {"ha ", ""}};

struct Finale {
  std::string_view chiave;
  std::string_view lettera;  // takes the place of the last character, whatever it is
};

constexpr Finale finali_participio[] = {
    {chiave::al_femminile_plur, "e"},
    {chiave::al_maschile_plur, "i"},
    {chiave::al_femminile_sing, "a"},
};

// A longer source always stands before a shorter one it contains; a number tag is part of the source.
// A source counts only where it ends a word, so that "ammutolito" does not lose its "uto".
constexpr Sostituzione infiniti[] = {
    {"ulso", "ellere"},    {"usso", "utere"},     {"mosso", "muovere"},   {"cosso", "cuotere"},  {"lso", "lere"},
    {"esso[1]", "imere"},  {"esso[2]", "ettere"}, {"sso", "dere"},        {"orso[1]", "orrere"}, {"orso[2]", "ordere"},
    {"asto[1]", "anere"},  {"esto[1]", "edere"},  {"issuto", "ivere"},    {"isto[1]", "edere"},  {"erto[3]", "rire"},
    {"orto[4]", "orire"},  {"rto[1]", "rgere"},   {"rto[2]", "rcere"},    {"utto", "uggere"},    {"itto[1]", "ivere"},
    {"itto[2]", "iggere"}, {"itto[3]", "ire"},    {"otto[1]", "urre"},    {"otto[2]", "uocere"}, {"otto[3]", "ompere"},
    {"etto[1]", "ire"},    {"etto[2]", "igere"},  {"etto[3]", "eggere"},  {"etto[4]", "ingere"}, {"uso[3]", "ondere"},
    {"erso[1]", "erdere"}, {"erso[2]", "ergere"}, {"arso[1]", "argere"},  {"arso[2]", "arere"},  {"arso[3]", "arire"},
    {"so[1]", "dere"},     {"so[2]", "ndere"},    {"lto[1]", "lgere"},    {"lto[2]", "lvere"},   {"lto[3]", "lcere"},
    {"lto[4]", "gliere"},  {"into[1]", "ingere"}, {"into[2]", "inguere"}, {"nto[1]", "ngere"},   {"nto[2]", "nvere"},
    {"nto[3]", "ncere"},   {"nto[4]", "gnere"},   {"nto[5]", "mere"},     {"atto[1]", "arre"},   {"atto[2]", "are"},
    {"atto[3]", "igere"},  {"osto[1]", "orre"},   {"osto[2]", "ondere"},  {"ato[1]", "ascere"},  {"ato", "are"},
    {"uto[1]", "ire"},     {"evuto[2]", "ere"},   {"iuto[3]", "ere"},     {"uto", "ere"},        {"ito[1]", "ere"},
    {"ito", "ire"},
};
static_assert(std::size(infiniti) == 61);

}  // namespace

void Correggi_Verbi_Passato_Prossimo(Dato& dato) {
  const auto* accordo = Cerca_Chiave<Accordo>(accordi_passato_prossimo, dato.forma_dato);
  if (accordo == nullptr) return;
  Cancella_Info_Programma(dato);
  std::string& valore = dato.valore_dato;
  // With "ha" the participle does not agree.
  if (Contiene(valore, "è") && valore.ends_with('o')) valore.back() = accordo->finale;
  Applica_Sostituzioni(valore, accordo->ausiliari);
}

void Correggi_Verbi_Participio_Passato(Dato& dato) {
  Applica_Sostituzioni(dato.valore_dato, ausiliari_tolti);
  Iniziale_Stringa_Maiuscola(dato);
  const auto* finale = Cerca_Chiave<Finale>(finali_participio, dato.forma_dato);
  if (finale == nullptr) return;
  Cancella_Info_Programma(dato);
  std::string& valore = dato.valore_dato;
  if (valore.empty()) return;
  const std::size_t ultimo = Lunghezza_Ultimo_Carattere(valore);
  valore.replace(valore.size() - ultimo, ultimo, finale->lettera);
}

void Correggi_Passato_Prossimo_in_Infinito(Dato& dato) {
  if (dato.forma_dato != chiave::infinito) return;
  Applica_Desinenze_Di_Parola(dato.valore_dato, infiniti);
  Applica_Sostituzioni(dato.valore_dato, ausiliari_tolti);
}

std::string Infinito_Con_Pronome(std::string_view infinito, std::string_view pronome) {
  const std::size_t fine = std::min(infinito.find(' '), infinito.size());
  std::string_view verbo = infinito.substr(0, fine);
  if (verbo.ends_with("rre")) {
    verbo.remove_suffix(2);
  } else if (verbo.ends_with('e')) {
    verbo.remove_suffix(1);
  }
  std::string risultato(verbo);
  risultato += pronome;
  risultato += infinito.substr(fine);
  return risultato;
}

std::string Preposizione_Con_Infinito(std::string_view preposizione, std::string_view infinito) {
  const bool eufonica = preposizione == "a" && infinito.starts_with('a');
  std::string risultato(preposizione);
  if (eufonica) risultato += 'd';
  risultato += ' ';
  risultato += infinito;
  return risultato;
}

}  // namespace talewick
