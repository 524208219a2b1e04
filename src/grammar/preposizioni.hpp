#pragma once
// The articulated prepositions: each rewrite acts only under its own key (grammar/chiavi.hpp),
// removes every tag, then fuses each capitalised definite article, singular or plural, with its
// preposition in lower case ("Il " becomes "sul ", "Gli " becomes "agli "...).
#include "wordstore/dati.hpp"

namespace talewick {

void Correggi_Articoli_Determinativi_in_Preposizione_Articolate_Su(Dato& dato);
void Correggi_Articoli_Determinativi_in_Preposizione_Articolate_A(Dato& dato);
void Correggi_Articoli_Determinativi_in_Preposizione_Articolate_In(Dato& dato);
void Correggi_Articoli_Determinativi_in_Preposizione_Articolate_Da(Dato& dato);

}  // namespace talewick
