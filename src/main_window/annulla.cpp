#include "main_window/annulla.hpp"

#include "base/messaggi.hpp"

namespace talewick {
namespace {

// Place `casella` of the history: 0 the result slot, 1 the batch list. The text set aside by
// an undo lives two places further on.
void Annulla(Controllo& box, Cronologia& h, std::size_t casella) {
  auto& precedente = h.testo_precedente[casella];
  auto& messo_da_parte = h.testo_precedente[casella + 2];
  if (!h.annulla_disponibile[casella] || precedente == messo_da_parte) return;
  messo_da_parte = box.Testo();
  box.Imposta_Testo(precedente);
  h.annulla_disponibile[casella] = false;
  h.ripeti_disponibile[casella] = true;
}

void Ripeti(Controllo& box, Cronologia& h, std::size_t casella) {
  auto& precedente = h.testo_precedente[casella];
  auto& messo_da_parte = h.testo_precedente[casella + 2];
  if (!h.ripeti_disponibile[casella] || precedente == messo_da_parte) return;
  precedente = box.Testo();
  box.Imposta_Testo(messo_da_parte);
  h.annulla_disponibile[casella] = true;
  h.ripeti_disponibile[casella] = false;
}

}  // namespace

void Undo_Click(Controllo& slot_nome, Controllo& slot_nome1, Cronologia& cronologia, Piattaforma& piattaforma) {
  if ((slot_nome.Visibile() && cronologia.nessun_risultato[0]) ||
      (slot_nome1.Visibile() && cronologia.nessun_risultato[1])) {
    Avvisa(piattaforma, messaggi::nessun_risultato_precedente);
  } else if (!cronologia.annulla_disponibile[0] && !cronologia.annulla_disponibile[1]) {
    Avvisa(piattaforma, messaggi::solo_un_risultato);
  }
  Annulla(slot_nome, cronologia, 0);
  Annulla(slot_nome1, cronologia, 1);
}

void Redo_Click(Controllo& slot_nome, Controllo& slot_nome1, Cronologia& cronologia) {
  Ripeti(slot_nome, cronologia, 0);
  Ripeti(slot_nome1, cronologia, 1);
}

}  // namespace talewick
