#include <gtest/gtest.h>

#include "prova_generatore.hpp"

namespace talewick {
namespace {

using prova::CasoGenerato;
using prova::ProvaGeneratore;

const prova::Voci voci_pozioni = {
    {"Aggettivi", "Denso[liq]\nDorato[col]\nAcre[o]\nSimile[o][+]\nDolce[s]\nAmaro[s][+]"},
    {"FluidiSpecificazioni", "con Riflessi[m]\ncon Venature[f]\ncon Bolle"},
    {"MasCibi", "Il Pane"},
    {"FemCibi", "L'Arancia"}};

class Pozioni : public testing::TestWithParam<CasoGenerato> {
 protected:
  ProvaGeneratore prova{Carica_Descrizione_Fluidi_Casuale, voci_pozioni};
};

// Draws: subject, liquid and colour adjectives, specification (1 "[m]", 2 "[f]", 3 neither),
// its colour when it has a gender, smell (2 with "[+]"), its food's gender and entry, taste
// (2 with "[+]"), its food's gender and entry.
TEST_P(Pozioni, UnaFraseConUnSoloPunto) { EXPECT_EQ(prova.Genera(GetParam().estrazioni), GetParam().risultato); }

INSTANTIATE_TEST_SUITE_P(
    Tabella, Pozioni,
    testing::Values(
        CasoGenerato{"soggetto_femminile",
                     {1, 1, 1, 1, 1, 1, 1},
                     "La pozione densa è dorata con riflessi dorati, ha un odore acre e il sapore dolce."},
        CasoGenerato{"soggetto_maschile_e_venature_femminili",
                     {5, 1, 1, 2, 1, 1, 1},
                     "L'elisir denso è dorato con venature dorate, ha un odore acre e il sapore dolce."},
        CasoGenerato{"odore_con_cibo_senza_articolo",
                     {2, 1, 1, 1, 1, 2, 1, 1, 1},
                     "Il fluido denso è dorato con riflessi dorati, ha un odore simile di pane e il sapore dolce."},
        CasoGenerato{"sapore_con_cibo_eliso",
                     {6, 1, 1, 1, 1, 1, 2, 2, 1},
                     "La sostanza densa è dorata con riflessi dorati, ha un odore acre e il sapore amaro di arancia."},
        CasoGenerato{
            "entrambi_i_cibi",
            {3, 1, 1, 1, 1, 2, 2, 1, 2, 1, 1},
            "Il liquido denso è dorato con riflessi dorati, ha un odore simile di arancia e il sapore amaro di "
            "pane."},
        CasoGenerato{"specificazione_senza_genere_lascia_fuori_il_colore",
                     {7, 1, 1, 3, 1, 1},
                     "La mistura densa è dorata con bolle, ha un odore acre e il sapore dolce."}),
    prova::Nome_Caso);

TEST(Pozione, NienteResteDiUnaGenerazionePrecedente) {
  ProvaGeneratore prova(Carica_Descrizione_Fluidi_Casuale, voci_pozioni);
  // Markers and values an earlier generator could have left in the slots this one uses.
  prova.stato[2].forma_dato = "FemSingCon";
  prova.stato[3].valore_dato = "Vecchio";
  prova.stato[3].forma_dato = "AggFemPlur";
  prova.stato[5].valore_dato = "Il Vecchio";
  prova.stato[7].valore_dato = "La Vecchia";
  EXPECT_EQ(prova.Genera({1, 1, 1, 3, 1, 1}),
            "La pozione densa è dorata con bolle, ha un odore acre e il sapore dolce.");
  EXPECT_EQ(prova.Genera({1, 1, 1, 1, 1, 1, 1}),
            "La pozione densa è dorata con riflessi dorati, ha un odore acre e il sapore dolce.");
}

}  // namespace
}  // namespace talewick
