#pragma once
// The Italian grammar engine. `Correzione_Sostantivi_Aggettivi_Verbi` reads a slot's grammar
// marker and runs the rewrites that give the value the required form: articles, articulated
// prepositions, number and gender endings, verb agreement and infinitives.
#include "wordstore/dati.hpp"

namespace talewick {

void Correzione_Sostantivi_Aggettivi_Verbi(Dato& dato);

void Iniziale_Stringa_Minuscola(Dato& dato);
void Iniziale_Stringa_Maiuscola(Dato& dato);
void Cancella_Articolo(Dato& dato);

}  // namespace talewick
