#include "main_window/multipli.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "main_window/banco_form1.hpp"
#include "support/righe_dati.hpp"

namespace talewick {
namespace {

using prova::BancoForm1;
using Multipli = prova::Generatore;

// ---- The rows of multipli.tsv: each control's top and whether it shows in both modes, there and
// back; the count box.

void Posto(const std::vector<std::string>& r) {
  BancoForm1 b;
  b.Avvia();
  Controllo& c = b.form[r.at(0)];
  for (int giro = 0; giro < 2; ++giro) {
    b.form.Command6.Scatena(Evento::Click);
    EXPECT_EQ(c.Alto(), std::stoi(r.at(2)));
    EXPECT_EQ(c.Visibile(), r.at(4) == "1");
    b.form.Command6.Scatena(Evento::Click);
    EXPECT_EQ(c.Alto(), std::stoi(r.at(1)));
    EXPECT_EQ(c.Visibile(), r.at(3) == "1");
  }
}

void Conteggio(const std::vector<std::string>& r) {
  BancoForm1 b;
  b.Avvia();
  b.form.Command6.Scatena(Evento::Click);
  b.form.NumeroNomi.Digita("5");
  ASSERT_TRUE(b.form.NumeroNomi.Digita(r.at(0)));
  EXPECT_EQ(b.form.NumeroNomi.Testo(), r.at(1));
  EXPECT_EQ(b.form.Command7.Testo(), r.at(2));
  EXPECT_EQ(b.piattaforma.Testi(), r.at(3) == "-" ? std::vector<std::string>{} : std::vector<std::string>{r.at(3)});
}

const prova::Regole regole = {{"posto", Posto}, {"conteggio", Conteggio}};
RIGHE_DATI(Righe, TALEWICK_DATI, regole);

TEST_F(Multipli, IlCambioDiModo_AndataERitorno) {
  for (int giro = 0; giro < 2; ++giro) {
    f.Command6.Scatena(Evento::Click);
    EXPECT_EQ(f.SlotNome1.Altezza(), 3045);
    EXPECT_EQ(f.Larghezza() * 10000 + f.Altezza(), 10140 * 10000 + 6600);
    EXPECT_EQ(f.Command6.Testo() + "|" + f.Command7.Testo(), "Genera un singolo nome|Genera 10 nomi");
    EXPECT_EQ(f.SlotNome1.Dimensione_Carattere(), 8);
    f.Command6.Scatena(Evento::Click);
    EXPECT_EQ(f.SlotNome1.Altezza(), 945);
    EXPECT_EQ(f.Larghezza() * 10000 + f.Altezza(), 7005 * 10000 + 4900);
    EXPECT_EQ(f.Command6.Testo(), "Genera più nomi in una volta");
    EXPECT_EQ(f.SlotNome1.Dimensione_Carattere(), 12);
    f.Timer1_Timer();  // the next tick sets the width from the kind again
    EXPECT_EQ(f.Larghezza(), 10140);
  }
  EXPECT_TRUE(Messaggi().empty());
}

TEST_F(Multipli, IlCambioNonGeneraNulla_OgniModoRitrovaIlSuoTesto) {
  const std::string singolo = f.SlotNome.Testo();
  f.Command6.Scatena(Evento::Click);
  EXPECT_EQ(f.SlotNome1.Testo(), "");
  f.Command6.Scatena(Evento::Click);
  EXPECT_EQ(f.SlotNome.Testo(), singolo);
  EXPECT_TRUE(f.cronologia.nessun_risultato[0]);
}

// ---- Batches.

TEST(Lotto, NomiSuRigheNumerate_SenzaACapoFinale_RiletteOgniVolta) {
  BancoForm1 b(prova::Voci{{"SillabeGenerico", "ka"}});
  b.Avvia();
  auto& f = b.form;
  BancoForm1::Scegli(f.CosaGenerare, "Nomi Personaggi");
  f.Min.Digita("1");
  f.Max.Digita("1");
  f.Command6.Scatena(Evento::Click);
  f.NumeroNomi.Digita("3");
  EXPECT_EQ(f.Command7.Testo(), "Genera 3 nomi");
  f.Command7.Scatena(Evento::Click);
  EXPECT_EQ(f.SlotNome1.Testo(), "1) Ka Ka\r\n2) Ka Ka\r\n3) Ka Ka");
  EXPECT_EQ(b.stato.opzioni.NumeroNomi, "3");
  b.db.Scrivi("SillabeGenerico", "zum");
  f.Command7.Scatena(Evento::Click);
  EXPECT_EQ(f.SlotNome1.Testo(), "1) Zum Zum\r\n2) Zum Zum\r\n3) Zum Zum");
  // The hidden result slot keeps the last result, shown again in single mode.
  f.Command6.Scatena(Evento::Click);
  EXPECT_EQ(f.SlotNome.Testo(), "Zum Zum");
}

// A failed generation shows its message once and leaves no text: one result, or the batch it stops.
TEST_F(Multipli, UnaGenerazioneFallitaFermaIlLotto_UnSoloMessaggio_NessunAvanzo) {
  for (const auto nome : nome_file) b.db.Cancella(nome);
  f.Command1.Scatena(Evento::Click);
  EXPECT_EQ(f.SlotNome.Testo(), "");
  f.Command6.Scatena(Evento::Click);
  f.SlotNome1.Imposta_Testo("lotto di prima");
  f.Command7.Scatena(Evento::Click);
  EXPECT_EQ(f.SlotNome1.Testo(), "");
  ASSERT_EQ(Messaggi().size(), 2u);
  EXPECT_EQ(b.piattaforma.messaggi[1].titolo, "Attenzione!");
  EXPECT_NE(Messaggi()[0].find("Database"), std::string::npos);
  EXPECT_EQ(Messaggi()[0], Messaggi()[1]);
}

// Hidden, the caption follows on the switch; the box takes only three digits.
TEST_F(Multipli, IlConteggioNascosto) {
  f.NumeroNomi.Digita("7");
  EXPECT_EQ(f.Command7.Testo(), "Genera un altro nome");
  f.Command6.Scatena(Evento::Click);
  EXPECT_EQ(f.Command7.Testo(), "Genera 7 nomi");
  EXPECT_FALSE(f.NumeroNomi.Digita("1000"));
  EXPECT_FALSE(f.NumeroNomi.Digita("1e2"));
}

}  // namespace
}  // namespace talewick
