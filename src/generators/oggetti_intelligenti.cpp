#include "generators/comuni.hpp"
#include "generators/generatori.hpp"
#include "grammar/correzione.hpp"
#include "grammar/ordine.hpp"
#include "wordstore/casuale.hpp"
#include "wordstore/sostantivi.hpp"
#include "wordstore/tag.hpp"
#include "wordstore/testo.hpp"

namespace talewick {

using namespace generatori;

namespace {

// Draws a thing worth a story that can take its epithet: «la Campana Sommersa», not «il Ferro di
// Cavallo» or «la Spada a Due Mani», which would stay bare; among the notable ones, then as
// Carica_Notevole when none of them takes one.
void Carica_Oggetto_Parlante(Contesto& contesto, int slot) {
  const auto adatto = [](std::string_view voce) {
    if (!Contiene(voce, marcatore_notevole)) return false;
    std::string nome(voce.substr(0, voce.find('|')));
    Cancella_Tag(nome, tag_vocabolario);
    return !Qualificativo_In_Coda(nome);
  };
  if (!Carica_Filtrata(contesto, slot, "notevole con epiteto", adatto)) Carica_Notevole(contesto, slot);
}

}  // namespace

void Carica_Oggetto_Casuale(Stato& stato) {
  Contesto& contesto = stato.contesto;
  Casuale& casuale = contesto.casuale;
  Dato& oggetto = stato[0];
  Dato& qualificativo = stato[1];
  Dato& nome = stato[2];

  const auto a = casuale.Estrai(2);
  Carica_Genere_Sostantivo(contesto, 0);
  Imposta_Qualificativo(qualificativo, a, Genere(oggetto), singolare);
  Ramo_Qualificativo(stato, a);
  const auto w = casuale.Estrai(2);
  oggetto.nome_file_dato += Famiglia_Oggetto(stato.opzioni, w);
  stato.Ramo(oggetto.nome_file_dato.ends_with("Armi") ? "oggetto: arma" : "oggetto: oggetto");
  Carica_Oggetto_Parlante(contesto, 0);
  oggetto.forma_dato += "SingDet";
  // An epithet worth a legend, as a story's things take: «il Calice Sepolcrale», not «la Perla Ocra».
  Carica_Qualificativo(contesto, 1, 0, {}, marcatore_spunto);

  Carica_Nome_Proprio(stato, 2);

  Pulisci_Dato(oggetto);
  Pulisci_Dato(qualificativo);
  Iniziale_Stringa_Minuscola(oggetto);

  Componi(stato.slot_nome.testo,
          {nome.valore_dato, ", ", Nome_Qualificato_Se_Legge(oggetto.valore_dato, qualificativo.valore_dato)});
}

}  // namespace talewick
