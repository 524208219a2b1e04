#pragma once
// Undo and redo: one step back and forth for each result box, the result slot `SlotNome`
// (history place 0) and the batch list `SlotNome1` (place 1). One press acts on both boxes.
#include "dispatch/azione_genera.hpp"
#include "main_window/controlli.hpp"
#include "main_window/piattaforma.hpp"

namespace talewick {

// Warns when there is nothing to go back to, then steps back every box with an undo pending.
void Undo_Click(Controllo& slot_nome, Controllo& slot_nome1, Cronologia& cronologia, Piattaforma& piattaforma);

// Steps forward every box with a redo pending; never warns.
void Redo_Click(Controllo& slot_nome, Controllo& slot_nome1, Cronologia& cronologia);

}  // namespace talewick
