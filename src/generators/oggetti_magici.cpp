#include "generators/comuni.hpp"
#include "generators/generatori.hpp"
#include "grammar/ordine.hpp"
#include "wordstore/archivio.hpp"
#include "wordstore/casuale.hpp"
#include "wordstore/sostantivi.hpp"
#include "wordstore/tag.hpp"
#include "wordstore/testo.hpp"

namespace talewick {

using namespace generatori;

namespace {

// Draws among the entries of the slot's file (holding its wanted tag, when it has one) whose base
// form has no complement of its own: «la Spada del Re» and «il Segno del Fato» would make a chain
// («la Spada del Re del Segno Oscuro del Fato»). Draws as usual when none is left; a tag that is
// not `obbligatorio` is dropped when no entry holds it.
void Carica_Senza_Complemento(Contesto& contesto, int slot, bool obbligatorio = true) {
  std::string tag = contesto[slot].tag_dato;
  if (!obbligatorio && contesto.archivio.File(contesto[slot].nome_file_dato).Con_Tag(tag).empty()) tag.clear();
  const auto adatta = [&tag](std::string_view voce) {
    return (tag.empty() || Contiene(voce, tag)) && !Con_Complemento(voce.substr(0, voce.find('|')));
  };
  if (Carica_Filtrata(contesto, slot, "senza complemento" + tag, adatta)) return;
  if (tag.empty()) {
    Carica(contesto, slot);
  } else {
    Carica_Tag(contesto, slot);
  }
}

}  // namespace

void Carica_Oggetto_Magico_Casuale(Stato& stato) {
  Contesto& contesto = stato.contesto;
  Casuale& casuale = contesto.casuale;
  Dato& oggetto = stato[0];
  Dato& complemento = stato[1];
  Dato& qualificativo = stato[2];

  Carica_Genere_Sostantivo(contesto, 0);
  const auto w = casuale.Estrai(2);
  oggetto.nome_file_dato += Famiglia_Oggetto(stato.opzioni, w);
  stato.Ramo(oggetto.nome_file_dato.ends_with("Armi") ? "oggetto: arma" : "oggetto: oggetto");
  oggetto.forma_dato += "SingDet";

  const auto t = casuale.Estrai(3);
  Carica_Genere_Sostantivo(contesto, 1);
  stato.Ramo(t == 1 ? "complemento: astratto" : t == 2 ? "complemento: naturale [mag]" : "complemento: altro [mag]");
  // Ideas, too, come among those tagged "[mag]" («della Vendetta», not «del Travaglio»), or among all
  // when none is.
  complemento.tag_dato = marcatore_magico;
  complemento.nome_file_dato += t == 1 ? "Astratto" : t == 2 ? "Naturale" : "Altro";
  Carica_Senza_Complemento(contesto, 1, t != 1);

  // Read the complement's gender before its marker gets "SingPart": the qualifier agrees with it.
  const auto u = casuale.Estrai(2);
  Imposta_Qualificativo(qualificativo, u, Genere(complemento), singolare);
  Ramo_Qualificativo(stato, u);
  complemento.forma_dato += "SingPart";

  oggetto.tag_dato.clear();
  // The object does not say its power's word: «La Freccia Incendiaria dell'Incendio».
  for (int volta = 0; volta < tentativi_senza_ripetere; ++volta) {
    Carica_Senza_Complemento(contesto, 0);
    if (!Ripetono(oggetto.valore_dato, complemento.valore_dato)) break;
  }
  // Nor may it repeat the object's own word: «Il Rotolo Sigillato del Ruggito Sigillato».
  Carica_Qualificativo(contesto, 2, 1, {0}, marcatore_magico);
  for (Dato* dato : {&oggetto, &complemento, &qualificativo}) Pulisci_Dato(*dato);

  Componi(stato.slot_nome.testo,
          {oggetto.valore_dato, " ", Nome_Qualificato(complemento.valore_dato, qualificativo.valore_dato)});
}

}  // namespace talewick
