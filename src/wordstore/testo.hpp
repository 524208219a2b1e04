#pragma once
// UTF-8 text helpers shared by the word store, the grammar engine and the generators.
// "Character" always means a Unicode code point, never a byte.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace talewick {

// One code point of a UTF-8 text and its bytes [inizio, fine); a byte that is not UTF-8 stands
// alone with `cp` -1.
struct Carattere {
  std::int32_t cp = -1;
  std::size_t inizio = 0;
  std::size_t fine = 0;
};
// The one walk over UTF-8 text: every other routine here reads through it.
std::vector<Carattere> Caratteri(std::string_view testo);
// Appends the UTF-8 bytes of `cp`.
void Accoda_Carattere(std::string& testo, char32_t cp);
// Letters of any script and case; -1 is none.
bool E_Lettera(std::int32_t cp);
bool E_Maiuscola(std::int32_t cp);
bool E_Minuscola(std::int32_t cp);

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
// `nome` without a leading definite article: «Il Drago», «L'Ascia», «Gli Gnomi» give «Drago»,
// «Ascia», «Gnomi».
std::string_view Senza_Articolo(std::string_view nome);
// Equal but for the case of ASCII letters; no allocation, for words compared while drawing.
bool Uguali_Senza_Maiuscole(std::string_view a, std::string_view b);

// Upper case at the start and after whitespace, lower case everywhere else.
std::string In_Caso_Proprio(std::string_view testo);

bool E_Utf8_Valido(std::string_view testo);

// The text safe to print on a terminal: control characters become "\x1B" (C1 ones "\u0085"),
// and bytes that are not UTF-8 "\xFF"; everything else stays.
std::string Testo_Stampabile(std::string_view testo);

}  // namespace talewick
