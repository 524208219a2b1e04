#pragma once
// Where a qualifier goes in a noun of several words.
#include <string>
#include <string_view>

namespace talewick {

// The noun followed by its qualifier, which goes after the head rather than after a complement
// with an articulated «di» («la Voce Spezzata del Tuono», «dei Martelli Ferrati del Tuono»), and
// after the whole of a fixed compound with a bare «di», «da» or «a» («la Cotta di Maglia Spezzata»,
// «il Corno da Caccia Splendido»).
std::string Nome_Qualificato(std::string_view nome, std::string_view qualificativo);

}  // namespace talewick
