#include <algorithm>
#include <array>
#include <functional>
#include <initializer_list>
#include <string>

#include "generators/comuni.hpp"
#include "generators/generatori.hpp"
#include "grammar/ordine.hpp"
#include "grammar/verbi.hpp"
#include "wordstore/archivio.hpp"
#include "wordstore/casuale.hpp"
#include "wordstore/liste.hpp"
#include "wordstore/sostantivi.hpp"
#include "wordstore/tag.hpp"
#include "wordstore/testo.hpp"

namespace talewick {

using namespace generatori;

namespace {

constexpr int slot_soggetto = 0;
constexpr int slot_oggetto = 2;
constexpr int slot_complemento = 5;
constexpr int slot_oggetto_scopo = 8;
constexpr auto esseri = static_cast<Categorie>(categoria_umani | categoria_animali);

// A verb tagged "[fortezza]" acts only on strongholds («ha espugnato una rocca»), one tagged
// "[consacrato]" on holy places («ha profanato una cripta»), one tagged "[costruito]" on places made
// by people («ha svaligiato una tesoreria»), one tagged "[aperto]" only in the wild («ha vagato nella
// brughiera»).
Luogo Luogo_Del_Verbo(const Dato& verbo) {
  if (Contiene(verbo.valore_dato, marcatore_fortezza)) return Luogo::fortezza;
  if (Contiene(verbo.valore_dato, marcatore_consacrato)) return Luogo::consacrato;
  if (Contiene(verbo.valore_dato, marcatore_costruito)) return Luogo::costruito;
  return Contiene(verbo.valore_dato, marcatore_aperto) ? Luogo::selvaggio : Luogo::qualsiasi;
}

// Whether the slot holds a beast of the sea, which is met only on or by the sea: «un kraken ha
// infestato una baia», not «una cripta»; «hanno catturato un kraken al largo», not «nel bosco». Word
// files with no place so tagged send it where the verb asks, as any other.
bool Di_Mare(const Contesto& contesto, const Dato& dato) {
  return dato.nome_file_dato.ends_with("Animali") && (Ruoli_Di(dato.valore_dato) & ruolo_mare) != 0 &&
         Ha_Il_Mare(contesto);
}

// The place the verb asks for, or the sea when the subject is a beast of the sea; a beast the verb
// sends nowhere in particular stays in the wild («dei leoni … nella savana», not «nel mausoleo»)
// unless it is magic or lurks in the shadows («una strige … nella cripta»).
Luogo Luogo_Per(const Contesto& contesto, const Dato& verbo) {
  const Dato& soggetto = contesto[slot_soggetto];
  if (Di_Mare(contesto, soggetto)) return Luogo::marino;
  const Luogo luogo = Luogo_Del_Verbo(verbo);
  const bool selvatico =
      soggetto.nome_file_dato.ends_with("Animali") && (Ruoli_Di(soggetto.valore_dato) & ruoli_occulti) == 0;
  return luogo == Luogo::qualsiasi && selvatico ? Luogo::selvaggio : luogo;
}

bool Ogni_Voce(std::string_view /*voce*/) { return true; }

using Filtro = std::function<bool(std::string_view)>;

// Draws the person or beast a verb with "[contro:…]" acts on among those holding one of its roles
// and, when `bersaglio` names the verb's tag, that tag too, and that `ancora` accepts when given;
// false, drawing nothing, when none does.
bool Carica_Per_Ruolo(Contesto& contesto, int slot, const Dato& verbo, const std::string_view* bersaglio,
                      std::initializer_list<std::string_view> ripetuti, const Filtro* ancora = nullptr) {
  if (!Contiene(verbo.valore_dato, Tipo_Lista(Lista::contro).apertura)) return false;
  const Categorie contro = Categorie_Ammesse(verbo.valore_dato, Lista::contro);
  const std::string_view tag = bersaglio != marcatori_bersaglio.end() ? *bersaglio : std::string_view{};
  const auto adatto = [contro, tag](std::string_view voce) {
    return (Ruoli_Di(voce) & contro) != 0 && (tag.empty() || Contiene(voce, tag));
  };
  const std::string chiave = "bersaglio per ruoli " + std::string(tag) + std::to_string(contro);
  return ancora != nullptr ? Carica_Filtrata_Poi(contesto, slot, chiave, adatto, *ancora, ripetuti)
                           : Carica_Filtrata(contesto, slot, chiave, adatto, ripetuti);
}

// The thing whose owner the complement in `slot` names («ha rubato una spada di un capitano»), or
// null: the complement after «di» of a verb with an object that is a weapon or an object.
const Dato* Posseduto(const Contesto& contesto, int slot, const Dato& verbo) {
  if (!verbo.transitivo_dato || !verbo.ha_spec_dato) return nullptr;
  const Dato& cosa = contesto[slot == slot_complemento ? slot_oggetto : slot_oggetto_scopo];
  const std::string& file = cosa.nome_file_dato;
  return file.ends_with("Armi") || file.ends_with("Oggetti") ? &cosa : nullptr;
}

// Whether `voce`, a person or a beast of `file`, may own the thing `cosa`, as on a building's sign:
// a weapon one who bears arms («una scure di un boia», not «di una chiromante»), a thing with a role
// one who shares it or rules («un liuto di un bardo»), a thing a beast only when it guards a hoard.
bool Puo_Possedere(const Dato& cosa, std::string_view file, std::string_view voce) {
  const Categorie ruoli_cosa = Ruoli_Di(cosa.valore_dato);
  const bool bestia = file.ends_with("Animali");
  if (cosa.nome_file_dato.ends_with("Armi")) return !bestia && Armato(voce, ruoli_cosa);
  return bestia ? Custode(voce, ruoli_cosa) : Padrone(voce, ruoli_cosa);
}

// Draws a thing the verb can work when it names materials ("[mat:…]"): one sharing a material with
// it, a notable one first, in either gender («ha affilato una scure», not «un martello»; «ha
// bruciato uno stendardo», not «un anello d'argento»). False, drawing nothing, when none does.
bool Carica_Per_Materia(Contesto& contesto, int slot, const Dato& verbo) {
  Dato& dato = contesto[slot];
  const std::string& file = dato.nome_file_dato;
  if ((!file.ends_with("Oggetti") && !file.ends_with("Armi")) ||
      !Contiene(verbo.valore_dato, Tipo_Lista(Lista::materia).apertura)) {
    return false;
  }
  const Categorie materie = Categorie_Ammesse(verbo.valore_dato, Lista::materia);
  const std::string chiave = "materia " + std::to_string(materie);
  const auto adatta = [materie](std::string_view cosa) { return (Materie_Di(cosa) & materie) != 0; };
  const auto notevole = [&adatta](std::string_view cosa) { return adatta(cosa) && Contiene(cosa, marcatore_notevole); };
  return In_Un_Genere(dato, [&] { return Carica_Filtrata(contesto, slot, chiave + " notevole", notevole); }) ||
         In_Un_Genere(dato, [&] { return Carica_Filtrata(contesto, slot, chiave, adatta); });
}

// Draws the number of a noun: 1 gives the plural, 2 the singular.
std::string_view Numero_Spunto(Casuale& casuale) { return casuale.Estrai(2) == 1 ? plurale : singolare; }

// The object pronoun that stands for the noun in the slot: «lo», «la», «li», «le».
std::string_view Pronome_Di(const Dato& dato) {
  const bool molti = dato.forma_dato.find(plurale) != std::string::npos;
  if (Genere(dato) == maschile) return molti ? "li" : "lo";
  return molti ? "le" : "la";
}

// Whether the verb falls on many: its object, or its subject when it has none («ha sgominato dei
// briganti», «sono insorti», not «ha sgominato uno stregone»).
bool Su_Molti(const Dato& verbo) { return Contiene(verbo.valore_dato, marcatore_folla); }

// Turns a plural noun that stands alone to the singular, with the words that agree with it: one
// alone holds a throne («un re ha bandito», «per vendicare un'imperatrice», not «dei re», «delle
// imperatrici»), a place is one («ha espugnato una rocca», not «delle guglie»), so is an object or
// a weapon a story turns on («ha contrabbandato un mantello d'ombra», not «dei martelli del
// tuono»), and so is any thing at stake («per trafugare un calice di un re», not «dei calici»).
void Uno_Solo(const Dato& nome, bool posta_in_gioco, std::initializer_list<Dato*> concordati) {
  const std::string& file = nome.nome_file_dato;
  const bool cosa = file.ends_with("Luoghi") || file.ends_with("Oggetti") || file.ends_with("Armi") ||
                    (posta_in_gioco && !file.ends_with("Umani") && !file.ends_with("Animali"));
  if (!cosa && (Ruoli_Di(nome.valore_dato) & ruolo_potere) == 0) return;
  for (Dato* dato : concordati) In_Singolare(*dato);
}

// Draws the noun set up in the slot: a thing or a place among the notable ones («hanno rubato un
// calice», not «un telaio»; «hanno espugnato una cittadella», not «un frutteto») and, for a verb
// tagged "[costruito]", a place among those made by people; a person or a beast at stake among
// the notable ones too («per salvare una principessa», not «per affrontare una cinciallegra»);
// the person or beast a verb tagged "[nemico]" or "[vittima]" acts on among those sharing the tag
// («per sconfiggere un negromante», «per salvare un principe», not «delle avventuriere» or «un
// assassino»), and for a verb with "[contro:…]" the one the action falls on among those also
// holding one of its roles («per smascherare una spia», not «un gigante»). A person or a beast is
// never the subject again («dei licantropi … per smascherare dei licantropi»), nor in the purpose
// the main clause's object or complement («ha subornato una duchessa per rapire una duchessa»).
void Carica_Partner(Contesto& contesto, int slot, const Dato& verbo, bool posta_in_gioco, bool oggetto) {
  const std::string& file = contesto[slot].nome_file_dato;
  const bool essere = file.ends_with("Umani") || file.ends_with("Animali");
  const auto* const bersaglio =
      std::find_if(marcatori_bersaglio.begin(), marcatori_bersaglio.end(),
                   [&verbo](std::string_view tag) { return Contiene(verbo.valore_dato, tag); });
  if (essere) {
    const bool nello_scopo = slot > slot_complemento;
    const auto gia_nominato = [&contesto, &file](int altro, bool conta) {
      const Dato& dato = contesto[altro];
      return conta && dato.nome_file_dato == file ? std::string_view{dato.valore_dato} : std::string_view{};
    };
    const std::initializer_list<std::string_view> ripetuto = {gia_nominato(slot_soggetto, true),
                                                              gia_nominato(slot_oggetto, nello_scopo),
                                                              gia_nominato(slot_complemento, nello_scopo)};
    // The action falls on the object when it can be a person or a beast, else on the complement
    // («ha rubato una spada di un re»).
    const bool colpito =
        oggetto || !verbo.transitivo_dato || (Categorie_Ammesse(verbo.valore_dato, Lista::oggetto) & esseri) == 0;
    const auto* const suo_bersaglio = oggetto ? bersaglio : marcatori_bersaglio.end();
    // An owner fit for the thing first, among those the rest of the rules allow.
    const Dato* const cosa = oggetto ? nullptr : Posseduto(contesto, slot, verbo);
    const Filtro proprietario = [cosa, &file](std::string_view voce) { return Puo_Possedere(*cosa, file, voce); };
    if (colpito && cosa != nullptr && Carica_Per_Ruolo(contesto, slot, verbo, suo_bersaglio, ripetuto, &proprietario)) {
      return;
    }
    if (colpito && Carica_Per_Ruolo(contesto, slot, verbo, suo_bersaglio, ripetuto)) return;
    const auto attore = [](std::string_view voce) { return Contiene(voce, marcatore_attore); };
    if (cosa != nullptr &&
        Carica_Filtrata_Poi(contesto, slot, posta_in_gioco ? marcatore_attore : "ogni voce",
                            posta_in_gioco ? Filtro(attore) : Filtro(Ogni_Voce), proprietario, ripetuto)) {
      return;
    }
    if (oggetto && bersaglio != marcatori_bersaglio.end()) {
      // At stake, a foe or a victim is one worth a story too: «per affrontare un drago», not «una iena».
      const std::string_view tag = *bersaglio;
      const auto notevole = [tag](std::string_view voce) {
        return Contiene(voce, tag) && Contiene(voce, marcatore_attore);
      };
      if (!posta_in_gioco ||
          !Carica_Filtrata(contesto, slot, std::string(tag) + std::string(marcatore_attore), notevole, ripetuto)) {
        Carica_Marcata(contesto, slot, tag, ripetuto);
      }
    } else if (posta_in_gioco) {
      Carica_Marcata(contesto, slot, marcatore_attore, ripetuto);
    } else if (!Carica_Filtrata(contesto, slot, "ogni voce", Ogni_Voce, ripetuto)) {
      Carica(contesto, slot);
    }
  } else if (!oggetto || !Carica_Per_Materia(contesto, slot, verbo)) {
    Carica_Notevole(contesto, slot, Luogo_Per(contesto, verbo));
  }
}

// The categories of `lista` the verb allows, but for `escluse` when the verb allows others too.
Categorie Categorie_Del_Verbo(const Dato& verbo, Lista lista, Categorie escluse) {
  const Categorie ammesse = Categorie_Ammesse(verbo.valore_dato, lista);
  const auto restanti = static_cast<Categorie>(ammesse & ~escluse);
  return restanti != 0 ? restanti : ammesse;
}

// Sets up and draws a noun of random gender and of a weighted category among those the verb allows
// (its "[ogg:…]", but for `escluse` when it allows others), with an indefinite article, and sets
// the marker of the adjective that agrees with it.
void Oggetto_Indeterminato(Contesto& contesto, int slot, int slot_aggettivo, const Dato& verbo, bool posta_in_gioco,
                           Categorie escluse) {
  Carica_Genere_Sostantivo(contesto, slot);
  Dato& dato = contesto[slot];
  Dato& aggettivo = contesto[slot_aggettivo];
  const bool molti = Su_Molti(verbo);
  const auto estratto = Numero_Spunto(contesto.casuale);
  const auto numero = molti ? plurale : estratto;
  Accoda(dato.forma_dato, {numero, "Indet"});
  Carica_Categoria_Sostantivo(contesto, slot, Categorie_Del_Verbo(verbo, Lista::oggetto, escluse));
  Carica_Partner(contesto, slot, verbo, posta_in_gioco, true);
  // The partner's draw may have turned the noun to the other gender.
  Componi(aggettivo.forma_dato, {"Agg", Genere(dato), numero});
  if (!molti) Uno_Solo(dato, posta_in_gioco, {&dato, &aggettivo});
}

// Likewise for a complement (categories from "[compl:…]"), whose article the verb's tags decide:
// "di" for "[spec]", else "a" for "[term]".
void Complemento(Contesto& contesto, int slot, int slot_aggettivo, const Dato& verbo, bool posta_in_gioco,
                 Categorie escluse) {
  Carica_Genere_Sostantivo(contesto, slot);
  Dato& dato = contesto[slot];
  Dato& aggettivo = contesto[slot_aggettivo];
  Componi(aggettivo.forma_dato, {"Agg", Genere(dato)});
  // An owner is one: «una spada di un drago», not «di alcuni draghi».
  const auto numero = verbo.ha_spec_dato ? singolare : Numero_Spunto(contesto.casuale);
  dato.forma_dato += numero;
  aggettivo.forma_dato += numero;
  Carica_Categoria_Sostantivo(contesto, slot, Categorie_Del_Verbo(verbo, Lista::complemento, escluse));
  Carica_Partner(contesto, slot, verbo, posta_in_gioco, false);
  Uno_Solo(dato, posta_in_gioco, {&dato, &aggettivo});
  if (verbo.ha_spec_dato) {
    dato.forma_dato += "IndetDi";
  } else if (verbo.ha_term_dato) {
    dato.forma_dato += "IndetA";
  }
}

// Draws the adjective of slot `slot` for the noun in slot `sostantivo`, echoing none of the words
// in the slots `altri` (the verb beside it, the adjectives drawn before it: «un gladiatore solitario
// ha incontrato un nobile solitario»). An adjective the sentence never writes is drawn plainly, once.
void Aggettivo_Di(Contesto& contesto, int slot, int sostantivo, std::initializer_list<int> altri, bool scritto = true) {
  contesto[slot].nome_file_dato = aggettivi;
  if (scritto) {
    Carica_Qualificativo(contesto, slot, sostantivo, altri, marcatore_spunto);
  } else {
    Carica(contesto, slot);
  }
}

bool Agisce(std::string_view verbo) { return !Contiene(verbo, marcatore_participio); }

// Draws the main verb among those that act in a hook.
void Verbo(Contesto& contesto, int slot) {
  contesto[slot].nome_file_dato = verbi;
  if (!Carica_Filtrata(contesto, slot, "azione", Agisce)) Carica(contesto, slot);
  Controlla_Complemento(contesto, slot);
}

bool Ammette_Umani(std::string_view verbo) {
  return (Categorie_Ammesse(verbo, Lista::soggetto) & categoria_umani) != 0;
}
bool Ammette_Animali(std::string_view verbo) {
  return (Categorie_Ammesse(verbo, Lista::soggetto) & categoria_animali) != 0;
}

// Draws the subject among the people and beasts tagged "[attore]"; for a verb with "[chi:…]", among
// those holding one of its roles («un re ha proscritto», not «un fabbro»); for a verb done only to
// rescue, among those not tagged "[nemico]", since a foe rescues no one («un indovino ha ripiegato
// dietro la cascata» drew any goal at all). As before when none fits.
void Carica_Soggetto(Contesto& contesto, const Dato& verbo) {
  const bool con_chi = Contiene(verbo.valore_dato, Tipo_Lista(Lista::chi).apertura);
  const Categorie chi = con_chi ? Categorie_Ammesse(verbo.valore_dato, Lista::chi) : tutti_i_ruoli;
  const bool soccorso =
      verbo.ha_scopo_dato && Categorie_Ammesse(verbo.valore_dato, Lista::fine) == Famiglie_Di({"soccorso"});
  const auto adatto = [con_chi, chi, soccorso](std::string_view voce) {
    return Contiene(voce, marcatore_attore) && (!con_chi || (Ruoli_Di(voce) & chi) != 0) &&
           !(soccorso && Contiene(voce, marcatore_nemico));
  };
  // Nor one the verb names again: «una truffatrice ha truffato», «una strega ha stregato».
  for (int volta = 0; volta < tentativi_senza_ripetere; ++volta) {
    if ((!con_chi && !soccorso) ||
        !Carica_Filtrata(contesto, slot_soggetto,
                         "attore per ruoli " + std::to_string(con_chi ? chi : 0) + (soccorso ? " soccorritore" : ""),
                         adatto)) {
      Carica_Notevole(contesto, slot_soggetto);
    }
    if (!Ripete(verbo.valore_dato, contesto[slot_soggetto].valore_dato)) break;
  }
}

// What a thing of each kind can be the means of: a weapon a fight, a hunt, a war or a rescue; a
// treasure loot, a ransom, a rite or an intrigue («ha rubato una spada per uccidere un drago», «un
// calice per riscattare un principe», not «un calice per attaccare un drago»); a place what it
// holds, not another place («ha espugnato una rocca per liberare un principe», not «per assediare
// un'acropoli»).
struct Mezzo {
  Categorie cosa;
  Categorie famiglie;
};
constexpr std::array<Mezzo, 6> mezzi = {{
    {Categorie_Di({"Armi"}), Famiglie_Di({"lotta", "caccia", "guerra", "soccorso"})},
    {Categorie_Di({"Oggetti"}), Famiglie_Di({"bottino", "soccorso", "arcano", "intrigo"})},
    {Categorie_Di({"Corpo"}), Famiglie_Di({"arcano", "intrigo", "caccia"})},
    {Categorie_Di({"Luoghi"}), Famiglie_Di({"bottino", "soccorso", "arcano"})},
    {Categorie_Di({"Cibi"}), Famiglie_Di({"intrigo", "soccorso"})},
    {Categorie_Di({"Naturale"}), Famiglie_Di({"arcano", "caccia"})},
}};

// What an ally of each role is sent to do: a soldier to fight, war, hunt or rescue; a thief to
// intrigue or loot («ha assoldato dei mercenari per espugnare una rocca», «ha istruito una spia per
// smascherare un traditore», not «una spia per sconfiggere dei lupi»).
struct Servizio {
  Categorie ruolo;
  Categorie famiglie;
};
constexpr std::array<Servizio, ruoli.size()> servizi = {{
    {Insieme_Di(ruoli, {"arcano"}), Famiglie_Di({"arcano", "intrigo"})},
    {Insieme_Di(ruoli, {"sacro"}), Famiglie_Di({"arcano", "soccorso"})},
    {Insieme_Di(ruoli, {"armi"}), Famiglie_Di({"lotta", "guerra", "caccia", "soccorso"})},
    {Insieme_Di(ruoli, {"potere"}), Famiglie_Di({"guerra", "intrigo"})},
    {Insieme_Di(ruoli, {"ombra"}), Famiglie_Di({"intrigo", "bottino"})},
    {Insieme_Di(ruoli, {"selva"}), Famiglie_Di({"caccia", "soccorso"})},
    {Insieme_Di(ruoli, {"mare"}), Famiglie_Di({"bottino", "guerra"})},
    {Insieme_Di(ruoli, {"arte"}), Famiglie_Di({"intrigo", "soccorso"})},
    {Insieme_Di(ruoli, {"sapere"}), Famiglie_Di({"arcano", "bottino"})},
    {Insieme_Di(ruoli, {"scena"}), Famiglie_Di({"intrigo", "soccorso"})},
}};

// Whether the verb's object carries out the purpose: one hired, sent, tamed or raised.
bool Ha_Alleato(const Dato& verbo) { return Contiene(verbo.valore_dato, marcatore_alleato); }

// The goal families a main verb's object can be the means of: for a thing by its kind, for an ally
// by its roles; all for another person or beast, an idea or a verb without an object.
Categorie Famiglie_Del_Mezzo(const Dato& verbo, const Dato& oggetto) {
  if (!verbo.transitivo_dato) return tutte_le_famiglie;
  if (Ha_Alleato(verbo)) {
    const Categorie ruoli_alleato = Ruoli_Di(oggetto.valore_dato);
    Categorie famiglie = 0;
    for (const Servizio& servizio : servizi) {
      if ((servizio.ruolo & ruoli_alleato) != 0) famiglie |= servizio.famiglie;
    }
    return famiglie != 0 ? famiglie : tutte_le_famiglie;
  }
  const Categorie cosa = Categoria_Del_File(oggetto.nome_file_dato);
  const auto* const riga =
      std::find_if(mezzi.begin(), mezzi.end(), [cosa](const Mezzo& mezzo) { return mezzo.cosa == cosa; });
  return riga != mezzi.end() ? riga->famiglie : tutte_le_famiglie;
}

// The preposition before the purpose: «per», or the «a» or «di» the verb governs («ha incitato dei
// briganti ad assaltare», «ha incaricato una spia di trovare», not «per assaltare»).
std::string_view Preposizione_Dello_Scopo(const Dato& verbo) {
  if (Contiene(verbo.valore_dato, marcatore_regge_di)) return "di";
  if (Contiene(verbo.valore_dato, marcatore_regge_a)) return "a";
  return "per";
}

bool E_Meta(std::string_view verbo) { return Contiene(verbo, "[meta]") || Contiene(verbo, "[meta:"); }

// Who pursues the purpose: the subject's file, its roles and its ally's (`ruoli_alleato`), and
// whether it is a foe, who rescues no one («delle negromanti … per rapire delle eroine», not «per
// salvare»).
struct Chi_Persegue {
  std::string_view nome;
  std::string_view oggetto;  // the one the deed fell on, if any
  bool umano;
  Categorie ruoli;
  Categorie vietate;

