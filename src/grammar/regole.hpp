#pragma once
// The two ways a grammar rule table is applied, shared by every rewrite: replace every
// occurrence of each row in order, or apply the first rule whose ending ends the value.
#include <span>
#include <string>
#include <string_view>

#include "wordstore/dati.hpp"

namespace talewick {

// A source and the text that takes its place: a substring, or an ending in the ending tables.
struct Sostituzione {
  std::string_view da;
  std::string_view a;
};

// One row of a keyed rewrite; the rows of one key stand next to each other, in order.
struct RigaChiave {
  std::string_view chiave;
  Sostituzione sostituzione;
};

// Replaces, in place, every occurrence of `da` left to right; the text put in is not searched again.
void Sostituisci_Ogni(std::string& testo, Sostituzione sostituzione);

// Runs the rows in order, each one over the whole text.
void Applica_Sostituzioni(std::string& testo, std::span<const Sostituzione> righe);

// Runs the rows in order, each one over every occurrence that ends a word: one followed by the
// end of the text, a blank or a tag.
void Applica_Desinenze_Di_Parola(std::string& testo, std::span<const Sostituzione> righe);

// Applies the first rule whose ending ends the text as it stands before any rule; returns whether one did.
bool Applica_Prima_Desinenza(std::string& testo, std::span<const Sostituzione> regole);

// When the marker is one of the table's keys: removes every tag, then runs that key's rows in order.
// Returns whether the marker was a key of the table.
bool Applica_Per_Chiave(Dato& dato, std::span<const RigaChiave> tabella);

// The first row whose `chiave` equals the marker, or nullptr.
template <typename Riga>
const Riga* Cerca_Chiave(std::span<const Riga> tabella, std::string_view forma) {
  for (const Riga& riga : tabella) {
    if (riga.chiave == forma) return &riga;
  }
  return nullptr;
}

}  // namespace talewick
