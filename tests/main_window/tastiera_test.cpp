// The keyboard in the generator window: typing into the number boxes, the checks made when the
// focus leaves them, Return, Esc, the Tab order and the names screen readers read.
#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

#include "base/messaggi.hpp"
#include "support/database_prova.hpp"
#include "main_window/banco_form1.hpp"
#include "other_windows/form3.hpp"
#include "other_windows/form4.hpp"
#include "other_windows/form5.hpp"

namespace talewick {
namespace {

using prova::BancoForm1;

struct NavigatoreMuto final : Navigatore {
  int GoURL(std::string_view) override { return 0; }
};

// ---- Typing key by key: nothing is refilled, clamped or refused while the box has the
// focus; leaving it does what the tick and the count check would have done.

struct RigaDigitazione {
  const char* nome;
  const char* casella;  // "NumeroNomi" (in multiple mode), "Min" or "Max"
  const char* popolo;   // selected before typing
  const char* min;      // written by the program before typing; nullptr keeps the people's
  const char* max;
  const char* passi;              // the box's text after each key, '|' between keys
  const char* uscita_testo;       // the box once the focus has left it
  const char* uscita_min;         // Min once the focus has left
  const char* uscita_messaggio;   // shown on leaving; nullptr: none
  const char* uscita_didascalia;  // Command7's caption after leaving; nullptr: not checked
};

void PrintTo(const RigaDigitazione& riga, std::ostream* uscita) { *uscita << riga.nome; }

const RigaDigitazione righe_digitazione[] = {
    {"Conteggio25", "NumeroNomi", "Generico", nullptr, nullptr, "|2|25", "25", "2", nullptr, "Genera 25 nomi"},
    {"Conteggio007", "NumeroNomi", "Generico", nullptr, nullptr, "0|00|007", "7", "2", nullptr, "Genera 7 nomi"},
    {"ConteggioZero", "NumeroNomi", "Generico", nullptr, nullptr, "|0", "1", "2", "Devi generare almeno un nome!",
     "Genera 1 nome"},
    {"Conteggio150", "NumeroNomi", "Generico", nullptr, nullptr, "|1|15|150", "100", "2",
     "Puoi generare al massimo 100 nomi!", "Genera 100 nomi"},
    {"ConteggioSvuotato", "NumeroNomi", "Generico", nullptr, nullptr, "", "1", "2", nullptr, "Genera 1 nome"},
    {"MaxRiscrittoDa9999A1000", "Max", "Generico", "1000", "9999", "1|10|100|1000", "1000", "1000", nullptr, nullptr},
    {"MaxCancellato", "Max", "Generico", nullptr, nullptr, "", "1", "1",
     "La lunghezza minima non deve essere maggiore di quella massima!", nullptr},
    {"MinOltreIlMassimoDelNano", "Min", "Nano", nullptr, nullptr, "|3", "2", "2",
     "La lunghezza minima non deve essere maggiore di quella massima!", nullptr},
    {"MinConZeroDavanti", "Min", "Generico", nullptr, nullptr, "0|02", "2", "2", nullptr, nullptr},
    {"MinSvuotato", "Min", "Generico", nullptr, nullptr, "", "1", "1", nullptr, nullptr},
};

class Digitazione : public ::testing::TestWithParam<RigaDigitazione> {};

TEST_P(Digitazione, NessunMessaggioScrivendo_IControlliAllUscita) {
  const RigaDigitazione& r = GetParam();
  BancoForm1 b;
  b.Avvia();
  auto& f = b.form;
  BancoForm1::Scegli(f.CosaGenerare, "Nomi Personaggi");
  BancoForm1::Scegli(f.TipoNomi, r.popolo);
  if (r.min != nullptr) f.Min.Imposta_Testo(r.min);
  if (r.max != nullptr) f.Max.Imposta_Testo(r.max);
  f.Timer1_Timer();
  if (std::string(r.casella) == "NumeroNomi") f.Command6.Scatena(Evento::Click);
  Controllo& casella = f[r.casella];
  const std::string min_prima = f.Min.Testo();
  const std::string max_prima = f.Max.Testo();
  const std::string didascalia_prima = f.Command7.Testo();

  b.Digita_Tasti(casella, r.passi);
  const std::string_view passi = r.passi;
  const std::string_view ultimo = passi.substr(passi.rfind('|') == std::string_view::npos ? 0 : passi.rfind('|') + 1);
  EXPECT_EQ(casella.Testo(), ultimo) << "scrivendo";
  EXPECT_TRUE(b.piattaforma.messaggi.empty()) << "scrivendo";
  for (Controllo* altra : {&f.Min, &f.Max}) {
    if (altra != &casella) {
      EXPECT_EQ(altra->Testo(), altra == &f.Min ? min_prima : max_prima) << altra->Nome();
    }
  }
  for (int i = 0; i < 50; ++i) f.Timer1_Timer();
  EXPECT_EQ(casella.Testo(), ultimo) << "il timer lascia stare la casella col fuoco";
  if (r.uscita_didascalia != nullptr && Valore_Intero(ultimo).value_or(0) < 1) {
    EXPECT_EQ(f.Command7.Testo(), didascalia_prima) << "scrivendo";
  }

  f.Imposta_Fuoco(&f.Command1);
  EXPECT_EQ(casella.Testo(), r.uscita_testo);
  EXPECT_EQ(f.Min.Testo(), r.uscita_min);
  if (r.uscita_messaggio == nullptr) {
    EXPECT_TRUE(b.piattaforma.messaggi.empty());
  } else {
    ASSERT_EQ(b.piattaforma.messaggi.size(), 1u);
    EXPECT_EQ(b.piattaforma.messaggi[0].testo, r.uscita_messaggio);
    EXPECT_EQ(b.piattaforma.messaggi[0].titolo, "Attenzione!");
  }
  if (r.uscita_didascalia != nullptr) {
    EXPECT_EQ(f.Command7.Testo(), r.uscita_didascalia);
  }
  f.Timer1_Timer();
  EXPECT_EQ(b.piattaforma.messaggi.size(), r.uscita_messaggio == nullptr ? 0u : 1u) << "nessun messaggio ripetuto";
}

INSTANTIATE_TEST_SUITE_P(Tastiera, Digitazione, ::testing::ValuesIn(righe_digitazione),
                         [](const auto& info) { return std::string(info.param.nome); });

TEST(Lunghezze, DaMinAMaxColTabNessunControllo_UscendoDallaCoppiaSi) {
  {
    SCOPED_TRACE("5..6: il minimo supera il vecchio massimo solo per un momento");
    BancoForm1 b;
    b.Avvia();
    auto& f = b.form;
    BancoForm1::Scegli(f.CosaGenerare, "Nomi Personaggi");
    b.Digita_Tasti(f.Min, "|5");
    b.Digita_Tasti(f.Max, "|6");
    f.Imposta_Fuoco(&f.CosaGenerare);
    EXPECT_TRUE(b.piattaforma.messaggi.empty());
    EXPECT_EQ(f.Min.Testo(), "5");
    EXPECT_EQ(f.Max.Testo(), "6");
  }
  {
    SCOPED_TRACE("5..3 lasciando la coppia");
    BancoForm1 b;
    b.Avvia();
    auto& f = b.form;
    b.Digita_Tasti(f.Min, "|5");
    f.Imposta_Fuoco(&f.Max);
    f.Timer1_Timer();
    EXPECT_TRUE(b.piattaforma.messaggi.empty());
    f.Imposta_Fuoco(&f.Command1);
    EXPECT_EQ(b.piattaforma.Testi(), std::vector<std::string>{std::string(messaggi::lunghezza_minima_maggiore)});
    EXPECT_EQ(f.Min.Testo(), "3");
  }
}

// ---- Return and the default button.

TEST(Invio, AllAvvioIlFuocoSulPulsanteCheGeneraEInvioGenera) {
  BancoForm1 b;
  b.Avvia();
  auto& f = b.form;
  EXPECT_EQ(f.Fuoco(), &f.Command1);
  EXPECT_EQ(f.Pulsante_Predefinito(), &f.Command1);
  ASSERT_TRUE(f.Premi_Invio());
  EXPECT_TRUE(f.cronologia.annulla_disponibile[0]);
  f.Command6.Scatena(Evento::Click);
  EXPECT_EQ(f.Pulsante_Predefinito(), &f.Command7);
  f.Imposta_Fuoco(&f.CosaGenerare);
  ASSERT_TRUE(f.Premi_Invio());
  EXPECT_EQ(std::count(f.SlotNome1.Testo().begin(), f.SlotNome1.Testo().end(), '\n'), 9);
}

TEST(Invio, DaQualsiasiControlloTranneLeCaselleMultiriga) {
  BancoForm1 b;
  b.Avvia();
  auto& f = b.form;
  BancoForm1::Scegli(f.CosaGenerare, "Spunti Avventure");
  f.Timer1_Timer();
  for (Controllo* c : {&f.CosaGenerare, &f.Aggettivi, &f.NomePers}) {
    SCOPED_TRACE(c->Nome());
    f.cronologia.annulla_disponibile[0] = false;
    f.Imposta_Fuoco(c);
    EXPECT_TRUE(f.Premi_Invio());
    EXPECT_TRUE(f.cronologia.annulla_disponibile[0]);
  }
  f.Imposta_Fuoco(&f.SlotNome);
  const std::string risultato = f.SlotNome.Testo();
  EXPECT_FALSE(f.Premi_Invio());  // the box breaks the line itself
  EXPECT_EQ(f.SlotNome.Testo(), risultato);
  // A button with the focus is the one Return presses, as Space does.
  f.Imposta_Fuoco(&f.Command2);
  EXPECT_TRUE(f.Premi_Invio());
  EXPECT_TRUE(b.piattaforma.terminato);
}

TEST(Invio, NellaCasellaDelConteggioLaControllaPrimaDelLotto) {
  BancoForm1 b;
  b.Avvia();
  auto& f = b.form;
  f.Command6.Scatena(Evento::Click);
  b.Digita_Tasti(f.NumeroNomi, "0|00|003");
  ASSERT_TRUE(f.Premi_Invio());
  EXPECT_EQ(f.NumeroNomi.Testo(), "3");
  EXPECT_EQ(f.Command7.Testo(), "Genera 3 nomi");
  EXPECT_EQ(std::count(f.SlotNome1.Testo().begin(), f.SlotNome1.Testo().end(), '\n'), 2);
  EXPECT_TRUE(b.piattaforma.messaggi.empty());
}

TEST(Invio, NellaLunghezzaLaCorreggePrimaDiGenerare) {
  BancoForm1 b;
  b.Avvia();
  auto& f = b.form;
  BancoForm1::Scegli(f.CosaGenerare, "Nomi Personaggi");
  b.Digita_Tasti(f.Min, "|9");
  ASSERT_TRUE(f.Premi_Invio());
  EXPECT_EQ(b.piattaforma.Testi(), std::vector<std::string>{std::string(messaggi::lunghezza_minima_maggiore)});
  EXPECT_EQ(b.stato.opzioni.Min, "3");
  EXPECT_TRUE(f.cronologia.annulla_disponibile[0]);
}

TEST(Lunghezze, OltreMilleIlMessaggioDiceLIntervallo) {
  BancoForm1 b;
  b.Avvia();
  auto& f = b.form;
  BancoForm1::Scegli(f.CosaGenerare, "Nomi Personaggi");
  b.Digita_Tasti(f.Min, "|1|10|100|1000");
  b.Digita_Tasti(f.Max, "|9|99|999|9999");
  f.Premi_Invio();
  EXPECT_EQ(b.piattaforma.Testi(),
            std::vector<std::string>{"La lunghezza \"Max\" deve essere un numero intero da 1 a 1000, non \"9999\"."});
}

// ---- Esc and the Tab order.

TEST(Esc, ChiudeLeFinestreAusiliarie_NonIlGeneratore) {
  prova::DatabaseProva db;
  db.Completa();
  Archivio archivio(db.Cartella());
  Carica_Tutti_File(archivio);
  NavigatoreMuto navigatore;
  Form3 form3(navigatore);
  Form4 form4(archivio);
  Form5 form5(archivio, ",");
  for (Finestra* finestra : std::initializer_list<Finestra*>{&form3, &form4, &form5}) {
    SCOPED_TRACE(finestra->Nome());
    finestra->Mostra();
    EXPECT_TRUE(finestra->Premi_Esc());
    EXPECT_FALSE(finestra->Visibile());
    EXPECT_TRUE(finestra->Caricata());
  }
  BancoForm1 b;
  b.Avvia();
  EXPECT_FALSE(b.form.Premi_Esc());
  EXPECT_FALSE(b.piattaforma.terminato);
}

TEST(Tab, OrdineVisivo) {
  BancoForm1 b;
  std::vector<std::string> ordine;
  for (const Controllo* c : b.form.Ordine_Tab()) ordine.push_back(c->Nome());
  const std::vector<std::string> atteso = {"SlotNome", "SlotNome1",   "Command1", "Command7",   "CosaGenerare",
                                           "Min",      "Max",         "TipoNomi", "Aggettivi",  "ComboOpzioni",
                                           "NomePers", "EdificiPred", "Command6", "NumeroNomi", "Undo",
                                           "Redo",     "Command2",    "Command3", "Command4"};
  EXPECT_EQ(ordine, atteso);
}

// ---- Names for screen readers.

TEST(NomiAccessibili, OgniControlloCheSiUsaHaUnNomeSuUnaRiga) {
  BancoForm1 b;
  b.Avvia();
  NavigatoreMuto navigatore;
  Form3 form3(navigatore);
  Form4 form4(b.archivio);
  Form5 form5(b.archivio, ",");
  for (const Finestra* finestra : std::initializer_list<const Finestra*>{&b.form, &form3, &form4, &form5}) {
    for (const auto& c : finestra->Controlli()) {
      const auto tipo = c->Tipo();
      if (tipo == Tipo_Controllo::Etichetta || tipo == Tipo_Controllo::Cornice || tipo == Tipo_Controllo::Timer ||
          tipo == Tipo_Controllo::Linea) {
        continue;
      }
      SCOPED_TRACE(finestra->Nome() + "." + c->Nome());
      const std::string nome = c->Nome_Accessibile();
      EXPECT_FALSE(nome.empty());
      EXPECT_EQ(nome.find_first_of("\r\n"), std::string::npos);
    }
  }
  EXPECT_EQ(b.form.Undo.Nome_Accessibile(), "Annulla");
  EXPECT_EQ(b.form.Redo.Nome_Accessibile(), "Ripeti");
  b.form.Command6.Scatena(Evento::Click);
  EXPECT_EQ(b.form.Command6.Nome_Accessibile(), "Genera un singolo nome");
  EXPECT_EQ(b.form.Command7.Nome_Accessibile(), "Genera 10 nomi");
}

}  // namespace
}  // namespace talewick
