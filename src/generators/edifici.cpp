#include <algorithm>
#include <array>
#include <functional>

#include "generators/comuni.hpp"
#include "generators/generatori.hpp"
#include "grammar/ordine.hpp"
#include "wordstore/archivio.hpp"
#include "wordstore/casuale.hpp"
#include "wordstore/liste.hpp"
#include "wordstore/sostantivi.hpp"
#include "wordstore/tag.hpp"
#include "wordstore/testo.hpp"

namespace talewick {

using namespace generatori;

namespace {

std::string_view Senza_Spazi_ai_Bordi(std::string_view testo) {
  const auto inizio = testo.find_first_not_of(' ');
  if (inizio == std::string_view::npos) return {};
  return testo.substr(inizio, testo.find_last_not_of(' ') - inizio + 1);
}

// What a sign can show («Il Drago», «La Vedova», «Il Boccale»): not food, body parts, places, ideas,
// or the sounds, songs and rites of Altro («Il Singulto», «I Fetori»): a sign shows what one sees;
// nor nature, whose weather and plants made no sign a reader would keep («I Cicloni Perduti», «Il
// Pioppo in Silenzio»).
constexpr Categorie insegne = Categorie_Di({"Animali", "Umani", "Oggetti", "Armi"});
// The owner of a thing after «del» is a beast or a person who can stand for a story («Il Martello
// del Re»): a thing's thing reads as nonsense («Le Linfe dei Mastini», «La Foca delle Barbute»).
constexpr Categorie proprietari = Categorie_Di({"Animali", "Umani"});
// Who may stand after «del», or after «e» in a pair of beasts, by what the sign is; each test is
// given the sign's roles. Others as any sign.
// A thing, a weapon or a beast: owners as in `Custode`, `Padrone` and `Armato`.
// The second beast of a pair: one that shares a role, as in a fable («del Lupo e dell'Orsa», not
// «della Sfinge e della Balena»).
bool Compagna(std::string_view voce, Categorie ruoli_insegna) {
  return ruoli_insegna == 0 || (Ruoli_Di(voce) & ruoli_insegna) != 0;
}
// Better, one that has the very same roles: «dell'Idra e del Drago», not «dei Gufi e delle Idre».
bool Gemella(std::string_view voce, Categorie ruoli_insegna) {
  return ruoli_insegna != 0 && Ruoli_Di(voce) == ruoli_insegna;
}
// The fewest beasts with the same roles, both genders together, that a pair is drawn among.
constexpr std::size_t gemelle_minime = 10;
struct Proprietario {
  Categorie cosa;
  Categorie chi;
  std::string_view chiave;
  bool (*adatto)(std::string_view, Categorie);
};
constexpr std::array<Proprietario, 4> proprietari_adatti = {{
    {Categorie_Di({"Oggetti"}), Categorie_Di({"Animali"}), "insegna custode", Custode},
    {Categorie_Di({"Armi"}), Categorie_Di({"Umani"}), "insegna armata", Armato},
    {Categorie_Di({"Animali", "Oggetti"}), Categorie_Di({"Umani"}), "insegna padrona", Padrone},
    {Categorie_Di({"Animali"}), Categorie_Di({"Animali"}), "insegna compagna", Compagna},
}};
// The pair of a sign with «e» is two beasts, as in a fable («del Drago e della Fenice»): two things
// read as a list, two people picked apart as strangers («del Giustiziere e del Geomante»).
constexpr Categorie coppie = Categorie_Di({"Animali"});

// What may follow a sign, by what the sign is. «con» or «senza»: a person carries things and
// weapons («La Dama con la Lanterna»), a beast only its own body («Il Lupo con gli Occhi di
// Brace», not «I Coccodrilli con i Flauti d'Osso»), anything else no noun but a phrase («La Vela
// senza Pietà», not «Le Faretre senza Occhi»). «del»: a beast serves a person («Il Falco della
// Regina», not «L'Unicorno dei Pipistrelli»), a thing belongs to a person or a beast («La Corona
// del Drago»), and a person belongs to no one («Le Proscritte delle Semidee»): it takes an
// adjective instead.
struct Seguiti {
  Categorie insegna;
  Categorie con;
  Categorie del;
};
constexpr std::array<Seguiti, 4> seguiti = {{
    {Categorie_Di({"Umani"}), Categorie_Di({"Corpo", "Oggetti", "Armi"}), 0},
    {Categorie_Di({"Animali"}), Categorie_Di({"Corpo"}), Categorie_Di({"Umani"})},
    {Categorie_Di({"Oggetti", "Armi"}), 0, proprietari},
    {tutte_le_categorie, 0, 0},
}};

// Sets up slot 1 as a phrase, a noun or a place after the sign. A noun always comes with «con»: a
// sign lacks nothing worth naming («Le Orse senza Zanna di Drago»); «senza» stays in the phrases.
// What it shows comes in the sign's number, `numero`: «Gli Stregoni con gli Archi Neri», «L'Araldo
// con l'Elmo d'Oro», «Il Boia con il Cuore di Fuoco», not «Gli Stregoni con l'Arco Nero» or «I
// Destrieri con l'Ala d'Angelo».
void Seguito_Con(Contesto& contesto, Categorie con, std::string_view numero) {
  Carica_Categoria_SulNel(contesto, 1, con);
  Dato& dato = contesto[1];
  std::string& forma = dato.forma_dato;
  constexpr std::string_view senza = "Senza";
  if (forma.ends_with(senza)) forma.replace(forma.size() - senza.size(), senza.size(), "Con");
  if (dato.nome_file_dato.ends_with("Oggetti") || dato.nome_file_dato.ends_with("Armi") ||
      dato.nome_file_dato.ends_with("Corpo")) {
    const std::string_view altro = numero == singolare ? plurale : singolare;
    const auto pos = forma.find(altro);
    if (pos != std::string::npos) forma.replace(pos, altro.size(), numero);
  }
}

// Draws the phrase after a sign among those whose "[per:…]" admits the sign's category («Il Drago
// dal Passo Pesante», not «Il Brando dal Passo Pesante»); a sign that shows nothing «con» takes no
// phrase starting with it («La Vela senza Pietà», not «L'Arpa con la Spada»), and one with a «di» of
// its own none starting with «di» («La Rosa d'Oro», not «La Rosa d'Oro di Luce e Ombra»). The
// category gives way when no phrase is left, then the rest.
void Carica_Modo(Contesto& contesto, Categorie insegna, bool mostra_con, bool ha_di) {
  const auto forma_ammessa = [mostra_con, ha_di](std::string_view modo) {
    return (mostra_con || !modo.starts_with("con ")) &&
           (!ha_di || (!modo.starts_with("di ") && !modo.starts_with("d'")));
  };
  const auto adatto = [insegna, &forma_ammessa](std::string_view modo) {
    return forma_ammessa(modo) && (Categorie_Ammesse(modo, Lista::qualificato) & insegna) != 0;
  };
  const std::string forma = std::string(mostra_con ? "" : " senza con") + (ha_di ? " senza di" : "");
  if (!Carica_Filtrata(contesto, 1, "modo per " + std::to_string(insegna) + forma, adatto) &&
      !Carica_Filtrata(contesto, 1, "modo" + forma, forma_ammessa)) {
    Carica(contesto, 1);
  }
}

const Seguiti& Seguiti_Di(std::string_view file_insegna) {
  const Categorie insegna = Categoria_Del_File(file_insegna);
  for (const auto& riga : seguiti) {
    if ((riga.insegna & insegna) == insegna) return riga;
  }
  return seguiti.back();
}

// Sets the slot's file to the gender with a weighted category among those of a sign, and its marker.
void Sostantivo(Contesto& contesto, int slot, std::string_view genere, std::string_view numero,
                std::string_view articolo, Categorie ammesse = insegne) {
  Dato& dato = contesto[slot];
  dato.nome_file_dato = genere;
  Carica_Categoria_Sostantivo(contesto, slot, ammesse);
  Componi(dato.forma_dato, {genere, numero, articolo});
}

constexpr std::array<std::string_view, 5> schemi = {
    "schema 1: nome femminile e seguito", "schema 2: nome maschile e seguito",
    "schema 3: edificio, nome maschile e seguito", "schema 4: edificio, nome femminile e seguito",
    "schema 5: edificio e due nomi"};

// The branch of the second slot, read from what it was set up and drawn as.
std::string_view Ramo_Seguito(const Dato& dato, std::int64_t forma) {
  switch (forma) {
    case 1:
      return "seguito: nome maschile";
    case 2:
      return "seguito: nome femminile";
    case 3:
      return "seguito: aggettivo";
    case 4:
      if (dato.nome_file_dato == "Come") return "seguito: frase di Come";
      if (dato.nome_file_dato == "Dove") return "seguito: luogo di Dove";
      if (dato.forma_dato.ends_with("SingIn")) return "seguito: luogo con «in»";
      if (dato.forma_dato.ends_with("SingSu")) return "seguito: luogo con «su»";
      return dato.forma_dato.ends_with("Senza") ? "seguito: nome con «senza»" : "seguito: nome con «con»";
    default:
      return "seguito: participio";
  }
}

}  // namespace

void Carica_Nome_Locanda_Casuale(Stato& stato) {
  Contesto& contesto = stato.contesto;
  Casuale& casuale = contesto.casuale;
  const auto p = casuale.Estrai(5);
  stato.Ramo(schemi[static_cast<std::size_t>(p - 1)]);
  auto n0 = Numero(casuale.Estrai(2));

  std::int64_t forma_1 = 0;
  // What may follow the sign, once its category is known (the pair of pattern 5 takes none of these).
  Seguiti ammessi = seguiti.back();
  if (p == 5) {
    const auto g0 = casuale.Estrai(2) == 1 ? maschile : femminile;
    const auto g1 = casuale.Estrai(2) == 1 ? maschile : femminile;
    Sostantivo(contesto, 0, g0, n0, "Part", coppie);
    // The second noun comes from the first one's category: «del Drago e della Fenice», «della
    // Spada e dello Scudo», never «della Voce e della Murena».
    Dato& secondo = stato[1];
    Componi(secondo.nome_file_dato, {g1, std::string_view(stato[0].nome_file_dato).substr(g0.size())});
    // Both in one number: «della Volpe e dell'Orsa», «dei Lupi e delle Volpi», not «della Volpe e dei
    // Draghi».
    Componi(secondo.forma_dato, {g1, n0, "Part"});
  } else {
    // Map the three slot-1 forms of patterns 3 and 4 onto the last three of patterns 1 and 2.
    const auto genere = p == 1 || p == 4 ? femminile : maschile;
    Sostantivo(contesto, 0, genere, n0, p <= 2 ? "Det" : "Part");
    forma_1 = p <= 2 ? casuale.Estrai(5) : casuale.Estrai(3) + 2;
    ammessi = Seguiti_Di(stato[0].nome_file_dato);
    if (forma_1 <= 2 && ammessi.del == 0) forma_1 = 3;
    switch (forma_1) {
      // The owner is one: «Il Falco della Regina», not «Il Lupo delle Contesse».
      case 1:
        Sostantivo(contesto, 1, maschile, singolare, "Part", ammessi.del);
        break;
      case 2:
        Sostantivo(contesto, 1, femminile, singolare, "Part", ammessi.del);
        break;
      case 3:
        Imposta_Qualificativo(stato[1], 1, genere, n0);
        break;
      case 4:
        Seguito_Con(contesto, ammessi.con, n0);
        break;
      default:
        Imposta_Qualificativo(stato[1], 2, genere, n0);
        break;
    }
  }

  // Every noun on a sign is one that makes a sign: «Il Martello del Re», not «Le Linfe dei Mastini»
  // or «La Miniatrice Ghignante».
  // The first beast of a pair has a role for the second to share, when any has one.
  const auto con_ruolo = [](std::string_view voce) { return Contiene(voce, marcatore_insegna) && Ruoli_Di(voce) != 0; };
  if (p != 5 || !Carica_Filtrata(contesto, 0, "insegna con ruolo", con_ruolo)) Carica_Insegna(contesto, 0);
  const Categorie ruoli_insegna = Ruoli_Di(stato[0].valore_dato);
  // A sign of the sea stands by the sea, the place drawn again among those: «Le Corsare nella Baia
  // dei Relitti», not «nella Valle dei Morti».
  const std::string& dove = stato[1].nome_file_dato;
  if ((dove == "Dove" || dove.ends_with("Luoghi")) && (ruoli_insegna & ruolo_mare) != 0 &&
      !Contiene(stato[1].valore_dato, marcatore_marino) && Ha_Il_Mare(contesto)) {
    Carica_Luogo(contesto, 1, Luogo::marino);
  }
  // One alone holds a throne, with the words that agree with it: «Il Re Nero», not «Gli Imperatori
  // Ridenti» or «I Duchi Vigili».
  if (n0 == plurale && (ruoli_insegna & ruolo_potere) != 0 &&
      Categoria_Del_File(stato[0].nome_file_dato) == categoria_umani) {
    n0 = singolare;
    In_Singolare(stato[0]);
    In_Singolare(stato[1]);
  }
  Pulisci_Dato(stato[0]);
  // A sign that takes no adjective («La Regina delle Fate», «I Calici d'Oro») is followed by a
  // phrase, a noun or a place instead, or the same few signs would come back bare.
  if ((forma_1 == 3 || forma_1 == 5) && !Regge_Qualificativo(stato[0])) {
    forma_1 = 4;
    Seguito_Con(contesto, ammessi.con, n0);
  }
  // What follows the sign never says it again, either way round: «delle Colombe e delle Colombe
  // Bianche», «Il Leone con il Cuore di Leone».
  const std::function<bool(std::string_view)> nuova = [&stato](std::string_view voce) {
    return !Ripetono(voce, stato[0].valore_dato);
  };
  if (forma_1 <= 2) {
    const Categorie cosa = Categoria_Del_File(stato[0].nome_file_dato);
    const Categorie chi = Categoria_Del_File(stato[1].nome_file_dato);
    const auto riga_di = [cosa](Categorie di_chi) {
      return std::find_if(proprietari_adatti.begin(), proprietari_adatti.end(), [&](const Proprietario& candidato) {
        return (candidato.cosa & cosa) != 0 && candidato.chi == di_chi;
      });
    };
    using Adatto = bool (*)(std::string_view, Categorie);
    const auto filtro = [ruoli_insegna](Adatto adatto_a) -> std::function<bool(std::string_view)> {
      return [adatto_a, ruoli_insegna](std::string_view voce) {
        return Contiene(voce, marcatore_insegna) && adatto_a(voce, ruoli_insegna);
      };
    };
    const auto chiave = [ruoli_insegna](std::string_view chiave_riga) {
      return std::string(chiave_riga) + " " + std::to_string(ruoli_insegna);
    };
    const auto prova_con = [&](std::string_view chiave_riga, Adatto adatto_a) {
      return Carica_Filtrata_Accettata(contesto, 1, chiave(chiave_riga), filtro(adatto_a), nullptr, nuova);
    };
    const auto prova = [&](const Proprietario* riga) {
      return riga != proprietari_adatti.end() && prova_con(riga->chiave, riga->adatto);
    };
    const auto filtrata = [&] {
      const auto nel_suo_file = [&] { return prova(riga_di(chi)); };
      // The second beast of a pair comes in the other gender when its own has none other to share the
      // role: «dei Cigni e dei Pavoni» rather than «dei Cigni e delle Pantere». First comes one with
      // the same roles, in either gender, when a few have them: two owls alone would meet on every
      // other sign.
      if (p == 5) {
        const std::string gemella = chiave("insegna gemella");
        const auto filtro_gemella = filtro(Gemella);
        std::size_t gemelle = 0;
        for (const std::string_view genere : {maschile, femminile}) {
          const std::string file = std::string(genere) + "Animali";
          gemelle += contesto.archivio.File(file).Filtrate(gemella, filtro_gemella).size();
        }
        return (gemelle >= gemelle_minime &&
                In_Un_Genere(stato[1], [&] { return prova_con("insegna gemella", Gemella); })) ||
               In_Un_Genere(stato[1], nel_suo_file);
      }
      if (nel_suo_file()) return true;
      if (chi == Categorie_Di({"Animali"})) {
        // A thing no feared beast would keep, and any weapon, goes to a person: «Il Corno da Caccia del
        // Cacciatore», «Le Scuri del Boscaiolo», not «del Pellicano».
        std::string& file = stato[1].nome_file_dato;
        const std::string animale = file;
        Componi(file, {Genere(stato[1]), "Umani"});
        if (prova(riga_di(Categorie_Di({"Umani"})))) return true;
        file = animale;
      }
      return false;
    };
    for (int volta = 0; volta < tentativi_senza_ripetere; ++volta) {
      if (!filtrata()) Carica_Insegna(contesto, 1);
      if (!Ripete(stato[1].valore_dato, stato[0].valore_dato)) break;
    }
  } else if (forma_1 != 4) {
    Carica_Qualificativo(contesto, 1, 0, {}, marcatore_insegna);
  } else if (stato[1].nome_file_dato == "Come") {
    // The phrase does not say the sign again: «Le Stelle d'Argento» is not «della Buona Stella».
    for (int volta = 0; volta < tentativi_senza_ripetere; ++volta) {
      Carica_Modo(contesto, Categoria_Del_File(stato[0].nome_file_dato), ammessi.con != 0,
                  Con_Complemento(stato[0].valore_dato));
      if (!Ripete(stato[1].valore_dato, stato[0].valore_dato)) break;
    }
  } else if (stato[1].nome_file_dato.ends_with("Corpo")) {
    // A body part is one the sign can have, by its "[per:…]": «Il Lupo con il Cuore di Ghiaccio»,
    // not «Il Cavallo con la Mano di Ferro»; in the other gender when its own has none.
    const Categorie insegna = Categoria_Del_File(stato[0].nome_file_dato);
    const auto sua = [insegna](std::string_view voce) {
      return (Categorie_Ammesse(voce, Lista::qualificato) & insegna) != 0;
    };
    const auto da_insegna = [&sua](std::string_view voce) { return Contiene(voce, marcatore_insegna) && sua(voce); };
    const auto prova = [&](const std::string& chiave, const std::function<bool(std::string_view)>& filtro) {
      return In_Un_Genere(stato[1],
                          [&] { return Carica_Filtrata_Accettata(contesto, 1, chiave, filtro, nullptr, nuova); });
    };
    const std::string di = " di " + std::to_string(insegna);
    if (!prova("insegna" + di, da_insegna) && !prova("corpo" + di, sua)) Carica_Insegna(contesto, 1);
  } else if (!stato[1].nome_file_dato.ends_with("Luoghi") && stato[1].nome_file_dato != "Dove") {
    // What a sign shows «con» or «senza» is worth showing: «con la Lanterna», not «con il Mestolo»;
    // and one who has a role shows a thing of that role, in the other gender if need be: «Il Bardo
    // con il Liuto», not «La Regina delle Fate con le Navi».
    const auto del_ruolo = [ruoli_insegna](std::string_view voce) {
      return Contiene(voce, marcatore_insegna) && (Ruoli_Di(voce) & ruoli_insegna) != 0;
    };
    const std::string chiave = "insegna per ruoli " + std::to_string(ruoli_insegna);
    if (ruoli_insegna == 0 ||
        !In_Un_Genere(stato[1], [&] { return Carica_Filtrata(contesto, 1, chiave, del_ruolo); })) {
      Carica_Insegna(contesto, 1);
    }
  }
  Scegli_In_o_Su(stato[1]);
  if (forma_1 != 0) stato.Ramo(Ramo_Seguito(stato[1], forma_1));
  Pulisci_Dato(stato[1]);

  const std::string_view v0 = stato[0].valore_dato;
  const std::string_view v1 = stato[1].valore_dato;
  std::string& risultato = stato.slot_nome.testo;
  if (p == 5) {
    Componi(risultato, {Senza_Spazi_ai_Bordi(stato.opzioni.NomePers), " ", v0, " e ", v1});
    return;
  }
  // An adjective or a participle goes after the head of the noun; the other forms follow it whole.
  const bool qualificativo = forma_1 == 3 || forma_1 == 5;
  const std::string insegna =
      qualificativo ? Nome_Con_Qualificativo(stato[0], v1) : std::string(v0) + " " + std::string(v1);
  if (p <= 2) {
    risultato = insegna;
  } else {
    Componi(risultato, {Senza_Spazi_ai_Bordi(stato.opzioni.NomePers), " ", insegna});
  }
}

}  // namespace talewick
