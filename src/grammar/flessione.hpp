#pragma once
// Number and gender of nouns and adjectives. The two number rewrites give the last word its
// plural ending (reading the hints "[m]", "[f]", "[fm]" and an irregular plural after "|"), then
// write the definite-plural key and turn the article plural (grammar/articoli.hpp). The first-letter
// rewrites `Iniziale_Stringa_Minuscola` and `Iniziale_Stringa_Maiuscola` are declared with the pass
// in grammar/correzione.hpp.
#include <string>
#include <string_view>
#include <vector>

#include "wordstore/dati.hpp"

namespace talewick {

// Act only when the marker is "AlMaschilePlurale", "AlFemminilePlurale", "AggettiviAlFemminileSingolare".
void Correggi_al_Maschile_Plurale(Dato& dato);
void Correggi_al_Femminile_Plurale(Dato& dato);
void Correggi_Aggettivi_al_Femminile_Singolare(Dato& dato);

// The masculine words a feminine noun of a person may stand beside, by its ending, with what
// follows it unchanged: itself («Negromante»), and «Filibustiere» for «Filibustiera», «Danzatore
// delle Spade» for «Danzatrice delle Spade», «Conte», «Conta» and «Conto» for «Contessa».
std::vector<std::string> Maschili_Di(std::string_view femminile);
// Whether a noun of a person, by the ending of its first word, names men and women alike
// («Negromante», «Erede», «Esorcista»), so that its feminine plural is no group of women only.
bool Di_Genere_Comune(std::string_view nome);

}  // namespace talewick
