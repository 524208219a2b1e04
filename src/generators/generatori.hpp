#pragma once
// One generator per generation kind. Each fills the data slots it needs, runs the per-slot
// clean-up (category tags, correction pass, every other tag) and joins the slots with its
// fixed phrases into the result slot. The pieces they share are in generators/comuni.hpp.
#include "core/stato.hpp"

namespace talewick {

void Carica_Nome_Locanda_Casuale(Stato& stato);
void Carica_Oggetto_Magico_Casuale(Stato& stato);
void Carica_Oggetto_Casuale(Stato& stato);
void Carica_Gruppo_Casuale(Stato& stato);
void Carica_Dio_Casuale(Stato& stato);
void Carica_Titolo_Libro_Casuale(Stato& stato);
void Carica_Spunto_Avventura_Casuale(Stato& stato);
void Carica_Descrizione_Fluidi_Casuale(Stato& stato);

}  // namespace talewick
