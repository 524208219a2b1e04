#include "main_window/annulla.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "main_window/banco_form1.hpp"

namespace talewick {
namespace {

using prova::BancoForm1;

constexpr const char* nessun_precedente =
    "Non puoi tornare al risultato precedente quando non ci sono altri risultati!";
constexpr const char* solo_uno = "Puoi tornare indietro solo di un risultato!";

class AnnullaRipeti : public ::testing::Test {
 protected:
  AnnullaRipeti() { b.Avvia(); }
  void Undo() { b.form.Undo.Scatena(Evento::Click); }
  void Redo() { b.form.Redo.Scatena(Evento::Click); }
  std::vector<std::string> Messaggi() const { return b.piattaforma.Testi(); }

  BancoForm1 b{prova::Voci{{"SillabeGenerico", "ka"}}};
};

TEST_F(AnnullaRipeti, AllAvvioNonCeNullaDaAnnullare) {
  const std::string primo = b.form.SlotNome.Testo();
  ASSERT_FALSE(primo.empty());
  Undo();
  EXPECT_EQ(Messaggi(), std::vector<std::string>{nessun_precedente});
  EXPECT_EQ(b.piattaforma.messaggi[0].titolo, "Attenzione!");
  EXPECT_EQ(b.form.SlotNome.Testo(), primo);
  Redo();
  EXPECT_EQ(b.form.SlotNome.Testo(), primo);
  EXPECT_EQ(Messaggi().size(), 1u);
}

TEST_F(AnnullaRipeti, RisultatoSingolo_TreStati) {
  auto& f = b.form;
  f.SlotNome.Digita("scritto a mano");
  f.Command1.Scatena(Evento::Click);
  const std::string nuovo = f.SlotNome.Testo();
  ASSERT_NE(nuovo, "scritto a mano");

  // undo pending: undo goes back.
  Undo();
  EXPECT_EQ(f.SlotNome.Testo(), "scritto a mano");
  EXPECT_TRUE(Messaggi().empty());
  // redo pending: a second undo only warns.
  Undo();
  EXPECT_EQ(Messaggi(), std::vector<std::string>{solo_uno});
  EXPECT_EQ(f.SlotNome.Testo(), "scritto a mano");
  // redo goes forward, and back to undo pending; a second redo changes nothing.
  Redo();
  EXPECT_EQ(f.SlotNome.Testo(), nuovo);
  Redo();
  EXPECT_EQ(f.SlotNome.Testo(), nuovo);
  Undo();
  EXPECT_EQ(f.SlotNome.Testo(), "scritto a mano");
  EXPECT_EQ(Messaggi().size(), 1u);
}

TEST_F(AnnullaRipeti, UnaNuovaGenerazioneRiportaAdAnnullabile) {
  auto& f = b.form;
  f.SlotNome.Digita("uno");
  f.Command1.Scatena(Evento::Click);
  Undo();
  EXPECT_TRUE(f.cronologia.ripeti_disponibile[0]);
  f.SlotNome.Digita("due");
  f.Command1.Scatena(Evento::Click);
  EXPECT_TRUE(f.cronologia.annulla_disponibile[0]);
  EXPECT_FALSE(f.cronologia.ripeti_disponibile[0]);
  EXPECT_EQ(f.cronologia.testo_precedente[2], "");
  Undo();
  EXPECT_EQ(f.SlotNome.Testo(), "due");
}

TEST_F(AnnullaRipeti, Elenco_PrimoLottoNonHaPrecedente_IlSecondoSi) {
  auto& f = b.form;
  f.Command6.Scatena(Evento::Click);
  f.NumeroNomi.Digita("2");
  f.Command7.Scatena(Evento::Click);
  const std::string primo = f.SlotNome1.Testo();
  Undo();
  EXPECT_EQ(Messaggi(), std::vector<std::string>{nessun_precedente});
  EXPECT_EQ(f.SlotNome1.Testo(), primo);

  f.NumeroNomi.Digita("3");
  f.Command7.Scatena(Evento::Click);
  const std::string secondo = f.SlotNome1.Testo();
  ASSERT_NE(secondo, primo);
  Undo();
  EXPECT_EQ(f.SlotNome1.Testo(), primo);
  EXPECT_EQ(Messaggi().size(), 1u);
  Redo();
  EXPECT_EQ(f.SlotNome1.Testo(), secondo);
}

// After an undo, a new batch leaves nothing to redo: redo keeps the new list.
TEST_F(AnnullaRipeti, Elenco_UnNuovoLottoToglieIlRipeti) {
  auto& f = b.form;
  BancoForm1::Scegli(f.CosaGenerare, "Nomi Personaggi");
  f.Command6.Scatena(Evento::Click);
  f.Command7.Scatena(Evento::Click);
  f.Command7.Scatena(Evento::Click);
  Undo();
  b.db.Scrivi("SillabeGenerico", "zum");
  f.Command7.Scatena(Evento::Click);
  const std::string nuovo = f.SlotNome1.Testo();
  ASSERT_NE(nuovo.find("Zum"), std::string::npos);
  Redo();
  EXPECT_EQ(f.SlotNome1.Testo(), nuovo);
  Undo();
  EXPECT_EQ(f.SlotNome1.Testo().find("Zum"), std::string::npos);
}

TEST_F(AnnullaRipeti, UnUndoRiportaIndietroEntrambeLeCaselle) {
  auto& f = b.form;
  f.SlotNome.Digita("prima del singolo");
  f.Command1.Scatena(Evento::Click);
  f.Command6.Scatena(Evento::Click);
  f.SlotNome1.Digita("prima del lotto");
  f.Command7.Scatena(Evento::Click);
  const std::string lotto = f.SlotNome1.Testo();
  Undo();
  EXPECT_EQ(f.SlotNome1.Testo(), "prima del lotto");
  EXPECT_EQ(f.SlotNome.Testo(), "prima del singolo");
  // The list had no earlier batch, so the warning comes too.
  EXPECT_EQ(Messaggi(), std::vector<std::string>{nessun_precedente});
  Redo();
  EXPECT_EQ(f.SlotNome1.Testo(), lotto);
  EXPECT_NE(f.SlotNome.Testo(), "prima del singolo");
}

TEST_F(AnnullaRipeti, IlCambioDiModoLasciaLeCronologie) {
  auto& f = b.form;
  f.SlotNome.Digita("uno");
  f.Command1.Scatena(Evento::Click);
  f.Command6.Scatena(Evento::Click);
  f.Command6.Scatena(Evento::Click);
  Undo();
  EXPECT_EQ(f.SlotNome.Testo(), "uno");
  EXPECT_TRUE(Messaggi().empty());
}

}  // namespace
}  // namespace talewick
