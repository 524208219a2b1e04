#pragma once
// The word-file checker. `Controlla_Database` reads the 38 word files of a folder with the word
// store's own reader and reports, file by file and line by line: the file contract (presence,
// encoding, no empty entry), the tags, the base forms, the tagged entries the generators need,
// and, through the real grammar engine and an Italian Hunspell dictionary (dizionario.hpp), every
// form a generator can give an entry. Words of fantasy that the dictionary lacks are listed in
// parole_accettate.txt next to this file, built into the library.
#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace talewick::controllo {

class Dizionario;

enum class Gravita { errore, avviso };

struct Segnalazione {
  std::string file;  // the path as shown to the user, e.g. "Database/MasArmi.txt"
  int riga = 0;      // 1-based line; 0 when the finding is about the whole file
  Gravita gravita = Gravita::errore;
  std::string messaggio;
  // Not zero: the finding stands for this many findings of its kind that are not shown.
  std::size_t nascoste = 0;

  bool operator==(const Segnalazione&) const = default;
};

struct OpzioniControllo {
  // The Hunspell dictionary, without ".aff"/".dic".
  std::filesystem::path dizionario;
  // The accepted words: one a line, a reason after a tab or '#'.
  std::string parole_accettate;
};

// The shipped accepted-word list, and the dictionary named by $TALEWICK_DIZIONARIO or the
// system's Italian one.
OpzioniControllo Opzioni_Predefinite();

std::vector<Segnalazione> Controlla_Database(const std::filesystem::path& cartella);
std::vector<Segnalazione> Controlla_Database(const std::filesystem::path& cartella, const OpzioniControllo& opzioni);
// With a dictionary already open (it keeps its cache of answers).
std::vector<Segnalazione> Controlla_Database(const std::filesystem::path& cartella, Dizionario& dizionario);

// At most this many findings are kept per file; a count stands for the rest.
inline constexpr std::size_t massimo_segnalazioni_per_file = 50;

// "FILE:LINE: errore: ..." (no LINE for a whole-file finding), control characters escaped.
std::string Testo_Segnalazione(const Segnalazione& segnalazione);
// "3 errori, 1 avviso", or "Nessun problema trovato." when there is nothing.
std::string Riepilogo(const std::vector<Segnalazione>& segnalazioni);
bool Ci_Sono_Errori(const std::vector<Segnalazione>& segnalazioni);

}  // namespace talewick::controllo
