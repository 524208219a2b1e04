#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "app/cli.hpp"
#include "support/database_prova.hpp"
#include "support/righe_dati.hpp"

namespace talewick::cli {
namespace {

namespace fs = std::filesystem;

// A row of cartelle.tsv.
void Trova_Cartella(const std::vector<std::string>& riga) {
  ASSERT_GE(riga.size(), 4u);
  prova::DatabaseProva db;
  db.Completa_Generabile();
  const fs::path radice = db.Cartella().parent_path();
  fs::create_directories(radice / "lavoro");
  const std::pair<bool, const char*> copie[] = {{riga[0] == "1", "sistema/talewick/Database"},
                                                {riga[1] == "1", "casa/.local/share/talewick/Database"}};
  for (const auto& [vuole, cartella] : copie) {
    if (!vuole) continue;
    fs::create_directories((radice / cartella).parent_path());
    fs::copy(db.Cartella(), radice / cartella, fs::copy_options::recursive);
  }
  Ambiente ambiente;
  ambiente.cartella_corrente = radice / "lavoro";
  ambiente.home = (radice / "casa").string();
  ambiente.xdg_data_dirs = (radice / "sistema").string();
  std::vector<std::string> argomenti;
  for (auto a = riga.begin() + 4; a != riga.end(); ++a) argomenti.push_back(prova::Espandi(*a, radice.string()));

  std::ostringstream out, err;
  const int codice = Esegui(argomenti, out, err, ambiente);
  if (riga[2] != "-") {
    EXPECT_EQ(codice, std::stoi(riga[2])) << err.str();
  }
  EXPECT_EQ(err.str().substr(0, err.str().find('\n')), prova::Espandi(riga[3], radice.string()));
  if (codice == 0) {
    EXPECT_NE(out.str(), "");
  }
  // The command line never writes the user's copy.
  EXPECT_EQ(fs::exists(radice / "casa"), riga[1] == "1");
}

const prova::Regole cartelle = {{"cartella", Trova_Cartella}};
RIGHE_DATI(CartellaCli, TALEWICK_DATI, cartelle);

}  // namespace
}  // namespace talewick::cli
