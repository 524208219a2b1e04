#include "wordstore/casuale.hpp"

#include <gtest/gtest.h>

#include <array>
#include <vector>

namespace talewick {
namespace {

TEST(MotoreCasuale, UniformeInZeroUno) {
  Motore_Casuale casuale(11);
  for (int i = 0; i < 100000; ++i) {
    const double u = casuale.Uniforme();
    ASSERT_GE(u, 0.0);
    ASSERT_LT(u, 1.0);
  }
}

// A chi-square bound over 10 values: with 9 degrees of freedom 27.88 is the 0.1% tail.
TEST(MotoreCasuale, EstrazioniUniformi) {
  Motore_Casuale casuale(2026);
  constexpr int n = 10;
  constexpr int prove = 100000;
  std::array<int, n> conteggi{};
  for (int i = 0; i < prove; ++i) {
    const auto r = casuale.Estrai(n);
    ASSERT_GE(r, 1);
    ASSERT_LE(r, n);
    ++conteggi[static_cast<std::size_t>(r - 1)];
  }
  double chi2 = 0;
  constexpr double atteso = static_cast<double>(prove) / n;
  for (const int c : conteggi) chi2 += (c - atteso) * (c - atteso) / atteso;
  EXPECT_LT(chi2, 27.88);
}

}  // namespace
}  // namespace talewick
