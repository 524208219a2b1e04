#include <array>

#include "generators/comuni.hpp"
#include "generators/generatori.hpp"
#include "grammar/correzione.hpp"
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

// What a group can bear as its sign («dalla Spada Nera», «dal Lupo Bianco»): not people, places,
// food or ideas («dall'Onore Disumano», «dalla Battaglia Maledetta»), nor the sky, plants or tales
// («dalla Canicola», «dal Lichene», «dalla Ninnananna»); weapons only for a people in arms, not for
// a guild or a school («Falegnami dalle Lance d'Argento», «Astronome dagli Elmi Spezzati»).
constexpr Categorie emblemi_in_armi = Categorie_Di({"Animali", "Corpo", "Oggetti", "Armi"});
constexpr Categorie emblemi_di_pace = Categorie_Di({"Animali", "Corpo", "Oggetti"});

// The group words, each with the tag of the people that can be its members («Tribù dei Barbari»,
// «Gilda dei Fabbri», «Accademia dei Maghi», not «Tribù dei Consiglieri» or «Accademia degli Osti»)
// and what its sign may be.
struct ParolaGruppo {
  std::string_view parola;
  std::string_view membri;
  Categorie emblemi;
};
constexpr std::array<ParolaGruppo, 5> parole_gruppo = {{{"Clan ", "[stirpe]", emblemi_in_armi},
                                                        {"Gilda ", "[mestiere]", emblemi_di_pace},
                                                        {"Accademia ", "[dotto]", emblemi_di_pace},
                                                        {"Corporazione ", "[mestiere]", emblemi_di_pace},
                                                        {"Tribù ", "[stirpe]", emblemi_in_armi}}};

// A beast on a sign is one («dal Lupo Nero»); several read as a herd the members own («dai Centauri
// Alati»).
std::string_view Numero_Segno(std::string_view file, std::string_view numero) {
  return file.ends_with("Animali") ? singolare : numero;
}

constexpr std::array<std::string_view, 5> rami_gruppo = {"gruppo: Clan", "gruppo: Gilda", "gruppo: Accademia",
                                                         "gruppo: Corporazione", "gruppo: Tribù"};

}  // namespace

void Carica_Gruppo_Casuale(Stato& stato) {
  Contesto& contesto = stato.contesto;
  Casuale& casuale = contesto.casuale;
  const auto q = casuale.Estrai(2);
  bool forma_lunga = casuale.Estrai(2) == 2;
  const auto numero = Numero(casuale.Estrai(2));
  const auto g = static_cast<std::size_t>(casuale.Estrai(5) - 1);
  const ParolaGruppo& gruppo = parole_gruppo[g];
  Dato& membri = stato[0];
  stato.Ramo(rami_gruppo[g]);
  Ramo_Qualificativo(stato, q);

  const auto prepara_segno = [&] {
    Carica_Genere_Sostantivo(contesto, 1);
    const std::string genere(Genere(stato[1]));
    Carica_Categoria_Sostantivo(contesto, 1, gruppo.emblemi);
    const auto numero_segno = Numero_Segno(stato[1].nome_file_dato, numero);
    Imposta_Qualificativo(stato[2], q, genere, numero_segno);
    Accoda(stato[1].forma_dato, {numero_segno, "Da"});
  };
  Carica_Genere_Sostantivo(contesto, 0);
  if (!forma_lunga) {
    Imposta_Qualificativo(stato[1], q, Genere(membri), plurale);
  } else {
    prepara_segno();
  }
  membri.nome_file_dato += "Umani";
  Carica_Marcata(contesto, 0, gruppo.membri);
  membri.forma_dato += "PlurPart";
  // Members named with more than one word («le Streghe Bianche», «le Danzatrici delle Spade») take no
  // adjective, and in the short form the same few names would come back: they get a sign instead.
  if (!forma_lunga && Essere_Composto(membri)) {
    forma_lunga = true;
    prepara_segno();
  }
  stato.Ramo(forma_lunga ? "forma lunga" : "forma breve");
  if (forma_lunga) {
    // The sign shares a role with the members when one of its kind does: thieves bear a key or a
    // magpie, not a lute or a ship («Gilda dei Borsaioli dalla Chiave Nera»).
    // In the other gender when its own has none: «dalla Mano d'Oro», not «dai Cuori di Pietra».
    const Categorie ruoli_membri = Ruoli_Di(membri.valore_dato);
    const auto del_ruolo = [ruoli_membri](std::string_view voce) {
      return Contiene(voce, marcatore_insegna) && (Ruoli_Di(voce) & ruoli_membri) != 0;
    };
    const std::string chiave = "insegna del ruolo " + std::to_string(ruoli_membri);
    const auto del_suo_ruolo = [&] { return Carica_Filtrata(contesto, 1, chiave, del_ruolo); };
    if (ruoli_membri != 0 && In_Un_Genere(stato[1], del_suo_ruolo)) {
      // The trait agrees with the sign's gender, which may have turned.
      Imposta_Qualificativo(stato[2], q, Genere(stato[1]), Numero_Segno(stato[1].nome_file_dato, numero));
    } else {
      Carica_Insegna(contesto, 1);
    }
    // An emblem's trait is heraldic where the adjectives say which are; else a sign's will do.
    const bool stemmi = !contesto.archivio.File("Aggettivi").Con_Tag(marcatore_stemma).empty();
    Carica_Qualificativo(contesto, 2, 1, {}, stemmi ? marcatore_stemma : marcatore_insegna);
  } else {
    Carica_Qualificativo(contesto, 1, 0, {}, marcatore_gruppo);
  }

  const int ultimo = forma_lunga ? 2 : 1;
  for (int slot = 0; slot <= ultimo; ++slot) Pulisci_Dato(stato[slot]);
  Iniziale_Stringa_Minuscola(membri);

  std::string& risultato = stato.slot_nome.testo;
  if (forma_lunga) {
    // A sign of more than one word is a whole picture («dalla Coppa d'Oro», not «dalla Coppa d'Oro
    // Aranciata»; «dalle Vipere delle Ombre», not «dalle Vipere Incatenate delle Ombre»), unless the
    // adjective goes before a complement: «dalla Mano Oscura del Re».
    const std::string qualificato = Nome_Con_Qualificativo(stato[1], stato[2].valore_dato);
    Componi(risultato, {gruppo.parola, membri.valore_dato, " ", qualificato});
  } else {
    Componi(risultato, {gruppo.parola, Nome_Con_Qualificativo(membri, stato[1].valore_dato)});
  }
}

}  // namespace talewick
