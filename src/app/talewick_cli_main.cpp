#include <fcntl.h>
#include <unistd.h>

#include <csignal>
#include <iostream>
#include <string>
#include <vector>

#include "app/cli.hpp"
#include "app/uscita.hpp"

int main(int argc, char** argv) {
  // A reader that goes away shows as EPIPE on the next write, which ends the run quietly.
  std::signal(SIGPIPE, SIG_IGN);
  // A standard descriptor closed by the caller is held by /dev/null, so that no word file gets
  // its number; standard output is held read-only, so that writing to it still fails.
  for (const int fd : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO}) {
    if (::fcntl(fd, F_GETFD) == -1) ::open("/dev/null", fd == STDERR_FILENO ? O_WRONLY : O_RDONLY);
  }
  talewick::cli::UscitaDescrittore uscita(STDOUT_FILENO);
  std::ostream out(&uscita);
  std::ios::sync_with_stdio(false);
  const std::vector<std::string> argomenti(argv + 1, argv + argc);
  return talewick::cli::Esegui(argomenti, out, std::cerr, talewick::Ambiente_Del_Processo());
}
