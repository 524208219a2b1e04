#include "wordstore/lettore_campi.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace talewick {
namespace {

struct CasoCampi {
  const char* nome;
  std::string testo;
  std::vector<std::string> campi;
};

class LettoreCampi : public testing::TestWithParam<CasoCampi> {};

TEST_P(LettoreCampi, LeggeICampi) { EXPECT_EQ(Leggi_Campi(GetParam().testo).campi, GetParam().campi); }

INSTANTIATE_TEST_SUITE_P(
    Tabella, LettoreCampi,
    testing::Values(CasoCampi{"una_voce_per_riga", "Il Drago\nLa Spada", {"Il Drago", "La Spada"}},
                    CasoCampi{"a_capo_finale_non_apre_un_campo", "Il Drago\nLa Spada\n", {"Il Drago", "La Spada"}},
                    CasoCampi{"riga_vuota_e_un_campo_vuoto", "a\n\nb\n", {"a", "", "b"}},
                    CasoCampi{"riga_vuota_in_coda", "a\nb\n\n", {"a", "b", ""}},
                    CasoCampi{"virgola_divide_la_riga", "rosso,verde\n", {"rosso", "verde"}},
                    CasoCampi{"virgola_finale", "rosso,", {"rosso", ""}},
                    CasoCampi{"virgolette_tengono_la_virgola", "\"a, b\"\nc", {"a, b", "c"}},
                    CasoCampi{"testo_dopo_le_virgolette_scartato", "\"a\" resto,b", {"a", "b"}},
                    CasoCampi{"virgolette_aperte_fino_a_fine_riga", "\"a, b\nc", {"a, b", "c"}},
                    CasoCampi{"crlf", "Il Drago\r\nLa Spada\r\n", {"Il Drago", "La Spada"}},
                    CasoCampi{"cr_da_solo", "a\rb", {"a", "b"}},
                    CasoCampi{"spazi_ai_lati_tolti", "  Il Drago \t\nb", {"Il Drago", "b"}},
                    CasoCampi{"spazi_interni_restano", "è  fuggito", {"è  fuggito"}},
                    CasoCampi{"file_vuoto", "", {}}),
    [](const testing::TestParamInfo<CasoCampi>& info) { return std::string(info.param.nome); });

TEST(LettoreCampi, RigheDeiCampiEVirgoletteAperte) {
  const auto letti = Leggi_Campi("a\r\n\"b\nc,d\n");
  EXPECT_EQ(letti.righe, (std::vector<int>{1, 2, 3, 3}));
  EXPECT_EQ(letti.righe_virgolette_aperte, std::vector<int>{2});
}

TEST(DecodificaFileParole, Utf8ConBomPerdeIlBom) {
  const auto d = Decodifica_File_Parole("\xEF\xBB\xBFTribù");
  EXPECT_EQ(d.testo, "Tribù");
  EXPECT_EQ(d.codifica, Codifica::Utf8_Con_Bom);
}

TEST(DecodificaFileParole, Utf8ValidoRestaCosi) {
  const auto d = Decodifica_File_Parole("è fuggito");
  EXPECT_EQ(d.testo, "è fuggito");
  EXPECT_EQ(d.codifica, Codifica::Utf8);
}

TEST(DecodificaFileParole, TestoNonUtf8LettoComeWindows1252) {
  // "Tribù è" and a euro sign, as an older editor would save them.
  const auto d = Decodifica_File_Parole("Trib\xF9 \xE8 \x80");
  EXPECT_EQ(d.testo, "Tribù è €");
  EXPECT_EQ(d.codifica, Codifica::Windows_1252);
}

TEST(DecodificaFileParole, ByteNulTolti) {
  const auto d = Decodifica_File_Parole(std::string("ab\0c", 4));
  EXPECT_EQ(d.testo, "abc");
  EXPECT_TRUE(d.conteneva_nul);
}

}  // namespace
}  // namespace talewick
