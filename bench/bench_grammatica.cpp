// The correction pass: one noun, one adjective and one verb through every keyword.
#include <benchmark/benchmark.h>

#include "grammar/correzione.hpp"
#include "wordstore/tag.hpp"

namespace talewick {
namespace {

void Correzione_Tutte_Le_Parole_Chiave(benchmark::State& state) {
  constexpr std::string_view voci[] = {"Il Fuoco[m][mag]", "L'Amica[f]", "Antico[fm][col]", "ha scritto[1][tr][spec]"};
  Dato dato;
  for (auto _ : state) {
    for (const auto voce : voci) {
      for (const auto parola : parole_chiave) {
        dato.valore_dato = voce;
        dato.forma_dato = parola;
        Cancella_Tag_Categoria(dato);
        Correzione_Sostantivi_Aggettivi_Verbi(dato);
        Cancella_Info_Programma(dato);
        benchmark::DoNotOptimize(dato.valore_dato.data());
      }
    }
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(std::size(voci) * parole_chiave.size()));
}
BENCHMARK(Correzione_Tutte_Le_Parole_Chiave);

// One entry made of tags only, 1 MB long: the strip must stay linear in its length.
void Cancella_Info_Programma_Un_Mega_Di_Tag(benchmark::State& state) {
  std::string voce;
  while (voce.size() < (1U << 20U)) voce += "[f][mag][x]";
  Dato dato;
  for (auto _ : state) {
    dato.valore_dato = voce;
    Cancella_Info_Programma(dato);
    benchmark::DoNotOptimize(dato.valore_dato.data());
  }
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(voce.size()));
}
BENCHMARK(Cancella_Info_Programma_Un_Mega_Di_Tag)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace talewick
