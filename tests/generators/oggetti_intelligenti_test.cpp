#include <gtest/gtest.h>

#include "prova_generatore.hpp"

namespace talewick {
namespace {

using prova::CasoGenerato;
using prova::ProvaGeneratore;

const prova::Voci voci_intelligenti = {
    {"MasArmi", "Lo Scudo"},      {"FemArmi", "La Spada"},      {"MasOggetti", "L'Anello"},
    {"FemOggetti", "L'Ascia[f]"}, {"Aggettivi", "Eterno[liq]"}, {"VerbiPassatoProssimo", "ha dimenticato[tr]"},
    {"SillabeNano", "dùr\nBAL"},  {"IngleseVocaboli", "STORM"}, {"IngleseSoggetti", "bringer"}};

class OggettiIntelligenti : public testing::TestWithParam<CasoGenerato> {
 protected:
  OggettiIntelligenti() {
    prova.stato.opzioni.TipoNomi = "Nano";
    prova.stato.opzioni.Min = "1";
    prova.stato.opzioni.Max = "1";
    prova.stato.slot_nome.testo = "Vecchio";
  }
  ProvaGeneratore prova{Carica_Oggetto_Casuale, voci_intelligenti};
};

// Draws: adjective (1) or participle (2), gender of the item, family (1 weapons, 2 objects),
// its entry, the qualifier's entry, then the name: its length, its syllable.
TEST_P(OggettiIntelligenti, NomeVirgolaOggetto) {
  EXPECT_EQ(prova.Genera(GetParam().estrazioni), GetParam().risultato);
}

INSTANTIATE_TEST_SUITE_P(
    Tabella, OggettiIntelligenti,
    testing::Values(CasoGenerato{"aggettivo_concorda_con_l_oggetto", {1, 2, 1, 1, 1, 1, 2}, "Bal, la Spada Eterna"},
                    CasoGenerato{
                        "participio_e_articolo_eliso_minuscolo", {2, 1, 2, 1, 1, 1, 1}, "Dùr, l'Anello Dimenticato"},
                    CasoGenerato{"oggetto_femminile_eliso", {2, 2, 2}, "Dùr, l'Ascia Dimenticata"}),
    prova::Nome_Caso);

TEST(OggettoIntelligente, NomeInglese) {
  ProvaGeneratore prova(Carica_Oggetto_Casuale, voci_intelligenti);
  prova.stato.opzioni.TipoNomi = "Inglese Composto";
  prova.stato.slot_nome.testo = "Vecchio";
  // The second part comes from "IngleseSoggetti".
  EXPECT_EQ(prova.Genera({1, 1, 1, 1, 1, 1, 2}), "Stormbringer, lo Scudo Eterno");
}

TEST(OggettoIntelligente, FiltroDegliOggetti) {
  ProvaGeneratore prova(Carica_Oggetto_Casuale, voci_intelligenti);
  prova.stato.opzioni.TipoNomi = "Nano";
  prova.stato.opzioni.Min = "1";
  prova.stato.opzioni.Max = "1";
  prova.stato.opzioni.ComboOpzioni = "Genera solo nomi di oggetti";
  const auto conta = prova.Frequenze(3, 400, [](const std::string& r) {
    return r.find(", lo Scudo ") != std::string::npos || r.find(", la Spada ") != std::string::npos ? "armi"
                                                                                                    : "oggetti";
  });
  EXPECT_EQ(conta.size(), 1U);
  EXPECT_EQ(conta.count("oggetti"), 1U);
}

}  // namespace
}  // namespace talewick
