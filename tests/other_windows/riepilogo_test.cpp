#include "other_windows/riepilogo.hpp"

#include <gtest/gtest.h>

#include <map>

#include "support/database_prova.hpp"

namespace talewick {
namespace {

std::map<std::string_view, RigaRiepilogo> Per_Controllo(const std::array<RigaRiepilogo, 9>& righe) {
  std::map<std::string_view, RigaRiepilogo> mappa;
  for (const auto& riga : righe) mappa[riga.controllo] = riga;
  return mappa;
}

// Every file and tag with a count of its own, so that a formula reading the wrong one shows.
// File i holds i + 1 entries: N (files 1..21) = 252, S (22..24 and 29..37) = 378.
TEST(Riepilogo, OgniRigaLeggeISuoiFileEISuoiTag) {
  Conteggi_File c;
  for (std::size_t i = 0; i < c.size(); ++i) c[i] = static_cast<std::int64_t>(i) + 1;
  const Conteggi_Tag t = {100, 200, 300, 400, 500, 600};  // [mag] [liq] [col] [o] [s], unused
  const std::pair<const char*, const char*> attese[] = {
      {"Label1", "- Per i Nomi di Locande ci sono 307 vocaboli."},              // N + c0 + c25 + c27
      {"Label3", "- Per le Descrizioni delle Pozioni ci sono 1442 vocaboli."},  // c6 c7 c26 [liq..s]
      {"Label2", "- Per i Nomi di Personaggi ci sono 378 sillabe."},
      {"Label4", "- Per i Titoli dei Libri ci sono 659 vocaboli e sillabe."},  // N + c28 + S
      {"Label5", "- Per gli Spunti per le Avventure ci sono 281 vocaboli."},   // N + c0 + c27
      {"Label6", "- Per i Nomi degli Oggetti Intelligenti ci sono 443 vocaboli e sillabe."},
      {"Label7", "- Per i Nomi degli Oggetti Magici ci sono 203 vocaboli."},      // c1 c12 c13 c16..19 [mag]
      {"Label9", "- Per i Nomi delle Divinità ci sono 631 vocaboli e sillabe."},  // N + c0 + S
      {"Label10", "- Per i Nomi dei Gruppi ci sono 253 vocaboli."},               // N + c0
  };
  const auto righe = Per_Controllo(Refresh_Valori(c, t));
  ASSERT_EQ(righe.size(), 9u);
  for (const auto& [controllo, testo] : attese) EXPECT_EQ(righe.at(controllo).testo, testo);
  EXPECT_EQ(righe.at("Label4").numero, 659);
}

// Counted from the word files: [mag] 4, [liq] 4, [col] 2, [o] 2, [s] 1.
TEST(Riepilogo, VociConTag) {
  prova::DatabaseProva db;
  db.Completa({{"VerbiPassatoProssimo", "ha rubato[tr]\nha incantato[tr][mag]"},
               {"Aggettivi", "Rosso[col]\nDenso[liq][o]\nAcido[s]\nMagico[mag][o]"},
               {"MasCibi", "Il Miele[liq]\nIl Pane\nIl Vino[liq][col]"},
               {"FemOggetti", "La Bacchetta[mag]\nLa Coppa[liq]"},
               {"FluidiSpecificazioni", "con Riflessi[m]\ncon Bolle[f]"},
               {"Libri", "Trattato[1][mag]"}});
  Archivio archivio(db.Cartella());
  Carica_Tutti_File(archivio);
  const auto righe = Per_Controllo(Refresh_Valori(archivio));
  EXPECT_EQ(righe.at("Label3").testo, "- Per le Descrizioni delle Pozioni ci sono 15 vocaboli.");
  EXPECT_EQ(righe.at("Label7").testo, "- Per i Nomi degli Oggetti Magici ci sono 15 vocaboli.");
  EXPECT_EQ(righe.at("Label1").numero, 31);
}

TEST(Riepilogo, SommeOltreSediciBit) {
  Conteggi_File c;
  c.fill(40000);
  const auto righe = Per_Controllo(Refresh_Valori(c, Conteggi_Tag{}));
  EXPECT_EQ(righe.at("Label2").testo, "- Per i Nomi di Personaggi ci sono 480000 sillabe.");
  EXPECT_EQ(righe.at("Label9").numero, 34 * 40000);
}

}  // namespace
}  // namespace talewick
