// An arbitrary marker and value (split at the first NUL byte) through the per-slot clean-up.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "grammar/correzione.hpp"
#include "wordstore/tag.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t quanti) {
  const std::string_view ingresso(reinterpret_cast<const char*>(dati), quanti);
  const auto separatore = ingresso.find('\0');
  talewick::Dato dato;
  dato.forma_dato = std::string(ingresso.substr(0, separatore));
  dato.valore_dato =
      separatore == std::string_view::npos ? std::string() : std::string(ingresso.substr(separatore + 1));
  talewick::Cancella_Tag_Categoria(dato);
  talewick::Correzione_Sostantivi_Aggettivi_Verbi(dato);
  talewick::Cancella_Info_Programma(dato);
  talewick::Iniziale_Stringa_Maiuscola(dato);
  talewick::Iniziale_Stringa_Minuscola(dato);
  return 0;
}
