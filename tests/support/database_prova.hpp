#pragma once
// A word-file folder made for one test, removed when the test ends.
#include <filesystem>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "base/messaggi.hpp"
#include "support/casuale_scriptato.hpp"
#include "wordstore/archivio.hpp"
#include "wordstore/dati.hpp"

namespace talewick::prova {

// Entries of fixture word files, by file name.
using Voci = std::map<std::string, std::string, std::less<>>;

class DatabaseProva {
 public:
  DatabaseProva();
  ~DatabaseProva();
  DatabaseProva(const DatabaseProva&) = delete;
  DatabaseProva& operator=(const DatabaseProva&) = delete;

  // Writes `Database/<nome>.txt` with exactly these bytes.
  void Scrivi(std::string_view nome, std::string_view contenuto) const;
  void Cancella(std::string_view nome) const;
  // Writes all 38 counted files, each with the one entry of `voci` or a plain default entry.
  void Completa(const Voci& voci = {}) const;
  // As Completa, with the tagged entries every generator needs ("[mag]", "[liq]", the five templates...).
  void Completa_Generabile() const;

  [[nodiscard]] const std::filesystem::path& Cartella() const { return cartella_; }

 private:
  std::filesystem::path radice_;
  std::filesystem::path cartella_;
};

// A fixture folder with these entries, its store and a scripted draw source, for the draws of a slot.
struct ProvaContesto {
  explicit ProvaContesto(const std::vector<std::int64_t>& estrazioni, const Voci& voci = {}) {
    db.Completa(voci);
    for (const auto e : estrazioni) casuale.Aggiungi({e});
  }
  [[nodiscard]] std::string Percorso(std::string_view nome) const {
    return (db.Cartella() / (std::string(nome) + ".txt")).string();
  }
  DatabaseProva db;
  Archivio archivio{db.Cartella()};
  CasualeScriptato casuale{};
  Contesto contesto{archivio, casuale};
};

// The message of the generation error `azione` throws; "" when it throws none.
template <class Azione>
std::string Messaggio_Di(Azione azione) {
  try {
    azione();
  } catch (const ErroreGenerazione& errore) {
    return errore.what();
  }
  return "";
}

// The shipped word files of the repository.
std::filesystem::path Database_Distribuito();

}  // namespace talewick::prova
