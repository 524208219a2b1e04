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
                    CasoCampi{"spazi_interni_restano", "è  fuggito", {"è  fuggito"}}, CasoCampi{"file_vuoto", "", {}}),
    [](const testing::TestParamInfo<CasoCampi>& info) { return std::string(info.param.nome); });

TEST(LettoreCampi, RigheDeiCampiEVirgoletteAperte) {
  const auto letti = Leggi_Campi("a\r\n\"b\nc,d\n");
  EXPECT_EQ(letti.righe, (std::vector<int>{1, 2, 3, 3}));
  EXPECT_EQ(letti.righe_virgolette_aperte, std::vector<int>{2});
}

struct CasoDecodifica {
  const char* nome;
  std::string byte;
  std::string testo;
  Codifica codifica;
  std::vector<int> righe_windows_1252;
};

class Decodifica : public testing::TestWithParam<CasoDecodifica> {};

TEST_P(Decodifica, RigaPerRiga) {
  const auto d = Decodifica_File_Parole(GetParam().byte);
  EXPECT_EQ(d.testo, GetParam().testo);
  EXPECT_EQ(d.codifica, GetParam().codifica);
  EXPECT_EQ(d.righe_windows_1252, GetParam().righe_windows_1252);
}

INSTANTIATE_TEST_SUITE_P(
    Tabella, Decodifica,
    testing::Values(
        CasoDecodifica{"utf8_valido_resta_cosi", "è fuggito", "è fuggito", Codifica::Utf8, {}},
        CasoDecodifica{"bom_utf8_tolto", "\xEF\xBB\xBFTribù", "Tribù", Codifica::Utf8_Con_Bom, {}},
        // "Tribù è" and a euro sign, as an older editor would save them.
        CasoDecodifica{"tutto_windows_1252", "Trib\xF9 \xE8 \x80", "Tribù è €", Codifica::Windows_1252, {1}},
        CasoDecodifica{"una_riga_windows_1252_non_tocca_le_altre",
                       "Città\nTrib\xF9\r\nPerché\n",
                       "Città\nTribù\r\nPerché\n",
                       Codifica::Mista,
                       {2}},
        CasoDecodifica{"righe_ascii_non_decidono", "ka\nTrib\xF9\nri", "ka\nTribù\nri", Codifica::Windows_1252, {2}},
        CasoDecodifica{"cr_da_solo_conta_come_riga", "a\rb\r\xE8", "a\rb\rè", Codifica::Windows_1252, {3}},
        CasoDecodifica{"byte_non_definiti_diventano_sostituzione", "\x81", "\uFFFD", Codifica::Windows_1252, {1}},
        CasoDecodifica{
            "utf16_little_endian", std::string("\xFF\xFET\0u\0r\0\xF9\0\n\0", 12), "Turù\n", Codifica::Utf16, {}},
        CasoDecodifica{"utf16_big_endian", std::string("\xFE\xFF\0T\0h\0\xE8", 8), "Thè", Codifica::Utf16, {}},
        CasoDecodifica{
            "utf16_coppia_surrogata", std::string("\xFF\xFE\x3D\xD8\x09\xDF", 6), "\U0001F709", Codifica::Utf16, {}},
        CasoDecodifica{"utf16_surrogato_solo_e_byte_dispari",
                       std::string("\xFF\xFE\x3D\xD8"
                                   "a",
                                   5),
                       "\uFFFD\uFFFD",
                       Codifica::Utf16,
                       {}}),
    [](const testing::TestParamInfo<CasoDecodifica>& i) { return std::string(i.param.nome); });

TEST(DecodificaFileParole, ByteNulToltiConLaLoroRiga) {
  const auto d = Decodifica_File_Parole(std::string("ab\nc\0d\n\0", 8));
  EXPECT_EQ(d.testo, "ab\ncd\n");
  EXPECT_TRUE(d.conteneva_nul);
  EXPECT_EQ(d.riga_nul, 2);
  const auto utf16 =
      Decodifica_File_Parole(std::string("\xFF\xFE"
                                         "a\0\n\0\0\0",
                                         8));
  EXPECT_EQ(utf16.testo, "a\n");
  EXPECT_EQ(utf16.riga_nul, 2);
}

}  // namespace
}  // namespace talewick
