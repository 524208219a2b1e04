#include <CLI/CLI.hpp>
#include <ostream>

#include "app/cli.hpp"
#include "checker/controllo.hpp"

namespace talewick::cli {
namespace {

int Esegui_Controlla(const Globali& g) {
  Annuncia_Cartella(g);
  const auto segnalazioni = controllo::Controlla_Database(g.database);
  std::ostream& out = *g.out;
  for (const auto& segnalazione : segnalazioni) out << controllo::Testo_Segnalazione(segnalazione) << '\n';
  out << controllo::Riepilogo(segnalazioni) << '\n';
  return controllo::Ci_Sono_Errori(segnalazioni) ? esito_fallito : esito_ok;
}

}  // namespace

void Registra_Controlla(CLI::App& app, Globali& globali) {
  auto* controlla = app.add_subcommand("controlla", "Controlla i file di parole: formato, tag, forme e italiano");
  // Also accepted after the command name: `talewick-cli controlla --database DIR`.
  controlla->add_option("--database", globali.database, "Cartella dei file di parole");
  controlla->callback([&globali] { globali.codice = Esegui_Controlla(globali); });
}

}  // namespace talewick::cli
