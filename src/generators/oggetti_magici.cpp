#include "generators/generatori.hpp"

namespace talewick {

// Not written yet: leaves the result slot as it is.
void Carica_Oggetto_Magico_Casuale(Stato& /*stato*/) {}

}  // namespace talewick
