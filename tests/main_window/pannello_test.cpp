#include "main_window/pannello.hpp"

#include <gtest/gtest.h>

#include <string>

#include "main_window/banco_form1.hpp"
#include "support/righe_dati.hpp"

namespace talewick {
namespace {

using prova::BancoForm1;
using Pannello = prova::Generatore;

// ---- The option panel kind by kind, and the people's lengths: the rows of pannello.tsv.

void Pannello_Del_Tipo(const std::vector<std::string>& r) {
  BancoForm1 b;
  b.Avvia();
  auto& f = b.form;
  for (const auto& tipo : {r.at(0), r.at(1)}) {
    BancoForm1::Scegli(f.CosaGenerare, tipo);
    f.Timer1_Timer();
  }
  for (Controllo* c : {&f.Lung, &f.Min, &f.Max, &f.Tipo, &f.TipoNomi}) {
    EXPECT_EQ(c->Visibile(), r.at(2) == "1") << c->Nome();
  }
  EXPECT_EQ(f.Aggettivi.Visibile(), r.at(3) == "1");
  EXPECT_EQ(f.Opzioni.Visibile(), r.at(3) == "1");
  EXPECT_EQ(f.Opzioni2.Visibile() ? f.Opzioni2.Alto() : 0, std::stoi(r.at(4)));
  EXPECT_EQ(f.OpzioniEdificio.Visibile(), r.at(5) == "1");
  EXPECT_EQ(f.Info.Visibile() ? f.Info.Testo() : "", r.at(6));
  EXPECT_EQ(f.Info.Visibile() ? f.Info.Alto() : 0, std::stoi(r.at(7)));
  EXPECT_EQ(f.Larghezza(), std::stoi(r.at(8)));
}

void Lunghezze_Del_Popolo(const std::vector<std::string>& r) {
  BancoForm1 b;
  b.Avvia();
  auto& f = b.form;
  BancoForm1::Scegli(f.TipoNomi, "Inglese Composto");
  f.Min.Imposta_Testo("7");
  f.Max.Imposta_Testo("9");
  BancoForm1::Scegli(f.TipoNomi, r.at(0));
  EXPECT_EQ(f.Min.Testo() + ".." + f.Max.Testo(), r.at(1) + ".." + r.at(2));
  EXPECT_EQ(f.Min.Abilitato(), r.at(3) == "1");
  EXPECT_EQ(f.Max.Abilitato(), r.at(3) == "1");
  f.Timer1_Timer();  // the tick checks the lengths the people set: none is refused
  EXPECT_TRUE(b.piattaforma.messaggi.empty());
}

const prova::Regole regole = {{"pannello", Pannello_Del_Tipo}, {"popolo", Lunghezze_Del_Popolo}};
RIGHE_DATI(Righe, TALEWICK_DATI, regole);

TEST_F(Pannello, RidottaOIngranditaNessunTickCambiaLaLarghezza) {
  for (const auto condizione : {Stato_Finestra::Ridotta, Stato_Finestra::Ingrandita, Stato_Finestra::Normale}) {
    BancoForm1::Scegli(f.CosaGenerare, "Nomi Edifici");
    f.Timer1_Timer();
    ASSERT_EQ(f.Larghezza(), 10140);
    f.Imposta_Condizione(condizione);
    BancoForm1::Scegli(f.CosaGenerare, "Nomi Gruppi");
    f.Timer1_Timer();
    EXPECT_EQ(f.Larghezza(), condizione == Stato_Finestra::Normale ? 7005 : 10140);
    EXPECT_FALSE(f.Lung.Visibile());  // the panel itself still follows the kind
    f.Imposta_Condizione(Stato_Finestra::Normale);
  }
}

TEST_F(Pannello, UnTickSuUnaFinestraFermaNonScriveNulla) {
  BancoForm1::Scegli(f.EdificiPred, "La Gilda");
  f.Timer1_Timer();
  const auto revisione = f.Revisione();
  for (int i = 0; i < 100; ++i) f.Timer1_Timer();
  EXPECT_EQ(f.Revisione(), revisione);
}

// ---- Length boxes checked by the tick, while none has the focus.

TEST_F(Pannello, MinimoOltreIlMassimo_UnSoloMessaggioAncheSeIlTimerContinua) {
  BancoForm1::Scegli(f.TipoNomi, "Nano");
  ASSERT_TRUE(f.Min.Digita("3"));
  int tick_durante = 0;
  b.piattaforma.mentre_aperto = [&] {
    for (int i = 0; i < 20; ++i, ++tick_durante) f.Timer1_Timer();
    EXPECT_EQ(f.Min.Testo(), "3");  // corrected only once the message is closed
  };
  f.Timer1_Timer();
  f.Timer1_Timer();
  EXPECT_EQ(Messaggi(), std::vector<std::string>{"La lunghezza minima non deve essere maggiore di quella massima!"});
  EXPECT_EQ(tick_durante, 20);
  EXPECT_EQ(b.piattaforma.messaggi[0].titolo, "Attenzione!");
  EXPECT_EQ(b.piattaforma.messaggi[0].pulsanti, Pulsanti_Messaggio::Ok);
  EXPECT_EQ(f.Min.Testo(), "2");
}

// ---- Building name.

TEST_F(Pannello, IlPredefinitoBloccaLaCasella_PersonalizzatoLaRiapreColTestoRimasto) {
  EXPECT_TRUE(f.NomePers.Abilitato());
  EXPECT_EQ(f.NomePers.Testo(), "La Locanda");
  BancoForm1::Scegli(f.EdificiPred, "La Taverna");
  f.Timer1_Timer();
  EXPECT_FALSE(f.NomePers.Abilitato());
  EXPECT_EQ(f.NomePers.Testo(), "La Taverna");
  BancoForm1::Scegli(f.EdificiPred, "- Nome Personalizzato -");
  f.Timer1_Timer();
  EXPECT_TRUE(f.NomePers.Abilitato());
  EXPECT_EQ(f.NomePers.Testo(), "La Taverna");
}

}  // namespace
}  // namespace talewick
