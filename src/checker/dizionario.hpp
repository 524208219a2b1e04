#pragma once
// The Italian dictionary of the checker: Hunspell plus the accepted words of fantasy, with every
// answer cached per word. Texts are split into words on blanks and apostrophes.
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

class Hunspell;

namespace talewick::controllo {

struct ParolaAccettata {
  std::string parola;
  std::string motivo;  // empty when the line gives none
  int riga = 0;
};

// Reads an accepted-word list: one word a line, its reason after a tab or '#'; blank lines and
// lines that begin with '#' are skipped.
std::vector<ParolaAccettata> Leggi_Parole_Accettate(std::string_view testo);

// The list kept with the checker's sources.
std::string_view Parole_Accettate_Distribuite();

class Dizionario {
 public:
  // Nullptr when `base` + ".aff" / ".dic" cannot be opened.
  static std::unique_ptr<Dizionario> Apri(const std::filesystem::path& base, std::string_view parole_accettate);
  ~Dizionario();
  Dizionario(const Dizionario&) = delete;
  Dizionario& operator=(const Dizionario&) = delete;

  // The words of `testo` the dictionary does not know, as written, each once.
  std::vector<std::string> Parole_Ignote(std::string_view testo);
  // One word without blanks; an elided word ("dell'") is judged in front of a known word.
  bool Conosce(std::string_view parola);

 private:
  explicit Dizionario(std::unique_ptr<Hunspell> hunspell);
  bool Conosce_Parola(const std::string& parola);
  bool Conosce_Elisione(const std::string& elisione);
  bool Hunspell_Conosce(const std::string& parola);
  // The unknown part of one blank-separated token, or "" when it is all known.
  std::string Parte_Ignota(std::string token);

  std::unique_ptr<Hunspell> hunspell_;
  std::unordered_set<std::string> accettate_;  // lower case
  std::unordered_map<std::string, bool> risposte_;
  std::unordered_map<std::string, std::string> token_;
};

}  // namespace talewick::controllo
