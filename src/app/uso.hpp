#pragma once
// Usage errors of the command line. Every one ends as an ErroreUso with an Italian message
// naming the word at fault: the checks of values throw it themselves, and Messaggio_Uso turns
// what CLI11 finds (a missing or unknown word) into one.
#include <CLI/CLI.hpp>
#include <cstdint>
#include <string>
#include <string_view>

namespace talewick::cli {

class ErroreUso : public CLI::ParseError {
 public:
  explicit ErroreUso(const std::string& messaggio) : CLI::ParseError("ErroreUso", messaggio, 2) {}
};

// -n: a whole number from 1 up; a number beyond 2^64 - 1 stands for as many as can be counted.
CLI::Validator Numero_Da_Uno();
// --seed: a whole number from 0 to 2^64 - 1.
CLI::Validator Seme_Valido();
// --min, --max: a whole number from 1 to 1000.
CLI::Validator Lunghezza_Valida(const std::string& opzione);

// The Italian message for a usage error found while parsing `app`.
std::string Messaggio_Uso(const CLI::ParseError& errore, const CLI::App& app);

// The help in Italian: labels, and the help and version flags.
void Aiuto_In_Italiano(CLI::App& app);

}  // namespace talewick::cli
