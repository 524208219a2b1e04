#include "other_windows/riepilogo.hpp"

#include <gtest/gtest.h>

#include <map>

#include "support/database_prova.hpp"

namespace talewick {
namespace {

using prova::DatabaseProva;

struct Atteso {
  std::string_view controllo;
  std::int64_t numero;
  std::string_view testo;
};

std::map<std::string_view, RigaRiepilogo> Per_Controllo(const std::array<RigaRiepilogo, 9>& righe) {
  std::map<std::string_view, RigaRiepilogo> mappa;
  for (const auto& riga : righe) mappa[riga.controllo] = riga;
  return mappa;
}

void Verifica(const std::array<RigaRiepilogo, 9>& righe, const std::array<Atteso, 9>& attesi) {
  const auto mappa = Per_Controllo(righe);
  ASSERT_EQ(mappa.size(), 9u);
  for (const auto& a : attesi) {
    SCOPED_TRACE(std::string(a.controllo));
    ASSERT_TRUE(mappa.contains(a.controllo));
    EXPECT_EQ(mappa.at(a.controllo).numero, a.numero);
    if (!a.testo.empty()) {
      EXPECT_EQ(mappa.at(a.controllo).testo, a.testo);
    }
  }
}

TEST(Riepilogo, UnaVocePerFileSenzaTag) {
  DatabaseProva db;
  db.Completa();
  Archivio archivio(db.Cartella());
  Carica_Tutti_File(archivio);
  Verifica(Refresh_Valori(archivio),
           {{{"Label1", 24, "- Per i Nomi di Locande ci sono 24 vocaboli."},
             {"Label3", 3, "- Per le Descrizioni delle Pozioni ci sono 3 vocaboli."},
             {"Label6", 18, "- Per i Nomi degli Oggetti Intelligenti ci sono 18 vocaboli e sillabe."},
             {"Label2", 12, "- Per i Nomi di Personaggi ci sono 12 sillabe."},
             {"Label5", 23, "- Per gli Spunti per le Avventure ci sono 23 vocaboli."},
             {"Label4", 34, "- Per i Titoli dei Libri ci sono 34 vocaboli e sillabe."},
             {"Label7", 7, "- Per i Nomi degli Oggetti Magici ci sono 7 vocaboli."},
             {"Label9", 34, "- Per i Nomi delle Divinità ci sono 34 vocaboli e sillabe."},
             {"Label10", 22, "- Per i Nomi dei Gruppi ci sono 22 vocaboli."}}});
}

TEST(Riepilogo, VociConTag) {
  DatabaseProva db;
  db.Completa({{"VerbiPassatoProssimo", "ha rubato[tr]\nha incantato[tr][mag]"},
               {"Aggettivi", "Rosso[col]\nDenso[liq][o]\nAcido[s]\nMagico[mag][o]"},
               {"MasCibi", "Il Miele[liq]\nIl Pane\nIl Vino[liq][col]"},
               {"FemOggetti", "La Bacchetta[mag]\nLa Coppa[liq]"},
               {"FluidiSpecificazioni", "con Riflessi[m]\ncon Bolle[f]"},
               {"Libri", "Trattato[1][mag]"}});
  Archivio archivio(db.Cartella());
  Carica_Tutti_File(archivio);
  // N = 27 (adjectives 4, nouns 23), S = 12; tags: [mag] 4, [liq] 4, [col] 2, [o] 2, [s] 1.
  Verifica(Refresh_Valori(archivio), {{{"Label1", 31, ""},
                                       {"Label3", 15, "- Per le Descrizioni delle Pozioni ci sono 15 vocaboli."},
                                       {"Label2", 12, ""},
                                       {"Label4", 40, ""},
                                       {"Label5", 30, ""},
                                       {"Label6", 23, ""},
                                       {"Label7", 15, "- Per i Nomi degli Oggetti Magici ci sono 15 vocaboli."},
                                       {"Label9", 41, ""},
                                       {"Label10", 29, ""}}});
}

TEST(Riepilogo, SommeOltreSediciBit) {
  Conteggi_File c;
  c.fill(40000);
  Conteggi_Tag t{};
  // S = 12 files of 40000: well past 32767.
  const auto righe = Per_Controllo(Refresh_Valori(c, t));
  EXPECT_EQ(righe.at("Label2").numero, 480000);
  EXPECT_EQ(righe.at("Label2").testo, "- Per i Nomi di Personaggi ci sono 480000 sillabe.");
  EXPECT_EQ(righe.at("Label9").numero, 34 * 40000);
}

TEST(Riepilogo, OrdineSulloSchermoComprendeOgniRiga) {
  std::map<std::string_view, int> visti;
  for (const auto controllo : ordine_riepilogo) ++visti[controllo];
  for (const auto& f : formule_riepilogo) EXPECT_EQ(visti[f.controllo], 1) << f.controllo;
}

}  // namespace
}  // namespace talewick
