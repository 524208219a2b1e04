// Arbitrary bytes through the decoder and the field reader.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "wordstore/lettore_campi.hpp"
#include "wordstore/testo.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t quanti) {
  const std::string_view byte(reinterpret_cast<const char*>(dati), quanti);
  const auto decodificato = talewick::Decodifica_File_Parole(byte);
  if (!talewick::E_Utf8_Valido(decodificato.testo)) __builtin_trap();
  const auto campi = talewick::Leggi_Campi(decodificato.testo);
  if (campi.campi.size() != campi.righe.size()) __builtin_trap();
  return 0;
}
