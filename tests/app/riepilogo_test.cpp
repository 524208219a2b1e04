#include <gtest/gtest.h>

#include <sstream>
#include <vector>

#include "app/cli.hpp"
#include "base/messaggi.hpp"
#include "support/database_prova.hpp"

namespace talewick::cli {
namespace {

std::vector<std::string> Righe(const std::string& testo) {
  std::vector<std::string> righe;
  std::istringstream in(testo);
  for (std::string riga; std::getline(in, riga);) righe.push_back(riga);
  return righe;
}

TEST(ComandoRiepilogo, RigheDelleDueFinestre) {
  prova::DatabaseProva db;
  db.Completa({{"MasAltro", "Il Sasso\nIl Vaso\nIl Nodo"}});
  std::ostringstream out, err;
  ASSERT_EQ(Esegui({"--database", db.Cartella().string(), "riepilogo"}, out, err), esito_ok) << err.str();
  const auto righe = Righe(out.str());
  ASSERT_EQ(righe.size(), 9u + 38u + 1u + 10u + 1u + 5u);
  const std::vector<std::string> riepilogo(righe.begin(), righe.begin() + 9);
  EXPECT_EQ(riepilogo, (std::vector<std::string>{
                           "- Per le Descrizioni delle Pozioni ci sono 3 vocaboli.",
                           "- Per i Nomi di Locande ci sono 26 vocaboli.",
                           "- Per i Nomi degli Oggetti Intelligenti ci sono 18 vocaboli e sillabe.",
                           "- Per i Nomi di Personaggi ci sono 12 sillabe.",
                           "- Per gli Spunti per le Avventure ci sono 25 vocaboli.",
                           "- Per i Titoli dei Libri ci sono 36 vocaboli e sillabe.",
                           "- Per i Nomi degli Oggetti Magici ci sono 7 vocaboli.",
                           "- Per i Nomi delle Divinità ci sono 36 vocaboli e sillabe.",
                           "- Per i Nomi dei Gruppi ci sono 24 vocaboli.",
                       }));
  EXPECT_EQ(righe[9], "VerbiPassatoProssimo: 1");
  EXPECT_EQ(righe[11], "MasAltro: 3");
  EXPECT_EQ(righe[46], "SillabeElfo Oscuro: 1");
  EXPECT_EQ(righe[47], "Sostantivi Totali: 22");
  EXPECT_EQ(righe[48], "Altro: 4 (18,18%)");
  EXPECT_EQ(righe[49], "Animali: 2 (9,09%)");
  EXPECT_EQ(righe[57], "Naturale: 2 (9,09%)");
  EXPECT_EQ(righe[58], "Totale Assoluto Vocaboli: 40");
  EXPECT_EQ(righe[59], "Tag [mag]: 0");
  EXPECT_EQ(righe[63], "Tag [s]: 0");
}

TEST(ComandoRiepilogo, FileMancante) {
  prova::DatabaseProva db;
  db.Completa();
  db.Cancella("Dove");
  std::ostringstream out, err;
  EXPECT_EQ(Esegui({"--database", db.Cartella().string(), "riepilogo"}, out, err), esito_fallito);
  EXPECT_EQ(out.str(), "");
  EXPECT_EQ(err.str(), messaggi::Cartella_Letta(db.Cartella().string()) + "\n" +
                           messaggi::File_Mancante((db.Cartella() / "Dove.txt").string()) + "\n");
}

}  // namespace
}  // namespace talewick::cli
