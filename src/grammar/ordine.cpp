#include "grammar/ordine.hpp"

#include <algorithm>
#include <array>
#include <cstddef>

#include "wordstore/testo.hpp"

namespace talewick {
namespace {

// Articles and prepositions, in lower case; those ending in an apostrophe join the next word.
constexpr std::array<std::string_view, 47> parole_grammaticali = {
    "il",    "lo",     "la",     "l'",  "i",     "gli",   "le",   "un",   "uno", "una",   "un'",   "del",
    "dello", "della",  "dell'",  "dei", "degli", "delle", "di",   "d'",   "dal", "dallo", "dalla", "dall'",
    "dai",   "dagli",  "dalle",  "da",  "al",    "allo",  "alla", "all'", "ai",  "agli",  "alle",  "a",
    "ad",    "alcuni", "alcune", "con", "senza", "in",    "su",   "tra",  "fra", "e",     "ed"};

// The articulated forms of «di» that open a free complement.
constexpr std::array<std::string_view, 7> di_articolate = {"del", "dello", "della", "dell'", "dei", "degli", "delle"};

template <std::size_t N>
bool Fra(std::string_view parola, const std::array<std::string_view, N>& elenco) {
  return std::any_of(elenco.begin(), elenco.end(),
                     [&](std::string_view p) { return Uguali_Senza_Maiuscole(p, parola); });
}

// The word without an elided article or preposition in front of it: «dell'Ascia» gives «Ascia».
std::string_view Senza_Elisione(std::string_view parola) {
  const auto apostrofo = parola.find('\'');
  if (apostrofo == std::string_view::npos || apostrofo + 1 == parola.size()) return parola;
  return Fra(parola.substr(0, apostrofo + 1), parole_grammaticali) ? parola.substr(apostrofo + 1) : parola;
}

bool Apre_Complemento(std::string_view parola) {
  const auto apostrofo = parola.find('\'');
  return Fra(apostrofo == std::string_view::npos ? parola : parola.substr(0, apostrofo + 1), di_articolate);
}

// What follows the head of a noun: nothing, a word of its own, or a complement.
enum class Seguito { nulla, parola_propria, complemento };

Seguito Dopo_La_Testa(std::string_view nome) {
  bool testa_vista = false;
  for (std::size_t inizio = 0; inizio < nome.size();) {
    const auto fine = std::min(nome.find(' ', inizio), nome.size());
    const auto parola = nome.substr(inizio, fine - inizio);
    inizio = fine + 1;
    if (parola.empty()) continue;
    const auto senza = Senza_Elisione(parola);
    const bool grammaticale = senza.empty() || Fra(senza, parole_grammaticali);
    if (testa_vista) {
      // An elided preposition opens a complement as a whole one does.
      return grammaticale || senza.size() != parola.size() ? Seguito::complemento : Seguito::parola_propria;
    }
    testa_vista = !grammaticale;
  }
  return Seguito::nulla;
}

}  // namespace

bool Gia_Qualificato(std::string_view nome) { return Dopo_La_Testa(nome) == Seguito::parola_propria; }

bool Sola_Testa(std::string_view nome) { return Dopo_La_Testa(nome) == Seguito::nulla; }

bool Con_Complemento(std::string_view nome) { return Dopo_La_Testa(nome) == Seguito::complemento; }

std::string Nome_Qualificato(std::string_view nome, std::string_view qualificativo) {
  if (Gia_Qualificato(nome)) return std::string(nome);
  bool testa_vista = false;
  for (std::size_t inizio = 0; inizio < nome.size();) {
    const auto fine = std::min(nome.find(' ', inizio), nome.size());
    const auto parola = nome.substr(inizio, fine - inizio);
    if (testa_vista && inizio > 0 && Apre_Complemento(parola)) {
      std::string risultato(nome.substr(0, inizio));
      risultato.append(qualificativo).append(" ").append(nome.substr(inizio));
      return risultato;
    }
    const auto senza = Senza_Elisione(parola);
    testa_vista = testa_vista || (!senza.empty() && !Fra(senza, parole_grammaticali));
    inizio = fine + 1;
  }
  std::string risultato(nome);
  risultato.append(" ").append(qualificativo);
  return risultato;
}

}  // namespace talewick
