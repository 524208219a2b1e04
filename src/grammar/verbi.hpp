#pragma once
// Verb forms, from the base form "ha "/"è " + masculine singular participle: agreement of the
// present perfect, the bare participle used as an adjective, and the infinitive. None of them
// rewrites the marker.
#include <string>
#include <string_view>

#include "wordstore/dati.hpp"

namespace talewick {

// Acts for "AlFemminilePlur", "AlMaschilePlur", "AlFemminileSing".
void Correggi_Verbi_Passato_Prossimo(Dato& dato);
// Always drops the auxiliary and capitalises; then agrees for "AlFemminilePlur", "AlMaschilePlur",
// "AlFemminileSing" (with "AlMaschileSing", or any other marker, the tags stay).
void Correggi_Verbi_Participio_Passato(Dato& dato);
// Acts for "Infinito"; removes only the number tags its rows consume.
void Correggi_Passato_Prossimo_in_Infinito(Dato& dato);
// Joins an object pronoun ("lo", "la", "li", "le") to an infinitive's first word, which loses its
// final "e" («catturarlo», «proteggerli»), or "re" after "rr" («condurla»).
std::string Infinito_Con_Pronome(std::string_view infinito, std::string_view pronome);
// Writes a preposition before the infinitive it introduces: "a" becomes "ad" before another "a"
// only («ad assaltare», «a uccidere», «a trovare»); any other stays as it is («di trovare»).
std::string Preposizione_Con_Infinito(std::string_view preposizione, std::string_view infinito);

}  // namespace talewick
