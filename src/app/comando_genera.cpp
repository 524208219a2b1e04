#include <CLI/CLI.hpp>
#include <memory>
#include <ostream>

#include "app/cli.hpp"
#include "app/genera.hpp"
#include "app/json.hpp"
#include "core/dispatcher.hpp"
#include "core/messaggi.hpp"
#include "core/opzioni.hpp"
#include "wordstore/archivio.hpp"
#include "wordstore/casuale.hpp"

namespace talewick::cli {
namespace {

template <std::size_t N>
std::string Elenco(const std::array<std::string_view, N>& voci) {
  std::string elenco;
  for (const auto voce : voci) elenco += (elenco.empty() ? "\"" : ", \"") + std::string(voce) + "\"";
  return elenco;
}

std::string Elenco_Popoli() {
  std::array<std::string_view, popoli.size()> nomi{};
  for (std::size_t i = 0; i < popoli.size(); ++i) nomi[i] = popoli[i].nome;
  return Elenco(nomi);
}

}  // namespace

std::optional<std::string> Prepara_Opzioni(const ArgomentiGenera& a, Opzioni& opzioni) {
  if (Cerca_Tipo(a.tipo) == nullptr) return messaggi::Tipo_Sconosciuto(a.tipo, Elenco(tipi_generazione));
  opzioni.CosaGenerare = a.tipo;
  if (a.tipo_nomi) {
    if (!Cerca_Popolo(*a.tipo_nomi)) return messaggi::Valore_Non_Ammesso("--tipo-nomi", *a.tipo_nomi, Elenco_Popoli());
    opzioni.TipoNomi = *a.tipo_nomi;
  }
  const Popolo popolo = *Cerca_Popolo(opzioni.TipoNomi);
  const bool composto = popolo.nome == inglese_composto;
  opzioni.Min = a.min.value_or(composto ? "X" : std::to_string(popolo.min));
  opzioni.Max = a.max.value_or(composto ? "X" : std::to_string(popolo.max));
  if (a.opzioni) {
    if (std::find(opzioni_oggetti.begin(), opzioni_oggetti.end(), *a.opzioni) == opzioni_oggetti.end()) {
      return messaggi::Valore_Non_Ammesso("--opzioni", *a.opzioni, Elenco(opzioni_oggetti));
    }
    opzioni.ComboOpzioni = *a.opzioni;
  }
  if (a.aggettivi && a.opzione_aggettivi != nullptr && a.opzione_aggettivi->count() > 0) {
    opzioni.Aggettivi = *a.aggettivi;
  }
  if (a.nome_pers) opzioni.NomePers = *a.nome_pers;
  return std::nullopt;
}

void Aggiungi_Opzioni_Genera(CLI::App* comando, ArgomentiGenera& argomenti) {
  comando->add_option("--tipo-nomi", argomenti.tipo_nomi, "Il popolo dei nomi");
  comando->add_option("--min", argomenti.min, "Sillabe minime");
  comando->add_option("--max", argomenti.max, "Sillabe massime");
  argomenti.opzione_aggettivi =
      comando->add_flag("--aggettivi,!--no-aggettivi", argomenti.aggettivi, "Usa anche gli aggettivi");
  comando->add_option("--opzioni", argomenti.opzioni, "Quali oggetti generare");
  comando->add_option("--nome-pers", argomenti.nome_pers, "Il nome dell'edificio");
}

namespace {

int Esegui_Genera(const ArgomentiGenera& a, Globali& g) {
  Archivio archivio(g.database);
  std::unique_ptr<Motore_Casuale> casuale =
      g.seme ? std::make_unique<Motore_Casuale>(*g.seme) : std::make_unique<Motore_Casuale>();
  Stato stato(archivio, *casuale);
  if (auto errore = Prepara_Opzioni(a, stato.opzioni)) {
    *g.err << *errore << '\n';
    return esito_uso;
  }
  std::vector<std::string> risultati;
  risultati.reserve(static_cast<std::size_t>(std::min<long long>(a.quanti, 100000)));
  for (long long i = 0; i < a.quanti; ++i) {
    if (auto errore = Genera_Altro_Valore(stato)) {
      *g.err << *errore << '\n';
      return esito_fallito;
    }
    risultati.push_back(stato.slot_nome.testo);
  }
  std::ostream& out = *g.out;
  if (a.json) {
    out << "[";
    for (std::size_t i = 0; i < risultati.size(); ++i) {
      out << (i == 0 ? "\n" : ",\n") << "  {\"tipo\": " << Stringa_Json(a.tipo)
          << ", \"testo\": " << Stringa_Json(risultati[i]) << "}";
    }
    out << "\n]\n";
  } else {
    for (const auto& r : risultati) out << r << '\n';
  }
  return esito_ok;
}

}  // namespace

void Registra_Genera(CLI::App& app, Globali& globali) {
  auto argomenti = std::make_shared<ArgomentiGenera>();
  auto* genera = app.add_subcommand("genera", "Genera uno o più risultati di un tipo");
  genera->add_option("tipo", argomenti->tipo, "Il tipo di generazione, per esempio \"Nomi Personaggi\"")->required();
  genera->add_option("-n", argomenti->quanti, "Quanti risultati")->check(CLI::PositiveNumber)->capture_default_str();
  Aggiungi_Opzioni_Genera(genera, *argomenti);
  genera->add_flag("--json", argomenti->json, "Stampa un array JSON");
  genera->callback([argomenti, &globali] { globali.codice = Esegui_Genera(*argomenti, globali); });
}

}  // namespace talewick::cli
