#pragma once
// Runs the command line in-process and keeps what it printed.
#include <sstream>
#include <string>
#include <vector>

#include "app/cli.hpp"

namespace talewick::prova {

struct Uscita {
  int codice;
  std::string out;
  std::string err;
};

inline Uscita Esegui_Con(const std::vector<std::string>& argomenti) {
  std::ostringstream out;
  std::ostringstream err;
  const int codice = cli::Esegui(argomenti, out, err);
  return {codice, out.str(), err.str()};
}

}  // namespace talewick::prova
