#include "app/cli.hpp"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <array>
#include <ostream>

#include "core/versione.hpp"

namespace talewick::cli {
namespace {

constexpr std::array<Registrazione, 4> comandi = {Registra_Genera, Registra_Forma, Registra_Controlla,
                                                  Registra_Riepilogo};

}  // namespace

int Esegui(const std::vector<std::string>& argomenti, std::ostream& out, std::ostream& err) {
  Globali globali;
  globali.out = &out;
  globali.err = &err;
  CLI::App app{"Talewick: generatore di testi casuali per giochi di ruolo fantasy.", "talewick-cli"};
  app.require_subcommand(1);
  app.set_version_flag("--version", std::string("talewick-cli ") + Versione);
  app.add_option("--database", globali.database, "Cartella dei file di parole")->capture_default_str();
  app.add_option("--seed", globali.seme, "Seme del generatore casuale");
  for (const auto registra : comandi) registra(app, globali);

  std::vector<std::string> rovesciati(argomenti.rbegin(), argomenti.rend());
  try {
    app.parse(rovesciati);
  } catch (const CLI::CallForHelp&) {
    out << app.help();
    return esito_ok;
  } catch (const CLI::CallForAllHelp&) {
    out << app.help("", CLI::AppFormatMode::All);
    return esito_ok;
  } catch (const CLI::CallForVersion&) {
    out << app.version() << '\n';
    return esito_ok;
  } catch (const CLI::ParseError& errore) {
    err << errore.what() << '\n';
    return esito_uso;
  }
  return globali.codice;
}

}  // namespace talewick::cli
