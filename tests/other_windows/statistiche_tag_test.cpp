#include "other_windows/statistiche_tag.hpp"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "support/righe_dati.hpp"

namespace talewick {
namespace {

// The rows of quote.tsv.
const prova::Regole quote = {
    {"quota", [](const auto& r) {
       EXPECT_EQ(Scrivi_Quota(Quota_Centesimi(std::stoi(r.at(0)), std::stoi(r.at(1))), r.at(2)), r.at(3));
     }}};
RIGHE_DATI(Quota, TALEWICK_DATI, quote);

Conteggi_File Uno_Per_File() {
  Conteggi_File c;
  c.fill(1);
  return c;
}

TEST(StatisticheTag, CategorieConLeLoroQuote) {
  Conteggi_File c = Uno_Per_File();
  // Nouns: Altro 25 + 25, Animali 100, Cibi 20, Corpo 10, Luoghi to Astratto 4 each, Naturale 0: 200.
  c[2] = 25;
  c[3] = 25;
  c[4] = 60;
  c[5] = 40;
  for (std::size_t i = 6; i <= 21; ++i) c[i] = i < 8 ? 10 : (i < 10 ? 5 : (i < 20 ? 2 : 0));
  ASSERT_EQ(Sostantivi_Totali(c), 200);
  EXPECT_THAT(Testi_Statistiche(c, Conteggi_Tag{}, ",").Categoria,
              testing::ElementsAre("Altro: 50 (25%)", "Animali: 100 (50%)", "Cibi: 20 (10%)", "Corpo: 10 (5%)",
                                   "Luoghi: 4 (2%)", "Oggetti: 4 (2%)", "Umani: 4 (2%)", "Armi: 4 (2%)",
                                   "Astratto: 4 (2%)", "Naturale: 0 (0%)", "Sostantivi Totali: 200"));
  c[3] = 26;  // 51 of 201
  const auto punto = Testi_Statistiche(c, Conteggi_Tag{}, ".");
  EXPECT_EQ(punto.Categoria[0] + "|" + punto.Categoria[1], "Altro: 51 (25.37%)|Animali: 100 (49.75%)");
}

TEST(StatisticheTag, NessunSostantivo) {
  Conteggi_File c = Uno_Per_File();
  for (std::size_t i = 2; i <= 21; ++i) c[i] = 0;
  const auto testi = Testi_Statistiche(c, Conteggi_Tag{}, ",");
  EXPECT_EQ(testi.Categoria[0] + "|" + testi.Categoria[9] + "|" + testi.Categoria[10],
            "Altro: 0 (0%)|Naturale: 0 (0%)|Sostantivi Totali: 0");
}

TEST(StatisticheTag, ConteggiDeiTagEGrandiTotali) {
  Conteggi_File c;
  c.fill(100000);
  const auto testi = Testi_Statistiche(c, Conteggi_Tag{4, 5, 6, 7, 8, 99}, ",");
  EXPECT_THAT(testi.TagNome,
              testing::ElementsAre("Tag [mag]: 4", "Tag [liq]: 5", "Tag [col]: 6", "Tag [o]: 7", "Tag [s]: 8", ""));
  EXPECT_EQ(testi.Totale, "Totale Assoluto Vocaboli: 3800000");
  EXPECT_EQ(testi.Categoria[10], "Sostantivi Totali: 2000000");
  EXPECT_EQ(testi.Categoria[0], "Altro: 200000 (10%)");
}

}  // namespace
}  // namespace talewick
