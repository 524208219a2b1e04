// Generation speed on the shipped word files, warm store. Run from the repository root.
#include <benchmark/benchmark.h>

#include "dispatch/dispatcher.hpp"
#include "wordstore/archivio.hpp"
#include "wordstore/casuale.hpp"

namespace talewick {
namespace {

void Genera_Uno(benchmark::State& state, const char* tipo) {
  Archivio archivio("Database");
  Motore_Casuale casuale(1);
  Stato stato(archivio, casuale);
  stato.opzioni.CosaGenerare = tipo;
  Carica_Tutti_File(archivio);
  for (auto _ : state) {
    if (auto errore = Genera_Altro_Valore(stato)) {
      state.SkipWithError(errore->c_str());
      break;
    }
    benchmark::DoNotOptimize(stato.slot_nome.testo.data());
  }
  state.SetItemsProcessed(state.iterations());
}

// A batch is one user action: the store checks the disk once, then 100 generations follow.
void Genera_Cento(benchmark::State& state, const char* tipo) {
  Archivio archivio("Database");
  Motore_Casuale casuale(1);
  Stato stato(archivio, casuale);
  stato.opzioni.CosaGenerare = tipo;
  Carica_Tutti_File(archivio);
  for (auto _ : state) {
    archivio.Nuova_Azione();
    for (int i = 0; i < 100; ++i) {
      (void)Genera_Altro_Valore(stato);
      benchmark::DoNotOptimize(stato.slot_nome.testo.data());
    }
  }
  state.SetItemsProcessed(state.iterations() * 100);
}

#define TALEWICK_PER_TIPO(funzione)                                               \
  BENCHMARK_CAPTURE(funzione, pozioni, "Descrizione Pozioni");                    \
  BENCHMARK_CAPTURE(funzione, divinita, "Nomi Divinità");                         \
  BENCHMARK_CAPTURE(funzione, edifici, "Nomi Edifici");                           \
  BENCHMARK_CAPTURE(funzione, gruppi, "Nomi Gruppi");                             \
  BENCHMARK_CAPTURE(funzione, oggetti_intelligenti, "Nomi Oggetti Intelligenti"); \
  BENCHMARK_CAPTURE(funzione, oggetti_magici, "Nomi Oggetti Magici");             \
  BENCHMARK_CAPTURE(funzione, personaggi, "Nomi Personaggi");                     \
  BENCHMARK_CAPTURE(funzione, spunti_avventure, "Spunti Avventure");              \
  BENCHMARK_CAPTURE(funzione, titoli_libri, "Titoli Libri")

TALEWICK_PER_TIPO(Genera_Uno);
TALEWICK_PER_TIPO(Genera_Cento);

}  // namespace
}  // namespace talewick
