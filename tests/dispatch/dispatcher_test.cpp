#include "dispatch/dispatcher.hpp"

#include <gtest/gtest.h>

#include <tuple>

#include "dispatch/azione_genera.hpp"
#include "support/database_prova.hpp"
#include "wordstore/archivio.hpp"
#include "wordstore/casuale.hpp"

namespace talewick {
namespace {

using prova::DatabaseProva;

// Hooks are set smaller and book titles in italics; every other kind as names are.
TEST(Dispatcher, PresentazionePerTipo) {
  DatabaseProva db;
  db.Completa_Generabile();
  Archivio archivio(db.Cartella());
  Motore_Casuale casuale(1);
  Stato stato(archivio, casuale);
  const std::tuple<const char*, bool, int> casi[] = {
      {"Spunti Avventure", false, 10}, {"Titoli Libri", true, 12}, {"Nomi Edifici", false, 12}};
  for (const auto& [tipo, corsivo, dimensione] : casi) {
    stato.opzioni.CosaGenerare = tipo;
    stato.slot_nome.corsivo = !corsivo;
    EXPECT_FALSE(Genera_Altro_Valore(stato)) << tipo;
    EXPECT_EQ(stato.slot_nome.corsivo, corsivo) << tipo;
    EXPECT_EQ(stato.slot_nome.dimensione_carattere, dimensione) << tipo;
  }
  // A kind the dispatcher does not know, even one differing only in case, changes nothing.
  stato.slot_nome = {"resta", true, 10};
  stato.opzioni.CosaGenerare = "nomi personaggi";
  EXPECT_FALSE(Genera_Altro_Valore(stato));
  EXPECT_EQ(stato.slot_nome.testo, "resta");
  EXPECT_TRUE(stato.slot_nome.corsivo);
  EXPECT_EQ(stato.slot_nome.dimensione_carattere, 10);
}

TEST(Command1Click, ParoleDAccessoAprono_LeAltreGenerano) {
  DatabaseProva db;
  db.Completa();
  Archivio archivio(db.Cartella());
  Motore_Casuale casuale(1);
  Stato stato(archivio, casuale);
  stato.opzioni.CosaGenerare = "Nomi Personaggi";
  stato.opzioni.Min = "1";
  stato.opzioni.Max = "1";
  Cronologia cronologia;
  for (const char* parola : {"Vexil", "vexil", "Plink", "plink"}) {
    stato.slot_nome.testo = parola;
    EXPECT_TRUE(Command1_Click(stato, cronologia).apri_statistiche) << parola;
    EXPECT_EQ(stato.slot_nome.testo, parola);
    EXPECT_TRUE(cronologia.nessun_risultato[0]);
  }
  for (const char* parola : {"VEXIL", " Vexil", "Plink "}) {
    stato.slot_nome.testo = parola;
    const auto esito = Command1_Click(stato, cronologia);
    EXPECT_FALSE(esito.apri_statistiche) << parola;
    EXPECT_EQ(cronologia.testo_precedente[0], parola);
    EXPECT_EQ(stato.slot_nome.testo, "Ka Ka");
    EXPECT_TRUE(cronologia.annulla_disponibile[0]);
    EXPECT_FALSE(cronologia.nessun_risultato[0]);
  }
}

TEST(AvviaGenerazione, ContaTuttiIFileEGeneraUnPrimoRisultato) {
  DatabaseProva db;
  db.Completa();
  Archivio archivio(db.Cartella());
  Motore_Casuale casuale(1);
  Stato stato(archivio, casuale);
  stato.opzioni.CosaGenerare = "Nomi Personaggi";
  stato.opzioni.Min = "1";
  stato.opzioni.Max = "1";
  Cronologia cronologia;
  cronologia.annulla_disponibile = {true, true};
  EXPECT_FALSE(Avvia_Generazione(stato, cronologia));
  EXPECT_EQ(archivio.numero_vocaboli[24], 1);
  EXPECT_EQ(stato.slot_nome.testo, "Ka Ka");
  EXPECT_FALSE(cronologia.annulla_disponibile[0]);
  EXPECT_TRUE(cronologia.nessun_risultato[1]);
}

}  // namespace
}  // namespace talewick
