#pragma once
#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "core/stato.hpp"

namespace talewick {

// One step of history per result box: place 0 is the single result, place 1 the batch list.
struct Cronologia {
  std::array<std::string, 4> testo_precedente{};
  std::array<bool, 2> annulla_disponibile{false, false};
  std::array<bool, 2> ripeti_disponibile{false, false};
  std::array<bool, 2> nessun_risultato{true, true};
  int conta_multipli = 0;
};

// The four words that open the tag statistics instead of generating.
inline constexpr std::array<std::string_view, 4> parole_accesso = {"Vexil", "vexil", "Plink", "plink"};

struct EsitoGenera {
  bool apri_statistiche = false;      // an access word was in the result box; nothing generated
  std::optional<std::string> errore;  // the message of a failed generation
};

// The generate button: saves the current result for undo and generates a new one.
EsitoGenera Command1_Click(Stato& stato, Cronologia& cronologia);

// Start-up without windows: counts every word file and generates a first result.
std::optional<std::string> Avvia_Generazione(Stato& stato, Cronologia& cronologia);

}  // namespace talewick
