#include "app/cli.hpp"
#include "support/cli_prova.hpp"

#include <gtest/gtest.h>

#include <sstream>

#include "core/messaggi.hpp"
#include "support/database_prova.hpp"

namespace talewick::cli {
namespace {

using prova::DatabaseProva;

using prova::Esegui_Con;
using prova::Uscita;

class Cli : public testing::Test {
 protected:
  Cli() { db.Completa({{"SillabeElfo", "ael\nrien\nthal\nsyl"}}); }
  std::string Db() const { return db.Cartella().string(); }
  DatabaseProva db;
};

TEST_F(Cli, GeneraVentiNomiDiDueParole) {
  const auto u = Esegui_Con({"--database", Db(), "genera", "Nomi Personaggi", "-n", "20", "--tipo-nomi", "Elfo"});
  ASSERT_EQ(u.codice, esito_ok) << u.err;
  std::istringstream righe(u.out);
  std::string riga;
  int conta = 0;
  while (std::getline(righe, riga)) {
    ++conta;
    const auto spazio = riga.find(' ');
    ASSERT_NE(spazio, std::string::npos) << riga;
    EXPECT_TRUE(std::isupper(static_cast<unsigned char>(riga[0])) &&
                std::isupper(static_cast<unsigned char>(riga[spazio + 1])))
        << riga;
  }
  EXPECT_EQ(conta, 20);
}

TEST_F(Cli, StessoSemeStessiNomi) {
  const std::vector<std::string> argomenti = {"--database",      Db(), "--seed", "7",           "genera",
                                              "Nomi Personaggi", "-n", "20",     "--tipo-nomi", "Elfo"};
  const auto a = Esegui_Con(argomenti);
  const auto b = Esegui_Con(argomenti);
  EXPECT_EQ(a.codice, esito_ok);
  EXPECT_EQ(a.out, b.out);
}

TEST_F(Cli, FileMancanteEsito1ConIlNome) {
  db.Cancella("SillabeElfo");
  const auto u = Esegui_Con({"--database", Db(), "genera", "Nomi Personaggi", "--tipo-nomi", "Elfo"});
  EXPECT_EQ(u.codice, esito_fallito);
  EXPECT_EQ(u.out, "");
  EXPECT_EQ(u.err, messaggi::File_Mancante((db.Cartella() / "SillabeElfo.txt").string()) + "\n");
}

TEST_F(Cli, TipoSconosciutoEsito2EdElencaINove) {
  const auto u = Esegui_Con({"--database", Db(), "genera", "Nomi Draghi"});
  EXPECT_EQ(u.codice, esito_uso);
  EXPECT_NE(u.err.find("\"Titoli Libri\""), std::string::npos) << u.err;
  EXPECT_NE(u.err.find("\"Descrizione Pozioni\""), std::string::npos) << u.err;
}

TEST_F(Cli, ErroriDUso) {
  EXPECT_EQ(Esegui_Con({"genera"}).codice, esito_uso);
  EXPECT_EQ(Esegui_Con({"--database", Db(), "genera", "Nomi Personaggi", "-n", "0"}).codice, esito_uso);
  EXPECT_EQ(Esegui_Con({"--database", Db(), "genera", "Nomi Personaggi", "--tipo-nomi", "Drago"}).codice, esito_uso);
  EXPECT_EQ(Esegui_Con({"--database", Db(), "genera", "Nomi Oggetti Magici", "--opzioni", "armi"}).codice, esito_uso);
  EXPECT_EQ(Esegui_Con({"sconosciuto"}).codice, esito_uso);
}

TEST_F(Cli, MinNonNumericoEGenerazioneFallita) {
  const auto u = Esegui_Con({"--database", Db(), "genera", "Nomi Personaggi", "--min", "abc"});
  EXPECT_EQ(u.codice, esito_fallito);
  EXPECT_EQ(u.err, messaggi::Lunghezza_Non_Valida("Min", "abc") + "\n");
}

TEST_F(Cli, Json) {
  db.Scrivi("SillabeGenerico", "k\"a");
  const auto u =
      Esegui_Con({"--database", Db(), "genera", "Nomi Personaggi", "-n", "2", "--min", "1", "--max", "1", "--json"});
  ASSERT_EQ(u.codice, esito_ok) << u.err;
  EXPECT_EQ(u.out,
            "[\n  {\"tipo\": \"Nomi Personaggi\", \"testo\": \"K\\\"a K\\\"a\"},\n"
            "  {\"tipo\": \"Nomi Personaggi\", \"testo\": \"K\\\"a K\\\"a\"}\n]\n");
}

TEST_F(Cli, Versione) {
  const auto u = Esegui_Con({"--version"});
  EXPECT_EQ(u.codice, esito_ok);
  EXPECT_EQ(u.out, "talewick-cli 1.12.0\n");
}

}  // namespace
}  // namespace talewick::cli
