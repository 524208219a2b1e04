#pragma once
// What the database summary window (Form4) shows: nine lines, each the number of entries a
// generation kind can draw from, computed from the word store's count tables. The formulas
// are data, so the window, the command line and the tests read the same table.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "wordstore/archivio.hpp"

namespace talewick {

using Conteggi_File = std::array<std::int64_t, numero_file>;
using Conteggi_Tag = std::array<std::int64_t, 6>;

// One addend of a summary formula: c(i), t(k), N or S.
struct Termine {
  enum class Tipo { Nessuno, File, Tag, Nomi, Sillabe };
  Tipo tipo = Tipo::Nessuno;
  int indice = 0;
};

struct FormulaRiepilogo {
  std::string_view controllo;
  std::string_view prefisso;
  std::array<Termine, 8> termini;  // unused places are Tipo::Nessuno
  std::string_view suffisso;
};

namespace termini {
// NOLINTBEGIN(readability-identifier-naming): N and S are the formulas' own notation.
inline constexpr Termine N{Termine::Tipo::Nomi, 0};
inline constexpr Termine S{Termine::Tipo::Sillabe, 0};
// NOLINTEND(readability-identifier-naming)
constexpr Termine c(int i) { return {Termine::Tipo::File, i}; }
constexpr Termine t(int k) { return {Termine::Tipo::Tag, k}; }
}  // namespace termini

// The nine lines in the order `Refresh_Valori` writes them.
inline constexpr std::array<FormulaRiepilogo, 9> formule_riepilogo = [] {
  using namespace termini;
  return std::array<FormulaRiepilogo, 9>{{
      {"Label1", "- Per i Nomi di Locande ci sono ", {N, c(0), c(25), c(27)}, " vocaboli."},
      {"Label3",
       "- Per le Descrizioni delle Pozioni ci sono ",
       {t(3), t(4), c(26), c(6), c(7), t(1), t(2)},
       " vocaboli."},
      {"Label2", "- Per i Nomi di Personaggi ci sono ", {S}, " sillabe."},
      {"Label4", "- Per i Titoli dei Libri ci sono ", {N, c(28), S}, " vocaboli e sillabe."},
      {"Label5", "- Per gli Spunti per le Avventure ci sono ", {N, c(0), c(27)}, " vocaboli."},
      {"Label6",
       "- Per i Nomi degli Oggetti Intelligenti ci sono ",
       {c(12), c(13), c(16), c(17), c(1), S, c(0)},
       " vocaboli e sillabe."},
      {"Label7",
       "- Per i Nomi degli Oggetti Magici ci sono ",
       {c(12), c(13), c(16), c(17), c(1), c(18), c(19), t(0)},
       " vocaboli."},
      {"Label9", "- Per i Nomi delle Divinità ci sono ", {N, c(0), S}, " vocaboli e sillabe."},
      {"Label10", "- Per i Nomi dei Gruppi ci sono ", {N, c(0)}, " vocaboli."},
  }};
}();

// The summary labels from the top of the window down.
inline constexpr std::array<std::string_view, 9> ordine_riepilogo = {"Label3", "Label1", "Label6", "Label2", "Label5",
                                                                     "Label4", "Label7", "Label9", "Label10"};

struct RigaRiepilogo {
  std::string_view controllo;
  std::int64_t numero = 0;
  std::string testo;
};

// N: nouns and adjectives, files 1 to 21.
std::int64_t Somma_Nomi(const Conteggi_File& c);
// S: the syllables of every people and the two English word files.
std::int64_t Somma_Sillabe(const Conteggi_File& c);

std::int64_t Valore_Formula(const FormulaRiepilogo& formula, const Conteggi_File& c, const Conteggi_Tag& t);

// The nine lines, in the order of `formule_riepilogo`.
std::array<RigaRiepilogo, 9> Refresh_Valori(const Conteggi_File& c, const Conteggi_Tag& t);
inline std::array<RigaRiepilogo, 9> Refresh_Valori(const Archivio& archivio) {
  return Refresh_Valori(archivio.numero_vocaboli, archivio.numero_vocaboli_tag);
}

}  // namespace talewick
