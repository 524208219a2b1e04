#include "main_window/form1.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "main_window/banco_form1.hpp"

namespace talewick {
namespace {

using prova::BancoForm1;
using Command1 = prova::Generatore;

// ---- Start-up.

TEST(FormLoad, PredefinitiEPrimoRisultato) {
  BancoForm1 b;
  auto& f = b.form;
  f.Carica();
  EXPECT_EQ(f.CosaGenerare.Posizione(), 2);
  EXPECT_EQ(f.ComboOpzioni.Posizione() + f.EdificiPred.Posizione(), 0);
  EXPECT_EQ(f.TipoNomi.Testo() + " " + f.Min.Testo() + ".." + f.Max.Testo(), "Generico 2..3");
  EXPECT_EQ(f.Aggettivi.Valore(), 1);
  EXPECT_FALSE(f.SlotNome.Testo().empty());
  EXPECT_TRUE(b.piattaforma.messaggi.empty());
  EXPECT_EQ(b.stato.opzioni.NomePers, "La Locanda");
  // The first tick widens the window for the building options.
  EXPECT_EQ(f.Larghezza(), 7005);
  f.Timer1_Timer();
  EXPECT_EQ(f.Larghezza(), 10140);
}

TEST(FormLoad, RiepilogoCaricatoNascostoConLaVersione_PoiIlControlloAggiornamenti) {
  BancoForm1 b;
  auto& f = b.form;
  const DescrizioneControllo etichetta[] = {{.nome = "Label8"}};
  Finestra form4("Form4", "Talewick", 6000, 6000, etichetta);
  b.piattaforma.Registra(form4);
  std::vector<std::string> ordine;
  form4.Collega(Evento_Finestra::Load, [&] { ordine.push_back("Form4 " + f.SlotNome.Testo()); });
  f.controllo_aggiornamento = [&] { ordine.push_back("aggiornamento " + form4["Label8"].Testo()); };
  f.Carica();
  EXPECT_EQ(ordine, (std::vector<std::string>{"Form4 " + f.SlotNome.Testo(), "aggiornamento Vers. 1.12.0"}));
  EXPECT_TRUE(form4.Caricata() && !form4.Visibile());
}

// A failed count at start-up is the message shown, once, with no first result after it: not even
// one of a kind that needs no count and would succeed, hiding the message.
TEST(FormLoad, UnConteggioFallitoDaIlSuoMessaggio_NessunPrimoRisultato) {
  BancoForm1 b;
  auto& f = b.form;
  b.db.Cancella("SillabeTroll");
  const std::string messaggio =
      "Il file di parole \"" + (b.db.Cartella() / "SillabeTroll.txt").string() + "\" non esiste.";
  f.Carica();
  EXPECT_EQ(b.piattaforma.Testi(), std::vector<std::string>{messaggio});
  EXPECT_EQ(b.piattaforma.messaggi[0].titolo, "Attenzione!");
  EXPECT_EQ(f.SlotNome.Testo(), "");
  b.stato.opzioni.CosaGenerare = "Nomi Personaggi";
  b.archivio.Nuova_Azione();
  EXPECT_EQ(Avvia_Generazione(b.stato, f.cronologia), messaggio);
  EXPECT_EQ(b.stato.slot_nome.testo, "");
}

// ---- The generate button and the other buttons.

TEST_F(Command1, OpzioniLetteDaiControlliAlMomentoDiGenerare) {
  BancoForm1::Scegli(f.CosaGenerare, "Nomi Personaggi");
  BancoForm1::Scegli(f.TipoNomi, "Inglese Composto");
  BancoForm1::Scegli(f.ComboOpzioni, "Genera solo nomi di armi");
  f.Aggettivi.Imposta_Valore(0);
  f.NomePers.Digita("Il Molo");
  EXPECT_EQ(b.stato.opzioni.CosaGenerare, "Nomi Edifici");  // nothing read before generating
  f.Command1.Scatena(Evento::Click);
  const Opzioni& o = b.stato.opzioni;
  EXPECT_EQ(o.CosaGenerare + "|" + o.TipoNomi + "|" + o.Min + ".." + o.Max + "|" + o.ComboOpzioni + "|" + o.NomePers +
                "|" + o.NumeroNomi + "|" + std::to_string(o.Aggettivi),
            "Nomi Personaggi|Inglese Composto|X..X|Genera solo nomi di armi|Il Molo|10|0");
  EXPECT_EQ(f.SlotNome.Testo(), "Stormstorm");
}

TEST_F(Command1, PresentazioneDelTipoSulleCaselle) {
  BancoForm1::Scegli(f.CosaGenerare, "Titoli Libri");
  f.Command1.Scatena(Evento::Click);
  EXPECT_TRUE(f.SlotNome.Corsivo() && f.SlotNome1.Corsivo());
  BancoForm1::Scegli(f.CosaGenerare, "Spunti Avventure");
  f.Command1.Scatena(Evento::Click);
  EXPECT_FALSE(f.SlotNome.Corsivo() || f.SlotNome1.Corsivo());
  EXPECT_EQ(std::pair(f.SlotNome.Dimensione_Carattere(), f.SlotNome1.Dimensione_Carattere()), std::pair(10.0, 12.0));
}

// An access word opens the statistics window and changes nothing else (which words do: the
// dispatch tests).
TEST_F(Command1, UnaParolaDAccessoApreLeStatistiche) {
  f.SlotNome.Digita("Vexil");
  f.Command1.Scatena(Evento::Click);
  EXPECT_EQ(b.piattaforma.richieste.back(), "Mostra Form5");
  EXPECT_EQ(f.SlotNome.Testo(), "Vexil");
  EXPECT_TRUE(f.cronologia.nessun_risultato[0]);
}

}  // namespace
}  // namespace talewick
