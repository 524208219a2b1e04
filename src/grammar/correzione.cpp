#include "grammar/correzione.hpp"

#include "wordstore/testo.hpp"

namespace talewick {

// Not written yet: the grammar engine replaces this file.
void Correzione_Sostantivi_Aggettivi_Verbi(Dato& /*dato*/) {}
void Iniziale_Stringa_Minuscola(Dato& dato) { Iniziale_Minuscola(dato.valore_dato); }
void Iniziale_Stringa_Maiuscola(Dato& dato) { Iniziale_Maiuscola(dato.valore_dato); }
void Cancella_Articolo(Dato& /*dato*/) {}

}  // namespace talewick
