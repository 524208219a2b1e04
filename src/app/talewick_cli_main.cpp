#include <iostream>
#include <string>
#include <vector>

#include "app/cli.hpp"

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  const std::vector<std::string> argomenti(argv + 1, argv + argc);
  return talewick::cli::Esegui(argomenti, std::cout, std::cerr, talewick::Ambiente_Del_Processo());
}
