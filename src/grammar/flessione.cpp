#include "grammar/flessione.hpp"

#include <algorithm>
#include <array>
#include <span>
#include <utility>

#include "grammar/articoli.hpp"
#include "grammar/chiavi.hpp"
#include "grammar/correzione.hpp"
#include "grammar/regole.hpp"
#include "wordstore/tag.hpp"
#include "wordstore/testo.hpp"

namespace talewick {
namespace {

constexpr Sostituzione desinenze_maschile_plurale[] = {
    {"co", "ci"},    {"co[m]", "chi"}, {"co[fm]", "chi"}, {"go[m]", "ghi"}, {"go[fm]", "ghi"}, {"io[m]", "i"},
    {"io[fm]", "i"}, {"o", "i"},       {"tore", "tori"},  {"e", "i"},       {"a", "i"},
};

// "one" keeps its ending and stops the search, so "chiacchierone" does not fall to the "e" rule.
constexpr Sostituzione desinenze_femminile_plurale[] = {
    {"co[f]", "che"}, {"co[fm]", "che"}, {"ca[f]", "che"}, {"ca[fm]", "che"}, {"ga[f]", "ghe"}, {"ga[fm]", "ghe"},
    {"go[f]", "ghe"}, {"go[fm]", "ghe"}, {"io[f]", "e"},   {"io[fm]", "e"},   {"ia[f]", "e"},   {"ia[fm]", "e"},
    {"one", "one"},   {"tore", "trici"}, {"e", "i"},       {"o", "e"},        {"a", "e"},
};

constexpr Sostituzione desinenze_femminile_singolare[] = {{"o", "a"}, {"one", "ona"}, {"tore", "trice"}};

struct Plurale {
  std::string_view chiave;
  std::string_view tag_altro_genere;  // the hint that names only the other gender
  std::span<const Sostituzione> desinenze;
  std::string_view chiave_articoli;
};

constexpr Plurale maschile_plurale{chiave::al_maschile_plurale, "[f]", desinenze_maschile_plurale,
                                   chiave::determinativi_al_maschile_plurale};
constexpr Plurale femminile_plurale{chiave::al_femminile_plurale, "[m]", desinenze_femminile_plurale,
                                    chiave::determinativi_al_femminile_plurale};

void Correggi_al_Plurale(Dato& dato, const Plurale& plurale) {
  if (dato.forma_dato != plurale.chiave) return;
  if (auto irregolare = Individua_Plurali_Irregolari(dato); irregolare.posizione_barra != 0) {
    dato.valore_dato = std::move(irregolare.parti_plurale[1]);
  } else {
    Sostituisci_Ogni(dato.valore_dato, {plurale.tag_altro_genere, ""});
    Applica_Prima_Desinenza(dato.valore_dato, plurale.desinenze);
  }
  dato.forma_dato = plurale.chiave_articoli;
  Correggi_in_Articoli_Determinativi_Plurali(dato);
}

}  // namespace

void Correggi_al_Maschile_Plurale(Dato& dato) { Correggi_al_Plurale(dato, maschile_plurale); }

void Correggi_al_Femminile_Plurale(Dato& dato) { Correggi_al_Plurale(dato, femminile_plurale); }

void Correggi_Aggettivi_al_Femminile_Singolare(Dato& dato) {
  if (dato.forma_dato != chiave::aggettivi_al_femminile_singolare) return;
  Cancella_Info_Programma(dato);
  Applica_Prima_Desinenza(dato.valore_dato, desinenze_femminile_singolare);
}

void Iniziale_Stringa_Minuscola(Dato& dato) { Iniziale_Minuscola(dato.valore_dato); }

void Iniziale_Stringa_Maiuscola(Dato& dato) { Iniziale_Maiuscola(dato.valore_dato); }

namespace {

// Feminine endings of people and the masculine ones beside them; the first row keeps the word as
// it is, for the nouns of both genders («Negromante», «Esule»).
struct Desinenza {
  std::string_view femminile;
  std::string_view maschile;
};
constexpr std::array<Desinenza, 15> maschili = {{
    {"", ""},
    {"iera", "iere"},
    {"trice", "tore"},
    {"itrice", "idore"},
    {"essa", "e"},
    {"essa", "a"},
    {"essa", "o"},
    {"hessa", "a"},
    {"hessa", "o"},
    {"a", "o"},
    {"a", "e"},
    {"ina", "e"},
    {"egina", "e"},
    {"dea", "dio"},
    {"donna", "uomo"},
}};

// Endings of the nouns of people that name men and women alike: «la negromante», «l'erede»,
// «l'esorcista», «la regicida», «la fuorilegge». Not «-ide», «-ade», «-one», «-ale», which make the
// nymphs, the amazons and the vestals.
constexpr std::array<std::string_view, 8> comuni = {"ante", "ente", "ista", "cida", "ule", "ede", "egge", "stata"};

}  // namespace

bool Di_Genere_Comune(std::string_view nome) {
  const std::string_view parola = nome.substr(0, std::min(nome.find(' '), nome.size()));
  return std::any_of(comuni.begin(), comuni.end(), [parola](std::string_view fine) { return parola.ends_with(fine); });
}

std::vector<std::string> Maschili_Di(std::string_view femminile) {
  const std::size_t fine = std::min(femminile.find(' '), femminile.size());
  const std::string_view parola = femminile.substr(0, fine);
  std::vector<std::string> risultato;
  for (const Desinenza& desinenza : maschili) {
    if (!parola.ends_with(desinenza.femminile)) continue;
    std::string maschile(parola.substr(0, parola.size() - desinenza.femminile.size()));
    maschile += desinenza.maschile;
    maschile += femminile.substr(fine);
    if (std::find(risultato.begin(), risultato.end(), maschile) == risultato.end())
      risultato.push_back(std::move(maschile));
  }
  return risultato;
}

}  // namespace talewick