  Chi_Persegue(const Dato& soggetto, std::string_view su_chi, bool soggetto_umano, Categorie ruoli_alleato)
      : nome(soggetto.valore_dato),
        oggetto(su_chi),
        umano(soggetto_umano),
        ruoli(static_cast<Categorie>(Ruoli_Di(soggetto.valore_dato) | ruoli_alleato)),
        vietate(Contiene(soggetto.valore_dato, marcatore_nemico) ? Famiglie_Di({"soccorso"}) : Categorie{0}) {}

  // Whether the verb's "[sogg:…]" admits the subject's file, and it acts in a hook and is not only
  // a rescue for a foe: what a kept filter may ask (Chiave() names it).
  [[nodiscard]] bool Puo(std::string_view verbo) const {
    return (umano ? Ammette_Umani(verbo) : Ammette_Animali(verbo)) && Agisce(verbo) &&
           (Categorie_Ammesse(verbo, Lista::meta) & ~vietate) != 0;
  }
  // Whether the verb's "[chi:…]" names one of the roles: asked at each draw, since the roles of a
  // subject and its ally come in too many sets to keep a filter for each.
  [[nodiscard]] bool Ha_Ruolo(std::string_view verbo) const { return Ruolo_Adatto(verbo, ruoli); }
  // Whether the goal names something other than the subject or the one the deed fell on («dei
  // razziatori … per razziare», «ha sottomesso delle rapitrici per rapire»): asked of the goal drawn,
  // and of every one only should it fail.
  [[nodiscard]] bool Nuovo(std::string_view verbo) const { return !Ripete(verbo, nome) && !Ripete(verbo, oggetto); }
  [[nodiscard]] std::string Chiave() const {
    return std::string(umano ? "umana" : "animale") + (vietate != 0 ? " nemica" : "");
  }
};

// The purpose verb: a goal ("[meta]") other than the main verb that `chi` can pursue, of the
// families the main verb serves ("[fine:…]") and its object can be the means of (`mezzo`); when
// `chi` may pursue none of those, of the verb's families (a foe selling a sword to fund a rescue
// schemes instead), then of the object's; when the two share none, of the object's (the means
// outweighs the verb: a keep cleared serves a siege, not a fight with giants); then any goal `chi`
// can pursue; any verb it can do when no goal does.
void Verbo_Scopo(Contesto& contesto, int slot, const Chi_Persegue& chi, const std::string& principale,
                 Categorie mezzo) {
  contesto[slot].nome_file_dato = verbi;
  const std::string soggetto = chi.Chiave();
  const std::function<bool(std::string_view)> ha_ruolo = [&chi](std::string_view verbo) { return chi.Ha_Ruolo(verbo); };
  const std::function<bool(std::string_view)> nuovo = [&chi](std::string_view verbo) { return chi.Nuovo(verbo); };
  const auto tra = [&](Categorie famiglie) {
    const auto della_famiglia = [&chi, famiglie](std::string_view verbo) {
      return E_Meta(verbo) && chi.Puo(verbo) && (Categorie_Ammesse(verbo, Lista::meta) & famiglie) != 0;
    };
    return Carica_Filtrata_Accettata(contesto, slot, "meta " + soggetto + " per " + std::to_string(famiglie),
                                     della_famiglia, &ha_ruolo, nuovo, {principale});
  };
  const Categorie fine = Categorie_Ammesse(principale, Lista::fine);
  const auto comuni = static_cast<Categorie>(fine & mezzo);
  const bool trovato =
      (comuni != 0 ? tra(comuni) || tra(fine) || tra(mezzo) : tra(mezzo)) || tra(tutte_le_famiglie) ||
      Carica_Filtrata_Poi(
          contesto, slot, "soggetto " + soggetto, [&chi](std::string_view verbo) { return chi.Puo(verbo); }, ha_ruolo);
  // The main verb admits the subject, so some verb always does; draw any should the file change.
  if (!trovato) Carica(contesto, slot);
  Controlla_Complemento(contesto, slot);
}

// After a verb tagged "[stesso]", draws a goal that falls on the person or beast the verb acted on
// («ha stordito un mercante per derubarlo di un calice», «ha tramortito un negromante per
// catturarlo»): a fight, a hunt, a theft or an intrigue (those of them the verb serves, when it
// serves any) other than the main verb that `chi` can pursue, whose "[ogg:…]" admits that one's
// file and which has no "[term]" (the one is its object), whose "[nemico]" or "[vittima]" that one
// shares and whose "[contro:…]" names one of its roles. No rescue or rite («ha ingannato una regina
// per salvarla»), no goal that only prepares another («ha scovato dei ladri per rintracciarli») and
// none that needs many. False, drawing nothing, when none fits.
bool Scopo_Sullo_Stesso(Contesto& contesto, int slot, const Chi_Persegue& chi, const Dato& verbo, const Dato& oggetto) {
  const std::string& voce = oggetto.valore_dato;
  const Categorie categoria = Categoria_Del_File(oggetto.nome_file_dato);
  const Categorie ruoli = Ruoli_Di(voce);
  const bool nemico = Contiene(voce, marcatore_nemico);
  const bool vittima = Contiene(voce, marcatore_vittima);
  constexpr Categorie su_di_lui = Famiglie_Di({"lotta", "caccia", "bottino", "intrigo"});
  const auto fine = static_cast<Categorie>(Categorie_Ammesse(verbo.valore_dato, Lista::fine) & su_di_lui);
  const Categorie famiglie = fine != 0 ? fine : su_di_lui;
  const auto adatto = [&chi, famiglie, categoria, nemico, vittima](std::string_view meta) {
    return E_Meta(meta) && chi.Puo(meta) && (Categorie_Ammesse(meta, Lista::meta) & famiglie) != 0 &&
           E_Transitivo(meta) && !Contiene(meta, "[term]") && !Contiene(meta, marcatore_stesso) &&
           !Contiene(meta, marcatore_folla) && (Categorie_Ammesse(meta, Lista::oggetto) & categoria) != 0 &&
           (!Contiene(meta, marcatore_nemico) || nemico) && (!Contiene(meta, marcatore_vittima) || vittima);
  };
  // The roles of both ends, asked at each draw.
  const std::function<bool(std::string_view)> dei_ruoli = [&chi, ruoli](std::string_view meta) {
    return chi.Ha_Ruolo(meta) && (!Contiene(meta, Tipo_Lista(Lista::contro).apertura) ||
                                  (Categorie_Ammesse(meta, Lista::contro) & ruoli) != 0);
  };
  const std::string chiave = "stesso " + chi.Chiave() + " per " + std::to_string(famiglie) + " su " +
                             std::to_string(categoria) + (nemico ? " nemico" : "") + (vittima ? " vittima" : "");
  contesto[slot].nome_file_dato = verbi;
  const std::function<bool(std::string_view)> nuovo = [&chi](std::string_view meta) { return chi.Nuovo(meta); };
  if (!Carica_Filtrata_Accettata(contesto, slot, chiave, adatto, &dei_ruoli, nuovo, {verbo.valore_dato})) return false;
  Controlla_Complemento(contesto, slot);
  return true;
}

// The hook's words in lower case; in a phrase used unchanged, a word tagged "[np]" keeps its capitals.
void In_Minuscolo_Tranne_Nomi_Propri(Dato& dato) {
  if (dato.forma_dato == nessuna_forma && dato.valore_dato.find("[np]") != std::string::npos) {
    dato.valore_dato = Minuscolo_Tranne_Nomi_Propri(dato.valore_dato);
    Pulisci_Dato(dato);
    return;
  }
  Pulisci_Dato(dato);
  dato.valore_dato = In_Minuscolo(dato.valore_dato);
}

}  // namespace

void Carica_Spunto_Avventura_Casuale(Stato& stato) {
  Contesto& contesto = stato.contesto;
  Casuale& casuale = contesto.casuale;

  // Set up the subject with the markers of its verb and adjective; the main verb, drawn first,
  // says whether people, animals or either may be its subject.
  Carica_Genere_Sostantivo(contesto, 0);
  const auto genere_0 = Genere(stato[0]);
  Componi(stato[3].forma_dato, {"Agg", genere_0});
  Verbo(contesto, 1);
  const Dato& verbo = stato[1];
  const bool umani_ammessi = Ammette_Umani(verbo.valore_dato);
  const bool animali_ammessi = Ammette_Animali(verbo.valore_dato);
  const bool umano = umani_ammessi && (!animali_ammessi || casuale.Estrai(2) == 1);
  stato[0].nome_file_dato += umano ? "Umani" : "Animali";
  const bool folla = Su_Molti(verbo) && !verbo.transitivo_dato;
  // A band besieges, surrounds, invades: «dei predoni hanno assediato una rocca»; one who rules may
  // still do it alone («un re ha assediato una rocca»).
  const bool schiera = Contiene(verbo.valore_dato, marcatore_schiera);
  const auto estratto = Numero_Spunto(casuale);
  const auto numero_0 = folla || schiera ? plurale : estratto;
  Accoda(stato[0].forma_dato, {numero_0, "Indet"});
  Componi(stato[1].forma_dato, {"Verbi", numero_0, genere_0});
  stato[3].forma_dato += numero_0;
  Carica_Soggetto(contesto, verbo);
  if (!folla) Uno_Solo(stato[0], false, {&stato[0], &stato[1], &stato[3]});

  // A beast's prey or victim is notable, and a person or a thing when the verb allows: beasts
  // preying on beasts tell no story.
  const Categorie escluse = umano ? Categorie{0} : categoria_animali;
  Oggetto_Indeterminato(contesto, 2, 4, verbo, !umano, escluse);
  Complemento(contesto, 5, 13, verbo, true, escluse);
  Aggettivo_Di(contesto, 13, 5, {1}, !verbo.transitivo_dato);
  if (verbo.transitivo_dato) {
    Aggettivo_Di(contesto, 3, 0, {1});
  } else {
    Aggettivo_Di(contesto, 3, 0, {1, 13});
  }
  Aggettivo_Di(contesto, 4, 2, {1, 3}, verbo.transitivo_dato);
  const bool su_una_bestia_di_mare = verbo.transitivo_dato && Di_Mare(contesto, stato[2]);
  Carica_Luogo(contesto, 6, su_una_bestia_di_mare ? Luogo::marino : Luogo_Per(contesto, verbo));

  // Set up the purpose clause.
  stato[7].forma_dato = "Infinito";
  const Categorie ruoli_alleato = Ha_Alleato(verbo) ? Ruoli_Di(stato[2].valore_dato) : Categorie{0};
  const std::string_view su_chi = verbo.transitivo_dato ? std::string_view(stato[2].valore_dato) : std::string_view{};
  const Chi_Persegue chi(stato[slot_soggetto], su_chi, umano, ruoli_alleato);
  const std::string& file_oggetto = stato[2].nome_file_dato;
  const bool sullo_stesso = verbo.transitivo_dato && Contiene(verbo.valore_dato, marcatore_stesso) &&
                            (file_oggetto.ends_with("Umani") || file_oggetto.ends_with("Animali")) &&
                            Scopo_Sullo_Stesso(contesto, 7, chi, verbo, stato[2]);
  if (!sullo_stesso) Verbo_Scopo(contesto, 7, chi, verbo.valore_dato, Famiglie_Del_Mezzo(verbo, stato[2]));
  const Dato& scopo = stato[7];
  Oggetto_Indeterminato(contesto, 8, 9, scopo, true, escluse);
  Aggettivo_Di(contesto, 9, 8, {7}, false);
  Complemento(contesto, 11, 12, scopo, true, escluse);
  Aggettivo_Di(contesto, 12, 11, {7}, false);
  Carica_Luogo(contesto, 10, Luogo_Per(contesto, scopo));

  const std::string_view ramo_luogo = stato[6].nome_file_dato == "Dove"         ? "luogo: frase di Dove"
                                      : stato[6].forma_dato.ends_with("SingSu") ? "luogo: nome con «su»"
                                                                                : "luogo: nome con «in»";
  // Write every piece the sentence uses in lower case; it gets its capital at the end.
  const bool complemento_principale = verbo.ha_spec_dato || verbo.ha_term_dato;
  // A deed without a purpose says where it happened, unless it falls on a place: «hanno murato una
  // prigioniera nella cripta», not «hanno espugnato una rocca nel bosco».
  const bool luogo_dopo_oggetto = verbo.transitivo_dato && !complemento_principale && !verbo.ha_scopo_dato &&
                                  !stato[2].nome_file_dato.ends_with("Luoghi");
  std::array<bool, 14> usati{};
  usati[0] = usati[1] = usati[3] = true;
  if (verbo.transitivo_dato) {
    usati[2] = usati[4] = true;
    usati[6] = luogo_dopo_oggetto;
  } else {
    usati[6] = true;
  }
  if (complemento_principale) {
    usati[5] = true;
    usati[verbo.transitivo_dato ? 6 : 13] = true;
  }
  // A purpose on the one the deed fell on names it by a pronoun: «per derubarlo di un calice».
  const std::string_view pronome = Pronome_Di(stato[2]);
  const std::string_view preposizione = Preposizione_Dello_Scopo(verbo);
  if (verbo.ha_scopo_dato) {
    usati[7] = true;
    usati[scopo.transitivo_dato ? 8 : 10] = !sullo_stesso;
    usati[11] = scopo.ha_spec_dato || scopo.ha_term_dato;
  }
  for (int slot = 0; slot <= 13; ++slot) {
    if (usati[static_cast<std::size_t>(slot)]) In_Minuscolo_Tranne_Nomi_Propri(stato[slot]);
  }

  const bool aggettivi_si = stato.opzioni.Aggettivi;
  const auto s = [&stato](int slot) -> std::string_view { return stato[slot].valore_dato; };
  std::string& spunto = stato.slot_nome.testo;
  // A noun and, with adjectives on, its adjective. Only the main clause's nouns take one, and only
  // when nothing follows their head: one adjective more on every noun made the sentence heavy.
  const auto nome = [&](int sostantivo, int aggettivo) {
    const bool qualificato = aggettivi_si && aggettivo >= 0 && Sola_Testa(s(sostantivo));
    return qualificato ? Nome_Qualificato(s(sostantivo), s(aggettivo)) : std::string(s(sostantivo));
  };
  constexpr int senza_aggettivo = -1;
  Componi(spunto, {nome(0, 3), " ", s(1)});
  // The place is written once: between commas after the complement of a verb that has one («è
  // sfuggita a un leone, sulla muraglia,», not «è sfuggita sulla muraglia a un leone»), else after
  // an intransitive verb, or after the object of a transitive one with no purpose.
  if (verbo.transitivo_dato) {
    Accoda(spunto, {" ", nome(2, 4)});
    if (luogo_dopo_oggetto) Accoda(spunto, {" ", s(6)});
  } else if (!complemento_principale) {
    Accoda(spunto, {" ", s(6)});
  }
  if (complemento_principale) {
    Accoda(spunto, {" ", nome(5, verbo.transitivo_dato ? senza_aggettivo : 13), ", ", s(6), ","});
  }
  // The purpose verb's complement belongs to its clause: without the clause it is not written.
  if (verbo.ha_scopo_dato) {
    const auto infinito = [&](std::string_view testo) { return Preposizione_Con_Infinito(preposizione, testo); };
    if (sullo_stesso) {
      Accoda(spunto, {" ", infinito(Infinito_Con_Pronome(s(7), pronome))});
    } else if (scopo.transitivo_dato) {
      Accoda(spunto, {" ", infinito(s(7)), " ", nome(8, senza_aggettivo)});
    } else {
      Accoda(spunto, {" ", infinito(s(7)), " ", s(10)});
    }
    if (scopo.ha_spec_dato || scopo.ha_term_dato) {
      Accoda(spunto, {" ", nome(11, senza_aggettivo)});
    }
  }
  // Let the full stop take the place of a comma that nothing follows.
  if (spunto.ends_with(',')) {
    spunto.back() = '.';
  } else {
    spunto += '.';
  }
  Iniziale_Maiuscola(spunto);

  stato.Ramo(umano ? "soggetto: umani" : "soggetto: animali");
  stato.Ramo(verbo.transitivo_dato ? "verbo principale transitivo" : "verbo principale intransitivo");
  stato.Ramo(verbo.ha_spec_dato   ? "complemento con «di»"
             : verbo.ha_term_dato ? "complemento con «a»"
                                  : "senza complemento");
  stato.Ramo(verbo.ha_scopo_dato ? "proposizione finale" : "senza proposizione finale");
  stato.Ramo(ramo_luogo);
  if (verbo.ha_scopo_dato) {
    stato.Ramo(scopo.transitivo_dato ? "finale: verbo transitivo" : "finale: verbo intransitivo");
    stato.Ramo(scopo.ha_spec_dato   ? "finale: complemento con «di»"
               : scopo.ha_term_dato ? "finale: complemento con «a»"
                                    : "finale: senza complemento");
    stato.Ramo(preposizione == "a"    ? "finale: dopo «a»"
               : preposizione == "di" ? "finale: dopo «di»"
                                      : "finale: dopo «per»");
  }
}

}  // namespace talewick
