// The keyboard in the generator window: typing into the number boxes, the checks made when the
// focus leaves them, Return, Esc, the Tab order and the names screen readers read.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "main_window/banco_form1.hpp"
#include "other_windows/form3.hpp"
#include "other_windows/form4.hpp"
#include "other_windows/form5.hpp"
#include "support/righe_dati.hpp"

namespace talewick {
namespace {

using prova::BancoForm1;
using Tastiera = prova::Generatore;

constexpr const char* min_oltre_max = "La lunghezza minima non deve essere maggiore di quella massima!";

// ---- Typing key by key (digitazione.tsv): nothing is refilled, clamped or refused while the box
// has the focus; leaving it does what the tick and the count check would have done.

void Digita(const std::vector<std::string>& r) {
  ASSERT_GE(r.size(), 8u);
  BancoForm1 b;
  b.Avvia();
  auto& f = b.form;
  BancoForm1::Scegli(f.CosaGenerare, "Nomi Personaggi");
  BancoForm1::Scegli(f.TipoNomi, r[1]);
  if (r[2] != "-") f.Max.Imposta_Testo(r[2]);
  f.Timer1_Timer();
  if (r[0] == "NumeroNomi") f.Command6.Scatena(Evento::Click);
  Controllo& casella = f[r[0]];
  Controllo& altra = &casella == &f.Min ? f.Max : f.Min;
  const std::string testo_altra = altra.Testo();
  const std::string didascalia = f.Command7.Testo();

  b.Digita_Tasti(casella, r[3]);
  for (int i = 0; i < 50; ++i) f.Timer1_Timer();
  EXPECT_EQ(casella.Testo(), r[3].substr(r[3].rfind('|') == std::string::npos ? 0 : r[3].rfind('|') + 1));
  EXPECT_EQ(altra.Testo(), testo_altra) << "scrivendo";
  EXPECT_TRUE(b.piattaforma.messaggi.empty()) << "scrivendo";
  if (r[7] != "-" && casella.Testo().find_first_not_of('0') == std::string::npos) {
    EXPECT_EQ(f.Command7.Testo(), didascalia) << "scrivendo";
  }

  f.Imposta_Fuoco(&f.Command1);
  f.Timer1_Timer();
  EXPECT_EQ(casella.Testo(), r[4]);
  EXPECT_EQ(f.Min.Testo(), r[5]);
  EXPECT_EQ(b.piattaforma.Testi(), r[6] == "-" ? std::vector<std::string>{} : std::vector<std::string>{r[6]});
  if (r[7] != "-") {
    EXPECT_EQ(f.Command7.Testo(), r[7]);
  }
}

const prova::Regole digitazione = {{"digita", Digita}};
RIGHE_DATI(Digitazione, TALEWICK_DATI, digitazione);

// From Min to Max with Tab nothing is checked; leaving the pair is.
TEST_F(Tastiera, LeLunghezzeSiControllanoUscendoDallaCoppia) {
  BancoForm1::Scegli(f.CosaGenerare, "Nomi Personaggi");
  b.Digita_Tasti(f.Min, "|5");
  b.Digita_Tasti(f.Max, "|6");
  f.Imposta_Fuoco(&f.CosaGenerare);
  EXPECT_TRUE(Messaggi().empty());
  EXPECT_EQ(f.Min.Testo() + ".." + f.Max.Testo(), "5..6");
  b.Digita_Tasti(f.Max, "|3");
  f.Imposta_Fuoco(&f.Min);
  f.Timer1_Timer();
  EXPECT_TRUE(Messaggi().empty());
  f.Imposta_Fuoco(&f.Command1);
  EXPECT_EQ(Messaggi(), std::vector<std::string>{min_oltre_max});
  EXPECT_EQ(f.Min.Testo(), "3");
  b.Digita_Tasti(f.Max, "|9|99|999|9999");
  f.Premi_Invio();
  EXPECT_EQ(Messaggi().back(), "La lunghezza \"Max\" deve essere un numero intero da 1 a 1000, non \"9999\".");
}

// ---- Return and the default button.

TEST_F(Tastiera, InvioPremeIlPulsanteCheGenera_TranneNelleCaselleMultiriga) {
  EXPECT_EQ(f.Fuoco(), &f.Command1);
  EXPECT_EQ(f.Pulsante_Predefinito(), &f.Command1);
  BancoForm1::Scegli(f.CosaGenerare, "Spunti Avventure");
  f.Timer1_Timer();
  for (Controllo* c : {&f.Command1, &f.CosaGenerare, &f.Aggettivi, &f.NomePers}) {
    f.cronologia.annulla_disponibile[0] = false;
    f.Imposta_Fuoco(c);
    EXPECT_TRUE(f.Premi_Invio()) << c->Nome();
    EXPECT_TRUE(f.cronologia.annulla_disponibile[0]) << c->Nome();
  }
  f.Imposta_Fuoco(&f.SlotNome);
  const std::string risultato = f.SlotNome.Testo();
  EXPECT_FALSE(f.Premi_Invio());  // the box breaks the line itself
  EXPECT_EQ(f.SlotNome.Testo(), risultato);
  f.Command6.Scatena(Evento::Click);
  EXPECT_EQ(f.Pulsante_Predefinito(), &f.Command7);
  // A button with the focus is the one Return presses, as Space does.
  f.Imposta_Fuoco(&f.Command2);
  EXPECT_TRUE(f.Premi_Invio());
  EXPECT_TRUE(b.piattaforma.terminato);
}

// Return in a box checks it before generating.
TEST_F(Tastiera, InvioControllaLaCasellaPrimaDiGenerare) {
  f.Command6.Scatena(Evento::Click);
  b.Digita_Tasti(f.NumeroNomi, "0|00|003");
  ASSERT_TRUE(f.Premi_Invio());
  EXPECT_EQ(f.Command7.Testo(), "Genera 3 nomi");
  EXPECT_EQ(std::count(f.SlotNome1.Testo().begin(), f.SlotNome1.Testo().end(), '\n'), 2);
  EXPECT_TRUE(Messaggi().empty());
  f.Command6.Scatena(Evento::Click);
  BancoForm1::Scegli(f.CosaGenerare, "Nomi Personaggi");
  b.Digita_Tasti(f.Min, "|9");
  ASSERT_TRUE(f.Premi_Invio());
  EXPECT_EQ(Messaggi(), std::vector<std::string>{min_oltre_max});
  EXPECT_EQ(b.stato.opzioni.Min, "3");
}

// ---- Esc, the Tab order and the names screen readers read, on one line.

TEST_F(Tastiera, EscChiudeLeFinestreAusiliarie_TabInOrdineVisivo_NomiSuUnaRiga) {
  prova::NavigatoreFinto navigatore;
  Form3 form3(navigatore);
  Form4 form4(b.archivio);
  Form5 form5(b.archivio, ",");
  for (Finestra* finestra : std::initializer_list<Finestra*>{&f, &form3, &form4, &form5}) {
    finestra->Mostra();
    EXPECT_EQ(finestra->Premi_Esc(), finestra != &f);
    EXPECT_EQ(finestra->Visibile(), finestra == &f) << finestra->Nome();
    for (const auto& c : finestra->Controlli()) {
      using enum Tipo_Controllo;
      if (c->Tipo() == Etichetta || c->Tipo() == Cornice || c->Tipo() == Timer || c->Tipo() == Linea) continue;
      const std::string nome = c->Nome_Accessibile();
      EXPECT_FALSE(nome.empty()) << finestra->Nome() << "." << c->Nome();
      EXPECT_EQ(nome.find_first_of("\r\n"), std::string::npos) << nome;
    }
  }
  EXPECT_FALSE(b.piattaforma.terminato);
  std::vector<std::string> ordine;
  for (const Controllo* c : f.Ordine_Tab()) ordine.push_back(c->Nome());
  EXPECT_EQ(ordine,
            (std::vector<std::string>{"SlotNome", "SlotNome1", "Command1", "Command7", "CosaGenerare", "Min", "Max",
                                      "TipoNomi", "Aggettivi", "ComboOpzioni", "NomePers", "EdificiPred", "Command6",
                                      "NumeroNomi", "Undo", "Redo", "Command2", "Command3", "Command4"}));
  EXPECT_EQ(f.Undo.Nome_Accessibile() + "|" + f.Redo.Nome_Accessibile(), "Annulla|Ripeti");
  f.Command6.Scatena(Evento::Click);
  EXPECT_EQ(f.Command6.Nome_Accessibile(), "Genera un singolo nome");
  EXPECT_EQ(f.Command7.Nome_Accessibile(), "Genera 10 nomi");
}

}  // namespace
}  // namespace talewick
