#pragma once
// Pieces every generator shares: the per-slot clean-up, the number and gender words markers
// are built from, the qualifier set-up, personal names in a slot, and joining text.
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>

#include "core/stato.hpp"
#include "grammar/correzione.hpp"
#include "wordstore/liste.hpp"

namespace talewick::generatori {

inline constexpr std::string_view maschile = "Mas";
inline constexpr std::string_view femminile = "Fem";
inline constexpr std::string_view singolare = "Sing";
inline constexpr std::string_view plurale = "Plur";
inline constexpr std::string_view aggettivi = "Aggettivi";
inline constexpr std::string_view verbi = "VerbiPassatoProssimo";
inline constexpr std::string_view nessuna_forma = "No";  // matches no keyword of the correction pass

// "Sing" for 1, "Plur" for 2.
constexpr std::string_view Numero(std::int64_t k) { return k == 1 ? singolare : plurale; }

// The gender a noun draw left at the head of the slot's marker.
inline std::string_view Genere(const Dato& dato) {
  return dato.forma_dato.starts_with(maschile) ? maschile : femminile;
}

// Calls `carica`, a draw into the noun slot `dato`; when it draws nothing, turns the slot's file and
// marker to the other gender ("MasAnimali" to "FemAnimali") and calls it again. False, with the
// gender as it was, when neither draws.
bool In_Un_Genere(Dato& dato, const std::function<bool()>& carica);

// Who may own a thing after «del» or «di», given the thing's roles: on a building's sign («La Corona
// del Drago») and in a hook («una spada di un capitano»).
// A thing: a feared magic beast keeps a treasure or what fits it («La Corona del Drago», not «Il
// Corno da Caccia del Drago» or «L'Arpa della Pantera»); a thing with no role is neither. A beast
// keeps no weapon: it could not wield it («La Spada della Chimera»).
bool Custode(std::string_view voce, Categorie ruoli_cosa);
// A thing or a beast with a role: someone who shares it, or a ruler («Il Liuto del Bardo», «Il Falco
// della Regina», not «Lo Scettro del Mugnaio» or «Il Pegaso della Mugnaia»).
bool Padrone(std::string_view voce, Categorie ruoli_cosa);
// A weapon: as a thing, and only someone who bears arms, rules, hunts, sails or robs («Il Tridente
// del Corsaro», not «I Martelli da Guerra del Pastore»).
bool Armato(std::string_view voce, Categorie ruoli_cosa);

// Turns the number in the slot's marker to the singular: "MasPlurIndet" to "MasSingIndet".
void In_Singolare(Dato& dato);

// `destinazione` becomes the pieces joined, reusing its storage.
void Componi(std::string& destinazione, std::initializer_list<std::string_view> pezzi);
// Appends the pieces to `destinazione`.
void Accoda(std::string& destinazione, std::initializer_list<std::string_view> pezzi);

// An adjective (q = 1, marker "Agg" + gender + number) or a participle (q = 2, marker
// "Participio" + gender + number) that agrees with a noun.
void Imposta_Qualificativo(Dato& dato, std::int64_t q, std::string_view genere, std::string_view numero);
// Whether the last word of a qualifier's base form has, but for its final vowel, the root of a word
// of `altra`: «i peccatori peccatori», «delle proscritte hanno proscritto», «dei segni celesti
// celesti», «nauseante… nauseabondo», «rossa… rossastri».
bool Ripete(std::string_view qualificativo, std::string_view altra);
// Whether either entry repeats the other, as above: «delle Colombe e delle Colombe Bianche», «il
// Leone con il Cuore di Leone».
bool Ripetono(std::string_view una, std::string_view altra);
// Whether the noun is a person or a beast named with more than its head («la Regina delle Fate», «il
// Cacciatore di Taglie»): a kind of its own, which a qualifier would split or cling to the last word of.
bool Essere_Composto(const Dato& nome);
// Whether a qualifier would come after a whole of several words («la Coppa d'Oro Aranciata», «la
// Tromba di Guerra Verde»), not after the head before a complement («la Mano Oscura del Re»).
bool Qualificativo_In_Coda(std::string_view nome);
// The noun with its qualifier after the head; a noun whose qualifier would come after the whole
// stays alone.
std::string Nome_Qualificato_Se_Legge(std::string_view nome, std::string_view qualificativo);
// Whether the noun takes a qualifier: neither such a kind nor a whole the qualifier would trail.
bool Regge_Qualificativo(const Dato& nome);
// The noun with its qualifier after the head, or alone when it takes none.
std::string Nome_Con_Qualificativo(const Dato& nome, std::string_view qualificativo);
// How many times a qualifier is drawn at most while it repeats its noun or verb.
inline constexpr int tentativi_senza_ripetere = 3;
// Draws the slot: when the marker asks for a participle, one that can qualify the noun drawn in
// slot `qualificato` (an adjective, with its marker, when no participle fits the noun's category),
// otherwise an adjective fit for it; among those holding `marcatore` when one is given and some do;
// drawn again, up to `tentativi_senza_ripetere` times, while it repeats the noun or a word of the
// slots in `altri` (the verb beside it, another noun's adjective).
void Carica_Qualificativo(Contesto& contesto, int valore_posizione_dato, int qualificato,
                          std::initializer_list<int> altri = {}, std::string_view marcatore = {});
// Tells the branch observer whether a qualifier set up by Imposta_Qualificativo is an adjective
// or a participle.
void Ramo_Qualificativo(const Stato& stato, std::int64_t q);

// "Armi" or "Oggetti" as the object filter says; w decides for "Genera qualsiasi oggetto".
std::string_view Famiglia_Oggetto(const Opzioni& opzioni, std::int64_t w);

// A personal name made in the slot by the character-name generator, marker "No"; the result
// slot is emptied first and then holds the name alone.
void Carica_Nome_Proprio(Stato& stato, int valore_posizione_dato);

}  // namespace talewick::generatori
