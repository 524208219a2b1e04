#pragma once
// Where a qualifier goes in a noun of several words.
#include <string>
#include <string_view>

namespace talewick {

// The noun followed by its qualifier, which goes after the head rather than after a complement
// with an articulated «di» («la Voce Spezzata del Tuono», «dei Martelli Ferrati del Tuono»), and
// after the whole of a fixed compound with a bare «di», «da» or «a» («la Cotta di Maglia Spezzata»,
// «il Corno da Caccia Splendido»). A noun whose head already carries a word of its own («il Cavallo
// Alato», «la Tigre Bianca del Nord») takes no further qualifier and is returned unchanged.
std::string Nome_Qualificato(std::string_view nome, std::string_view qualificativo);

// Whether the head of the noun is followed by another word of its own: an adjective or a noun in
// apposition («l'Ascia Bipenne», «il Terzo Occhio», «lo Scudo Torre»).
bool Gia_Qualificato(std::string_view nome);

// Whether the noun is its head alone, with at most an article or a preposition before it.
bool Sola_Testa(std::string_view nome);

// Whether a preposition follows the head: «la Cotta di Maglia», «il Re dei Ladri», «la Spada a Due Mani».
bool Con_Complemento(std::string_view nome);

}  // namespace talewick
