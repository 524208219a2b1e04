#pragma once
// List tags: a verb names the categories its partners in an adventure hook may come from,
// as codes separated by "/": "[ogg:og/ar]" its direct object, "[compl:um]" its complement,
// "[sogg:um/an]" its subject; an adjective, or a verb's participle, names with "[per:um/an]" the
// nouns it may qualify, and a verb with "[per:-]" that its participle qualifies none. Two more
// name goal families instead of categories: "[meta:bottino]" the families of an adventure goal,
// "[fine:lotta/intrigo]" those the action before a purpose clause can serve. A person names its
// roles with "[ruolo:armi/potere]" (a beast too), a verb with "[chi:potere]" the roles of whoever
// can do it (an adjective those of whoever it can qualify) and with "[contro:ombra]" those of the
// person or beast it acts on. A weapon or an object
// names what it is made of with "[mat:metallo/lama]", a verb with the same tag what it can work.
// This is the one parser of them; drawing, stripping and the checker all read entries through it.
#include <array>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace talewick {

// A set of noun categories, one bit per index of `categorie_sostantivi`.
using Categorie = std::uint16_t;
inline constexpr Categorie tutte_le_categorie = 0x3FF;
inline constexpr Categorie categoria_animali = 1U << 1U;   // "Animali" in `categorie_sostantivi`
inline constexpr Categorie categoria_umani = 1U << 4U;     // "Umani"
inline constexpr Categorie categoria_astratto = 1U << 9U;  // "Astratto"

// The families of adventure goals, one bit per index; kept in a `Categorie` like the categories.
inline constexpr std::array<std::string_view, 7> famiglie_mete = {"bottino",  "lotta",  "caccia", "guerra",
                                                                  "soccorso", "arcano", "intrigo"};
inline constexpr Categorie tutte_le_famiglie = (1U << famiglie_mete.size()) - 1U;

// The roles of people and beasts, one bit per index; kept in a `Categorie` like the categories.
inline constexpr std::array<std::string_view, 10> ruoli = {"arcano", "sacro", "armi", "potere", "ombra",
                                                           "selva",  "mare",  "arte", "sapere", "scena"};
inline constexpr Categorie tutti_i_ruoli = (1U << ruoli.size()) - 1U;

// The set of the codes of `codici` with these names, a bit per index; an unknown name stops the build.
template <std::size_t N>
consteval Categorie Insieme_Di(const std::array<std::string_view, N>& codici,
                               std::initializer_list<std::string_view> nomi) {
  Categorie insieme = 0;
  for (const auto nome : nomi) {
    std::size_t i = 0;
    while (codici.at(i) != nome) ++i;
    insieme |= static_cast<Categorie>(1U << i);
  }
  return insieme;
}
consteval Categorie Famiglie_Di(std::initializer_list<std::string_view> nomi) {
  return Insieme_Di(famiglie_mete, nomi);
}
// What a weapon or an object is made of, one bit per index ("lama": it has an edge to sharpen).
inline constexpr std::array<std::string_view, 9> materie = {"metallo", "lama",   "legno", "pietra", "vetro",
                                                            "osso",    "stoffa", "cuoio", "carta"};
inline constexpr Categorie tutte_le_materie = (1U << materie.size()) - 1U;

inline constexpr Categorie ruolo_potere = Insieme_Di(ruoli, {"potere"});
inline constexpr Categorie ruolo_mare = Insieme_Di(ruoli, {"mare"});
inline constexpr Categorie ruoli_occulti = Insieme_Di(ruoli, {"arcano", "ombra"});

enum class Lista { oggetto, complemento, soggetto, qualificato, meta, fine, ruolo, chi, contro, materia };

// The code of "[per:-]", alone in its tag.
inline constexpr std::string_view nessuna_categoria = "-";

struct TipoLista {
  Lista lista;
  std::string_view apertura;                 // "[ogg:"
  std::string_view nome;                     // "[ogg:…]", as messages show it
  Categorie ammesse;                         // the codes this kind accepts; also what an entry without the tag allows
  std::string_view voci;                     // the entries it works in, as messages name them
  std::span<const std::string_view> codici;  // the code of every bit, in order
};

extern const std::array<TipoLista, 10> tipi_lista;
const TipoLista& Tipo_Lista(Lista lista);

// The bit of `codice` among the codes of this kind, 0 for an unknown code.
Categorie Bit_Del_Codice(const TipoLista& tipo, std::string_view codice);

// The category code of a category index: "al", "an", ...
std::string_view Codice_Categoria(std::size_t indice);
// The bit of the category with this code, 0 for an unknown code.
Categorie Categoria_Del_Codice(std::string_view codice);

struct TagLista {
  const TipoLista* tipo = nullptr;
  std::size_t inizio = 0;                  // byte position of "[" in the entry
  std::size_t lunghezza = 0;               // up to and including "]"
  Categorie categorie = 0;                 // the valid codes
  std::vector<std::string> codici_ignoti;  // codes the kind does not accept, as written
  bool vuota = false;                      // no code at all: "[ogg:]"
  bool nessuna = false;                    // "[per:-]": the participle qualifies no noun
};

// Every list tag of the entry, in order.
std::vector<TagLista> Leggi_Tag_Lista(std::string_view voce);

// The categories the first tag of this kind allows; without one, or when it holds no valid code,
// everything the kind accepts; none for "[per:-]".
Categorie Categorie_Ammesse(std::string_view voce, Lista lista);

// The roles a person's or a beast's "[ruolo:…]" names; none without the tag.
Categorie Ruoli_Di(std::string_view persona);

// The materials a thing's "[mat:…]" names; none without the tag.
Categorie Materie_Di(std::string_view cosa);

// Whether whoever has `ruoli_soggetto` can do the verb: it has no "[chi:…]", or the two share a role.
bool Ruolo_Adatto(std::string_view verbo, Categorie ruoli_soggetto);

// Whether the verb can fall on whoever has `ruoli_colpito`: it has no "[contro:…]", or the two share
// a role. So its participle qualifies them: «le spie smascherate», not «i fabbri smascherati».
bool Ruolo_Colpito(std::string_view verbo, Categorie ruoli_colpito);

// Removes every list tag.
void Cancella_Tag_Lista(std::string& testo);

}  // namespace talewick
