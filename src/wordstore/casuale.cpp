#include "wordstore/casuale.hpp"

namespace talewick {

std::int64_t Casuale::Estrai(std::int64_t n) {
  const auto r = 1 + static_cast<std::int64_t>(Uniforme() * static_cast<double>(n));
  return r > n ? n : r;
}

Motore_Casuale::Motore_Casuale() {
  std::random_device sistema;
  const auto alto = static_cast<std::uint64_t>(sistema());
  motore_.seed((alto << 32U) ^ static_cast<std::uint64_t>(sistema()));
}

double Motore_Casuale::Uniforme() {
  // The top 53 bits fill a double's mantissa exactly.
  return static_cast<double>(motore_() >> 11U) * 0x1.0p-53;
}

}  // namespace talewick
