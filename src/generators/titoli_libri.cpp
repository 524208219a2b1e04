#include <algorithm>
#include <array>

#include "base/messaggi.hpp"
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

// The number tag of the template for each title kind 1..6.
constexpr std::array<std::string_view, 6> tag_tipo = {"[1]", "[1]", "[2]", "[3]", "[4]", "[5]"};

// Marker of the adjective of a kind-2 frame, by frame 1..4.
constexpr std::array<std::string_view, 4> forma_cornice = {"AggMasSing", "AggFemPlur", "AggFemPlur", "AggMasSing"};

constexpr std::array<std::string_view, 6> tipi_titolo = {
    "tipo 1: [1] e un plurale partitivo",      "tipo 2: [1] in una cornice con due nomi",
    "tipo 3: [2] e un plurale determinativo",  "tipo 4: [3] e «sui»",
    "tipo 5: [4] e un nome o due nomi propri", "tipo 6: [5] e «sul»"};
constexpr std::array<std::string_view, 4> cornici = {"cornice: Un Confronto", "cornice: Le Differenze",
                                                     "cornice: modello in testa", "cornice: Un Parallelo"};

void Correlato(Contesto& contesto, int slot, std::string_view forma) {
  contesto[slot].forma_dato = forma;
  Controlla_Categoria_e_Carica_Sostantivo_Correlato(contesto, slot);
}

// Redraws the second person or beast of a comparison among those most alike the first, never one
// sharing its word («Cacciatrici di Taglie e Cacciatrici»). People: first those of the first one's
// kind ("[stirpe]", "[mestiere]" or "[dotto]") who also share one of its roles («Fabbri e Armaioli»,
// not «Chiromanti e Fabbri»); then those sharing a role («Brigantesse e Predone», not «Brigantesse
// e Mummie»); then those of its kind; then those sharing "[nemico]" or "[vittima]" («Re e
// Principesse»). Beasts: those sharing a role («Squali e Kraken», not «Squali e Aquile Reali»).
void Stesso_Genere_Di_Persone(Contesto& contesto, int slot, const Dato& primo) {
  const std::string& file = contesto[slot].nome_file_dato;
  const bool persone = file.ends_with("Umani");
  if (!persone && !file.ends_with("Animali")) return;
  const std::string_view nome = primo.valore_dato;
  const auto altro_nome = [nome](std::string_view voce) { return !Ripetono(voce, nome); };
  const Categorie ruoli = Ruoli_Di(nome);
  const auto prova = [&](std::string_view tag, Categorie con_ruoli) {
    if (!tag.empty() && (!persone || !Contiene(nome, tag))) return false;
    if (tag.empty() && con_ruoli == 0) return false;
    const auto compagno = [tag, con_ruoli](std::string_view voce) {
      return Contiene(voce, marcatore_attore) && (tag.empty() || Contiene(voce, tag)) &&
             (con_ruoli == 0 || (Ruoli_Di(voce) & con_ruoli) != 0);
    };
    return Carica_Filtrata_Accettata(contesto, slot,
                                     "compagno " + std::string(tag) + " per ruoli " + std::to_string(con_ruoli),
                                     compagno, nullptr, altro_nome, {nome});
  };
  constexpr std::array<std::string_view, 3> generi = {"[stirpe]", "[mestiere]", "[dotto]"};
  if (ruoli != 0 &&
      std::any_of(generi.begin(), generi.end(), [&](std::string_view tag) { return prova(tag, ruoli); })) {
    return;
  }
  if (prova("", ruoli)) return;
  for (const std::string_view tag : {"[stirpe]", "[mestiere]", "[dotto]", "[nemico]", "[vittima]"}) {
    if (prova(tag, 0)) return;
  }
}

}  // namespace

