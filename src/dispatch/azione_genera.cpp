#include "dispatch/azione_genera.hpp"

#include <algorithm>

#include "base/messaggi.hpp"
#include "dispatch/dispatcher.hpp"
#include "wordstore/archivio.hpp"

namespace talewick {

EsitoGenera Command1_Click(Stato& stato, Cronologia& cronologia) {
  EsitoGenera esito;
  const auto& testo = stato.slot_nome.testo;
  if (std::find(parole_accesso.begin(), parole_accesso.end(), testo) != parole_accesso.end()) {
    esito.apri_statistiche = true;
    return esito;
  }
  stato.contesto.archivio.Nuova_Azione();
  cronologia.testo_precedente[0] = stato.slot_nome.testo;
  esito.errore = Genera_Altro_Valore(stato);
  cronologia.annulla_disponibile[0] = true;
  cronologia.ripeti_disponibile[0] = false;
  cronologia.testo_precedente[2].clear();
  cronologia.nessun_risultato[0] = false;
  return esito;
}

std::optional<std::string> Avvia_Generazione(Stato& stato, Cronologia& cronologia) {
  std::optional<std::string> errore;
  try {
    Carica_Tutti_File(stato.contesto.archivio);
  } catch (const ErroreGenerazione& e) {
    errore = e.what();
  }
  // A failed count is reported once, without a first result that would only repeat it.
  if (!errore) errore = Genera_Altro_Valore(stato);
  cronologia = Cronologia{};
  return errore;
}

}  // namespace talewick
