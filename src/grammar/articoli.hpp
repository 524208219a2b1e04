#pragma once
// The article rewrites: from the capitalised definite singular of the base form to the definite
// plural, the partitive and the three indefinite variants. Each acts only under its own keys
// (grammar/chiavi.hpp), removes every tag, then replaces every occurrence of its article rows.
// `Cancella_Articolo`, which has no key, is declared with the pass in grammar/correzione.hpp.
#include <string_view>

#include "wordstore/dati.hpp"

namespace talewick {

// The definite singular article ("Il ", "Lo ", "La " or "L'") the first sound of `parola` asks for.
std::string_view Articolo_Determinativo(std::string_view parola, bool maschile);

// Does nothing at all when the value holds "[-]": such an entry keeps its singular article.
void Correggi_in_Articoli_Determinativi_Plurali(Dato& dato);
void Correggi_Articoli_Determinativi_in_Articoli_Partitivi(Dato& dato);
void Correggi_Articoli_Determinativi_in_Articoli_Partitivi_Plurali(Dato& dato);
void Correggi_Articoli_Determinativi_in_Articoli_Indeterminativi(Dato& dato);
void Correggi_Articoli_Determinativi_in_Articoli_Indeterminativi_Di(Dato& dato);
void Correggi_Articoli_Determinativi_in_Articoli_Indeterminativi_A(Dato& dato);

}  // namespace talewick
