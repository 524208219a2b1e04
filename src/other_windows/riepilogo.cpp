#include "other_windows/riepilogo.hpp"

#include <cassert>

namespace talewick {

std::int64_t Somma_Nomi(const Conteggi_File& c) {
  std::int64_t somma = 0;
  for (std::size_t i = 1; i <= 21; ++i) somma += c[i];
  return somma;
}

std::int64_t Somma_Sillabe(const Conteggi_File& c) {
  std::int64_t somma = c[22] + c[23] + c[24];
  for (std::size_t i = 29; i <= 37; ++i) somma += c[i];
  return somma;
}

std::int64_t Valore_Formula(const FormulaRiepilogo& formula, const Conteggi_File& c, const Conteggi_Tag& t) {
  std::int64_t somma = 0;
  for (const Termine& termine : formula.termini) {
    const auto i = static_cast<std::size_t>(termine.indice);
    switch (termine.tipo) {
      case Termine::Tipo::Nessuno:
        break;
      case Termine::Tipo::File:
        assert(i < c.size());
        somma += c[i];
        break;
      case Termine::Tipo::Tag:
        assert(i < t.size());
        somma += t[i];
        break;
      case Termine::Tipo::Nomi:
        somma += Somma_Nomi(c);
        break;
      case Termine::Tipo::Sillabe:
        somma += Somma_Sillabe(c);
        break;
    }
  }
  return somma;
}

std::array<RigaRiepilogo, 9> Refresh_Valori(const Conteggi_File& c, const Conteggi_Tag& t) {
  std::array<RigaRiepilogo, 9> righe;
  for (std::size_t i = 0; i < formule_riepilogo.size(); ++i) {
    const FormulaRiepilogo& f = formule_riepilogo[i];
    const std::int64_t numero = Valore_Formula(f, c, t);
    righe[i] = {f.controllo, numero, std::string(f.prefisso) + std::to_string(numero) + std::string(f.suffisso)};
  }
  return righe;
}

}  // namespace talewick
