#include "main_window/pannello.hpp"

#include <gtest/gtest.h>

#include <string>

#include "base/messaggi.hpp"
#include "main_window/banco_form1.hpp"

namespace talewick {
namespace {

using prova::BancoForm1;

// ---- The option panel, kind by kind.

struct RigaPannello {
  const char* nome;
  const char* tipo;
  bool nomi;          // Lung, Min, Max, Tipo, TipoNomi
  bool aggettivi;     // Aggettivi, Opzioni
  int alto_opzioni2;  // 0: hidden
  bool edificio;
  const char* info;  // nullptr: hidden
  int alto_info;
  int larghezza;
};

constexpr int larga = 10140;
constexpr int stretta = 7005;

const RigaPannello righe_pannello[] = {
    {"Personaggi", "Nomi Personaggi", true, false, 0, false, "Puoi impostare le proprietà dei nomi da generare.", 1800,
     larga},
    {"TitoliLibri", "Titoli Libri", true, false, 0, false,
     "Alcuni Titoli di Libri includono dei nomi, puoi impostarne le proprietà.", 1800, larga},
    {"OggettiIntelligenti", "Nomi Oggetti Intelligenti", true, false, 2520, false,
     "Gli Oggetti Intelligenti hanno un nome, puoi impostarne le proprietà.", 1800, larga},
    {"Divinita", "Nomi Divinità", true, false, 0, false, "Le Divinità hanno un nome, puoi impostarne le proprietà.",
     1800, larga},
    {"SpuntiAvventure", "Spunti Avventure", false, true, 0, false, nullptr, 0, larga},
    {"OggettiMagici", "Nomi Oggetti Magici", false, false, 240, false, nullptr, 0, larga},
    {"Edifici", "Nomi Edifici", false, false, 0, true,
     "Inserisci il Nome dell'Edificio, esso comparirà in alcuni risultati.", 1400, larga},
};

class PannelloPerTipo : public ::testing::TestWithParam<RigaPannello> {};

TEST_P(PannelloPerTipo, MostraSoloLeOpzioniDelTipo) {
  const RigaPannello& r = GetParam();
  BancoForm1 b;
  b.Avvia();
  auto& f = b.form;
  // Start from a kind that shows another part of the panel.
  BancoForm1::Scegli(f.CosaGenerare, r.tipo == std::string("Nomi Edifici") ? "Spunti Avventure" : "Nomi Edifici");
  f.Timer1_Timer();
  BancoForm1::Scegli(f.CosaGenerare, r.tipo);
  f.Timer1_Timer();

  for (Controllo* c : {&f.Lung, &f.Min, &f.Max, &f.Tipo, &f.TipoNomi}) {
    EXPECT_EQ(c->Visibile(), r.nomi) << c->Nome();
  }
  EXPECT_EQ(f.Aggettivi.Visibile(), r.aggettivi);
  EXPECT_EQ(f.Opzioni.Visibile(), r.aggettivi);
  EXPECT_EQ(f.Opzioni2.Visibile(), r.alto_opzioni2 != 0);
  if (r.alto_opzioni2 != 0) {
    EXPECT_EQ(f.Opzioni2.Alto(), r.alto_opzioni2);
  }
  EXPECT_EQ(f.OpzioniEdificio.Visibile(), r.edificio);
  EXPECT_EQ(f.Info.Visibile(), r.info != nullptr);
  if (r.info != nullptr) {
    EXPECT_EQ(f.Info.Testo(), r.info);
    EXPECT_EQ(f.Info.Alto(), r.alto_info);
  }
  EXPECT_EQ(f.Larghezza(), r.larghezza);
}

INSTANTIATE_TEST_SUITE_P(Tick, PannelloPerTipo, ::testing::ValuesIn(righe_pannello),
                         [](const auto& info) { return std::string(info.param.nome); });

class PannelloSenzaOpzioni : public ::testing::TestWithParam<const char*> {};

TEST_P(PannelloSenzaOpzioni, NascondeTutto_LasciaIlGruppoEdificio_Restringe) {
  for (const bool edificio_prima : {true, false}) {
    SCOPED_TRACE(edificio_prima ? "gruppo edificio mostrato prima" : "gruppo edificio nascosto prima");
    BancoForm1 b;
    b.Avvia();
    auto& f = b.form;
    BancoForm1::Scegli(f.CosaGenerare, edificio_prima ? "Nomi Edifici" : "Nomi Personaggi");
    f.Timer1_Timer();
    const std::string info_prima = f.Info.Testo();
    BancoForm1::Scegli(f.CosaGenerare, GetParam());
    f.Timer1_Timer();
    for (Controllo* c :
         {&f.Lung, &f.Min, &f.Max, &f.Tipo, &f.TipoNomi, &f.Opzioni2, &f.Aggettivi, &f.Opzioni, &f.Info}) {
      EXPECT_FALSE(c->Visibile()) << c->Nome();
    }
    EXPECT_EQ(f.OpzioniEdificio.Visibile(), edificio_prima);
    EXPECT_EQ(f.Info.Testo(), info_prima);
    EXPECT_EQ(f.Larghezza(), stretta);
  }
}

INSTANTIATE_TEST_SUITE_P(Tick, PannelloSenzaOpzioni, ::testing::Values("Descrizione Pozioni", "Nomi Gruppi"),
                         [](const auto& info) {
                           std::string nome = info.param;
                           std::erase(nome, ' ');
                           return nome;
                         });

TEST(Pannello, RidottaOIngranditaNessunTickCambiaLaLarghezza) {
  for (const auto condizione : {Stato_Finestra::Ridotta, Stato_Finestra::Ingrandita}) {
    SCOPED_TRACE(condizione == Stato_Finestra::Ridotta ? "ridotta" : "ingrandita");
    BancoForm1 b;
    b.Avvia();
    auto& f = b.form;
    ASSERT_EQ(f.Larghezza(), larga);
    f.Imposta_Condizione(condizione);
    BancoForm1::Scegli(f.CosaGenerare, "Nomi Gruppi");
    f.Timer1_Timer();
    EXPECT_EQ(f.Larghezza(), larga);
    EXPECT_FALSE(f.Lung.Visibile());  // the panel itself still follows the kind
    f.Imposta_Condizione(Stato_Finestra::Normale);
    f.Timer1_Timer();
    EXPECT_EQ(f.Larghezza(), stretta);
  }
}

TEST(Pannello, DaOggettiMagiciAIntelligentiIlFiltroScendeSottoLaLunghezza) {
  BancoForm1 b;
  b.Avvia();
  BancoForm1::Scegli(b.form.CosaGenerare, "Nomi Oggetti Magici");
  b.form.Timer1_Timer();
  EXPECT_EQ(b.form.Opzioni2.Alto(), 240);
  BancoForm1::Scegli(b.form.CosaGenerare, "Nomi Oggetti Intelligenti");
  b.form.Timer1_Timer();
  EXPECT_EQ(b.form.Opzioni2.Alto(), 2520);
  EXPECT_GT(b.form.Opzioni2.Alto(), b.form.Info.Alto());
  EXPECT_GT(b.form.Opzioni2.Alto(), b.form.Tipo.Alto());
}

TEST(Pannello, UnTickSuUnaFinestraFermaNonScriveNulla) {
  BancoForm1 b;
  b.Avvia();
  BancoForm1::Scegli(b.form.EdificiPred, "La Gilda");
  b.form.Timer1_Timer();
  const auto revisione = b.form.Revisione();
  for (int i = 0; i < 100; ++i) b.form.Timer1_Timer();
  EXPECT_EQ(b.form.Revisione(), revisione);
}

// ---- People defaults.

struct RigaPopolo {
  const char* popolo;
  const char* min;
  const char* max;
  bool abilitati;
};

const RigaPopolo righe_popoli[] = {
    {"Generico", "2", "3", true},
    {"Nano", "2", "2", true},
    {"Orco", "2", "2", true},
    {"Gnomo", "2", "3", true},
    {"Mezzuomo", "2", "2", true},
    {"Elfo", "2", "3", true},
    {"Demone", "2", "3", true},
    {"Orientale", "2", "3", true},
    {"Troll", "2", "2", true},
    {"Elfo Oscuro", "2", "3", true},
    {"Inglese Composto", "X", "X", false},
};

class PredefinitiPopolo : public ::testing::TestWithParam<RigaPopolo> {};

TEST_P(PredefinitiPopolo, SceltaDelPopoloCaricaLaSuaLunghezza) {
  const RigaPopolo& r = GetParam();
  BancoForm1 b;
  b.Avvia();
  b.form.Min.Imposta_Testo("7");
  b.form.Max.Imposta_Testo("9");
  BancoForm1::Scegli(b.form.TipoNomi, r.popolo);
  EXPECT_EQ(b.form.Min.Testo(), r.min);
  EXPECT_EQ(b.form.Max.Testo(), r.max);
  EXPECT_EQ(b.form.Min.Abilitato(), r.abilitati);
  EXPECT_EQ(b.form.Max.Abilitato(), r.abilitati);
}

INSTANTIATE_TEST_SUITE_P(TipoNomi, PredefinitiPopolo, ::testing::ValuesIn(righe_popoli), [](const auto& info) {
  std::string nome = info.param.popolo;
  std::erase(nome, ' ');
  return nome;
});

TEST(PredefinitiPopolo, DopoIngleseCompostoUnAltroPopoloRiabilitaLeCaselle) {
  BancoForm1 b;
  b.Avvia();
  BancoForm1::Scegli(b.form.TipoNomi, "Inglese Composto");
  BancoForm1::Scegli(b.form.TipoNomi, "Elfo");
  EXPECT_EQ(b.form.Min.Testo(), "2");
  EXPECT_EQ(b.form.Max.Testo(), "3");
  EXPECT_TRUE(b.form.Min.Abilitato());
  EXPECT_TRUE(b.form.Max.Abilitato());
}

// ---- Length boxes and the range check.

TEST(ControlloLunghezze, MinimoOltreIlMassimo_UnSoloMessaggioAncheSeIlTimerContinua) {
  BancoForm1 b;
  b.Avvia();
  auto& f = b.form;
  BancoForm1::Scegli(f.TipoNomi, "Nano");
  ASSERT_TRUE(f.Min.Digita("3"));
  int tick_durante = 0;
  b.piattaforma.mentre_aperto = [&] {
    for (int i = 0; i < 20; ++i, ++tick_durante) f.Timer1_Timer();
    EXPECT_EQ(f.Min.Testo(), "3");  // corrected only once the message is closed
  };
  f.Timer1_Timer();
  ASSERT_EQ(b.piattaforma.messaggi.size(), 1u);
  EXPECT_EQ(tick_durante, 20);
  EXPECT_EQ(b.piattaforma.messaggi[0].testo, "La lunghezza minima non deve essere maggiore di quella massima!");
  EXPECT_EQ(b.piattaforma.messaggi[0].titolo, "Attenzione!");
  EXPECT_EQ(b.piattaforma.messaggi[0].pulsanti, Pulsanti_Messaggio::Ok);
  EXPECT_EQ(f.Min.Testo(), "2");
  f.Timer1_Timer();
  EXPECT_EQ(b.piattaforma.messaggi.size(), 1u);
}

TEST(ControlloLunghezze, UgualiAccettati_IngleseCompostoMaiControllato) {
  BancoForm1 b;
  b.Avvia();
  auto& f = b.form;
  f.Min.Digita("3");
  f.Max.Digita("3");
  f.Timer1_Timer();
  BancoForm1::Scegli(f.TipoNomi, "Inglese Composto");
  f.Timer1_Timer();
  EXPECT_TRUE(b.piattaforma.messaggi.empty());
  EXPECT_EQ(f.Min.Testo(), "X");
}

TEST(ControlloLunghezze, CasellaSvuotataTornaAUno_PoiIlControllo) {
  BancoForm1 b;
  b.Avvia();
  auto& f = b.form;
  f.Min.Digita("");
  f.Timer1_Timer();
  EXPECT_EQ(f.Min.Testo(), "1");
  EXPECT_TRUE(b.piattaforma.messaggi.empty());
  // An emptied maximum under a minimum of 3 becomes 1, and the check then pulls the minimum down.
  f.Min.Digita("3");
  f.Max.Digita("");
  f.Timer1_Timer();
  EXPECT_EQ(f.Max.Testo(), "1");
  EXPECT_EQ(f.Min.Testo(), "1");
  EXPECT_EQ(b.piattaforma.messaggi.size(), 1u);
}

TEST(ControlloLunghezze, LeCaselleAccettanoSoloQuattroCifre) {
  BancoForm1 b;
  b.Avvia();
  for (Controllo* c : {&b.form.Min, &b.form.Max}) {
    SCOPED_TRACE(c->Nome());
    EXPECT_FALSE(c->Digita("2a"));
    EXPECT_FALSE(c->Digita("12345"));
    EXPECT_TRUE(c->Digita("9999"));
  }
}

// ---- Building name.

TEST(NomeEdificio, IlPredefinitoBloccaLaCasella_PersonalizzatoLaRiapreColTestoRimasto) {
  BancoForm1 b;
  b.Avvia();
  auto& f = b.form;
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
