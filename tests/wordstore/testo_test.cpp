#include "wordstore/testo.hpp"

#include <gtest/gtest.h>

namespace talewick {
namespace {

TEST(Iniziale, LettereAccentate) {
  std::string s = "È";
  Iniziale_Minuscola(s);
  EXPECT_EQ(s, "è");
  Iniziale_Maiuscola(s);
  EXPECT_EQ(s, "È");
  s = "àncora";
  Iniziale_Maiuscola(s);
  EXPECT_EQ(s, "Àncora");
  s.clear();
  Iniziale_Maiuscola(s);
  EXPECT_EQ(s, "");
  s = "'x";
  Iniziale_Maiuscola(s);
  EXPECT_EQ(s, "'x");
}

TEST(CasoProprio, MaiuscolaDopoLoSpazioMinuscoloAltrove) {
  EXPECT_EQ(In_Caso_Proprio("éLRIEN thOR"), "Élrien Thor");
  EXPECT_EQ(In_Caso_Proprio("d'artagnan mezzo-sangue"), "D'artagnan Mezzo-sangue");
  EXPECT_EQ(In_Caso_Proprio("a\tb\nc"), "A\tB\nC");
  EXPECT_EQ(In_Minuscolo("TRIBÙ Ò"), "tribù ò");
}

TEST(UltimoCarattere, ContaICaratteriNonIByte) {
  EXPECT_EQ(Lunghezza_Ultimo_Carattere("andò"), 2U);
  EXPECT_EQ(Lunghezza_Ultimo_Carattere("ando"), 1U);
  EXPECT_EQ(Lunghezza_Primo_Carattere("Èra"), 2U);
  EXPECT_EQ(Lunghezza_Ultimo_Carattere(""), 0U);
}

TEST(SostituisciTutto, OgniOccorrenzaSenzaRiesaminareIlRisultato) {
  std::string s = "Il re e Il drago";
  EXPECT_EQ(Sostituisci_Tutto(s, "Il ", "del "), 2U);
  EXPECT_EQ(s, "del re e del drago");
  s = "aaa";
  Sostituisci_Tutto(s, "a", "aa");
  EXPECT_EQ(s, "aaaaaa");
}

}  // namespace
}  // namespace talewick
