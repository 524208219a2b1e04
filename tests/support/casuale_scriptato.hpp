#pragma once
#include <cstdint>
#include <deque>
#include <initializer_list>
#include <stdexcept>
#include <string>

#include "wordstore/casuale.hpp"

namespace talewick::prova {

// Answers each draw 1..n with the next scripted number, so that a test forces one branch.
// When the script runs out every further draw gives 1.
class CasualeScriptato final : public Casuale {
 public:
  CasualeScriptato(std::initializer_list<std::int64_t> estrazioni) : estrazioni_(estrazioni) {}
  void Aggiungi(std::initializer_list<std::int64_t> estrazioni) { estrazioni_.insert(estrazioni_.end(), estrazioni); }

  double Uniforme() override { return 0.0; }
  std::int64_t Estrai(std::int64_t n) override {
    ++chiamate_;
    if (estrazioni_.empty()) return 1;
    const auto r = estrazioni_.front();
    estrazioni_.pop_front();
    if (r < 1 || r > n) {
      throw std::logic_error("estrazione scriptata " + std::to_string(r) + " fuori da 1.." + std::to_string(n));
    }
    return r;
  }
  [[nodiscard]] std::size_t Rimaste() const { return estrazioni_.size(); }
  [[nodiscard]] std::size_t Chiamate() const { return chiamate_; }

 private:
  std::deque<std::int64_t> estrazioni_;
  std::size_t chiamate_ = 0;
};

}  // namespace talewick::prova
