#include <CLI/CLI.hpp>
#include <cstdio>
#include <map>
#include <memory>
#include <ostream>
#include <set>
#include <vector>

#include "app/cli.hpp"
#include "app/genera.hpp"
#include "app/json.hpp"
#include "app/uso.hpp"
#include "dispatch/dispatcher.hpp"
#include "generators/rami.hpp"
#include "wordstore/archivio.hpp"
#include "wordstore/casuale.hpp"
#include "wordstore/testo.hpp"

namespace talewick::cli {
namespace {

// How many never-drawn entries of a file the report shows.
constexpr std::size_t voci_mostrate = 20;

// Counts, over a run of results, which entries were drawn and which branches were taken.
class Conteggio final : public OsservatoreEstrazioni, public OsservatoreRami {
 public:
  void Estratta(const FileParole& file, std::size_t indice) override {
    auto& [voci, estratte] = file_[file.nome];
    voci = &file;
    if (estratte.size() != file.voci.size()) estratte.assign(file.voci.size(), false);
    estratte[indice] = true;
  }
  void Ramo(std::string_view nome) override { rami_del_risultato_.emplace(nome); }
  void Fine_Risultato() {
    for (const auto& ramo : rami_del_risultato_) ++rami_[ramo];
    rami_del_risultato_.clear();
  }

  struct File {
    const FileParole* file = nullptr;
    std::vector<bool> estratte;
  };
  std::map<std::string, File> file_;
  std::map<std::string, long long> rami_;

