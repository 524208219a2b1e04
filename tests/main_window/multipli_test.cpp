#include "main_window/multipli.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "main_window/banco_form1.hpp"

namespace talewick {
namespace {

using prova::BancoForm1;
using Multipli = prova::Generatore;

// ---- The mode switch: each control's top in single and in multiple mode.

TEST_F(Multipli, PostiNeiDueModi_AndataERitorno) {
  struct Posto {
    const char* controllo;
    int singolo, multiplo;
  };
  const Posto posti[] = {{"Command1", 1440, 440},   {"Command7", 1440, 440},  {"Command6", 2400, 1400},
                         {"Undo", 2400, 1400},      {"Redo", 2400, 1400},     {"Command2", 3000, 2000},
                         {"Command3", 3000, 2000},  {"Command4", 3000, 2000}, {"CosaGenerareFrame", 1440, 440},
                         {"NGenerare", 2640, 1340}, {"SlotNome1", 360, 2860}, {"SlotNome", 360, 360}};
  const auto visibili = [&] {
    std::string testo;
    for (Controllo* c : {&f.SlotNome1, &f.SlotNome, &f.Command7, &f.Command1, &f.NGenerare}) {
      testo += c->Visibile() ? '1' : '0';
    }
    return testo;
  };
  for (int giro = 0; giro < 2; ++giro) {
    f.Command6.Scatena(Evento::Click);
    for (const auto& p : posti) EXPECT_EQ(f[p.controllo].Alto(), p.multiplo) << p.controllo;
    EXPECT_EQ(visibili(), "10101");
    EXPECT_EQ(f.SlotNome1.Altezza(), 3045);
    EXPECT_EQ(f.Larghezza() * 10000 + f.Altezza(), 10140 * 10000 + 6600);
    EXPECT_EQ(f.Command6.Testo(), "Genera un singolo nome");
    EXPECT_EQ(f.Command7.Testo(), "Genera 10 nomi");
    EXPECT_EQ(f.SlotNome1.Dimensione_Carattere(), 8);

    f.Command6.Scatena(Evento::Click);
    for (const auto& p : posti) EXPECT_EQ(f[p.controllo].Alto(), p.singolo) << p.controllo;
    EXPECT_EQ(visibili(), "01010");
    EXPECT_EQ(f.SlotNome1.Altezza(), 945);
    EXPECT_EQ(f.Larghezza() * 10000 + f.Altezza(), 7005 * 10000 + 4900);
    EXPECT_EQ(f.Command6.Testo(), "Genera più nomi in una volta");
    EXPECT_EQ(f.SlotNome1.Dimensione_Carattere(), 12);
    // The next tick sets the width from the kind again.
    f.Timer1_Timer();
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

TEST(Lotto, FormatoDellElenco) {
  EXPECT_EQ(Testo_Multiplo(std::vector<std::string>{"A", "B", "C"}), "1) A\r\n2) B\r\n3) C");
  EXPECT_EQ(Testo_Multiplo(std::vector<std::string>{""}), "1) ");
  const std::string cento = Testo_Multiplo(std::vector<std::string>(100, "x"));
  EXPECT_TRUE(cento.ends_with("\r\n100) x"));
  EXPECT_EQ(std::count(cento.begin(), cento.end(), '\n'), 99);
}

TEST_F(Multipli, UnaGenerazioneFallitaFermaIlLotto_UnSoloMessaggio_NessunAvanzo) {
  f.Command6.Scatena(Evento::Click);
  f.Command7.Scatena(Evento::Click);
  ASSERT_FALSE(f.SlotNome1.Testo().empty());
  for (const auto nome : nome_file) b.db.Cancella(nome);
  f.Command7.Scatena(Evento::Click);
  ASSERT_EQ(Messaggi().size(), 1u);
  EXPECT_EQ(b.piattaforma.messaggi[0].titolo, "Attenzione!");
  EXPECT_EQ(f.SlotNome1.Testo() + f.SlotNome.Testo(), "");
}

// ---- The count box, written while it does not have the focus (typing into it: tastiera_test).

TEST_F(Multipli, IlConteggioScrittoSenzaFuoco) {
  struct Riga {
    const char* scritto;
    const char* testo;
    const char* didascalia;
    const char* messaggio;  // nullptr: none
  };
  const Riga righe[] = {
      {"10", "10", "Genera 10 nomi", nullptr},
      {"1", "1", "Genera 1 nome", nullptr},
      {"007", "7", "Genera 7 nomi", nullptr},
      {"100", "100", "Genera 100 nomi", nullptr},
      {"0", "1", "Genera 1 nome", "Devi generare almeno un nome!"},
      {"000", "1", "Genera 1 nome", "Devi generare almeno un nome!"},
      {"150", "100", "Genera 100 nomi", "Puoi generare al massimo 100 nomi!"},
      {"", "1", "Genera 1 nome", nullptr},
  };
  f.NumeroNomi.Digita("7");
  EXPECT_EQ(f.Command7.Testo(), "Genera un altro nome");  // hidden: the caption follows on the switch
  f.Command6.Scatena(Evento::Click);
  EXPECT_EQ(f.Command7.Testo(), "Genera 7 nomi");
  EXPECT_FALSE(f.NumeroNomi.Digita("1000"));
  EXPECT_FALSE(f.NumeroNomi.Digita("1e2"));
  for (const auto& r : righe) {
    b.piattaforma.messaggi.clear();
    f.NumeroNomi.Digita("5");
    ASSERT_TRUE(f.NumeroNomi.Digita(r.scritto));
    EXPECT_EQ(f.NumeroNomi.Testo(), r.testo) << r.scritto;
    EXPECT_EQ(f.Command7.Testo(), r.didascalia) << r.scritto;
    EXPECT_EQ(Messaggi(), r.messaggio == nullptr ? std::vector<std::string>{} : std::vector<std::string>{r.messaggio})
        << r.scritto;
  }
}

}  // namespace
}  // namespace talewick
