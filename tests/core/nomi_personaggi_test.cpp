#include "core/nomi_personaggi.hpp"

#include <gtest/gtest.h>

#include "dispatch/dispatcher.hpp"
#include "support/casuale_scriptato.hpp"
#include "support/database_prova.hpp"
#include "support/righe_dati.hpp"
#include "wordstore/archivio.hpp"
#include "wordstore/casuale.hpp"

namespace talewick {
namespace {

using prova::DatabaseProva;

// Syllables and English words for names, a store and a scripted draw source.
struct CartellaNomi {
  CartellaNomi() {
    db.Scrivi("SillabeElfo", "EL\nrien\nthal");
    db.Scrivi("SillabeNano", "dùr");
    db.Scrivi("IngleseVocaboli", "STORM\nIron");
    db.Scrivi("IngleseSoggetti", "BRINGER");
  }
  DatabaseProva db;
  Archivio archivio{db.Cartella()};
  prova::CasualeScriptato casuale{};
  Stato stato{archivio, casuale};
};

// The rows of nomi.tsv.
void Riga(const std::vector<std::string>& c, bool genera) {
  CartellaNomi prova;
  for (const auto n : prova::Numeri(c.at(0))) prova.casuale.Aggiungi({n});
  prova.stato.opzioni.CosaGenerare = "Nomi Personaggi";
  prova.stato.opzioni.TipoNomi = c.at(1);
  prova.stato.opzioni.Min = c.at(2);
  prova.stato.opzioni.Max = c.at(3);
  prova.stato.slot_nome.testo = c.at(4);
  std::optional<std::string> errore;
  if (genera) {
    errore = Genera_Altro_Valore(prova.stato);
  } else {
    Carica_Nome_Persona_Casuale(prova.stato, 0);
  }
  auto ottenuto = errore.value_or(prova.stato.slot_nome.testo);
  const auto cartella = prova.db.Cartella().string();
  if (const auto posto = ottenuto.find(cartella); posto != std::string::npos)
    ottenuto.replace(posto, cartella.size(), "@");
  EXPECT_EQ(ottenuto, c.at(5));
  if (errore) {
    EXPECT_EQ(prova.stato.slot_nome.testo, "");
  }
  EXPECT_EQ(prova.casuale.Rimaste(), 0U);
}

const prova::Regole regole = {{"nome", [](const auto& c) { Riga(c, false); }},
                              {"genera", [](const auto& c) { Riga(c, true); }}};
RIGHE_DATI(Nomi, TALEWICK_DATI, regole);

}  // namespace
}  // namespace talewick
