#include "dispatch/dispatcher.hpp"

#include <gtest/gtest.h>

#include "core/opzioni.hpp"
#include "dispatch/azione_genera.hpp"
#include "support/database_prova.hpp"
#include "wordstore/archivio.hpp"
#include "wordstore/casuale.hpp"

namespace talewick {
namespace {

using prova::DatabaseProva;

// Hooks are set smaller and book titles in italics; every other kind of the list as names are.
TEST(Dispatcher, PresentazionePerTipo) {
  for (const auto tipo : tipi_generazione) {
    const TipoGenerazione* riga = Cerca_Tipo(tipo);
    ASSERT_NE(riga, nullptr) << tipo;
    EXPECT_EQ(riga->corsivo, tipo == "Titoli Libri") << tipo;
    EXPECT_EQ(riga->dimensione_carattere, tipo == "Spunti Avventure" ? 10 : 12) << tipo;
  }
  // The slot takes them on generating; a kind the dispatcher does not know, even one differing
  // only in case, changes nothing.
  DatabaseProva db;
  db.Completa_Generabile();
  Archivio archivio(db.Cartella());
  Motore_Casuale casuale(1);
  Stato stato(archivio, casuale);
  stato.opzioni.CosaGenerare = "Titoli Libri";
  EXPECT_FALSE(Genera_Altro_Valore(stato));
  EXPECT_TRUE(stato.slot_nome.corsivo);
  stato.slot_nome = {"resta", false, 10};
  stato.opzioni.CosaGenerare = "nomi personaggi";
  EXPECT_FALSE(Genera_Altro_Valore(stato));
  EXPECT_EQ(stato.slot_nome.testo, "resta");
  EXPECT_FALSE(stato.slot_nome.corsivo);
  EXPECT_EQ(stato.slot_nome.dimensione_carattere, 10);
}

// Two-word character names of one syllable each, from a folder where every file holds "ka".
class AzioneGenera : public testing::Test {
 protected:
  AzioneGenera() {
    db.Completa();
    stato.opzioni.CosaGenerare = "Nomi Personaggi";
    stato.opzioni.Min = "1";
    stato.opzioni.Max = "1";
  }
  DatabaseProva db;
  Archivio archivio{db.Cartella()};
  Motore_Casuale casuale{1};
  Stato stato{archivio, casuale};
  Cronologia cronologia;
};

TEST_F(AzioneGenera, ParoleDAccessoAprono_LeAltreGenerano) {
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

TEST_F(AzioneGenera, AvvioContaTuttiIFileEGeneraUnPrimoRisultato) {
  cronologia.annulla_disponibile = {true, true};
  EXPECT_FALSE(Avvia_Generazione(stato, cronologia));
  EXPECT_EQ(archivio.numero_vocaboli[24], 1);
  EXPECT_EQ(stato.slot_nome.testo, "Ka Ka");
  EXPECT_FALSE(cronologia.annulla_disponibile[0]);
  EXPECT_TRUE(cronologia.nessun_risultato[1]);
}

}  // namespace
}  // namespace talewick
