#pragma once
// UTF-8 text helpers shared by the word store, the grammar engine and the generators.
// "Character" always means a Unicode code point, never a byte.
#include <string>
#include <string_view>

namespace talewick {

// Replaces every occurrence of `da` in `testo` with `a`, left to right; returns how many.
std::size_t Sostituisci_Tutto(std::string& testo, std::string_view da, std::string_view a);

bool Contiene(std::string_view testo, std::string_view parte);

// Byte length of the first / last code point of a UTF-8 text (0 for an empty text).
std::size_t Lunghezza_Primo_Carattere(std::string_view testo);
std::size_t Lunghezza_Ultimo_Carattere(std::string_view testo);

// Case of the first character only; the rest is left as it is.
void Iniziale_Maiuscola(std::string& testo);
void Iniziale_Minuscola(std::string& testo);

std::string In_Minuscolo(std::string_view testo);

// Upper case at the start and after whitespace, lower case everywhere else.
std::string In_Caso_Proprio(std::string_view testo);

bool E_Utf8_Valido(std::string_view testo);

// The text safe to print on a terminal: control characters become "\x1B" (C1 ones "\u0085"),
// and bytes that are not UTF-8 "\xFF"; everything else stays.
std::string Testo_Stampabile(std::string_view testo);

}  // namespace talewick
