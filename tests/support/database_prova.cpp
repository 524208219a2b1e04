#include "support/database_prova.hpp"

#include <unistd.h>
#include <atomic>
#include <cstdlib>
#include <fstream>
#include <stdexcept>

#include "wordstore/archivio.hpp"

namespace talewick::prova {
namespace {

std::string Voce_Predefinita(std::string_view nome) {
  if (nome.starts_with("Mas")) return "Il Drago";
  if (nome.starts_with("Fem")) return "La Spada";
  if (nome == "Aggettivi") return "Rosso";
  if (nome == "VerbiPassatoProssimo") return "ha rubato[tr]";
  if (nome == "Libri") return "Trattato[1][an]";
  if (nome == "FluidiSpecificazioni") return "con Riflessi[m]";
  if (nome == "Come") return "senza Paura";
  if (nome == "Dove") return "nel Bosco";
  if (nome.starts_with("Inglese")) return "Storm";
  return "ka";
}

}  // namespace

DatabaseProva::DatabaseProva() {
  static std::atomic<int> contatore{0};
  radice_ = std::filesystem::temp_directory_path() /
            ("talewick-prova-" + std::to_string(::getpid()) + "-" + std::to_string(contatore++));
  cartella_ = radice_ / "Database";
  std::filesystem::create_directories(cartella_);
}

DatabaseProva::~DatabaseProva() {
  std::error_code errore;
  std::filesystem::remove_all(radice_, errore);
}

void DatabaseProva::Scrivi(std::string_view nome, std::string_view contenuto) const {
  std::ofstream file(cartella_ / (std::string(nome) + ".txt"), std::ios::binary | std::ios::trunc);
  if (!file) throw std::runtime_error("cannot write fixture " + std::string(nome));
  file.write(contenuto.data(), static_cast<std::streamsize>(contenuto.size()));
}

void DatabaseProva::Cancella(std::string_view nome) const {
  std::filesystem::remove(cartella_ / (std::string(nome) + ".txt"));
}

void DatabaseProva::Completa(const Voci& voci) const {
  for (const auto nome : nome_file) {
    const auto trovata = voci.find(nome);
    Scrivi(nome, trovata != voci.end() ? trovata->second : Voce_Predefinita(nome));
  }
}

void DatabaseProva::Completa_Generabile() const {
  Completa({{"Aggettivi", "Rosso[col][liq][o][s]"},
            {"MasNaturale", "Il Fuoco[m][mag]"},
            {"FemNaturale", "La Luna[mag]"},
            {"MasAltro", "Il Segno[mag]"},
            {"FemAltro", "L'Ombra[mag]"},
            {"Libri", "Trattato[1][an]\nCome Domare[2][an]\nVoci[3][an]\nMemorie[4][an]\nSaggio[5][an]"}});
}

std::filesystem::path Database_Distribuito() {
  const char* sorgenti = std::getenv("TALEWICK_SORGENTI");
  return std::filesystem::path(sorgenti != nullptr ? sorgenti : ".") / "Database";
}

}  // namespace talewick::prova
