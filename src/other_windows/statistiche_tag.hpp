#pragma once
// What the tag statistics window (Form5) shows: the entries of every counted word file, the
// nouns per category with their share of all nouns, the total of all entries and the
// tagged-entry counts. Shares are rounded to hundredths in integer arithmetic, so a half
// always rounds up whatever its binary representation.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "other_windows/riepilogo.hpp"

namespace talewick {

inline constexpr std::size_t posti_conteggio = 40;
inline constexpr std::size_t posti_categoria = 11;  // 0..9 the categories, 10 the noun total
inline constexpr std::size_t posti_tag = 6;

inline constexpr std::array<std::string_view, 10> etichette_categoria = {
    "Altro: ",   "Animali: ", "Cibi: ", "Corpo: ",    "Luoghi: ",
    "Oggetti: ", "Umani: ",   "Armi: ", "Astratto: ", "Naturale: "};

inline constexpr std::array<std::string_view, 5> etichette_tag = {
    "Tag [mag]: ", "Tag [liq]: ", "Tag [col]: ", "Tag [o]: ", "Tag [s]: "};

// The texts of every label of the window; places left unfilled are empty.
struct TestiStatistiche {
  std::array<std::string, posti_conteggio> Conteggio;
  std::string Totale;
  std::array<std::string, posti_categoria> Categoria;
  std::array<std::string, posti_tag> TagNome;
};

// `parte` × 100 ÷ `totale` in hundredths, rounded half up; 0 when `totale` is 0.
std::int64_t Quota_Centesimi(std::int64_t parte, std::int64_t totale);

// A share in hundredths written as a number: no trailing zeros, `separatore` before the decimals.
std::string Scrivi_Quota(std::int64_t centesimi, std::string_view separatore);

// The nouns of all twenty noun files (indices 2 to 21).
std::int64_t Sostantivi_Totali(const Conteggi_File& c);

TestiStatistiche Testi_Statistiche(const Conteggi_File& c, const Conteggi_Tag& t, std::string_view separatore);
inline TestiStatistiche Testi_Statistiche(const Archivio& archivio, std::string_view separatore) {
  return Testi_Statistiche(archivio.numero_vocaboli, archivio.numero_vocaboli_tag, separatore);
}

}  // namespace talewick
