// Word-store start-up (cold and warm) and a draw right after a file changed on disk.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>

#include "wordstore/archivio.hpp"
#include "wordstore/casuale.hpp"
#include "wordstore/tag.hpp"

namespace talewick {
namespace {

void Carica_Tutti_File_A_Freddo(benchmark::State& state) {
  for (auto _ : state) {
    Archivio archivio("Database");
    Carica_Tutti_File(archivio);
    benchmark::DoNotOptimize(archivio.numero_vocaboli.data());
  }
}
BENCHMARK(Carica_Tutti_File_A_Freddo)->Unit(benchmark::kMillisecond);

void Carica_Tutti_File_A_Caldo(benchmark::State& state) {
  Archivio archivio("Database");
  Carica_Tutti_File(archivio);
  for (auto _ : state) {
    archivio.Nuova_Azione();
    Carica_Tutti_File(archivio);
    benchmark::DoNotOptimize(archivio.numero_vocaboli.data());
  }
}
BENCHMARK(Carica_Tutti_File_A_Caldo)->Unit(benchmark::kMicrosecond);

void Estrazione_Dopo_Modifica(benchmark::State& state) {
  const auto cartella = std::filesystem::temp_directory_path() / "talewick-bench" / "Database";
  std::filesystem::create_directories(cartella);
  std::filesystem::copy_file("Database/Aggettivi.txt", cartella / "Aggettivi.txt",
                             std::filesystem::copy_options::overwrite_existing);
  std::ifstream originale("Database/Aggettivi.txt", std::ios::binary);
  const std::string testo((std::istreambuf_iterator<char>(originale)), std::istreambuf_iterator<char>());
  Archivio archivio(cartella);
  Motore_Casuale casuale(1);
  Contesto contesto(archivio, casuale);
  contesto[0].nome_file_dato = "Aggettivi";
  int giro = 0;
  for (auto _ : state) {
    {
      // Alternate the size so that the change is seen whatever the clock's resolution.
      std::ofstream file(cartella / "Aggettivi.txt", std::ios::binary | std::ios::trunc);
      file << testo << (++giro % 2 == 0 ? "\nNuovo" : "");
    }
    archivio.Nuova_Azione();
    Carica(contesto, 0);
    benchmark::DoNotOptimize(contesto[0].valore_dato.data());
  }
  std::filesystem::remove_all(cartella.parent_path());
}
BENCHMARK(Estrazione_Dopo_Modifica)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace talewick
