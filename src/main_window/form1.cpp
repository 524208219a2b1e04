#include "main_window/form1.hpp"

#include "base/messaggi.hpp"
#include "main_window/annulla.hpp"
#include "main_window/multipli.hpp"

namespace talewick {

Form1::Form1(talewick::Stato& stato, Piattaforma& piattaforma)
    : Finestra("Form1", "Talewick", larghezza_interna_form1, altezza_interna_form1, Disposizione_Form1()),
      ControlliForm1(static_cast<const Finestra&>(*this)),
      stato_(stato),
      piattaforma_(piattaforma),
      pannello_(*this, *this, piattaforma) {
  Finestra::Collega(Evento_Finestra::Load, [this] { Form_Load(); });
  Finestra::Collega(Evento_Finestra::Chiusura, [this] { Command2_Click(); });
  TipoNomi.Collega(Evento::Click, [this] { TipoNomi_Click(); });
  Timer1.Collega(Evento::Timer, [this] { Timer1_Timer(); });
  Command1.Collega(Evento::Click, [this] { Command1_Click(); });
  Command2.Collega(Evento::Click, [this] { Command2_Click(); });
  Command3.Collega(Evento::Click, [this] { Command3_Click(); });
  Command4.Collega(Evento::Click, [this] { Command4_Click(); });
  Command6.Collega(Evento::Click, [this] { Command6_Click(); });
  Command7.Collega(Evento::Click, [this] { Command7_Click(); });
  NumeroNomi.Collega(Evento::Change, [this] { NumeroNomi_Change(); });
  NumeroNomi.Collega(Evento::LostFocus, [this] { NumeroNomi_LostFocus(); });
  Min.Collega(Evento::LostFocus, [this] { Min_LostFocus(); });
  Max.Collega(Evento::LostFocus, [this] { Max_LostFocus(); });
  Undo.Collega(Evento::Click, [this] { Undo_Click(); });
  Redo.Collega(Evento::Click, [this] { Redo_Click(); });
}

void Form1::Form_Load() {
  CosaGenerare.Imposta_Posizione(2);
  TipoNomi.Imposta_Posizione(3);
  ComboOpzioni.Imposta_Posizione(0);
  EdificiPred.Imposta_Posizione(0);
  Imposta_Larghezza(larghezza_stretta);

  Copia_Opzioni();
  stato_.slot_nome.testo = SlotNome.Testo();
  const auto errore = Avvia_Generazione(stato_, cronologia);
  Mostra_Risultato(*this, stato_.slot_nome);
  if (errore) Avvisa(piattaforma_, *errore);

  if (Finestra* riepilogo = piattaforma_.Carica_Finestra("Form4")) {
    if (Controllo* versione = riepilogo->Cerca("Label8"))
      versione->Imposta_Testo(messaggi::Riga_Versione(Versione.Testo()));
  }
  Imposta_Fuoco(&Command1);
  if (controllo_aggiornamento) controllo_aggiornamento();
}

void Form1::TipoNomi_Click() { talewick::TipoNomi_Click(*this); }

void Form1::Timer1_Timer() { pannello_.Timer1_Timer(); }

void Form1::Command1_Click() {
  Convalida_Caselle();
  Copia_Opzioni();
  stato_.slot_nome.testo = SlotNome.Testo();
  const auto esito = talewick::Command1_Click(stato_, cronologia);
  if (esito.apri_statistiche) {
    piattaforma_.Mostra_Finestra("Form5");
    return;
  }
  Mostra_Risultato(*this, stato_.slot_nome);
  if (esito.errore) Avvisa(piattaforma_, *esito.errore);
}

void Form1::Command2_Click() { piattaforma_.Termina_Programma(); }

void Form1::Command3_Click() { piattaforma_.Mostra_Finestra("Form3"); }

void Form1::Command4_Click() { piattaforma_.Mostra_Finestra("Form4"); }

void Form1::Command6_Click() { talewick::Command6_Click(*this, *this); }

void Form1::Command7_Click() {
  Convalida_Caselle();
  Copia_Opzioni();
  talewick::Command7_Click(*this, stato_, cronologia, piattaforma_);
}

void Form1::NumeroNomi_Change() { talewick::NumeroNomi_Change(*this, piattaforma_); }

void Form1::NumeroNomi_LostFocus() { Convalida_Numero(*this, piattaforma_); }

void Form1::Min_LostFocus() { pannello_.Lunghezza_LostFocus(Min); }

void Form1::Max_LostFocus() { pannello_.Lunghezza_LostFocus(Max); }

void Form1::Convalida_Caselle() {
  pannello_.Convalida_Lunghezze();
  if (NumeroNomi.Visibile()) Convalida_Numero(*this, piattaforma_);
}

void Form1::Undo_Click() { talewick::Undo_Click(SlotNome, SlotNome1, cronologia, piattaforma_); }

void Form1::Redo_Click() { talewick::Redo_Click(SlotNome, SlotNome1, cronologia); }

void Form1::Copia_Opzioni() { stato_.opzioni = Leggi_Opzioni(*this); }

}  // namespace talewick
