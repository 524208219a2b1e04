#pragma once
#include <optional>
#include <string>
#include <string_view>

#include "core/stato.hpp"

namespace talewick {

using Generatore = void (*)(Stato&);

struct TipoGenerazione {
  std::string_view testo;
  Generatore genera;
  bool corsivo;
  int dimensione_carattere;
};

// The row of a kind text, matched exactly; nothing for a text that is no kind.
const TipoGenerazione* Cerca_Tipo(std::string_view testo);

// Generates one result of the kind in `CosaGenerare` into the result slot. A failed
// generation leaves the result slot empty and returns its message; an unknown kind changes
// nothing.
std::optional<std::string> Genera_Altro_Valore(Stato& stato);

// The character-name kind: a first name, one blank, a second name.
void Genera_Nome_Personaggio(Stato& stato);

}  // namespace talewick
