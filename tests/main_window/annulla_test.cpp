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

class AnnullaRipeti : public prova::Generatore {
 protected:
  void Undo() { f.Undo.Scatena(Evento::Click); }
  void Redo() { f.Redo.Scatena(Evento::Click); }
  void Genera(const char* scritto_prima) {
    f.SlotNome.Digita(scritto_prima);
    f.Command1.Scatena(Evento::Click);
  }
};

// Nothing to undo at start; then undo pending, redo pending (a second undo only warns), undo
// pending again.
TEST_F(AnnullaRipeti, RisultatoSingolo_TreStati) {
  const std::string primo = f.SlotNome.Testo();
  Undo();
  Redo();
  EXPECT_EQ(f.SlotNome.Testo(), primo);
  EXPECT_EQ(b.piattaforma.messaggi.at(0).titolo, "Attenzione!");
  Genera("scritto a mano");
  const std::string nuovo = f.SlotNome.Testo();
  ASSERT_NE(nuovo, "scritto a mano");
  Undo();
  EXPECT_EQ(f.SlotNome.Testo(), "scritto a mano");
  Undo();
  EXPECT_EQ(Messaggi(), (std::vector<std::string>{nessun_precedente, solo_uno}));
  EXPECT_EQ(f.SlotNome.Testo(), "scritto a mano");
  Redo();
  Redo();
  EXPECT_EQ(f.SlotNome.Testo(), nuovo);
  Undo();
  EXPECT_EQ(f.SlotNome.Testo(), "scritto a mano");
  EXPECT_EQ(Messaggi().size(), 2u);
  // A new result after an undo leaves nothing to redo, and the undo goes back to the text before it.
  Genera("due");
  const std::string terzo = f.SlotNome.Testo();
  Redo();
  EXPECT_EQ(f.SlotNome.Testo(), terzo);
  Undo();
  EXPECT_EQ(f.SlotNome.Testo(), "due");
}

// The second batch has one before it; after an undo, a new batch leaves nothing to redo.
TEST_F(AnnullaRipeti, Elenco_UnNuovoLottoToglieIlRipeti) {
  BancoForm1::Scegli(f.CosaGenerare, "Nomi Personaggi");
  f.Command6.Scatena(Evento::Click);
  f.Command7.Scatena(Evento::Click);
  f.Command7.Scatena(Evento::Click);
  Undo();
  EXPECT_TRUE(Messaggi().empty());
  b.db.Scrivi("SillabeGenerico", "zum");
  f.Command7.Scatena(Evento::Click);
  const std::string nuovo = f.SlotNome1.Testo();
  ASSERT_NE(nuovo.find("Zum"), std::string::npos);
  Redo();
  EXPECT_EQ(f.SlotNome1.Testo(), nuovo);
  Undo();
  EXPECT_EQ(f.SlotNome1.Testo().find("Zum"), std::string::npos);
}

// One press acts on both boxes; switching mode keeps both histories.
TEST_F(AnnullaRipeti, UnUndoRiportaIndietroEntrambeLeCaselle) {
  Genera("prima del singolo");
  f.Command6.Scatena(Evento::Click);
  f.Command6.Scatena(Evento::Click);
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

}  // namespace
}  // namespace talewick
