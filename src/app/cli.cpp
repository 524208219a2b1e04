#include "app/cli.hpp"

#include <CLI/CLI.hpp>
#include <array>
#include <cerrno>
#include <ostream>

#include "app/uscita.hpp"
#include "app/uso.hpp"
#include "base/messaggi.hpp"
#include "base/versione.hpp"
#include "wordstore/testo.hpp"

namespace talewick::cli {
namespace {

constexpr std::array<Registrazione, 5> comandi = {Registra_Genera, Registra_Forma, Registra_Controlla,
                                                  Registra_Riepilogo, Registra_Copertura};

// Commands that read no word file.
constexpr std::array<std::string_view, 1> senza_parole = {"forma"};

// Finds the word files once the command is known, before it runs.
void Trova_Cartella(const CLI::App& app, const Ambiente& ambiente, Globali& g) {
  for (const auto nome : senza_parole) {
    if (app.got_subcommand(std::string(nome))) return;
  }
  g.cartella = Trova_Cartella_Parole(
      ambiente, g.database.empty() ? std::nullopt : std::optional<std::filesystem::path>(g.database));
  if (g.cartella.origine == Origine_Parole::Nessuna) {
    std::string cercate;
    for (const auto& cartella : g.cartella.cercate)
      cercate += (cercate.empty() ? "\"" : ", \"") + cartella.string() + "\"";
    throw ErroreGenerazione(messaggi::Nessuna_Cartella_Parole(cercate));
  }
  g.database = g.cartella.percorso.string();
}

}  // namespace

void Annuncia_Cartella(const Globali& globali) {
  const Cartella_Parole& c = globali.cartella;
  *globali.err << (c.origine == Origine_Parole::Installata && !c.copia_utente.empty()
                       ? messaggi::Cartella_Installata_Letta(c.percorso.string(), c.copia_utente.string())
                       : messaggi::Cartella_Letta(c.percorso.string()))
               << '\n';
}

int Esito_Scrittura(Globali& globali) {
  globali.scrittura_fallita = true;
  const int errore = Errore_Di_Scrittura(*globali.out);
  if (errore == EPIPE) return esito_ok;
  *globali.err << messaggi::cli::Scrittura_Fallita(Causa_Scrittura(errore)) << '\n';
  return esito_fallito;
}

int Esegui(const std::vector<std::string>& argomenti, std::ostream& out, std::ostream& err) {
  std::error_code errore;
  Ambiente solo_cartella_corrente;
  solo_cartella_corrente.cartella_corrente = std::filesystem::current_path(errore);
  return Esegui(argomenti, out, err, solo_cartella_corrente);
}

int Esegui(const std::vector<std::string>& argomenti, std::ostream& out, std::ostream& err, const Ambiente& ambiente) {
  for (const auto& argomento : argomenti) {
    if (!E_Utf8_Valido(argomento)) {
      err << messaggi::cli::Argomento_Non_Utf8(Testo_Stampabile(argomento)) << '\n';
      return esito_uso;
    }
  }
  Globali globali;
  globali.out = &out;
  globali.err = &err;
  CLI::App app{"Talewick: generatore di testi casuali per giochi di ruolo fantasy.", "talewick-cli"};
  Aiuto_In_Italiano(app);
  app.require_subcommand(1);
  app.set_version_flag("--version", std::string("talewick-cli ") + Versione, "Mostra la versione ed esce");
  app.add_option("--database", globali.database,
                 "Cartella dei file di parole (senza: Database nella cartella corrente, poi la copia dell'utente, "
                 "poi quella installata)")
      ->type_name("CARTELLA");
  app.add_option("--seed", globali.seme, "Seme del generatore casuale, da 0 a 18446744073709551615")
      ->check(Seme_Valido())
      ->type_name("NUMERO");
  for (const auto registra : comandi) registra(app, globali);
  for (auto* comando : app.get_subcommands([](CLI::App*) { return true; })) {
    comando->group("Comandi");
    for (auto* opzione : comando->get_options()) {
      if (opzione->get_group() == "Options") opzione->group("Opzioni");
    }
  }
  app.parse_complete_callback([&app, &ambiente, &globali] { Trova_Cartella(app, ambiente, globali); });

  // CLI11 takes the arguments last first.
  std::vector<std::string> rovesciati(argomenti.rbegin(), argomenti.rend());
  try {
    app.parse(rovesciati);
  } catch (const CLI::CallForHelp&) {
    out << app.help();
  } catch (const CLI::CallForAllHelp&) {
    out << app.help("", CLI::AppFormatMode::All);
  } catch (const CLI::CallForVersion&) {
    out << app.version() << '\n';
  } catch (const CLI::ParseError& errore) {
    err << Testo_Stampabile(Messaggio_Uso(errore, app)) << '\n';
    return esito_uso;
  } catch (const ErroreGenerazione& errore) {
    err << Testo_Stampabile(errore.what()) << '\n';
    return esito_fallito;
  }
  // Help and version come here with status 0, a command with its own.
  if (!out.flush() && !globali.scrittura_fallita) return Esito_Scrittura(globali);
  return globali.codice;
}

}  // namespace talewick::cli
