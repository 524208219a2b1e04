#include "core/opzioni.hpp"

#include <algorithm>
#include <charconv>

namespace talewick {

std::optional<Popolo> Cerca_Popolo(std::string_view nome) {
  const auto trovato = std::find_if(popoli.begin(), popoli.end(), [&](const Popolo& p) { return p.nome == nome; });
  if (trovato == popoli.end()) return std::nullopt;
  return *trovato;
}

std::optional<long long> Valore_Intero(std::string_view testo) {
  if (testo.empty() || testo.size() > 18) return std::nullopt;
  long long valore = 0;
  const auto [fine, errore] = std::from_chars(testo.data(), testo.data() + testo.size(), valore);
  if (errore != std::errc() || fine != testo.data() + testo.size() || testo.front() == '+') return std::nullopt;
  return valore;
}

}  // namespace talewick
