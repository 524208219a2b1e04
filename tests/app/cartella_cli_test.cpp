#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "app/cli.hpp"
#include "base/messaggi.hpp"
#include "support/database_prova.hpp"

namespace talewick::cli {
namespace {

namespace fs = std::filesystem;

// Where the command line finds its word files, seen as a user does: exit status and the first
// line on standard error. In `argomenti` and `prima_riga_err`, "@" is a scratch root holding
// "lavoro" (the current folder), "casa" (HOME) and "sistema" (XDG_DATA_DIRS).
struct CasoCartella {
  const char* nome;
  bool installata;
  bool copia_utente;
  std::vector<std::string> argomenti;
  int codice;
  std::string prima_riga_err;
};

const std::string installata = "@/sistema/talewick/Database";
const std::string copia = "@/casa/.local/share/talewick/Database";

const CasoCartella casi[] = {
    {"GeneraLeggeQuelliInstallatiInSilenzio", true, false, {"genera", "Nomi Edifici"}, 0, ""},
    {"RiepilogoDiceCheSonoInstallatiEDoveCopiarli",
     true,
     false,
     {"riepilogo"},
     0,
     messaggi::Cartella_Installata_Letta(installata, copia)},
    {"RiepilogoNellaCopiaDellUtente", true, true, {"riepilogo"}, 0, messaggi::Cartella_Letta(copia)},
    {"DatabaseVinceSullaCopia",
     true,
     true,
     {"--database", installata, "riepilogo"},
     0,
     messaggi::Cartella_Letta(installata)},
    {"ControllaDiceLaCartella", false, true, {"controlla"}, -1, messaggi::Cartella_Letta(copia)},
    {"ControllaConDatabaseDopoIlComando",
     false,
     true,
     {"controlla", "--database", installata},
     1,
     messaggi::Cartella_Letta(installata)},
    {"NessunaCartella",
     false,
     false,
     {"genera", "Nomi Edifici"},
     1,
     messaggi::Nessuna_Cartella_Parole("\"@/lavoro/Database\", \"" + copia + "\", \"" + installata + "\"")},
    {"FormaNonCercaIFileDiParole", false, false, {"forma", "FemPlurDet", "La Spada"}, 0, ""},
    {"ErroreDUsoPrimaDellaRicerca",
     false,
     false,
     {"genera", "Nomi Personaggi", "--min", "5", "--max", "2"},
     2,
     "La lunghezza minima (--min 5) non deve essere maggiore di quella massima (--max 2)."},
};

std::string Espandi(std::string testo, const fs::path& radice) {
  for (auto posto = testo.find('@'); posto != std::string::npos; posto = testo.find('@', posto + 1)) {
    testo.replace(posto, 1, radice.string());
  }
  return testo;
}

class CartellaCli : public testing::TestWithParam<CasoCartella> {};

TEST_P(CartellaCli, TrovaIFileDiParole) {
  const CasoCartella& caso = GetParam();
  prova::DatabaseProva db;
  db.Completa_Generabile();
  const fs::path radice = db.Cartella().parent_path();
  fs::create_directories(radice / "lavoro");
  for (const auto& [vuole, cartella] : {std::pair{caso.installata, installata}, std::pair{caso.copia_utente, copia}}) {
    if (!vuole) continue;
    fs::create_directories(fs::path(Espandi(cartella, radice)).parent_path());
    fs::copy(db.Cartella(), Espandi(cartella, radice), fs::copy_options::recursive);
  }
  Ambiente ambiente;
  ambiente.cartella_corrente = radice / "lavoro";
  ambiente.home = (radice / "casa").string();
  ambiente.xdg_data_dirs = (radice / "sistema").string();
  std::vector<std::string> argomenti;
  for (const auto& a : caso.argomenti) argomenti.push_back(Espandi(a, radice));

  std::ostringstream out, err;
  const int codice = Esegui(argomenti, out, err, ambiente);
  if (caso.codice >= 0) {
    EXPECT_EQ(codice, caso.codice) << err.str();
  }
  const std::string testo_err = err.str();
  EXPECT_EQ(testo_err.substr(0, testo_err.find('\n')), Espandi(caso.prima_riga_err, radice));
  if (codice == 0) {
    EXPECT_NE(out.str(), "");
  }
  // The command line never writes the user's copy.
  EXPECT_EQ(fs::exists(radice / "casa"), caso.copia_utente);
}

INSTANTIATE_TEST_SUITE_P(Righe, CartellaCli, testing::ValuesIn(casi),
                         [](const auto& info) { return std::string(info.param.nome); });

}  // namespace
}  // namespace talewick::cli
