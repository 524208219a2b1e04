#pragma once
// The options `genera` and `copertura` share: the kind and the window's option panel.
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
  long long quanti = 1;
  std::optional<std::string> tipo_nomi, min, max, opzioni, nome_pers;
  std::optional<bool> aggettivi;
  const CLI::Option* opzione_aggettivi = nullptr;  // absent: the window's default, adjectives on
  bool json = false;
};

// Adds --tipo-nomi, --min, --max, --aggettivi/--no-aggettivi, --opzioni, --nome-pers.
void Aggiungi_Opzioni_Genera(CLI::App* comando, ArgomentiGenera& argomenti);

// Builds the option set the window would hold for these arguments; a usage error when a text
// is not one the window could show.
std::optional<std::string> Prepara_Opzioni(const ArgomentiGenera& a, Opzioni& opzioni);

}  // namespace talewick::cli
