#include <CLI/CLI.hpp>
#include <ostream>

#include "app/cli.hpp"
#include "base/messaggi.hpp"
#include "other_windows/riepilogo.hpp"
#include "other_windows/statistiche_tag.hpp"
#include "wordstore/archivio.hpp"

namespace talewick::cli {
namespace {

// Shares as an Italian user reads them in the windows.
constexpr std::string_view separatore_italiano = ",";

int Esegui_Riepilogo(Globali& g) {
  Annuncia_Cartella(g);
  Archivio archivio(g.database);
  try {
    Carica_Tutti_File(archivio);
  } catch (const ErroreGenerazione& e) {
    *g.err << e.what() << '\n';
    return esito_fallito;
  }
  std::ostream& out = *g.out;
  const auto righe = Refresh_Valori(archivio);
  for (const auto controllo : ordine_riepilogo) {
    for (const auto& riga : righe) {
      if (riga.controllo == controllo) out << riga.testo << '\n';
    }
  }
  const auto testi = Testi_Statistiche(archivio, separatore_italiano);
  for (const auto& riga : testi.Conteggio) {
    if (!riga.empty()) out << riga << '\n';
  }
  out << testi.Categoria[10] << '\n';
  for (std::size_t k = 0; k < 10; ++k) out << testi.Categoria[k] << '\n';
  out << testi.Totale << '\n';
  for (const auto& riga : testi.TagNome) {
    if (!riga.empty()) out << riga << '\n';
  }
  return esito_ok;
}

}  // namespace

void Registra_Riepilogo(CLI::App& app, Globali& globali) {
  auto* riepilogo =
      app.add_subcommand("riepilogo", "Quante voci ha a disposizione ogni tipo, e i conteggi di file, categorie e tag");
  riepilogo->callback([&globali] { globali.codice = Esegui_Riepilogo(globali); });
}

}  // namespace talewick::cli
