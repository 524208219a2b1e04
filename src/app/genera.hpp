#pragma once
// The options `genera` and `copertura` share: the kind and the window's option panel.
#include <cstdint>
#include <optional>
#include <string>

#include "core/opzioni.hpp"

namespace CLI {
class App;
class Option;
}  // namespace CLI

namespace talewick::cli {

struct ArgomentiGenera {
  std::string tipo;
  std::uint64_t quanti = 1;
  std::optional<std::string> tipo_nomi, opzioni, nome_pers;
  std::optional<long long> min, max;
  std::optional<bool> aggettivi;
  const CLI::Option* opzione_aggettivi = nullptr;  // absent: the window's default, adjectives on
  bool json = false;
};

// Adds --tipo-nomi, --min, --max, --aggettivi/--no-aggettivi, --opzioni, --nome-pers, and a
// parse-complete callback that reports their usage errors (and KIND's) before the word files
// are looked for.
void Aggiungi_Opzioni_Genera(CLI::App* comando, ArgomentiGenera& argomenti);

// Adds -n, a whole number from 1 up, with `argomenti.quanti` as its default.
void Aggiungi_Numero(CLI::App* comando, ArgomentiGenera& argomenti, const std::string& descrizione);

// Builds the option set the window would hold for these arguments; throws ErroreUso (app/uso.hpp)
// for a text the window could not show, or a minimum above the maximum.
void Prepara_Opzioni(const ArgomentiGenera& a, Opzioni& opzioni);

}  // namespace talewick::cli
