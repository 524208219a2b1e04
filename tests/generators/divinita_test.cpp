#include <gtest/gtest.h>

#include "prova_generatore.hpp"

namespace talewick {
namespace {

using prova::CasoGenerato;
using prova::ProvaGeneratore;

const prova::Voci voci_divinita = {{"MasAltro", "Il Fulmine"},
                                   {"FemAltro", "La Tempesta"},
                                   {"Aggettivi", "Infuriato"},
                                   {"VerbiPassatoProssimo", "ha dimenticato[tr]"},
                                   {"SillabeNano", "xar"}};

class Divinita : public testing::TestWithParam<CasoGenerato> {
 protected:
  Divinita() {
    prova.stato.opzioni.TipoNomi = "Nano";
    prova.stato.opzioni.Min = "1";
    prova.stato.opzioni.Max = "1";
    prova.stato.slot_nome.testo = "Vecchio";
  }
  ProvaGeneratore prova{Carica_Dio_Casuale, voci_divinita};
};

// Draws: adjective (1) or participle (2), gender of the domain, its category (1 "Altro"), the
// entries, the name's length and syllable, then the title.
TEST_P(Divinita, NomeTitoloDominio) { EXPECT_EQ(prova.Genera(GetParam().estrazioni), GetParam().risultato); }

INSTANTIATE_TEST_SUITE_P(
    Tabella, Divinita,
    testing::Values(
        CasoGenerato{"dea_aggettivo_femminile_plurale", {1, 2, 1, 1, 1, 1, 1, 2}, "Xar, Dea delle Tempeste Infuriate"},
        CasoGenerato{"divinita_participio_maschile", {2, 1, 1, 1, 1, 1, 1, 3}, "Xar, Divinità dei Fulmini Dimenticati"},
        CasoGenerato{"dio_con_dominio_femminile", {1, 2, 1, 1, 1, 1, 1, 1}, "Xar, Dio delle Tempeste Infuriate"}),
    prova::Nome_Caso);

TEST(NomeDivino, TreTitoliUgualmenteFrequenti) {
  ProvaGeneratore prova(Carica_Dio_Casuale, voci_divinita);
  prova.stato.opzioni.TipoNomi = "Nano";
  const auto conta = prova.Frequenze(9, 1500, [](const std::string& r) {
    const auto inizio = r.find(", ") + 2;
    return r.substr(inizio, r.find(' ', inizio) - inizio);
  });
  ASSERT_EQ(conta.size(), 3U);
  for (const char* titolo : {"Dio", "Dea", "Divinità"}) {
    SCOPED_TRACE(titolo);
    EXPECT_GT(conta.at(titolo), 400);
    EXPECT_LT(conta.at(titolo), 600);
  }
}

}  // namespace
}  // namespace talewick
