#include <gtest/gtest.h>

#include "prova_generatore.hpp"

namespace talewick {
namespace {

using prova::CasoGenerato;
using prova::ProvaGeneratore;

const prova::Voci voci_gruppi = {{"MasUmani", "Il Mercante"}, {"FemUmani", "La Strega[fm]"},
                                 {"MasAltro", "Il Martello"}, {"FemAltro", "La Spada"},
                                 {"Aggettivi", "Perduto"},    {"VerbiPassatoProssimo", "ha dimenticato[tr]"}};

class Gruppi : public testing::TestWithParam<CasoGenerato> {
 protected:
  ProvaGeneratore prova{Carica_Gruppo_Casuale, voci_gruppi};
};

// Draws: adjective (1) or participle (2), short (1) or long (2) form, number of the long
// form's noun (1 singular, 2 plural), group word, gender of the members, in the long form
// the noun's gender and category (1 "Altro").
TEST_P(Gruppi, FormaBreveOLunga) { EXPECT_EQ(prova.Genera(GetParam().estrazioni), GetParam().risultato); }

INSTANTIATE_TEST_SUITE_P(
    Tabella, Gruppi,
    testing::Values(
        CasoGenerato{"breve_aggettivo_plurale", {1, 1, 1, 1, 1}, "Clan dei Mercanti Perduti"},
        CasoGenerato{"breve_participio_femminile", {2, 1, 2, 5, 2}, "Tribù delle Streghe Dimenticate"},
        CasoGenerato{
            "lunga_singolare_concorda_col_secondo", {1, 2, 1, 2, 1, 2, 1}, "Gilda dei Mercanti dalla Spada Perduta"},
        CasoGenerato{
            "lunga_plurale_participio", {2, 2, 2, 3, 2, 1, 1}, "Accademia delle Streghe dai Martelli Dimenticati"},
        CasoGenerato{"corporazione", {1, 2, 2, 4, 1, 2, 1}, "Corporazione dei Mercanti dalle Spade Perdute"}),
    prova::Nome_Caso);

TEST(Gruppo, OgniParolaEOgniFormaCapitano) {
  ProvaGeneratore prova(Carica_Gruppo_Casuale, voci_gruppi);
  const auto parole = prova.Frequenze(5, 2500, [](const std::string& r) { return r.substr(0, r.find(' ')); });
  ASSERT_EQ(parole.size(), 5U);
  for (const auto& [parola, volte] : parole) {
    SCOPED_TRACE(parola);
    EXPECT_GT(volte, 400);
  }
  const auto forme = prova.Frequenze(
      6, 1000, [](const std::string& r) { return r.find(" da") != std::string::npos ? "lunga" : "breve"; });
  EXPECT_GT(forme.at("lunga"), 400);
  EXPECT_GT(forme.at("breve"), 400);
}

}  // namespace
}  // namespace talewick
