#pragma once
// The Italian grammar engine. `Correzione_Sostantivi_Aggettivi_Verbi` reads a slot's grammar
// marker (one of the 53 `parole_chiave`), and through a table of one row per keyword runs:
// first, for most plural keywords, the number step (grammar/flessione.hpp, which also turns the
// definite article plural through grammar/articoli.hpp), then the main step, which writes its key
// (grammar/chiavi.hpp) into the marker and runs one rewrite: articles (articoli.hpp), articulated
// prepositions (preposizioni.hpp), the feminine adjective (flessione.hpp) or a verb form
// (verbi.hpp). Every rewrite is a rule table applied by the routines of grammar/regole.hpp.
// Per slot a generator runs `Pulisci_Dato`: `Cancella_Tag_Categoria`, the pass, then
// `Cancella_Info_Programma`; the checker and `talewick-cli forma` read forms through `Forma`.
#include <array>
#include <string>
#include <string_view>

#include "wordstore/dati.hpp"

namespace talewick {

inline constexpr std::size_t numero_parole_chiave = 53;

// The keywords a generator may write into `forma_dato`, in the order the pass tries them.
extern const std::array<std::string_view, numero_parole_chiave> parole_chiave;

// A marker that is none of the keywords leaves value and marker as they are; otherwise the marker
// is left holding the last key written (or the keyword, for the rows that write none).
void Correzione_Sostantivi_Aggettivi_Verbi(Dato& dato);

// The clean-up of a slot once its entry is drawn: category tags off, the pass, every tag off.
void Pulisci_Dato(Dato& dato);
// What that clean-up makes of `voce` under the marker `marcatore`.
std::string Forma(std::string_view voce, std::string_view marcatore);

// First character of the value to lower / upper case, accented letters included.
void Iniziale_Stringa_Minuscola(Dato& dato);
void Iniziale_Stringa_Maiuscola(Dato& dato);
// Removes every capitalised definite article, singular or plural; reads no marker, keeps the tags.
void Cancella_Articolo(Dato& dato);

}  // namespace talewick
