#pragma once
// Noun selection: the category of a noun chosen by weight or read from another entry's
// category tag, place and manner phrases, and the complement flags of a verb entry.
#include <array>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string_view>

#include "wordstore/dati.hpp"
#include "wordstore/liste.hpp"

namespace talewick {

struct CategoriaSostantivo {
  std::string_view nome;  // the part after "Mas"/"Fem" in the file names
  std::string_view tag;
  std::size_t indice_maschile;  // index of "Mas" + nome in `nome_file`; the feminine file follows it
};

// The ten categories, in the order the weighted draw walks them: the one list of them, whose
// tags and codes ("[al]", "al") every other list of the program is made from.
inline constexpr std::array<CategoriaSostantivo, 10> categorie_sostantivi = {{
    {"Altro", "[al]", 2},
    {"Animali", "[an]", 4},
    {"Cibi", "[ci]", 6},
    {"Corpo", "[co]", 8},
    {"Umani", "[um]", 14},
    {"Oggetti", "[og]", 12},
    {"Luoghi", "[lu]", 10},
    {"Armi", "[ar]", 16},
    {"Naturale", "[na]", 20},
    {"Astratto", "[as]", 18},
}};

// The set of the categories with these names; an unknown name stops the build.
consteval Categorie Categorie_Di(std::initializer_list<std::string_view> nomi) {
  Categorie insieme = 0;
  for (const auto nome : nomi) {
    std::size_t i = 0;
    while (categorie_sostantivi.at(i).nome != nome) ++i;
    insieme |= static_cast<Categorie>(1U << i);
  }
  return insieme;
}

// The category named by the last of the category tags in `valore` (in the order the related-noun
// draw looks for them), or nullptr when it holds none.
const CategoriaSostantivo* Categoria_da_Tag(std::string_view valore);

// The tag of a place made by people, and of a verb whose places must be such.
inline constexpr std::string_view marcatore_costruito = "[costruito]";
// The tag of a verb whose places are wild ones, without "[costruito]": «ha vagato nella brughiera»,
// not «nell'armeria».
inline constexpr std::string_view marcatore_aperto = "[aperto]";
// The tag of a place an army besieges, storms or holds (a castle, a walled city), and of a verb
// whose places must be such: «per espugnare una rocca», not «una locanda» or «un labirinto».
inline constexpr std::string_view marcatore_fortezza = "[fortezza]";
// The tag of the places on or by the sea, where the beasts of the sea are met: «nella baia».
inline constexpr std::string_view marcatore_marino = "[marino]";
// The tag of a holy place (a temple, a shrine, a tomb), and of a verb whose places must be such:
// «ha riconsacrato un santuario», not «un porto».
inline constexpr std::string_view marcatore_consacrato = "[consacrato]";
// The tag of the people and beasts who can drive a story.
inline constexpr std::string_view marcatore_attore = "[attore]";
// The tag of the objects, weapons, body parts and places worth a story: a sign, an emblem, a
// treasure, a fortress.
inline constexpr std::string_view marcatore_notevole = "[notevole]";
// The tag of the adjectives that suit the people, beasts and things of an adventure hook.
inline constexpr std::string_view marcatore_spunto = "[spunto]";
// The tag of the adjectives that suit a written work, for a book title's comparison.
inline constexpr std::string_view marcatore_opera = "[opera]";
// The tag of the adjectives that suit «Differenze» in a book title: «Le Sottili Differenze».
inline constexpr std::string_view marcatore_differenze = "[differenze]";
// The tag of the nature, rites and ideas fit for a magic item or a god, and of the adjectives and
// participles that suit such a power: «la Luce Eterna», «le Tempeste Infuriate».
inline constexpr std::string_view marcatore_magico = "[mag]";
// The tag of the adjectives and participles a group names itself by: «i Mercanti Giurati».
inline constexpr std::string_view marcatore_gruppo = "[gruppo]";
// The tag of the adjectives and participles that suit a sign or an emblem («Il Drago Rosso»), and of
// the people, beasts and things that make one: «il Drago», «la Corona», not «il Centauro Alato».
inline constexpr std::string_view marcatore_insegna = "[insegna]";
// The tag of the adjectives and participles that suit a coat of arms, a group's emblem («dal Lupo
// Rampante», «dalla Spada Spezzata»): a sign's whimsy («Il Cinghiale Ubriaco») does not.
inline constexpr std::string_view marcatore_stemma = "[stemma]";
// The tag of the people and beasts worth fighting, and of the verbs whose victims are such.
inline constexpr std::string_view marcatore_nemico = "[nemico]";
// The tag of the people and beasts whose fate moves a story (a king, a princess, an heir, a
// unicorn), and of the verbs that rescue, abduct, avenge or murder only such.
inline constexpr std::string_view marcatore_vittima = "[vittima]";
// The tag of the verbs that only lend their participle to names and never act in a hook: «la Spada
// Restaurata», not «un alchimista ha restaurato una spada».
inline constexpr std::string_view marcatore_participio = "[participio]";
// The tag of a verb whose object, one hired, sent, tamed or raised, carries out the purpose.
inline constexpr std::string_view marcatore_alleato = "[alleato]";
// The tag of a verb that falls on many: its object, or its subject when it has none, is plural.
inline constexpr std::string_view marcatore_folla = "[folla]";
// The tag of a verb done by a band: its subject is plural, but for one who rules.
inline constexpr std::string_view marcatore_schiera = "[schiera]";
// The tag of a verb whose purpose falls on the one it acted on: «ha stordito un mercante per derubarlo».
inline constexpr std::string_view marcatore_stesso = "[stesso]";
// The tags of a verb whose purpose follows «a» or «di» rather than «per»: «ha incitato dei briganti
// ad assaltare», «ha incaricato una spia di trovare».
inline constexpr std::string_view marcatore_regge_a = "[regge:a]";
inline constexpr std::string_view marcatore_regge_di = "[regge:di]";
// The tags a verb shares with the people and beasts its object must be.
inline constexpr std::array<std::string_view, 2> marcatori_bersaglio = {marcatore_nemico, marcatore_vittima};

// Appends a category to `nome_file_dato` ("Mas" or "Fem"), weighted by the current entry counts,
// among the `ammesse` categories only (walked in the same order).
void Carica_Categoria_Sostantivo(Contesto& contesto, int valore_posizione_dato, Categorie ammesse = tutte_le_categorie);
// Which places a draw admits: any, those made by people ("[costruito]"), the wild ones (without it)
// the strongholds ("[fortezza]") or the holy places ("[consacrato]").
enum class Luogo : std::uint8_t { qualsiasi, costruito, selvaggio, fortezza, consacrato, marino };

// Draws a "Dove" phrase (marker "No") or a singular place noun with "in" ("su" for one tagged "[su]");
// the noun among the notable places of the `luogo` kind, as Carica_Notevole, the phrase among those
// tagged "[costruito]" for built places and strongholds (first among those tagged "[consacrato]"
// for holy places), among the others for the wild, among those tagged "[marino]" for the sea
// (among all when none fits).
void Carica_Luogo(Contesto& contesto, int valore_posizione_dato, Luogo luogo = Luogo::qualsiasi);
// For a place noun with "in" or "su" (marker ending in "SingIn" or "SingSu"): makes the marker
// agree with the "[su]" tag of the entry now in the slot.
void Scegli_In_o_Su(Dato& dato);
// Sets up a "Come" phrase, a noun with "con"/"senza" (among the `ammesse` categories; with none, a
// "Come" phrase in its place and in the place's), or draws a wild place; the caller draws next.
void Carica_Categoria_SulNel(Contesto& contesto, int valore_posizione_dato, Categorie ammesse = tutte_le_categorie);
// Whether some place, noun or "Dove" phrase, is tagged "[marino]": word files without one send
// beasts and people of the sea where they would send any other.
bool Ha_Il_Mare(const Contesto& contesto);
// Draws the slot's noun; a person or a beast among those tagged "[attore]", an object, a weapon, a
// body part or a place among those tagged "[notevole]", when there are any; a place of the `luogo`
// kind only, among all of that kind when none is notable (any place when none is of that kind; a
// built one when no place is a stronghold, or holy).
void Carica_Notevole(Contesto& contesto, int valore_posizione_dato, Luogo luogo = Luogo::qualsiasi);
// Draws the slot's noun for a sign or an emblem: among the entries tagged "[insegna]" when the file
// has some, else as Carica_Notevole.
void Carica_Insegna(Contesto& contesto, int valore_posizione_dato);
// Draws a noun of random gender of the category tagged in slot 0 (a person, a beast or a place
// among the notable, as Carica_Notevole; a thing among all) and puts the gender in front of the
// slot's marker; without a category tag in slot 0 nothing changes.
void Controlla_Categoria_e_Carica_Sostantivo_Correlato(Contesto& contesto, int valore_posizione_dato);
// Reads "[spec]", "[term]", "[scopo]", "[tr]", "[intr]" of the slot's entry into its four flags.
void Controlla_Complemento(Contesto& contesto, int valore_posizione_dato);
// What the complement check finds: "[tr]" and no "[intr]".
bool E_Transitivo(std::string_view verbo);
// Whether a verb's participle can qualify a noun: it begins with "è " or is transitive, and has no "[per:-]".
bool Participio_Aggettivo(std::string_view verbo);
// The category of the noun file `nome` ("MasArmi" gives Armi); every category for another file.
Categorie Categoria_Del_File(std::string_view nome);
// Whether a participle that can qualify a noun fits a noun of `categoria`: a transitive verb
// by its "[ogg:…]", an "è" verb by its "[sogg:…]", since that noun is what the one acts on and
// the other tells of; a verb without the tag fits every noun. A verb's "[per:…]" overrides both.
bool Participio_Adatto(std::string_view verbo, Categorie categoria);
// Draws into the slot a verb whose participle fits a noun of `categoria` (for a `naturale` place,
// none tagged "[costruito]"); false, drawing nothing, when none fits; throws naming the file when
// no verb at all has a participle that qualifies nouns.
// Beside a person or a beast of `ruoli_nome`, first among the verbs that can fall on them (Ruolo_Colpito).
bool Carica_Participio_Adatto(Contesto& contesto, int valore_posizione_dato, Categorie categoria, bool naturale,
                              Categorie ruoli_nome = tutti_i_ruoli);
// As Carica_Participio_Adatto among the verbs holding `marcatore` only, and only those that can
// fall on `ruoli_nome`; false, drawing nothing, when none of them fits.
bool Carica_Participio_Marcato(Contesto& contesto, int valore_posizione_dato, Categorie categoria, bool naturale,
                               std::string_view marcatore, Categorie ruoli_nome = tutti_i_ruoli);
// Draws into the slot a verb of `nome_file_dato` whose participle can qualify a noun, among those
// fit for a noun of `categoria` when there are any (for a `naturale` place, none tagged
// "[costruito]": no «Vallate Barricate»); throws naming the file when there is none.
void Carica_Participio(Contesto& contesto, int valore_posizione_dato, Categorie categoria = tutte_le_categorie,
                       bool naturale = false);
// Draws an adjective holding `marcatore` whose "[per:…]" admits `categoria`; false, drawing
// nothing, when none does.
bool Carica_Aggettivo_Marcato(Contesto& contesto, int valore_posizione_dato, Categorie categoria,
                              std::string_view marcatore, Categorie ruoli_nome = tutti_i_ruoli);
// Draws an adjective among those whose "[per:…]" admits `categoria` (an adjective without the tag
// admits every noun), and among these those holding `marcatore` when one is given and some do;
// any adjective when none admits it. Only those whose "[chi:…]", if any, names one of `ruoli_nome`, the
// roles of the person or beast qualified: «un cavaliere ardito», not «un castellano girovago».
void Carica_Aggettivo(Contesto& contesto, int valore_posizione_dato, Categorie categoria,
                      std::string_view marcatore = {}, Categorie ruoli_nome = tutti_i_ruoli);

}  // namespace talewick
