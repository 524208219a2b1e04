#include <algorithm>
#include <initializer_list>
#include <set>

#include "base/messaggi_controllo.hpp"
#include "checker/controllore.hpp"
#include "grammar/correzione.hpp"
#include "wordstore/tag.hpp"
#include "wordstore/testo.hpp"

namespace talewick::controllo {
namespace {

namespace m = messaggi::controllo;

template <std::size_t N>
std::string Con_Tag_Dopo_Parola(std::string_view voce, std::string_view aggiunta,
                                const std::array<std::string_view, N>& togliere) {
  const auto barra = voce.find('|');
  std::string_view singolare = voce.substr(0, barra);
  const std::string_view resto = barra == std::string_view::npos ? std::string_view{} : voce.substr(barra);
  std::vector<std::string_view> coda;
  while (singolare.ends_with(']')) {
    const auto apertura = singolare.rfind('[');
    if (apertura == std::string_view::npos) break;
    coda.insert(coda.begin(), singolare.substr(apertura));
    singolare = singolare.substr(0, apertura);
  }
  std::string nuova(singolare);
  nuova += aggiunta;
  for (const auto tag : coda) {
    if (std::find(togliere.begin(), togliere.end(), tag) == togliere.end()) nuova += tag;
  }
  nuova += resto;
  return nuova;
}

// Whether `suggerimento` stands for a real Italian plural of a word with this ending: the hard
// "-chi", "-ghi", "-che", "-ghe", the contracted "-i" of "-io", and "-ce", "-ge" of "-cia", "-gia"
// ("-ia" after another letter is a stressed "-ìa", plural "-ie": no hint).
bool Suggerimento_Possibile(std::string_view parola, std::string_view suggerimento) {
  const auto finisce = [&](std::initializer_list<std::string_view> finali) {
    return std::any_of(finali.begin(), finali.end(), [&](std::string_view f) { return parola.ends_with(f); });
  };
  if (suggerimento == "[m]") return finisce({"co", "go", "io"});
  if (suggerimento == "[f]") return finisce({"co", "go", "ca", "ga", "cio", "gio", "cia", "gia"});
  return finisce({"co", "go", "cio", "gio"});
}

}  // namespace

bool Controllore::Tutte_Note(std::string_view voce, const std::vector<std::string>& marcatori) {
  return std::all_of(marcatori.begin(), marcatori.end(), [&](const std::string& marcatore) {
    return dizionario_->Parole_Ignote(Forma(voce, marcatore)).empty();
  });
}

// The entries with one more hint whose every form is in known words and whose plurals change the
// word: "«Il Fuoco[m]» dà «I Fuochi»"; empty when no hint does it.
std::string Controllore::Prove_Suggerimento(const std::string& voce, const Descrizione& descrizione) {
  const auto marcatori = Marcatori(descrizione);
  std::vector<std::string_view> prove;
  std::vector<std::string> plurali;
  if (descrizione.tipo == Tipo::sostantivo) {
    prove.emplace_back(descrizione.genere == "Mas" ? "[m]" : "[f]");
    plurali.push_back(std::string(descrizione.genere) + "PlurDet");
  } else {
    prove.assign(suggerimenti.begin(), suggerimenti.end());
    plurali = {"AggMasPlur", "AggFemPlur"};
  }
  const std::string base = Ultima_Parola(Forma(voce, marcatori.front()));
  std::string riuscite;
  for (const auto suggerimento : prove) {
    if (!Suggerimento_Possibile(base, suggerimento)) continue;
    const std::string nuova = Con_Tag_Dopo_Parola(voce, suggerimento, suggerimenti);
    if (nuova == voce) continue;
    std::string forme;
    bool cambiano = true;
    for (const auto& plurale : plurali) {
      const std::string forma = Forma(nuova, plurale);
      cambiano = cambiano && Ultima_Parola(forma) != base;
      forme += (forme.empty() ? "" : ", ") + m::C(forma);
    }
    if (!cambiano || !Tutte_Note(nuova, marcatori)) continue;
    riuscite += (riuscite.empty() ? "" : std::string(m::oppure)) + m::Prova(nuova, forme);
  }
  return riuscite;
}

// The entries with another number tag whose infinitive is a known word: "«ha scritto[1]» dà
// «scrivere»"; empty when no number does it.
std::string Controllore::Prove_Numero(const std::string& voce) {
  if (dizionario_ == nullptr) return {};
  std::string riuscite;
  for (const auto numero : tag_numeri) {
    std::string nuova = voce;
    for (const auto altro : tag_numeri) Sostituisci_Tutto(nuova, altro, "");
    nuova.insert(std::min(nuova.find_first_of("[|"), nuova.size()), numero);
    if (nuova == voce) continue;
    const std::string infinito = Forma(nuova, "Infinito");
    if (!infinito.ends_with("re") || !dizionario_->Parole_Ignote(infinito).empty()) continue;
    riuscite += (riuscite.empty() ? "" : std::string(m::oppure)) + m::Prova(nuova, m::C(infinito));
  }
  return riuscite;
}

std::string Controllore::Consiglio_Infinito(const std::string& voce) {
  const std::string prove = Prove_Numero(voce);
  return prove.empty() ? std::string(m::consiglio_participio) : m::Consiglio_Numero(prove);
}

// A word unknown in the base form is an error; so is one of another form when a hint or a number
// tag would give a known word. Otherwise the dictionary may just lack the inflection (it lists many
// nouns without their plural): a warning.
void Controllore::Controlla_Parole(const std::string& voce, int riga, const Descrizione& descrizione,
                                   bool senza_infinito) {
  const auto marcatori = Marcatori(descrizione);
  const std::string testo = Contiene(voce, "[np]") ? Senza_Nomi_Propri(voce) : voce;
  const std::string base = Forma(testo, marcatori.front());
  const auto ignote_base = dizionario_->Parole_Ignote(base);
  if (!ignote_base.empty()) {
    for (const auto& parola : ignote_base) {
      if (descrizione.tipo == Tipo::libro || descrizione.tipo == Tipo::fluido || descrizione.tipo == Tipo::frase) {
        Errore(riga, m::Parola_Ignota(voce, parola, m::consiglio_correzione));
      } else {
        Errore(riga, m::Parola_Ignota_In_Forma(voce, parola, marcatori.front(), base, m::consiglio_correzione));
      }
    }
    return;
  }
  std::set<std::string> segnalate;
  std::optional<std::string> prove;
  for (std::size_t i = 1; i < marcatori.size(); ++i) {
    const std::string& marcatore = marcatori[i];
    if (senza_infinito && marcatore == "Infinito") continue;
    const std::string forma = Forma(testo, marcatore);
    for (const auto& parola : dizionario_->Parole_Ignote(forma)) {
      if (!segnalate.insert(In_Minuscolo(parola)).second) continue;
      if (descrizione.tipo == Tipo::verbo) {
        const std::string numeri = marcatore == "Infinito" ? Prove_Numero(voce) : std::string();
        if (!numeri.empty()) {
          Errore(riga, m::Parola_Ignota_In_Forma(voce, parola, marcatore, forma, m::Consiglio_Numero(numeri)));
        } else {
          Avviso(riga, m::Parola_Ignota_In_Forma(voce, parola, marcatore, forma, m::consiglio_verbo_dubbio));
        }
      } else if (Contiene(voce, "|")) {
        Avviso(riga, m::Parola_Ignota_In_Forma(voce, parola, marcatore, forma, m::consiglio_plurale_scritto));
      } else {
        if (!prove) prove = Prove_Suggerimento(voce, descrizione);
        if (!prove->empty()) {
          Errore(riga, m::Parola_Ignota_In_Forma(voce, parola, marcatore, forma, m::Consiglio_Suggerimento(*prove)));
        } else {
          Avviso(riga, m::Parola_Ignota_In_Forma(voce, parola, marcatore, forma, m::Consiglio_Plurale_Dubbio(voce)));
        }
      }
    }
  }
}

}  // namespace talewick::controllo
