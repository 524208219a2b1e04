#pragma once
// The branches of each kind's composition, as generators tell them to a branch observer
// (core/stato.hpp): the coverage report lists every one, also those never taken. Character
// names add their length in syllables ("nome di 3 sillabe") and the file of an English
// compound's second word, which depend on the options.
#include <span>
#include <string_view>

namespace talewick {

std::span<const std::string_view> Rami_Del_Tipo(std::string_view tipo);

}  // namespace talewick
