// The command line as scripts see it: exit statuses are the numbers 0, 1 and 2, never names.
#include "app/cli.hpp"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/cli_prova.hpp"
#include "support/database_prova.hpp"
#include "support/righe_dati.hpp"

namespace talewick::cli {
namespace {

using prova::Esegui_Con;
using prova::Espandi;

void Confronta(const std::string& atteso, const std::string& ottenuto) {
  if (atteso.starts_with('~')) {
    EXPECT_NE(ottenuto.find(atteso.substr(1)), std::string::npos) << ottenuto;
  } else {
    EXPECT_EQ(ottenuto, atteso);
  }
}

// A row of comandi.tsv: exit status, standard output and standard error of a run.
void Esegui_Riga(const std::vector<std::string>& c) {
  ASSERT_GE(c.size(), 3u);
  prova::DatabaseProva db;
  db.Completa_Generabile();
  const std::string cartella = db.Cartella().string();
  std::vector<std::string> argomenti = {"--database", cartella};
  for (auto a = c.begin() + 3; a != c.end(); ++a) {
    if (a->starts_with("@-")) {
      db.Cancella(a->substr(2));
    } else if (a->starts_with('@')) {
      const auto uguale = a->find('=');
      db.Scrivi(a->substr(1, uguale - 1), a->substr(uguale + 1));
    } else {
      argomenti.push_back(*a == "\"\"" ? "" : *a);
    }
  }
  const auto u = Esegui_Con(argomenti);
  EXPECT_EQ(u.codice, std::stoi(c[0]));
  Confronta(Espandi(c[1], cartella), u.out);
  Confronta(Espandi(c[2], cartella), u.err);
}

const prova::Regole comandi = {{"uso", Esegui_Riga},
                               {"genera", Esegui_Riga},
                               {"forma", Esegui_Riga},
                               {"copertura", Esegui_Riga},
                               {"riepilogo", Esegui_Riga}};
RIGHE_DATI(Comandi, TALEWICK_DATI, comandi);

class Cli : public testing::Test {
 protected:
  Cli() { db.Completa_Generabile(); }
  [[nodiscard]] std::string Db() const { return db.Cartella().string(); }
  prova::Uscita Esegui(std::vector<std::string> argomenti) const {
    argomenti.insert(argomenti.begin(), {"--database", Db()});
    return Esegui_Con(argomenti);
  }
  prova::DatabaseProva db;
};

// 2^64 - 2 is not -2: two seeds, two different runs.
TEST_F(Cli, SemiOltre63Bit) {
  const auto nomi = [&](const char* seme) { return Esegui({"--seed", seme, "genera", "Nomi Edifici", "-n", "9"}); };
  EXPECT_EQ(nomi("0").codice, 0);
  EXPECT_NE(nomi("18446744073709551614").out, nomi("18446744073709551615").out);
}

TEST_F(Cli, NessunaCartellaOFileCheEUnaCartella) {
  const auto assente = (db.Cartella().parent_path() / "Assente").string();
  auto u = Esegui_Con({"--database", assente, "genera", "Nomi Edifici"});
  EXPECT_EQ(u.codice, 1);
  EXPECT_EQ(u.err, "La cartella dei file di parole \"" + assente +
                       "\" non esiste: avvia il programma dalla cartella che la contiene.\n");
  db.Cancella("Aggettivi");
  std::filesystem::create_directory(db.Cartella() / "Aggettivi.txt");
  u = Esegui({"genera", "Descrizione Pozioni"});
  EXPECT_EQ(u.codice, 1);
  EXPECT_EQ(u.err, "\"" + Db() + "/Aggettivi.txt\" è una cartella, non un file di parole.\n");
}

TEST_F(Cli, FileDaCinquantaMegaEVociLunghissime) {
  const std::string lunga(5000, 'a');
  std::string grande;
  grande.reserve(50U << 20U);
  while (grande.size() < (50U << 20U)) grande += lunga + "\n";
  db.Scrivi("SillabeGenerico", grande);
  const auto u = Esegui({"genera", "Nomi Personaggi", "--min", "1", "--max", "1"});
  EXPECT_EQ(u.codice, 0);
  EXPECT_EQ(u.out.size(), 2 * lunga.size() + 2);
}

}  // namespace
}  // namespace talewick::cli
