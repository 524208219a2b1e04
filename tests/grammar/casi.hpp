#pragma once
// One row of a rewrite's table test: a slot's marker and value before, its value after, and the
// marker after when the rewrite writes one (nullptr: the marker must be left as it was).
#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "wordstore/dati.hpp"

namespace talewick::prova {

struct Caso {
  const char* nome;
  const char* forma;
  const char* valore;
  const char* atteso;
  const char* forma_dopo = nullptr;
};

inline std::string Nome_Caso(const testing::TestParamInfo<Caso>& info) { return info.param.nome; }

// Shows a row by its name, not as raw bytes, in failures and in the test list.
inline void PrintTo(const Caso& caso, std::ostream* uscita) { *uscita << caso.nome; }

inline void Verifica(void (*riscrittura)(Dato&), const Caso& caso) {
  Dato dato;
  dato.forma_dato = caso.forma;
  dato.valore_dato = caso.valore;
  riscrittura(dato);
  EXPECT_EQ(dato.valore_dato, caso.atteso);
  EXPECT_EQ(dato.forma_dato, caso.forma_dopo != nullptr ? caso.forma_dopo : caso.forma);
}

}  // namespace talewick::prova

// A table test for one rewrite: suite `Nome`, one test per row of `righe`, named after the row.
#define TABELLA_RISCRITTURA(Nome, riscrittura, righe)                          \
  class Nome : public testing::TestWithParam<::talewick::prova::Caso> {};      \
  TEST_P(Nome, Riga) { ::talewick::prova::Verifica(riscrittura, GetParam()); } \
  INSTANTIATE_TEST_SUITE_P(Tabella, Nome, testing::ValuesIn(righe), ::talewick::prova::Nome_Caso)
