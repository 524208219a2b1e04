#pragma once
// The command line: global options, then one command (genera, forma, controlla,
// riepilogo, copertura). Each command lives in its own file and registers itself on the app.
#include <cstdint>
#include <functional>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "wordstore/cartella_parole.hpp"

namespace CLI {  // NOLINT(readability-identifier-naming): CLI11's own namespace
class App;
}

namespace talewick::cli {

// Exit statuses scripts rely on.
inline constexpr int esito_ok = 0;
inline constexpr int esito_fallito = 1;
inline constexpr int esito_uso = 2;

struct Globali {
  std::string database;  // empty until found: see wordstore/cartella_parole.hpp
  Cartella_Parole cartella;
  std::optional<std::uint64_t> seme;
  std::ostream* out = nullptr;
  std::ostream* err = nullptr;
  int codice = esito_ok;
  bool scrittura_fallita = false;  // a failed write has been reported
};

// A command adds its subcommand to `app`; its callback runs with the parsed globals and sets
// `globali.codice`.
using Registrazione = void (*)(CLI::App& app, Globali& globali);

void Registra_Genera(CLI::App& app, Globali& globali);
void Registra_Controlla(CLI::App& app, Globali& globali);
void Registra_Forma(CLI::App& app, Globali& globali);
void Registra_Riepilogo(CLI::App& app, Globali& globali);
void Registra_Copertura(CLI::App& app, Globali& globali);

// Says on standard error which word-file folder the command reads.
void Annuncia_Cartella(const Globali& globali);

// After a failed write to `globali.out`: exit 0 quietly when the reader has gone (EPIPE),
// otherwise the cause on standard error and exit 1.
int Esito_Scrittura(Globali& globali);

// Runs the command line on `argomenti` (without the program name); returns the exit status.
// Every usage error is reported in Italian, naming the word at fault, with exit status 2.
// The word files are looked for from `ambiente`; without it, only under the current folder.
int Esegui(const std::vector<std::string>& argomenti, std::ostream& out, std::ostream& err, const Ambiente& ambiente);
int Esegui(const std::vector<std::string>& argomenti, std::ostream& out, std::ostream& err);

}  // namespace talewick::cli
