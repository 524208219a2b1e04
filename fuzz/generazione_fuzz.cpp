// Arbitrary bytes split into the 38 word files (at every 0xFF byte), then every kind generated.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include "core/dispatcher.hpp"
#include "core/opzioni.hpp"
#include "wordstore/archivio.hpp"
#include "wordstore/casuale.hpp"

namespace {

const std::filesystem::path& Cartella() {
  static const std::filesystem::path cartella = [] {
    auto c = std::filesystem::temp_directory_path() / ("talewick-fuzz-" + std::to_string(::getpid())) / "Database";
    std::filesystem::create_directories(c);
    return c;
  }();
  return cartella;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t quanti) {
  std::string_view resto(reinterpret_cast<const char*>(dati), quanti);
  for (const auto nome : talewick::nome_file) {
    const auto fine = resto.find('\xFF');
    std::ofstream file(Cartella() / (std::string(nome) + ".txt"), std::ios::binary | std::ios::trunc);
    file << resto.substr(0, fine);
    resto = fine == std::string_view::npos ? std::string_view() : resto.substr(fine + 1);
  }
  // A fresh store per input: files written within one clock tick must not look unchanged.
  talewick::Archivio archivio(Cartella());
  talewick::Motore_Casuale casuale(quanti);
  talewick::Stato stato(archivio, casuale);
  for (const auto tipo : talewick::tipi_generazione) {
    stato.opzioni.CosaGenerare = std::string(tipo);
    for (int i = 0; i < 3; ++i) (void)talewick::Genera_Altro_Valore(stato);
  }
  stato.opzioni.TipoNomi = "Inglese Composto";
  stato.opzioni.CosaGenerare = "Nomi Personaggi";
  (void)talewick::Genera_Altro_Valore(stato);
  return 0;
}
