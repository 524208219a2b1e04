#pragma once
// A generator window over a fixture word folder, with a platform that answers from a script.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "core/stato.hpp"
#include "main_window/form1.hpp"
#include "support/database_prova.hpp"
#include "support/piattaforma_finta.hpp"
#include "wordstore/archivio.hpp"
#include "wordstore/casuale.hpp"

namespace talewick::prova {

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
  // Gives `casella` the focus and types into it key by key. `passi` holds the box's whole text
  // after each key, separated by '|' ("|2|25": cleared, then "2", then "25"); the timer
  // ticks after every key.
  void Digita_Tasti(Controllo& casella, std::string_view passi) {
    form.Imposta_Fuoco(&casella);
    for (std::size_t inizio = 0;;) {
      const std::size_t fine = passi.find('|', inizio);
      casella.Digita(passi.substr(inizio, fine == std::string_view::npos ? std::string_view::npos : fine - inizio));
      form.Timer1_Timer();
      if (fine == std::string_view::npos) break;
      inizio = fine + 1;
    }
  }
  // Start-up, then one tick: the window as the user first sees it.
  void Avvia() {
    form.Carica();
    form.Timer1_Timer();
  }
};

// A test over the generator window as the user first sees it.
class Generatore : public testing::Test {
 protected:
  Generatore() { b.Avvia(); }
  [[nodiscard]] std::vector<std::string> Messaggi() const { return b.piattaforma.Testi(); }

  BancoForm1 b;
  Form1& f = b.form;
};

}  // namespace talewick::prova
