#include <CLI/CLI.hpp>
#include <memory>
#include <ostream>

#include "app/cli.hpp"
#include "app/genera.hpp"
#include "app/json.hpp"
#include "app/uso.hpp"
#include "base/messaggi.hpp"
#include "core/opzioni.hpp"
#include "dispatch/dispatcher.hpp"
#include "wordstore/archivio.hpp"
#include "wordstore/casuale.hpp"
#include "wordstore/testo.hpp"

namespace talewick::cli {
namespace {

template <std::size_t N>
std::string Elenco(const std::array<std::string_view, N>& voci) {
  std::string elenco;
  for (const auto voce : voci) elenco += (elenco.empty() ? "\"" : ", \"") + std::string(voce) + "\"";
  return elenco;
}

std::string Elenco_Popoli() { return Elenco(nomi_popoli); }

}  // namespace

void Prepara_Opzioni(const ArgomentiGenera& a, Opzioni& opzioni) {
  if (Cerca_Tipo(a.tipo) == nullptr) throw ErroreUso(messaggi::Tipo_Sconosciuto(a.tipo, Elenco(tipi_generazione)));
  opzioni.CosaGenerare = a.tipo;
  if (a.tipo_nomi) {
    if (!Cerca_Popolo(*a.tipo_nomi)) {
      throw ErroreUso(messaggi::Valore_Non_Ammesso("--tipo-nomi", *a.tipo_nomi, Elenco_Popoli()));
    }
    opzioni.TipoNomi = *a.tipo_nomi;
  }
  if (a.min && a.max && *a.min > *a.max) throw ErroreUso(messaggi::cli::Minima_Maggiore(*a.min, *a.max));
  const Popolo popolo = *Cerca_Popolo(opzioni.TipoNomi);
  if (popolo.nome == inglese_composto) {
    // Compound English names have no length: the window's boxes read "X".
    opzioni.Min = a.min ? std::to_string(*a.min) : "X";
    opzioni.Max = a.max ? std::to_string(*a.max) : "X";
  } else {
    // One bound given alone drags the people's default for the other along when it crosses it.
    const long long min = a.min.value_or(a.max ? std::min<long long>(popolo.min, *a.max) : popolo.min);
    const long long max = a.max.value_or(std::max<long long>(popolo.max, min));
    opzioni.Min = std::to_string(min);
    opzioni.Max = std::to_string(max);
  }
  if (a.opzioni) {
    if (std::find(opzioni_oggetti.begin(), opzioni_oggetti.end(), *a.opzioni) == opzioni_oggetti.end()) {
      throw ErroreUso(messaggi::Valore_Non_Ammesso("--opzioni", *a.opzioni, Elenco(opzioni_oggetti)));
    }
    opzioni.ComboOpzioni = *a.opzioni;
  }
  if (a.aggettivi && a.opzione_aggettivi != nullptr && a.opzione_aggettivi->count() > 0) {
    opzioni.Aggettivi = *a.aggettivi;
  }
  if (a.nome_pers) opzioni.NomePers = *a.nome_pers;
}

void Aggiungi_Opzioni_Genera(CLI::App* comando, ArgomentiGenera& argomenti) {
  comando->add_option("--tipo-nomi", argomenti.tipo_nomi, "Il popolo dei nomi")->type_name("POPOLO");
  comando->add_option("--min", argomenti.min, "Sillabe minime, da 1 a 1000")
      ->check(Lunghezza_Valida("--min"))
      ->type_name("NUMERO");
  comando->add_option("--max", argomenti.max, "Sillabe massime, da 1 a 1000")
      ->check(Lunghezza_Valida("--max"))
      ->type_name("NUMERO");
  argomenti.opzione_aggettivi =
      comando->add_flag("--aggettivi,!--no-aggettivi", argomenti.aggettivi, "Usa anche gli aggettivi")
          ->disable_flag_override();
  comando->add_option("--opzioni", argomenti.opzioni, "Quali oggetti generare")->type_name("TESTO");
  comando->add_option("--nome-pers", argomenti.nome_pers, "Il nome dell'edificio")->type_name("TESTO");
  // Checks the words as soon as the command is read: a usage error comes before any search for
  // the word files.
  comando->parse_complete_callback([&argomenti] {
    Opzioni prova;
    Prepara_Opzioni(argomenti, prova);
  });
}

void Aggiungi_Numero(CLI::App* comando, ArgomentiGenera& argomenti, const std::string& descrizione) {
  comando->add_option("-n", argomenti.quanti, descrizione + " (un numero intero da 1 in su)")
      ->check(Numero_Da_Uno())
      ->type_name("NUMERO")
      ->capture_default_str();
}

namespace {

// Writes each result as soon as it is made; with --json an array that is closed even when a
// generation fails part-way, so that what was written stays valid JSON.
int Esegui_Genera(const ArgomentiGenera& a, Globali& g) {
  Archivio archivio(g.database);
  std::unique_ptr<Motore_Casuale> casuale =
      g.seme ? std::make_unique<Motore_Casuale>(*g.seme) : std::make_unique<Motore_Casuale>();
  Stato stato(archivio, *casuale);
  Prepara_Opzioni(a, stato.opzioni);
  std::ostream& out = *g.out;
  std::optional<std::string> errore;
  if (a.json) out << '[';
  for (std::uint64_t i = 0; i < a.quanti; ++i) {
    errore = Genera_Altro_Valore(stato);
    if (errore) break;
    if (a.json) {
      out << (i == 0 ? "\n" : ",\n") << "  {\"tipo\": " << Stringa_Json(a.tipo)
          << ", \"testo\": " << Stringa_Json(stato.slot_nome.testo) << '}';
    } else {
      out << stato.slot_nome.testo << '\n';
    }
    if (!out.flush()) return Esito_Scrittura(g);
  }
  if (a.json && !(out << "\n]\n").flush()) return Esito_Scrittura(g);
  if (errore) {
    *g.err << Testo_Stampabile(*errore) << '\n';
    return esito_fallito;
  }
  return esito_ok;
}

}  // namespace

void Registra_Genera(CLI::App& app, Globali& globali) {
  auto argomenti = std::make_shared<ArgomentiGenera>();
  auto* genera = app.add_subcommand("genera", "Genera uno o più risultati di un tipo");
  genera->add_option("tipo", argomenti->tipo, "Il tipo di generazione, per esempio \"Nomi Personaggi\"")
      ->required()
      ->type_name("TIPO");
  Aggiungi_Numero(genera, *argomenti, "Quanti risultati");
  Aggiungi_Opzioni_Genera(genera, *argomenti);
  genera->add_flag("--json", argomenti->json, "Stampa un array JSON")->disable_flag_override();
  genera->callback([argomenti, &globali] { globali.codice = Esegui_Genera(*argomenti, globali); });
}

}  // namespace talewick::cli
