#include <CLI/CLI.hpp>
#include <algorithm>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>

#include "app/cli.hpp"
#include "base/messaggi.hpp"
#include "grammar/correzione.hpp"
#include "wordstore/tag.hpp"
#include "wordstore/testo.hpp"

namespace talewick::cli {
namespace {

struct ArgomentiForma {
  std::string marcatore;
  std::string valore;
  std::optional<std::string> tutte;
};

int Esegui_Forma(const ArgomentiForma& a, Globali& g) {
  std::ostream& out = *g.out;
  if (a.tutte) {
    for (const auto parola : parole_chiave) out << parola << '\t' << Forma(*a.tutte, parola) << '\n';
  } else {
    out << Forma(a.valore, a.marcatore) << '\n';
    // Markers that are no keyword ("No", "AggMasSing") are written on purpose: a note, not an error.
    if (std::find(parole_chiave.begin(), parole_chiave.end(), a.marcatore) == parole_chiave.end()) {
      *g.err << Testo_Stampabile(messaggi::cli::Marcatore_Senza_Parola_Chiave(a.marcatore)) << '\n';
    }
  }
  return esito_ok;
}

}  // namespace

void Registra_Forma(CLI::App& app, Globali& globali) {
  auto argomenti = std::make_shared<ArgomentiForma>();
  auto* forma = app.add_subcommand("forma", "Mostra la forma che il motore grammaticale dà a un valore");
  auto* tutte =
      forma->add_option("--tutte", argomenti->tutte, "Mostra VALORE con ognuna delle parole chiave, in ordine")
          ->type_name("VALORE");
  auto* marcatore =
      forma->add_option("marcatore", argomenti->marcatore, "Il marcatore grammaticale, per esempio \"FemPlurSu\"")
          ->type_name("MARCATORE");
  auto* valore =
      forma->add_option("valore", argomenti->valore, "Il valore nella sua forma base, per esempio \"La spada\"")
          ->type_name("VALORE");
  marcatore->needs(valore);
  marcatore->excludes(tutte);
  forma->require_option(1, 0);
  forma->callback([argomenti, &globali] { globali.codice = Esegui_Forma(*argomenti, globali); });
}

}  // namespace talewick::cli
