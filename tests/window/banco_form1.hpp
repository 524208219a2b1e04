#pragma once
// A generator window over a fixture word folder, with a platform that answers from a script.
#include <map>
#include <string>

#include "core/stato.hpp"
#include "support/database_prova.hpp"
#include "support/piattaforma_finta.hpp"
#include "window/form1.hpp"
#include "wordstore/archivio.hpp"
#include "wordstore/casuale.hpp"

namespace talewick::prova {

using Voci = std::map<std::string, std::string, std::less<>>;

struct BancoForm1 {
  // `voci`: the word files that hold something other than their one default entry.
  explicit BancoForm1(const Voci& voci = {}) { db.Completa(voci); }

  DatabaseProva db;
  Archivio archivio{db.Cartella()};
  Motore_Casuale casuale{7};
  Stato stato{archivio, casuale};
  PiattaformaFinta piattaforma;
  Form1 form{stato, piattaforma};

  // Picks a list item by its text, as the user would.
  static void Scegli(Controllo& elenco, std::string_view voce) { elenco.Imposta_Testo(voce); }
  // Start-up, then one tick: the window as the user first sees it.
  void Avvia() {
    form.Carica();
    form.Timer1_Timer();
  }
};

}  // namespace talewick::prova
