// Arbitrary bytes split into the 38 word files (at every 0xFF byte), then every kind generated.
// The files live in memory, so each input costs only its own parsing and generations.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/opzioni.hpp"
#include "dispatch/dispatcher.hpp"
#include "wordstore/archivio.hpp"
#include "wordstore/casuale.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t quanti) {
  std::string_view resto(reinterpret_cast<const char*>(dati), quanti);
  talewick::Archivio archivio("Database");
  for (const auto nome : talewick::nome_file) {
    const auto fine = resto.find('\xFF');
    archivio.Metti_In_Memoria(nome, resto.substr(0, fine));
    resto = fine == std::string_view::npos ? std::string_view() : resto.substr(fine + 1);
  }
  talewick::Motore_Casuale casuale(quanti);
  talewick::Stato stato(archivio, casuale);
  for (const auto tipo : talewick::tipi_generazione) {
    stato.opzioni.CosaGenerare = std::string(tipo);
    (void)talewick::Genera_Altro_Valore(stato);
  }
  stato.opzioni.TipoNomi = "Inglese Composto";
  stato.opzioni.CosaGenerare = "Nomi Personaggi";
  (void)talewick::Genera_Altro_Valore(stato);
  return 0;
}
