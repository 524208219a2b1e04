#include "generators/generatori.hpp"

namespace talewick {

// Not written yet: leaves the result slot as it is.
void Carica_Titolo_Libro_Casuale(Stato& /*stato*/) {}

}  // namespace talewick
