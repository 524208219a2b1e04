#include "main_window/form1.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "main_window/banco_form1.hpp"

namespace talewick {
namespace {

using prova::BancoForm1;
using enum Tipo_Controllo;

// ---- The layout, control by control, as the window stands before start-up.

struct RigaDisposizione {
  const char* nome;
  Tipo_Controllo tipo;
  Collocazione posto;
  const char* cornice;
  const char* testo;
  int sinistra, alto, larghezza, altezza;
  bool visibile;
  double carattere;
  const char* suggerimento;
};

constexpr auto finestra = Collocazione::Finestra;
constexpr auto dentro = Collocazione::Dentro;
constexpr auto sopra = Collocazione::Sopra;

const RigaDisposizione righe_disposizione[] = {
    {"Versione", Casella_Testo, finestra, "", "1.12.0", 8520, 3960, 1215, 285, false, 8.25, ""},
    {"OpzioniEdificio", Cornice, finestra, "", "Nome Edificio", 6840, 240, 2895, 1095, false, 8.25, ""},
    {"NomePers", Casella_Testo, dentro, "OpzioniEdificio", "La Locanda", 120, 240, 2655, 285, true, 8.25, ""},
    {"EdificiPred", Elenco, dentro, "OpzioniEdificio", "", 120, 600, 2655, 330, true, 8.25, ""},
    {"Command3", Pulsante, finestra, "", "Crediti", 1560, 3000, 860, 495, true, 9.75, "Riconoscimenti"},
    {"Command2", Pulsante, finestra, "", "Esci", 480, 3000, 975, 495, true, 9.75, "Esci dal Programma"},
    {"Redo", Pulsante, finestra, "", "", 3000, 2400, 495, 495, true, 9.75, "Redo"},
    {"Undo", Pulsante, finestra, "", "", 2400, 2400, 495, 495, true, 9.75, "Undo"},
    {"Aggettivi", Casella_Spunta, sopra, "Opzioni", "Usa anche gli Aggettivi", 6960, 480, 2175, 255, false, 8.25, ""},
    {"SlotNome1", Casella_Testo, finestra, "", "", 240, 360, 6375, 945, false, 12, ""},
    {"NGenerare", Cornice, finestra, "", "N° di Nomi da Generare", 3720, 2640, 2895, 615, false, 8.25, ""},
    {"NumeroNomi", Casella_Testo, dentro, "NGenerare", "10", 120, 240, 2655, 285, false, 8.25, ""},
    {"Command6", Pulsante, finestra, "", "Genera più nomi in una volta", 480, 2400, 1815, 495, true, 8.25, ""},
    {"TipoNomi", Elenco, sopra, "Tipo", "", 6960, 1200, 2655, 330, false, 8.25, ""},
    {"Tipo", Cornice, finestra, "", "Tipologia Nome", 6840, 960, 2895, 735, false, 8.25, ""},
    {"Command4", Pulsante, finestra, "", "Info", 2520, 3000, 975, 495, true, 9.75, "Informazioni sul Programma"},
    {"Max", Casella_Testo, sopra, "Lung", "3", 8760, 480, 615, 315, false, 8.25, ""},
    {"Min", Casella_Testo, sopra, "Lung", "2", 7440, 480, 615, 315, false, 8.25, ""},
    {"SlotNome", Casella_Testo, finestra, "", "", 240, 360, 6375, 945, true, 12, ""},
    {"Command1", Pulsante, finestra, "", "Genera un altro nome", 480, 1440, 3015, 855, true, 9.75, ""},
    {"Lung", Cornice, finestra, "", "Lunghezza Nome (N° Sillabe)", 6840, 240, 2895, 615, false, 8.25, ""},
    {"Label2", Etichetta, dentro, "Lung", "Max", 1440, 240, 495, 255, true, 8.25, ""},
    {"Label1", Etichetta, dentro, "Lung", "Min", 120, 240, 495, 255, true, 8.25, ""},
    {"Opzioni", Cornice, finestra, "", "Opzioni", 6840, 240, 2895, 615, true, 8.25, ""},
    {"Command7", Pulsante, finestra, "", "Genera un altro nome", 480, 1440, 3015, 855, false, 9.75, ""},
    {"Opzioni2", Cornice, finestra, "", "Opzioni", 6840, 2520, 2895, 735, true, 8.25, ""},
    {"ComboOpzioni", Elenco, dentro, "Opzioni2", "", 120, 300, 2655, 330, true, 8.25, ""},
    {"CosaGenerareFrame", Cornice, finestra, "", "Cosa vuoi generare?", 3720, 1440, 2895, 735, true, 8.25, ""},
    {"CosaGenerare", Elenco, dentro, "CosaGenerareFrame", "", 120, 300, 2655, 330, true, 8.25, ""},
    {"Info", Etichetta, finestra, "", "Alcuni Titoli di Libri includono dei nomi, puoi impostarne le proprietà.", 6960,
     1800, 2655, 735, false, 8.25, ""},
};

class Disposizione : public ::testing::TestWithParam<RigaDisposizione> {};

TEST_P(Disposizione, ControlloComeDisegnato) {
  const RigaDisposizione& r = GetParam();
  BancoForm1 b;
  const Controllo& c = b.form[r.nome];
  EXPECT_EQ(c.Tipo(), r.tipo);
  EXPECT_EQ(c.Posto(), r.posto);
  EXPECT_EQ(c.Cornice() == nullptr ? std::string() : c.Cornice()->Nome(), r.cornice);
  EXPECT_EQ(c.Testo(), r.testo);
  EXPECT_EQ(c.Sinistra(), r.sinistra);
  EXPECT_EQ(c.Alto(), r.alto);
  EXPECT_EQ(c.Larghezza(), r.larghezza);
  EXPECT_EQ(c.Altezza(), r.altezza);
  EXPECT_EQ(c.Visibile(), r.visibile);
  EXPECT_EQ(c.Dimensione_Carattere(), r.carattere);
  EXPECT_EQ(c.Suggerimento(), r.suggerimento);
  EXPECT_TRUE(c.Abilitato());
}

INSTANTIATE_TEST_SUITE_P(Form1, Disposizione, ::testing::ValuesIn(righe_disposizione),
                         [](const auto& info) { return std::string(info.param.nome); });

TEST(Form1, OrdineDeiControlliEFigure) {
  BancoForm1 b;
  std::vector<std::string> nomi;
  for (const auto& c : b.form.Controlli()) nomi.push_back(c->Nome());
  std::vector<std::string> attesi;
  for (const auto& r : righe_disposizione) attesi.emplace_back(r.nome);
  attesi.insert(attesi.begin() + 16, "Timer1");
  EXPECT_EQ(nomi, attesi);
  EXPECT_EQ(b.form.Undo.Figura(), Immagine::Annulla);
  EXPECT_EQ(b.form.Redo.Figura(), Immagine::Ripeti);
  EXPECT_EQ(b.form.Timer1.Tipo(), Timer);
  EXPECT_EQ(b.form.Timer1.Intervallo(), 1);
  EXPECT_TRUE(b.form.Timer1.Abilitato());
  EXPECT_EQ(b.form.Aggettivi.Valore(), 1);
  EXPECT_TRUE(b.form.SlotNome.Multilinea());
  EXPECT_TRUE(b.form.SlotNome1.Barra_Verticale());
  EXPECT_FALSE(b.form.SlotNome.Barra_Verticale());
  EXPECT_EQ(b.form.Didascalia(), "Talewick");
  EXPECT_EQ(b.form.Larghezza_Interna(), 9900);
  EXPECT_EQ(b.form.Altezza_Interna(), 4335);
  EXPECT_EQ(b.form.Larghezza(), 10140);
  EXPECT_EQ(b.form.Altezza(), 4900);
}

TEST(Form1, Elenchi) {
  BancoForm1 b;
  using V = std::vector<std::string>;
  EXPECT_EQ(b.form.CosaGenerare.Voci(),
            (V{"Descrizione Pozioni", "Nomi Divinità", "Nomi Edifici", "Nomi Gruppi", "Nomi Oggetti Intelligenti",
               "Nomi Oggetti Magici", "Nomi Personaggi", "Spunti Avventure", "Titoli Libri"}));
  EXPECT_EQ(b.form.TipoNomi.Voci(), (V{"Demone", "Elfo", "Elfo Oscuro", "Generico", "Gnomo", "Inglese Composto",
                                       "Mezzuomo", "Nano", "Orco", "Orientale", "Troll"}));
  EXPECT_EQ(b.form.ComboOpzioni.Voci(),
            (V{"Genera qualsiasi oggetto", "Genera solo nomi di armi", "Genera solo nomi di oggetti"}));
  EXPECT_EQ(b.form.EdificiPred.Voci(), (V{"- Nome Personalizzato -", "La Fucina", "La Gilda", "La Locanda",
                                          "La Taverna", "L'Armeria", "L'Emporio"}));
  for (Controllo* elenco : {&b.form.CosaGenerare, &b.form.TipoNomi, &b.form.ComboOpzioni, &b.form.EdificiPred}) {
    EXPECT_EQ(elenco->Posizione(), -1) << elenco->Nome();
  }
}

// ---- Start-up.

TEST(FormLoad, PredefinitiPrimoRisultatoECronologia) {
  BancoForm1 b;
  b.form.Carica();
  auto& f = b.form;
  EXPECT_EQ(f.CosaGenerare.Posizione(), 2);
  EXPECT_EQ(f.CosaGenerare.Testo(), "Nomi Edifici");
  EXPECT_EQ(f.TipoNomi.Testo(), "Generico");
  EXPECT_EQ(f.Min.Testo(), "2");
  EXPECT_EQ(f.Max.Testo(), "3");
  EXPECT_EQ(f.ComboOpzioni.Posizione(), 0);
  EXPECT_EQ(f.EdificiPred.Posizione(), 0);
  EXPECT_EQ(f.Larghezza(), 7005);
  EXPECT_FALSE(f.SlotNome.Testo().empty());
  EXPECT_TRUE(f.cronologia.nessun_risultato[0]);
  EXPECT_TRUE(f.cronologia.nessun_risultato[1]);
  EXPECT_FALSE(f.cronologia.annulla_disponibile[0]);
  EXPECT_EQ(f.cronologia.conta_multipli, 0);
  EXPECT_TRUE(b.piattaforma.messaggi.empty());
  EXPECT_EQ(b.stato.opzioni.CosaGenerare, "Nomi Edifici");
  EXPECT_EQ(b.stato.opzioni.NomePers, "La Locanda");
  // The first tick widens the window for the building options.
  f.Timer1_Timer();
  EXPECT_EQ(f.Larghezza(), 10140);
  EXPECT_TRUE(f.OpzioniEdificio.Visibile());
}

TEST(FormLoad, RiepilogoCaricatoNascostoConLaVersione_PoiIlControlloAggiornamenti) {
  BancoForm1 b;
  const DescrizioneControllo etichetta[] = {{.nome = "Label8"}};
  Finestra form4("Form4", "Talewick", 6000, 6000, etichetta);
  b.piattaforma.Registra(form4);
  std::vector<std::string> ordine;
  form4.Collega(Evento_Finestra::Load, [&] { ordine.push_back("Form4 " + b.form.SlotNome.Testo()); });
  b.form.controllo_aggiornamento = [&] { ordine.push_back("aggiornamento " + form4["Label8"].Testo()); };
  b.form.Carica();
  ASSERT_EQ(ordine.size(), 2u);
  EXPECT_EQ(ordine[0], "Form4 " + b.form.SlotNome.Testo());
  EXPECT_EQ(ordine[1], "aggiornamento Vers. 1.12.0");
  EXPECT_TRUE(form4.Caricata());
  EXPECT_FALSE(form4.Visibile());
}

TEST(FormLoad, SenzaFileDiParoleUnMessaggioENessunRisultato) {
  BancoForm1 b;
  for (const auto nome : nome_file) b.db.Cancella(nome);
  b.form.Carica();
  ASSERT_EQ(b.piattaforma.messaggi.size(), 1u);
  EXPECT_EQ(b.piattaforma.messaggi[0].titolo, "Attenzione!");
  EXPECT_EQ(b.piattaforma.messaggi[0].pulsanti, Pulsanti_Messaggio::Ok);
  EXPECT_EQ(b.form.SlotNome.Testo(), "");
}

// ---- The generate button and the other buttons.

TEST(Command1, OpzioniLetteDaiControlliAlMomentoDiGenerare) {
  BancoForm1 b;
  b.Avvia();
  auto& f = b.form;
  BancoForm1::Scegli(f.CosaGenerare, "Nomi Personaggi");
  BancoForm1::Scegli(f.TipoNomi, "Inglese Composto");
  BancoForm1::Scegli(f.ComboOpzioni, "Genera solo nomi di armi");
  f.Aggettivi.Imposta_Valore(0);
  f.NomePers.Digita("Il Molo");
  EXPECT_EQ(b.stato.opzioni.CosaGenerare, "Nomi Edifici");  // nothing read before generating
  f.Command1.Scatena(Evento::Click);
  const Opzioni& o = b.stato.opzioni;
  EXPECT_EQ(o.CosaGenerare, "Nomi Personaggi");
  EXPECT_EQ(o.TipoNomi, "Inglese Composto");
  EXPECT_EQ(o.Min, "X");
  EXPECT_EQ(o.Max, "X");
  EXPECT_FALSE(o.Aggettivi);
  EXPECT_EQ(o.ComboOpzioni, "Genera solo nomi di armi");
  EXPECT_EQ(o.NomePers, "Il Molo");
  EXPECT_EQ(o.NumeroNomi, "10");
  EXPECT_EQ(f.SlotNome.Testo(), "Stormstorm");
}

TEST(Command1, PresentazioneDelTipoSulleCaselle) {
  BancoForm1 b;
  b.Avvia();
  auto& f = b.form;
  BancoForm1::Scegli(f.CosaGenerare, "Titoli Libri");
  f.Command1.Scatena(Evento::Click);
  EXPECT_TRUE(f.SlotNome.Corsivo());
  EXPECT_TRUE(f.SlotNome1.Corsivo());
  BancoForm1::Scegli(f.CosaGenerare, "Spunti Avventure");
  f.Command1.Scatena(Evento::Click);
  EXPECT_FALSE(f.SlotNome.Corsivo());
  EXPECT_FALSE(f.SlotNome1.Corsivo());
  EXPECT_EQ(f.SlotNome.Dimensione_Carattere(), 10);
  EXPECT_EQ(f.SlotNome1.Dimensione_Carattere(), 12);
}

TEST(Command1, ParoleDAccessoApronoLeStatistiche_NullAltroCambia) {
  const std::vector<std::string> accesso = {"Vexil", "vexil", "Plink", "plink"};
  for (const auto& parola : accesso) {
    SCOPED_TRACE(parola);
    BancoForm1 b;
    b.Avvia();
    b.form.SlotNome.Digita(parola);
    b.form.Command1.Scatena(Evento::Click);
    EXPECT_EQ(b.piattaforma.richieste.back(), "Mostra Form5");
    EXPECT_EQ(b.form.SlotNome.Testo(), parola);
    EXPECT_TRUE(b.form.cronologia.nessun_risultato[0]);
    EXPECT_EQ(b.form.cronologia.testo_precedente[0], "");
  }
  for (const std::string parola : {"VEXIL", " Vexil"}) {
    SCOPED_TRACE(parola);
    BancoForm1 b;
    b.Avvia();
    b.form.SlotNome.Digita(parola);
    b.form.Command1.Scatena(Evento::Click);
    EXPECT_NE(b.form.SlotNome.Testo(), parola);
    EXPECT_EQ(b.form.cronologia.testo_precedente[0], parola);
  }
}

TEST(Command1, GenerazioneFallitaMostraIlMessaggio_NessunTestoRimasto) {
  BancoForm1 b;
  b.Avvia();
  ASSERT_FALSE(b.form.SlotNome.Testo().empty());
  for (const auto nome : nome_file) b.db.Cancella(nome);
  b.form.Command1.Scatena(Evento::Click);
  ASSERT_EQ(b.piattaforma.messaggi.size(), 1u);
  EXPECT_EQ(b.piattaforma.messaggi[0].titolo, "Attenzione!");
  EXPECT_NE(b.piattaforma.messaggi[0].testo.find("Database"), std::string::npos);
  EXPECT_EQ(b.form.SlotNome.Testo(), "");
}

TEST(AltriPulsanti, EsciCreditiInfoEIlBordo) {
  BancoForm1 b;
  b.Avvia();
  b.form.Command3.Scatena(Evento::Click);
  b.form.Command4.Scatena(Evento::Click);
  EXPECT_FALSE(b.piattaforma.terminato);
  b.form.Command2.Scatena(Evento::Click);
  EXPECT_TRUE(b.piattaforma.terminato);
  b.piattaforma.terminato = false;
  b.form.Chiudi_Dal_Bordo();
  EXPECT_TRUE(b.piattaforma.terminato);
  const std::vector<std::string> attese = {"Carica Form4", "Mostra Form3", "Mostra Form4", "Termina", "Termina"};
  EXPECT_EQ(b.piattaforma.richieste, attese);
}

}  // namespace
}  // namespace talewick
