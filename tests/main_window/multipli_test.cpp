#include "main_window/multipli.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "main_window/banco_form1.hpp"

namespace talewick {
namespace {

using prova::BancoForm1;

// ---- The mode switch.

struct RigaPosto {
  const char* controllo;
  int alto_singolo;
  int alto_multiplo;
};

const RigaPosto righe_posti[] = {
    {"Command1", 1440, 440},   {"Command7", 1440, 440},  {"Command6", 2400, 1400},
    {"Undo", 2400, 1400},      {"Redo", 2400, 1400},     {"Command2", 3000, 2000},
    {"Command3", 3000, 2000},  {"Command4", 3000, 2000}, {"CosaGenerareFrame", 1440, 440},
    {"NGenerare", 2640, 1340}, {"SlotNome1", 360, 2860}, {"SlotNome", 360, 360},
};

TEST(CambioModo, PostiNeiDueModi_AndataERitorno) {
  BancoForm1 b;
  b.Avvia();
  auto& f = b.form;
  for (int giro = 0; giro < 2; ++giro) {
    SCOPED_TRACE("giro " + std::to_string(giro + 1));
    f.Command6.Scatena(Evento::Click);
    for (const auto& r : righe_posti) EXPECT_EQ(f[r.controllo].Alto(), r.alto_multiplo) << r.controllo;
    EXPECT_EQ(f.SlotNome1.Altezza(), 3045);
    EXPECT_EQ(f.Altezza(), 6600);
    EXPECT_EQ(f.Larghezza(), 10140);
    EXPECT_TRUE(f.SlotNome1.Visibile());
    EXPECT_FALSE(f.SlotNome.Visibile());
    EXPECT_TRUE(f.Command7.Visibile());
    EXPECT_FALSE(f.Command1.Visibile());
    EXPECT_TRUE(f.NGenerare.Visibile());
    EXPECT_TRUE(f.NumeroNomi.Visibile());
    EXPECT_EQ(f.Command6.Testo(), "Genera un singolo nome");
    EXPECT_EQ(f.Command7.Testo(), "Genera 10 nomi");
    EXPECT_EQ(f.SlotNome1.Dimensione_Carattere(), 8);

    f.Command6.Scatena(Evento::Click);
    for (const auto& r : righe_posti) EXPECT_EQ(f[r.controllo].Alto(), r.alto_singolo) << r.controllo;
    EXPECT_EQ(f.SlotNome1.Altezza(), 945);
    EXPECT_EQ(f.Altezza(), 4900);
    EXPECT_EQ(f.Larghezza(), 7005);
    EXPECT_FALSE(f.SlotNome1.Visibile());
    EXPECT_TRUE(f.SlotNome.Visibile());
    EXPECT_TRUE(f.Command1.Visibile());
    EXPECT_FALSE(f.Command7.Visibile());
    EXPECT_FALSE(f.NGenerare.Visibile());
    EXPECT_EQ(f.Command6.Testo(), "Genera più nomi in una volta");
    EXPECT_EQ(f.SlotNome1.Dimensione_Carattere(), 12);
    // The next tick sets the width from the kind again.
    f.Timer1_Timer();
    EXPECT_EQ(f.Larghezza(), 10140);
  }
  EXPECT_TRUE(b.piattaforma.messaggi.empty());
}

TEST(CambioModo, NonGeneraNulla_OgniModoRitrovaIlSuoTesto) {
  BancoForm1 b;
  b.Avvia();
  auto& f = b.form;
  const std::string singolo = f.SlotNome.Testo();
  f.Command6.Scatena(Evento::Click);
  EXPECT_EQ(f.SlotNome1.Testo(), "");
  f.Command6.Scatena(Evento::Click);
  EXPECT_EQ(f.SlotNome.Testo(), singolo);
  EXPECT_TRUE(f.cronologia.nessun_risultato[0]);
}

// ---- Batches.

TEST(Multipli, TreNomiSuTreRigheNumerate_SenzaACapoFinale) {
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
  // The hidden result slot keeps the last result, shown again in single mode.
  f.Command6.Scatena(Evento::Click);
  EXPECT_EQ(f.SlotNome.Testo(), "Ka Ka");
}

TEST(Multipli, OgniLottoRileggeIFileCambiatiNelFrattempo) {
  BancoForm1 b(prova::Voci{{"SillabeGenerico", "ka"}});
  b.Avvia();
  auto& f = b.form;
  BancoForm1::Scegli(f.CosaGenerare, "Nomi Personaggi");
  f.Min.Digita("1");
  f.Max.Digita("1");
  f.Command6.Scatena(Evento::Click);
  f.NumeroNomi.Digita("2");
  f.Command7.Scatena(Evento::Click);
  EXPECT_EQ(f.SlotNome1.Testo(), "1) Ka Ka\r\n2) Ka Ka");
  b.db.Scrivi("SillabeGenerico", "zum");
  f.Command7.Scatena(Evento::Click);
  EXPECT_EQ(f.SlotNome1.Testo(), "1) Zum Zum\r\n2) Zum Zum");
}

TEST(Multipli, FormatoDellElenco) {
  EXPECT_EQ(Testo_Multiplo(std::vector<std::string>{"A", "B", "C"}), "1) A\r\n2) B\r\n3) C");
  EXPECT_EQ(Testo_Multiplo(std::vector<std::string>{""}), "1) ");
  std::vector<std::string> cento(100, "x");
  const std::string testo = Testo_Multiplo(cento);
  EXPECT_TRUE(testo.ends_with("\r\n100) x"));
  EXPECT_EQ(std::count(testo.begin(), testo.end(), '\n'), 99);
}

TEST(Multipli, UnaGenerazioneFallitaFermaIlLotto_UnSoloMessaggio_NessunAvanzo) {
  BancoForm1 b;
  b.Avvia();
  auto& f = b.form;
  f.Command6.Scatena(Evento::Click);
  f.Command7.Scatena(Evento::Click);
  ASSERT_FALSE(f.SlotNome1.Testo().empty());
  for (const auto nome : nome_file) b.db.Cancella(nome);
  f.Command7.Scatena(Evento::Click);
  ASSERT_EQ(b.piattaforma.messaggi.size(), 1u);
  EXPECT_EQ(b.piattaforma.messaggi[0].titolo, "Attenzione!");
  EXPECT_EQ(f.SlotNome1.Testo(), "");
  EXPECT_EQ(f.SlotNome.Testo(), "");
}

// ---- The count box, written while it does not have the focus (typing into it: tastiera_test).

struct RigaNumero {
  const char* nome;
  const char* digitato;
  const char* testo;
  const char* didascalia;
  const char* messaggio;  // nullptr: none
};

const RigaNumero righe_numero[] = {
    {"Dieci", "10", "10", "Genera 10 nomi", nullptr},
    {"Uno", "1", "1", "Genera 1 nome", nullptr},
    {"ZeriDavanti", "007", "7", "Genera 7 nomi", nullptr},
    {"Cento", "100", "100", "Genera 100 nomi", nullptr},
    {"Zero", "0", "1", "Genera 1 nome", "Devi generare almeno un nome!"},
    {"TuttiZeri", "000", "1", "Genera 1 nome", "Devi generare almeno un nome!"},
    {"CentoCinquanta", "150", "100", "Genera 100 nomi", "Puoi generare al massimo 100 nomi!"},
    {"Svuotato", "", "1", "Genera 1 nome", nullptr},
};

class NumeroNomi : public ::testing::TestWithParam<RigaNumero> {};

TEST_P(NumeroNomi, ConteggioEDidascalia) {
  const RigaNumero& r = GetParam();
  BancoForm1 b;
  b.Avvia();
  auto& f = b.form;
  f.Command6.Scatena(Evento::Click);
  f.NumeroNomi.Digita("5");
  ASSERT_TRUE(f.NumeroNomi.Digita(r.digitato));
  EXPECT_EQ(f.NumeroNomi.Testo(), r.testo);
  EXPECT_EQ(f.Command7.Testo(), r.didascalia);
  if (r.messaggio == nullptr) {
    EXPECT_TRUE(b.piattaforma.messaggi.empty());
  } else {
    ASSERT_EQ(b.piattaforma.messaggi.size(), 1u);
    EXPECT_EQ(b.piattaforma.messaggi[0].testo, r.messaggio);
    EXPECT_EQ(b.piattaforma.messaggi[0].titolo, "Attenzione!");
  }
}

INSTANTIATE_TEST_SUITE_P(Change, NumeroNomi, ::testing::ValuesIn(righe_numero),
                         [](const auto& info) { return std::string(info.param.nome); });

TEST(NumeroNomiNascosto, LaDidascaliaSegueAlPassaggioDiModo) {
  BancoForm1 b;
  b.Avvia();
  auto& f = b.form;
  f.NumeroNomi.Digita("7");
  EXPECT_EQ(f.Command7.Testo(), "Genera un altro nome");
  f.Command6.Scatena(Evento::Click);
  EXPECT_EQ(f.Command7.Testo(), "Genera 7 nomi");
}

TEST(NumeroNomiNascosto, AccettaSoloTreCifre) {
  BancoForm1 b;
  b.Avvia();
  EXPECT_FALSE(b.form.NumeroNomi.Digita("1000"));
  EXPECT_FALSE(b.form.NumeroNomi.Digita("1e2"));
  EXPECT_EQ(b.form.NumeroNomi.Testo(), "10");
}

}  // namespace
}  // namespace talewick
