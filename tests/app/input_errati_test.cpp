// Bad input, one case each: a clear message naming what is wrong, the right exit status, no
// leftover text, and the next generation works once the input is mended.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "app/cli.hpp"
#include "dispatch/dispatcher.hpp"
#include "base/messaggi.hpp"
#include "support/cli_prova.hpp"
#include "support/database_prova.hpp"
#include "wordstore/archivio.hpp"
#include "wordstore/casuale.hpp"

namespace talewick::cli {
namespace {

using prova::DatabaseProva;

using prova::Esegui_Con;
using prova::Uscita;

class InputErrati : public testing::Test {
 protected:
  InputErrati() { db.Completa_Generabile(); }
  std::string Percorso(std::string_view nome) const { return (db.Cartella() / (std::string(nome) + ".txt")).string(); }
  Uscita Genera(std::string_view tipo, std::string_view quanti = "50") const {
    return Esegui_Con(
        {"--database", db.Cartella().string(), "--seed", "3", "genera", std::string(tipo), "-n", std::string(quanti)});
  }
  void Atteso_Fallimento(std::string_view tipo, const std::string& messaggio) const {
    const auto u = Genera(tipo);
    EXPECT_EQ(u.codice, esito_fallito);
    EXPECT_EQ(u.out, "");
    EXPECT_EQ(u.err, messaggio + "\n");
  }
  DatabaseProva db;
};

TEST_F(InputErrati, NessunaCartellaDatabase) {
  const auto assente = (db.Cartella().parent_path() / "Assente").string();
  const auto u = Esegui_Con({"--database", assente, "genera", "Nomi Edifici"});
  EXPECT_EQ(u.codice, esito_fallito);
  EXPECT_EQ(u.err, messaggi::Cartella_Mancante(assente) + "\n");
}

TEST_F(InputErrati, UnFileMancante) {
  db.Cancella("FemUmani");
  Atteso_Fallimento("Nomi Gruppi", messaggi::File_Mancante(Percorso("FemUmani")));
}

TEST_F(InputErrati, FileVuotoOSoloRigheVuote) {
  db.Scrivi("Dove", "");
  Atteso_Fallimento("Spunti Avventure", messaggi::File_Vuoto(Percorso("Dove")));
  db.Scrivi("Dove", "\n\n\r\n");
  Atteso_Fallimento("Spunti Avventure", messaggi::File_Vuoto(Percorso("Dove")));
}

TEST_F(InputErrati, FileSostituitoDaUnaCartella) {
  db.Cancella("Aggettivi");
  std::filesystem::create_directory(db.Cartella() / "Aggettivi.txt");
  Atteso_Fallimento("Descrizione Pozioni", messaggi::File_Cartella(Percorso("Aggettivi")));
}

TEST_F(InputErrati, TagRichiestiAssenti) {
  db.Scrivi("MasNaturale", "Il Fuoco[m]");
  Atteso_Fallimento("Nomi Oggetti Magici", messaggi::Tag_Assente(Percorso("MasNaturale"), "[mag]"));
  db.Completa_Generabile();
  db.Scrivi("Aggettivi", "Rosso[col][liq][s]");
  Atteso_Fallimento("Descrizione Pozioni", messaggi::Tag_Assente(Percorso("Aggettivi"), "[o]"));
  db.Completa_Generabile();
  db.Scrivi("Libri", "Trattato[1][an]\nCome Domare[2][an]\nMemorie[4][an]\nSaggio[5][an]");
  Atteso_Fallimento("Titoli Libri", messaggi::Tag_Assente(Percorso("Libri"), "[3]"));
}

TEST_F(InputErrati, ModelloSenzaCategoria) {
  db.Scrivi("Libri", "Trattato[1]\nCome Domare[2]\nVoci[3]\nMemorie[4]\nSaggio[5]");
  const auto u = Genera("Titoli Libri", "1");
  EXPECT_EQ(u.codice, esito_fallito);
  EXPECT_EQ(u.out, "");
  EXPECT_NE(u.err.find(Percorso("Libri")), std::string::npos) << u.err;
}

TEST_F(InputErrati, SpecificazioneSenzaGenereLasciaFuoriIlColore) {
  db.Scrivi("FluidiSpecificazioni", "con Bolle");
  const auto u = Genera("Descrizione Pozioni", "1");
  EXPECT_EQ(u.codice, esito_ok) << u.err;
  EXPECT_NE(u.out.find("con bolle, ha un odore"), std::string::npos) << u.out;
}

TEST_F(InputErrati, VirgoletteNonChiuseUtf8NonValidoENul) {
  db.Scrivi("SillabeGenerico", "\"ka, ri");
  auto u = Esegui_Con({"--database", db.Cartella().string(), "genera", "Nomi Personaggi", "--min", "1", "--max", "1"});
  EXPECT_EQ(u.codice, esito_ok);
  EXPECT_EQ(u.out, "Ka, Ri Ka, Ri\n");
  db.Scrivi("SillabeGenerico", "trib\xF9");
  u = Esegui_Con({"--database", db.Cartella().string(), "genera", "Nomi Personaggi", "--min", "1", "--max", "1"});
  EXPECT_EQ(u.out, "Tribù Tribù\n");
  db.Scrivi("SillabeGenerico", std::string("k\0a", 3));
  u = Esegui_Con({"--database", db.Cartella().string(), "genera", "Nomi Personaggi", "--min", "1", "--max", "1"});
  EXPECT_EQ(u.out, "Ka Ka\n");
}

TEST_F(InputErrati, FileDaCinquantaMegaEVociLunghissime) {
  const std::string lunga(5000, 'a');
  std::string grande;
  grande.reserve(50U << 20U);
  while (grande.size() < (50U << 20U)) grande += lunga + "\n";
  db.Scrivi("SillabeGenerico", grande);
  const auto u =
      Esegui_Con({"--database", db.Cartella().string(), "genera", "Nomi Personaggi", "--min", "1", "--max", "1"});
  EXPECT_EQ(u.codice, esito_ok);
  EXPECT_EQ(u.out.size(), 2 * lunga.size() + 2);
}

TEST_F(InputErrati, LunghezzeENumeriNonValidi) {
  const std::pair<const char*, const char*> casi[] = {
      {"--min", "abc"}, {"--max", "99999"}, {"--min", "-5"}, {"--max", ""}};
  for (const auto& [opzione, valore] : casi) {
    SCOPED_TRACE(std::string(opzione) + " " + valore);
    const auto u = Esegui_Con({"--database", db.Cartella().string(), "genera", "Nomi Personaggi", opzione, valore});
    EXPECT_EQ(u.codice, 2);
    EXPECT_EQ(u.err, messaggi::Lunghezza_Non_Valida(opzione, valore) + "\n");
  }
  for (const char* quanti : {"0", "-5", "", "abc"}) {
    EXPECT_EQ(Genera("Nomi Personaggi", quanti).codice, esito_uso) << quanti;
  }
  EXPECT_EQ(Genera("Nomi Personaggi", "007").codice, esito_ok);
}

TEST_F(InputErrati, DopoUnErroreLaGenerazioneSuccessivaFunziona) {
  Archivio archivio(db.Cartella());
  Motore_Casuale casuale(1);
  Stato stato(archivio, casuale);
  stato.opzioni.CosaGenerare = "Nomi Oggetti Magici";
  db.Scrivi("MasArmi", "");
  db.Scrivi("MasOggetti", "");
  stato.slot_nome.testo = "risultato di prima";
  ASSERT_TRUE(Genera_Altro_Valore(stato));
  EXPECT_EQ(stato.slot_nome.testo, "");
  db.Completa_Generabile();
  archivio.Nuova_Azione();
  EXPECT_FALSE(Genera_Altro_Valore(stato));
  EXPECT_NE(stato.slot_nome.testo, "");
}

}  // namespace
}  // namespace talewick::cli
