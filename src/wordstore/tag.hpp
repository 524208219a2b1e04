#pragma once
// The tag vocabulary, the draws that need an entry's tags, and the two strip operations.
#include <array>
#include <functional>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "wordstore/dati.hpp"

namespace talewick {

// Every tag the engine knows, in the order the full strip removes them; both strips also remove
// the list tags of wordstore/liste.hpp.
extern const std::array<std::string_view, 63> tag_vocabolario;
// The category and use tags, removed before the correction pass.
extern const std::array<std::string_view, 46> tag_categoria;

// Draws one entry of `nome_file_dato`, uniformly.
void Carica(Contesto& contesto, int valore_posizione_dato);
// Draws uniformly among the entries holding `tag_dato`, leaving out those equal to one of `escluse`
// unless nothing else is left; throws naming file and tag when none holds it.
void Carica_Tag(Contesto& contesto, int valore_posizione_dato, std::initializer_list<std::string_view> escluse = {});
// Draws uniformly among the entries `filtro` accepts (its answers are kept under `chiave` for as
// long as the file is unchanged), leaving out those equal to one of `escluse`; false, drawing
// nothing, when no other is accepted.
bool Carica_Filtrata(Contesto& contesto, int valore_posizione_dato, std::string_view chiave,
                     const std::function<bool(std::string_view)>& filtro,
                     std::initializer_list<std::string_view> escluse = {});
// As Carica_Filtrata, among the entries `filtro` accepts (kept under `chiave`) those `ancora` accepts
// too: a test that changes with every draw, too varied to keep (whose roles a goal must match).
bool Carica_Filtrata_Poi(Contesto& contesto, int valore_posizione_dato, std::string_view chiave,
                         const std::function<bool(std::string_view)>& filtro,
                         const std::function<bool(std::string_view)>& ancora,
                         std::initializer_list<std::string_view> escluse = {});
// As Carica_Filtrata_Poi (Carica_Filtrata when `ancora` is null), but `accetta` is asked only of the
// entry drawn; should it refuse it, the draw is made again among the entries it accepts too. As
// uniform among the entries all accept, and `accetta` walks the list only when it refuses the first.
// False when none passes all; the slot may then hold the refused entry, for the caller to draw over.
bool Carica_Filtrata_Accettata(Contesto& contesto, int valore_posizione_dato, std::string_view chiave,
                               const std::function<bool(std::string_view)>& filtro,
                               const std::function<bool(std::string_view)>* ancora,
                               const std::function<bool(std::string_view)>& accetta,
                               std::initializer_list<std::string_view> escluse = {});
// Draws among the entries holding `marcatore` ("[attore]"), leaving out those equal to one of
// `escluse`; among all of them when no other does.
void Carica_Marcata(Contesto& contesto, int valore_posizione_dato, std::string_view marcatore,
                    std::initializer_list<std::string_view> escluse = {});
// Sets `nome_file_dato` and `forma_dato` of the slot both to "Mas" or "Fem".
void Carica_Genere_Sostantivo(Contesto& contesto, int valore_posizione_dato);

// Removes from `testo`, in one pass, every tag of `elenco`; an item written without its closing
// "]" (such as "[ogg:") stands for every tag that begins with it. A tag that the removal of
// another one brings together ("[[f]o]") is removed as well.
void Cancella_Tag(std::string& testo, std::span<const std::string_view> elenco);

void Cancella_Tag_Categoria(Dato& dato);
// The text in lower case except the tags and the words tagged "[np]" (proper names, from the
// last blank or apostrophe before the tag), which stay as written.
std::string Minuscolo_Tranne_Nomi_Propri(std::string_view testo);
// The text without the words tagged "[np]" and their tags (a proper name is no dictionary word).
std::string Senza_Nomi_Propri(std::string_view testo);
void Cancella_Info_Programma(Dato& dato);

struct PluraleIrregolare {
  std::size_t posizione_barra = 0;         // 1-based position of the first "|", 0 when none
  std::vector<std::string> parti_plurale;  // the value split at every "|" (filled only when found)
};
PluraleIrregolare Individua_Plurali_Irregolari(const Dato& dato);

}  // namespace talewick
