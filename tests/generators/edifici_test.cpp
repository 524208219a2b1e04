#include <gtest/gtest.h>

#include "prova_generatore.hpp"

namespace talewick {
namespace {

using prova::CasoGenerato;
using prova::ProvaGeneratore;

const prova::Voci voci_edifici = {
    {"MasAltro", "Il Drago[m]"},  {"FemAltro", "La Fenice"},
    {"MasAnimali", "Il Lupo"},    {"FemAnimali", "La Volpe"},
    {"Aggettivi", "Rosso"},       {"VerbiPassatoProssimo", "ha dormito[intr]\nha dimenticato[tr]\nè caduto[intr]"},
    {"Come", "senza Paura"},      {"Dove", "nel Bosco\noltre i Monti di Tharnak[np]"},
    {"MasLuoghi", "Il Castello"}, {"FemLuoghi", "La Torre\nLa Vetta[su]"}};

class Edifici : public testing::TestWithParam<CasoGenerato> {
 protected:
  ProvaGeneratore prova{Carica_Nome_Locanda_Casuale, voci_edifici};
};

// Draws: pattern, number of slot 0, number of slot 1, category of slot 0 (1-2 "Altro",
// 3-4 "Animali"), the form of slot 1 and its own draws, then the entries of slot 0 and slot 1;
// draws past the script give 1. A place drawn for slot 1 is drawn again, and the second decides.
TEST_P(Edifici, SchemaEForma) { EXPECT_EQ(prova.Genera(GetParam().estrazioni), GetParam().risultato); }

INSTANTIATE_TEST_SUITE_P(
    Tabella, Edifici,
    testing::Values(
        CasoGenerato{"s1_sostantivo_maschile", {1, 1, 2, 1, 1, 3}, "La Fenice dei Lupi"},
        CasoGenerato{"s1_sostantivo_femminile", {1, 2, 1, 1, 2, 3}, "Le Fenici della Volpe"},
        CasoGenerato{"s1_aggettivo_col_numero_del_primo", {1, 2, 1, 1, 3}, "Le Fenici Rosse"},
        CasoGenerato{"s1_aggettivo_non_segue_il_secondo_numero", {1, 1, 2, 1, 3}, "La Fenice Rossa"},
        CasoGenerato{"s1_modo", {1, 1, 1, 1, 4, 1, 1, 1, 1}, "La Fenice senza Paura"},
        CasoGenerato{"s1_participio", {1, 2, 1, 1, 5}, "Le Fenici Dimenticate"},
        CasoGenerato{"s2_aggettivo", {2, 2, 1, 1, 3}, "I Draghi Rossi"},
        CasoGenerato{"s2_participio", {2, 1, 1, 1, 5}, "Il Drago Dimenticato"},
        CasoGenerato{"s2_con_sostantivo", {2, 1, 1, 1, 4, 2, 1, 2, 1, 3}, "Il Drago con le Volpi"},
        CasoGenerato{"s3_aggettivo", {3, 1, 1, 1, 1}, "La Locanda del Drago Rosso"},
        CasoGenerato{"s3_senza_sostantivo", {3, 2, 1, 1, 2, 2, 2, 1, 2, 3}, "La Locanda dei Draghi senza Lupo"},
        CasoGenerato{"s3_luogo", {3, 1, 1, 1, 2, 3, 1, 1, 1, 2, 2}, "La Locanda del Drago nella Torre"},
        CasoGenerato{"s3_participio", {3, 2, 1, 1, 3}, "La Locanda dei Draghi Dimenticati"},
        CasoGenerato{"s3_participio_con_essere", {3, 2, 1, 1, 3, 1, 2}, "La Locanda dei Draghi Caduti"},
        CasoGenerato{"s3_luogo_ridisegnato_con_su",
                     {3, 1, 1, 1, 2, 3, 1, 1, 1, 2, 2, 1, 1, 2},
                     "La Locanda del Drago sulla Vetta"},
        CasoGenerato{"s3_luogo_ridisegnato_senza_su",
                     {3, 1, 1, 1, 2, 3, 1, 1, 1, 2, 2, 2, 1, 1},
                     "La Locanda del Drago nella Torre"},
        CasoGenerato{"s3_nome_proprio_resta_e_il_tag_sparisce",
                     {3, 1, 1, 1, 2, 3, 1, 1, 1, 1, 1, 1, 2},
                     "La Locanda del Drago oltre i Monti di Tharnak"},
        CasoGenerato{"s4_aggettivo", {4, 1, 1, 1, 1}, "La Locanda della Fenice Rossa"},
        CasoGenerato{"s4_modo", {4, 1, 1, 1, 2, 1, 1, 1, 1}, "La Locanda della Fenice senza Paura"},
        CasoGenerato{"s4_participio", {4, 2, 1, 1, 3}, "La Locanda delle Fenici Dimenticate"},
        CasoGenerato{"s5_maschile_e_femminile", {5, 1, 2, 1, 2, 1, 3}, "La Locanda del Drago e delle Volpi"},
        CasoGenerato{"s5_femminile_e_maschile", {5, 2, 1, 2, 1, 1, 3}, "La Locanda delle Fenici e del Lupo"}),
    prova::Nome_Caso);

TEST(NomeEdificio, SenzaSpaziAiBordi) {
  ProvaGeneratore prova(Carica_Nome_Locanda_Casuale, voci_edifici);
  prova.stato.opzioni.NomePers = "  La Taverna ";
  EXPECT_EQ(prova.Genera({3, 1, 1, 1, 1}), "La Taverna del Drago Rosso");
  prova.stato.opzioni.NomePers = "";
  EXPECT_EQ(prova.Genera({5, 1, 1, 1, 1}), " del Drago e del Drago");
  // The name never shows in patterns 1 and 2.
  prova.stato.opzioni.NomePers = "La Fucina";
  EXPECT_EQ(prova.Genera({2, 1, 1, 1, 3}), "Il Drago Rosso");
}

TEST(NomeEdificio, CinqueSchemiUgualmenteFrequenti) {
  ProvaGeneratore prova(Carica_Nome_Locanda_Casuale, {{"MasAltro", "Il Drago"}});
  const std::string nome = "La Locanda ";
  const auto conta = prova.Frequenze(2024, 5000, [&nome](const std::string& r) -> std::string {
    if (!r.starts_with(nome)) return r.starts_with("La ") || r.starts_with("Le ") ? "1" : "2";
    if (r.find(" e ") != std::string::npos) return "5";
    return r.starts_with(nome + "della ") || r.starts_with(nome + "delle ") ? "4" : "3";
  });
  ASSERT_EQ(conta.size(), 5U);
  for (const auto& [schema, volte] : conta) {
    SCOPED_TRACE(schema);
    EXPECT_GT(volte, 850);
    EXPECT_LT(volte, 1150);
  }
}

}  // namespace
}  // namespace talewick
