#include <gtest/gtest.h>

#include "app/cli.hpp"
#include "base/messaggi.hpp"
#include "support/cli_prova.hpp"
#include "support/database_prova.hpp"

namespace talewick::cli {
namespace {

using prova::DatabaseProva;
using prova::Esegui_Con;

class Copertura : public testing::Test {
 protected:
  Copertura() { db.Completa_Generabile(); }
  [[nodiscard]] std::string Db() const { return db.Cartella().string(); }
  [[nodiscard]] std::string File(std::string_view nome) const {
    return (db.Cartella() / (std::string(nome) + ".txt")).string();
  }
  DatabaseProva db;
};

// Potions draw adjectives by tag: an untagged one is never drawn, and the fixture's one
// specification always names a gender, so the colour is always there.
TEST_F(Copertura, VociMaiEstratteERami) {
  db.Scrivi("Aggettivi", "Rosso[col][liq][o][s]\nVerde");
  const auto u = Esegui_Con({"--database", Db(), "--seed", "3", "copertura", "Descrizione Pozioni", "-n", "50"});
  ASSERT_EQ(u.codice, esito_ok) << u.err;
  EXPECT_EQ(u.out, File("Aggettivi") + ": 1 voci mai estratte su 2\n  Verde\n" + File("FluidiSpecificazioni") +
                       ": 0 voci mai estratte su 1\n"
                       "con colore: 100,0%\nsenza colore: 0,0%\nodore di un cibo: 0,0%\nodore senza cibo: 100,0%\n"
                       "sapore di un cibo: 0,0%\nsapore senza cibo: 100,0%\n");
}

TEST_F(Copertura, AlPiuVentiVociElencate) {
  std::string aggettivi = "Rosso[col][liq][o][s]";
  for (int i = 1; i <= 25; ++i) aggettivi += "\nVerde" + std::to_string(i);
  db.Scrivi("Aggettivi", aggettivi);
  const auto u = Esegui_Con({"--database", Db(), "copertura", "Descrizione Pozioni", "-n", "5"});
  ASSERT_EQ(u.codice, esito_ok) << u.err;
  std::string atteso = File("Aggettivi") + ": 25 voci mai estratte su 26\n";
  for (int i = 1; i <= 20; ++i) atteso += "  Verde" + std::to_string(i) + "\n";
  EXPECT_TRUE(u.out.starts_with(atteso)) << u.out;
  EXPECT_EQ(u.out.find("Verde21"), std::string::npos);
}

TEST_F(Copertura, Json) {
  db.Scrivi("Aggettivi", "Rosso[col][liq][o][s]\nVerde \"Chiaro\"");
  const auto u = Esegui_Con({"--database", Db(), "copertura", "Descrizione Pozioni", "-n", "4", "--json"});
  ASSERT_EQ(u.codice, esito_ok) << u.err;
  EXPECT_EQ(u.out,
            "{\n  \"tipo\": \"Descrizione Pozioni\",\n  \"risultati\": 4,\n  \"file\": [\n"
            "    {\"file\": \"" +
                File("Aggettivi") +
                "\", \"voci\": 2, \"mai_estratte\": 1, \"elenco\": [\"Verde \\\"Chiaro\\\"\"]},\n"
                "    {\"file\": \"" +
                File("FluidiSpecificazioni") +
                "\", \"voci\": 1, \"mai_estratte\": 0, \"elenco\": []}\n  ],\n  \"rami\": [\n"
                "    {\"ramo\": \"con colore\", \"percentuale\": 100.0},\n"
                "    {\"ramo\": \"senza colore\", \"percentuale\": 0.0},\n"
                "    {\"ramo\": \"odore di un cibo\", \"percentuale\": 0.0},\n"
                "    {\"ramo\": \"odore senza cibo\", \"percentuale\": 100.0},\n"
                "    {\"ramo\": \"sapore di un cibo\", \"percentuale\": 0.0},\n"
                "    {\"ramo\": \"sapore senza cibo\", \"percentuale\": 100.0}\n  ]\n}\n");
}

// A hook draws its place whether or not it writes it: a transitive verb with no complement
// writes none, yet the place phrase counts as drawn.
TEST_F(Copertura, ContaAncheCioCheIlRisultatoNonMostra) {
  db.Scrivi("VerbiPassatoProssimo", "ha salvato[tr]");
  db.Scrivi("Dove", "nel Bosco");
  const auto u = Esegui_Con({"--database", Db(), "--seed", "1", "copertura", "Spunti Avventure", "-n", "200"});
  ASSERT_EQ(u.codice, esito_ok) << u.err;
  EXPECT_NE(u.out.find(File("Dove") + ": 0 voci mai estratte su 1\n"), std::string::npos) << u.out;
  EXPECT_NE(u.out.find("verbo principale transitivo: 100,0%\nverbo principale intransitivo: 0,0%\n"),
            std::string::npos);
  EXPECT_NE(u.out.find("senza complemento: 100,0%\n"), std::string::npos);
}

TEST_F(Copertura, OgniTipoHaIlSuoRapporto) {
  for (const char* tipo :
       {"Descrizione Pozioni", "Nomi Divinità", "Nomi Edifici", "Nomi Gruppi", "Nomi Oggetti Intelligenti",
        "Nomi Oggetti Magici", "Nomi Personaggi", "Spunti Avventure", "Titoli Libri"}) {
    SCOPED_TRACE(tipo);
    const auto u = Esegui_Con({"--database", Db(), "--seed", "2", "copertura", tipo, "-n", "300"});
    EXPECT_EQ(u.codice, esito_ok) << u.err;
    EXPECT_NE(u.out.find(" voci mai estratte su "), std::string::npos);
    EXPECT_NE(u.out.find("%\n"), std::string::npos);
  }
}

TEST_F(Copertura, ErroriComeGenera) {
  const auto sconosciuto = Esegui_Con({"--database", Db(), "copertura", "Nomi Draghi"});
  EXPECT_EQ(sconosciuto.codice, esito_uso);
  EXPECT_NE(sconosciuto.err.find("\"Nomi Draghi\""), std::string::npos);
  EXPECT_EQ(Esegui_Con({"--database", Db(), "copertura", "Nomi Gruppi", "-n", "0"}).codice, esito_uso);
  EXPECT_EQ(Esegui_Con({"--database", Db(), "copertura", "Nomi Gruppi", "--opzioni", "tutto"}).codice, esito_uso);
  db.Cancella("MasUmani");
  const auto mancante = Esegui_Con({"--database", Db(), "copertura", "Nomi Gruppi", "-n", "10"});
  EXPECT_EQ(mancante.codice, esito_fallito);
  EXPECT_EQ(mancante.out, "");
  EXPECT_EQ(mancante.err, messaggi::File_Mancante(File("MasUmani")) + "\n");
}

// Like the ticked box of the window, the command line uses adjectives unless told not to.
TEST_F(Copertura, GeneraUsaGliAggettiviSenzaOpzione) {
  const std::vector<std::string> base = {"--database", Db(), "--seed", "4", "genera", "Spunti Avventure", "-n", "5"};
  auto con = base;
  con.emplace_back("--aggettivi");
  auto senza = base;
  senza.emplace_back("--no-aggettivi");
  const auto predefinito = Esegui_Con(base);
  EXPECT_EQ(predefinito.out, Esegui_Con(con).out);
  EXPECT_NE(predefinito.out, Esegui_Con(senza).out);
  EXPECT_NE(predefinito.out.find(" ross"), std::string::npos) << predefinito.out;
  EXPECT_EQ(Esegui_Con(senza).out.find(" ross"), std::string::npos);
}

}  // namespace
}  // namespace talewick::cli
