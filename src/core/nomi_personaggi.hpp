#pragma once
#include "core/stato.hpp"

namespace talewick {

// Appends a syllable name to the result slot and re-capitalises it, or, for
// "Inglese Composto", replaces the result slot's text with one English compound.
void Carica_Nome_Persona_Casuale(Stato& stato, int valore_posizione_dato);
void Carica_Nome_Inglese(Stato& stato);

}  // namespace talewick