 private:
  std::set<std::string> rami_del_risultato_;
};

struct RigaFile {
  std::string percorso;
  std::size_t voci = 0;
  std::vector<std::string> mai_estratte;
};

struct RigaRamo {
  std::string nome;
  double percentuale = 0;
};

// Word files in the order of the word-file table; any other after them.
std::vector<RigaFile> Righe_File(const Conteggio& conteggio, const Archivio& archivio) {
  std::vector<std::string> ordine(nome_file.begin(), nome_file.end());
  for (const auto& [nome, dati] : conteggio.file_) {
    if (std::find(ordine.begin(), ordine.end(), nome) == ordine.end()) ordine.push_back(nome);
  }
  std::vector<RigaFile> righe;
  for (const auto& nome : ordine) {
    const auto trovato = conteggio.file_.find(nome);
    if (trovato == conteggio.file_.end()) continue;
    const auto& [file, estratte] = trovato->second;
    RigaFile riga{archivio.Percorso(nome).string(), file->voci.size(), {}};
    for (std::size_t i = 0; i < estratte.size(); ++i) {
      if (!estratte[i]) riga.mai_estratte.push_back(file->voci[i]);
    }
    righe.push_back(std::move(riga));
  }
  return righe;
}

// The kind's branches in their order, then any other taken (syllable counts) by length and text.
std::vector<RigaRamo> Righe_Rami(const Conteggio& conteggio, std::string_view tipo, long long risultati) {
  std::vector<std::string> nomi(Rami_Del_Tipo(tipo).begin(), Rami_Del_Tipo(tipo).end());
  std::vector<std::string> altri;
  for (const auto& [nome, volte] : conteggio.rami_) {
    if (std::find(nomi.begin(), nomi.end(), nome) == nomi.end()) altri.push_back(nome);
  }
  std::sort(altri.begin(), altri.end(), [](const std::string& a, const std::string& b) {
    return a.size() != b.size() ? a.size() < b.size() : a < b;
  });
  nomi.insert(nomi.end(), altri.begin(), altri.end());
  std::vector<RigaRamo> righe;
  for (const auto& nome : nomi) {
    const auto trovato = conteggio.rami_.find(nome);
    const long long volte = trovato == conteggio.rami_.end() ? 0 : trovato->second;
    righe.push_back({nome, 100.0 * static_cast<double>(volte) / static_cast<double>(risultati)});
  }
  return righe;
}

// One decimal; `virgola` for the Italian reader, a point for JSON.
std::string Percentuale(double valore, char separatore) {
  char testo[32];
  std::snprintf(testo, sizeof testo, "%.1f", valore);
  std::string uscita = testo;
  for (char& c : uscita) {
    if (c == '.') c = separatore;
  }
  return uscita;
}

void Stampa_Testo(std::ostream& out, const std::vector<RigaFile>& file, const std::vector<RigaRamo>& rami) {
  for (const auto& riga : file) {
    out << riga.percorso << ": " << riga.mai_estratte.size() << " voci mai estratte su " << riga.voci << '\n';
    for (std::size_t i = 0; i < riga.mai_estratte.size() && i < voci_mostrate; ++i) {
      out << "  " << riga.mai_estratte[i] << '\n';
    }
  }
  for (const auto& ramo : rami) out << ramo.nome << ": " << Percentuale(ramo.percentuale, ',') << "%\n";
}

void Stampa_Json(std::ostream& out, std::string_view tipo, long long risultati, const std::vector<RigaFile>& file,
                 const std::vector<RigaRamo>& rami) {
  out << "{\n  \"tipo\": " << Stringa_Json(tipo) << ",\n  \"risultati\": " << risultati << ",\n  \"file\": [";
  for (std::size_t f = 0; f < file.size(); ++f) {
    const auto& riga = file[f];
    out << (f == 0 ? "\n" : ",\n") << "    {\"file\": " << Stringa_Json(riga.percorso) << ", \"voci\": " << riga.voci
        << ", \"mai_estratte\": " << riga.mai_estratte.size() << ", \"elenco\": [";
    for (std::size_t i = 0; i < riga.mai_estratte.size() && i < voci_mostrate; ++i) {
      out << (i == 0 ? "" : ", ") << Stringa_Json(riga.mai_estratte[i]);
    }
    out << "]}";
  }
  out << (file.empty() ? "],\n" : "\n  ],\n") << "  \"rami\": [";
  for (std::size_t r = 0; r < rami.size(); ++r) {
    out << (r == 0 ? "\n" : ",\n") << "    {\"ramo\": " << Stringa_Json(rami[r].nome)
        << ", \"percentuale\": " << Percentuale(rami[r].percentuale, '.') << "}";
  }
  out << (rami.empty() ? "]\n}\n" : "\n  ]\n}\n");
}

int Esegui_Copertura(const ArgomentiGenera& a, Globali& g) {
  Archivio archivio(g.database);
  std::unique_ptr<Motore_Casuale> casuale =
      g.seme ? std::make_unique<Motore_Casuale>(*g.seme) : std::make_unique<Motore_Casuale>();
  Stato stato(archivio, *casuale);
  Prepara_Opzioni(a, stato.opzioni);
  Conteggio conteggio;
  archivio.Osserva(&conteggio);
  stato.rami = &conteggio;
  for (std::uint64_t i = 0; i < a.quanti; ++i) {
    if (auto errore = Genera_Altro_Valore(stato)) {
      *g.err << Testo_Stampabile(*errore) << '\n';
      return esito_fallito;
    }
    conteggio.Fine_Risultato();
  }
  const auto quanti = static_cast<long long>(a.quanti);
  const auto file = Righe_File(conteggio, archivio);
  const auto rami = Righe_Rami(conteggio, a.tipo, quanti);
  if (a.json) {
    Stampa_Json(*g.out, a.tipo, quanti, file, rami);
  } else {
    Stampa_Testo(*g.out, file, rami);
  }
  return esito_ok;
}

}  // namespace

void Registra_Copertura(CLI::App& app, Globali& globali) {
  auto argomenti = std::make_shared<ArgomentiGenera>();
  argomenti->quanti = 10000;
  auto* copertura = app.add_subcommand(
      "copertura", "Genera molti risultati e dice quali voci non sono mai estratte e quanto spesso esce ogni ramo");
  copertura->add_option("tipo", argomenti->tipo, "Il tipo di generazione, per esempio \"Spunti Avventure\"")
      ->required()
      ->type_name("TIPO");
  Aggiungi_Numero(copertura, *argomenti, "Quanti risultati generare");
  Aggiungi_Opzioni_Genera(copertura, *argomenti);
  copertura->add_flag("--json", argomenti->json, "Stampa un oggetto JSON")->disable_flag_override();
  copertura->callback([argomenti, &globali] { globali.codice = Esegui_Copertura(*argomenti, globali); });
}

}  // namespace talewick::cli
