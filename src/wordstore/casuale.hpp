#pragma once
// The one source of randomness. Every choice among n values is 1 + floor(u * n) with u
// uniform in [0, 1) built from the engine's bits, so a seed gives the same results everywhere.
#include <cstdint>
#include <random>

namespace talewick {

class Casuale {
 public:
  virtual ~Casuale() = default;
  // A uniform number in [0, 1).
  virtual double Uniforme() = 0;
  // Draws 1..n (n >= 1).
  virtual std::int64_t Estrai(std::int64_t n);
};

class Motore_Casuale final : public Casuale {
 public:
  // Seeded from the operating system.
  Motore_Casuale();
  explicit Motore_Casuale(std::uint64_t seme) : motore_(seme) {}
  double Uniforme() override;

 private:
  std::mt19937_64 motore_;
};

}  // namespace talewick
