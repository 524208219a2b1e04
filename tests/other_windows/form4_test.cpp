#include "other_windows/form4.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "base/messaggi.hpp"

#include "other_windows/riepilogo.hpp"
#include "support/database_prova.hpp"

namespace talewick {
namespace {

class Form4Prova : public testing::Test {
 protected:
  Form4Prova() : archivio(db.Cartella()) {
    db.Completa();
    Carica_Tutti_File(archivio);
  }
  prova::DatabaseProva db;
  Archivio archivio;
};

// Loading writes the nine lines once: a later recount does not reach the window.
TEST_F(Form4Prova, IlCaricamentoScriveLeNoveRighe_RiaprendoSiVedonoGliStessiNumeri) {
  Form4 f(archivio);
  EXPECT_EQ(f["Label1"].Testo(), "");
  f.Carica();
  EXPECT_FALSE(f.Visibile());
  EXPECT_EQ(f["Label1"].Testo(), "- Per i Nomi di Locande ci sono 24 vocaboli.");
  EXPECT_EQ(f["Label10"].Testo(), "- Per i Nomi dei Gruppi ci sono 22 vocaboli.");
  EXPECT_EQ(f["Label8"].Testo(), "");  // the generator window writes the version line
  EXPECT_EQ(f["Label11"].Testo(), "I file di parole sono nella cartella \"" + db.Cartella().string() + "\".");
  f.Mostra();
  f["Label8"].Imposta_Testo("Vers. 1.12.0");
  archivio.numero_vocaboli.fill(5);
  f["Command1"].Scatena(Evento::Click);
  EXPECT_FALSE(f.Visibile());
  f.Mostra();
  EXPECT_EQ(f["Label1"].Testo(), "- Per i Nomi di Locande ci sono 24 vocaboli.");
  EXPECT_EQ(f["Label8"].Testo(), "Vers. 1.12.0");
}

TEST(Form4, UnFileIlleggibileContaZero_GliAltriSiContanoTutti) {
  for (const bool mancante : {false, true}) {
    SCOPED_TRACE(mancante ? "Aggettivi mancante" : "Aggettivi vuoto");
    prova::DatabaseProva db;
    db.Completa({{"FemCibi", "La Torta [ci][liq]"}});
    if (mancante) {
      db.Cancella("Aggettivi");
    } else {
      db.Scrivi("Aggettivi", "\r\n");
    }
    Archivio archivio(db.Cartella());
    try {
      Carica_Tutti_File(archivio);
      ADD_FAILURE() << "nessun errore";
    } catch (const ErroreGenerazione& e) {
      EXPECT_NE(std::string(e.what()).find("Aggettivi.txt"), std::string::npos) << e.what();
    }
    Form4 f(archivio);
    f.Carica();
    EXPECT_EQ(f["Label2"].Testo(), "- Per i Nomi di Personaggi ci sono 12 sillabe.");
    EXPECT_EQ(f["Label1"].Testo(), "- Per i Nomi di Locande ci sono 23 vocaboli.");
    EXPECT_EQ(f["Label3"].Testo(), "- Per le Descrizioni delle Pozioni ci sono 4 vocaboli.");  // [liq] counted
    EXPECT_EQ(archivio.numero_vocaboli[1], 0);
  }
}

TEST_F(Form4Prova, LeRigheDallAltoInBasso) {
  Form4 f(archivio);
  std::vector<const Controllo*> righe;
  for (const auto nome : ordine_riepilogo) righe.push_back(&f[nome]);
  EXPECT_TRUE(std::is_sorted(righe.begin(), righe.end(),
                             [](const Controllo* a, const Controllo* b) { return a->Alto() < b->Alto(); }));
  EXPECT_LT(f["Note4"].Alto(), righe.front()->Alto());
  EXPECT_LT(righe.back()->Alto() + righe.back()->Altezza(), f["Label11"].Alto());
  EXPECT_LT(f["Label11"].Alto() + f["Label11"].Altezza(), f["Command1"].Alto());
  EXPECT_EQ(f["Command1"].Testo(), "Chiudi");
}

}  // namespace
}  // namespace talewick