void Carica_Titolo_Libro_Casuale(Stato& stato) {
  Contesto& contesto = stato.contesto;
  Casuale& casuale = contesto.casuale;
  Dato& modello = stato[0];

  const auto r = casuale.Estrai(6);
  stato.Ramo(tipi_titolo[static_cast<std::size_t>(r - 1)]);
  modello.nome_file_dato = "Libri";
  modello.tag_dato = tag_tipo[static_cast<std::size_t>(r - 1)];
  Carica_Tag(contesto, 0);
  modello.forma_dato = nessuna_forma;
  // Refuse a template without a category: its nouns would stay undrawn, showing older ones.
  if (Categoria_da_Tag(modello.valore_dato) == nullptr) {
    throw ErroreGenerazione(
        messaggi::Titolo_Senza_Categoria(contesto.archivio.Percorso("Libri").string(), modello.valore_dato));
  }

  std::int64_t cornice = 0;
  std::int64_t forma_5 = 0;
  int ultimo = 1;
  switch (r) {
    case 1:
      Correlato(contesto, 1, "PlurPart");
      break;
    case 2:
      stato[1].forma_dato = "PlurPart";
      // The adjective qualifies "Confronto", "Differenze" or "Parallelo": one that suits a written
      // work («Un Confronto Breve»), or else any that suits an abstract noun.
      stato[3].nome_file_dato = aggettivi;
      if (!Carica_Filtrata(contesto, 3, marcatore_opera,
                           [](std::string_view a) { return Contiene(a, marcatore_opera); })) {
        Carica_Aggettivo(contesto, 3, categoria_astratto);
      }
      cornice = casuale.Estrai(4);
      stato.Ramo(cornici[static_cast<std::size_t>(cornice - 1)]);
      // «Le Dotte Differenze» reads wrong where «Un Confronto Dotto» reads well: «Differenze» takes
      // one of the adjectives made for it, when the file has some.
      if ((cornice == 2 || cornice == 3) && !Contiene(stato[3].valore_dato, marcatore_differenze)) {
        Carica_Filtrata(contesto, 3, marcatore_differenze,
                        [](std::string_view a) { return Contiene(a, marcatore_differenze); });
      }
      stato[3].forma_dato = forma_cornice[static_cast<std::size_t>(cornice - 1)];
      Controlla_Categoria_e_Carica_Sostantivo_Correlato(contesto, 1);
      // Two of one word compare nothing: «delle Pere Selvatiche e delle Pere».
      for (int volta = 0; volta < tentativi_senza_ripetere; ++volta) {
        Correlato(contesto, 2, "PlurPart");
        if (!Ripetono(stato[2].valore_dato, stato[1].valore_dato)) break;
      }
      Stesso_Genere_Di_Persone(contesto, 2, stato[1]);
      ultimo = 3;
      break;
    case 3:
      Correlato(contesto, 1, "PlurDet");
      break;
    case 4:
      Correlato(contesto, 1, "PlurSu");
      break;
    case 5:
      forma_5 = casuale.Estrai(2);
      stato.Ramo(forma_5 == 1 ? "tipo 5: nome e aggettivo" : "tipo 5: due nomi propri e soprannome");
      stato[2].nome_file_dato = aggettivi;
      if (forma_5 == 1) {
        Correlato(contesto, 1, "SingPart");
        stato[2].forma_dato = stato[1].forma_dato == "MasSingPart" ? "AggMasSing" : "AggFemSing";
        ultimo = 2;
      } else {
        Carica_Nome_Proprio(stato, 1);
        stato[1].valore_dato.insert(0, "di ");
        Carica_Nome_Proprio(stato, 3);
        stato[2].forma_dato = "AggMasSing";
        ultimo = 3;
      }
      // A nickname qualifies the person the proper names stand for.
      if (forma_5 == 1) {
        Carica_Qualificativo(contesto, 2, 1);
      } else {
        Carica_Aggettivo(contesto, 2, categoria_umani);
      }
      break;
    default:
      Correlato(contesto, 1, "SingSu");
      break;
  }

  for (int slot = 0; slot <= ultimo; ++slot) Pulisci_Dato(stato[slot]);

  // Change first letters before reading the parts: a case change may move the text.
  if (r == 2 && cornice != 3) Iniziale_Stringa_Minuscola(modello);
  if (r == 3) Iniziale_Stringa_Minuscola(stato[1]);

  const std::string_view t = modello.valore_dato;
  const std::string_view s1 = stato[1].valore_dato;
  const std::string_view s2 = stato[2].valore_dato;
  const std::string_view s3 = stato[3].valore_dato;
  std::string& titolo = stato.slot_nome.testo;
  switch (r) {
    case 2:
      switch (cornice) {
        case 1:
          Componi(titolo, {"Un Confronto ", s3, " tra ", t, " ", s1, " e ", s2});
          break;
        case 2:
          Componi(titolo, {"Le ", s3, " Differenze tra ", t, " ", s1, " e ", s2});
          break;
        case 3:
          Componi(titolo, {t, " ", s1, " e ", s2, ": ", s3, " Differenze"});
          break;
        default:
          Componi(titolo, {"Un Parallelo ", s3, " tra ", t, " ", s1, " e ", s2});
          break;
      }
      break;
    case 5:
      if (forma_5 == 1) {
        // A person named with more than the head is a kind of its own: «della Cacciatrice di Draghi»,
        // not «della Cacciatrice di Draghi Torva».
        Componi(titolo, {t, " ", Nome_Con_Qualificativo(stato[1], s2)});
      } else {
        // Quote the nickname the Italian way; two apostrophes read as a typing slip.
        Componi(titolo, {t, " ", s1, " «", s2, "» ", s3});
      }
      break;
    default:
      Componi(titolo, {t, " ", s1});
      break;
  }
}

}  // namespace talewick
