#include <gtest/gtest.h>

#include "prova_generatore.hpp"

namespace talewick {
namespace {

using prova::CasoGenerato;
using prova::ProvaGeneratore;

const prova::Voci voci_magici = {{"MasArmi", "Lo Scudo"},
                                 {"FemArmi", "La Spada"},
                                 {"MasOggetti", "L'Anello"},
                                 {"FemOggetti", "La Corona"},
                                 {"MasAstratto", "Il Coraggio"},
                                 {"FemAstratto", "La Luce"},
                                 {"MasNaturale", "Il Sasso\nIl Vento[mag]"},
                                 {"FemNaturale", "La Nebbia[mag]"},
                                 {"MasAltro", "Il Sogno[mag]"},
                                 {"FemAltro", "L'Ombra[mag]\nLa Pietra"},
                                 {"Aggettivi", "Eterno"},
                                 {"VerbiPassatoProssimo", "ha dimenticato[tr]"}};

class OggettiMagici : public testing::TestWithParam<CasoGenerato> {
 protected:
  ProvaGeneratore prova{Carica_Oggetto_Magico_Casuale, voci_magici};
};

// Draws: gender of the item, family (1 weapons, 2 objects), kind of complement (1 abstract,
// 2 nature, 3 other), its gender, its entry, adjective (1) or participle (2).
TEST_P(OggettiMagici, OggettoComplementoQualificativo) {
  EXPECT_EQ(prova.Genera(GetParam().estrazioni), GetParam().risultato);
}

INSTANTIATE_TEST_SUITE_P(
    Tabella, OggettiMagici,
    testing::Values(CasoGenerato{"qualificativo_col_complemento_non_con_l_oggetto",
                                 {2, 1, 1, 1, 1, 1},
                                 "La Spada del Coraggio Eterno"},
                    CasoGenerato{"complemento_femminile", {1, 2, 1, 2, 1, 1}, "L'Anello della Luce Eterna"},
                    CasoGenerato{"naturale_solo_col_tag_mag", {1, 1, 2, 1, 1, 2}, "Lo Scudo del Vento Dimenticato"},
                    CasoGenerato{"altro_femminile_participio", {2, 2, 3, 2, 1, 2}, "La Corona dell'Ombra Dimenticata"}),
    prova::Nome_Caso);

TEST(OggettoMagico, IlFiltroSceglieLaFamiglia) {
  ProvaGeneratore prova(Carica_Oggetto_Magico_Casuale, voci_magici);
  prova.stato.opzioni.ComboOpzioni = "Genera solo nomi di armi";
  EXPECT_EQ(prova.Genera({1, 2, 1, 1}), "Lo Scudo del Coraggio Eterno");
  prova.stato.opzioni.ComboOpzioni = "Genera solo nomi di oggetti";
  EXPECT_EQ(prova.Genera({2, 1, 1, 1}), "La Corona del Coraggio Eterno");
}

bool Arma(const std::string& r) { return r.starts_with("Lo Scudo ") || r.starts_with("La Spada "); }

TEST(OggettoMagico, FrequenzeDelleFamiglieESoloVociMagiche) {
  ProvaGeneratore prova(Carica_Oggetto_Magico_Casuale, voci_magici);
  const auto conta = prova.Frequenze(7, 2000, [](const std::string& r) -> std::string {
    if (r.find("Sasso") != std::string::npos || r.find("Pietra") != std::string::npos) return "non magico";
    return Arma(r) ? "armi" : "oggetti";
  });
  EXPECT_EQ(conta.count("non magico"), 0U);
  EXPECT_GT(conta.at("armi"), 900);
  EXPECT_GT(conta.at("oggetti"), 900);

  for (const char* filtro : {"Genera solo nomi di armi", "Genera solo nomi di oggetti"}) {
    SCOPED_TRACE(filtro);
    prova.stato.opzioni.ComboOpzioni = filtro;
    const auto solo = prova.Frequenze(8, 300, [](const std::string& r) { return Arma(r) ? "armi" : "oggetti"; });
    EXPECT_EQ(solo.size(), 1U);
    EXPECT_EQ(solo.begin()->first, std::string(filtro).ends_with("armi") ? "armi" : "oggetti");
  }
}

}  // namespace
}  // namespace talewick
