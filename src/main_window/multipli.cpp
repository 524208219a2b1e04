#include "main_window/multipli.hpp"

#include <algorithm>
#include <vector>

#include "base/messaggi.hpp"
#include "dispatch/dispatcher.hpp"
#include "wordstore/archivio.hpp"

namespace talewick {
namespace {

// The eight buttons that move with the mode, by the same amount.
constexpr int spostamento_pulsanti = 1000;
constexpr int spostamento_numero = 1300;
constexpr int spostamento_elenco = 2500;
constexpr int crescita_elenco = 2100;
constexpr double carattere_elenco_multiplo = 8;
constexpr double carattere_elenco_singolo = 12;

void Sposta_Pulsanti(ControlliForm1& c, int di) {
  for (Controllo* p :
       {&c.Command1, &c.Command2, &c.Command3, &c.Command4, &c.Command6, &c.Command7, &c.Undo, &c.Redo}) {
    p->Imposta_Alto(p->Alto() + di);
  }
}

// The caption of the batch button from the count text as typed ("007" gives "Genera 007 nomi").
void Aggiorna_Command7(ControlliForm1& c) {
  const long long n = Valore_Intero(c.NumeroNomi.Testo()).value_or(0);
  if (n >= 1) c.Command7.Imposta_Testo(messaggi::Genera_Nomi(c.NumeroNomi.Testo(), n == 1));
}

}  // namespace

std::string Testo_Multiplo(std::span<const std::string> risultati) {
  std::string testo;
  for (std::size_t i = 0; i < risultati.size(); ++i) {
    if (i > 0) testo += "\r\n";
    testo += std::to_string(i + 1) + ") " + risultati[i];
  }
  return testo;
}

void Command6_Click(ControlliForm1& c, Finestra& finestra) {
  if (!c.SlotNome1.Visibile()) {
    Sposta_Pulsanti(c, -spostamento_pulsanti);
    c.Command1.Imposta_Visibile(false);
    c.Command7.Imposta_Visibile(true);
    c.CosaGenerareFrame.Imposta_Alto(c.CosaGenerareFrame.Alto() - spostamento_pulsanti);
    c.SlotNome1.Imposta_Alto(c.SlotNome1.Alto() + spostamento_elenco);
    c.SlotNome1.Imposta_Altezza(c.SlotNome1.Altezza() + crescita_elenco);
    finestra.Imposta_Altezza(altezza_multipla);
    c.NGenerare.Imposta_Visibile(true);
    c.NumeroNomi.Imposta_Visibile(true);
    c.NGenerare.Imposta_Alto(c.NGenerare.Alto() - spostamento_numero);
    Aggiorna_Command7(c);
    c.Command6.Imposta_Testo(messaggi::genera_singolo);
    c.SlotNome1.Imposta_Dimensione_Carattere(carattere_elenco_multiplo);
    finestra.Imposta_Larghezza(larghezza_larga);
    c.SlotNome1.Imposta_Visibile(true);
    c.SlotNome.Imposta_Visibile(false);
  } else {
    finestra.Imposta_Altezza(altezza_singola);
    Sposta_Pulsanti(c, spostamento_pulsanti);
    c.Command6.Imposta_Testo(messaggi::genera_multipli);
    c.Command1.Imposta_Visibile(true);
    c.Command7.Imposta_Visibile(false);
    c.CosaGenerareFrame.Imposta_Alto(c.CosaGenerareFrame.Alto() + spostamento_pulsanti);
    c.SlotNome1.Imposta_Alto(c.SlotNome1.Alto() - spostamento_elenco);
    c.SlotNome1.Imposta_Altezza(c.SlotNome1.Altezza() - crescita_elenco);
    c.NGenerare.Imposta_Alto(c.NGenerare.Alto() + spostamento_numero);
    c.SlotNome1.Imposta_Dimensione_Carattere(carattere_elenco_singolo);
    c.SlotNome1.Imposta_Visibile(false);
    c.SlotNome.Imposta_Visibile(true);
    c.NGenerare.Imposta_Visibile(false);
    finestra.Imposta_Larghezza(larghezza_stretta);
  }
}

void Command7_Click(ControlliForm1& c, Stato& stato, Cronologia& cronologia, Piattaforma& piattaforma) {
  stato.contesto.archivio.Nuova_Azione();
  // Only the moment the count reaches 2 matters, so it stops there.
  cronologia.conta_multipli = std::min(cronologia.conta_multipli + 1, 2);
  cronologia.testo_precedente[1] = c.SlotNome1.Testo();
  const auto n = static_cast<std::size_t>(
      std::clamp<long long>(Valore_Intero(stato.opzioni.NumeroNomi).value_or(1), 1, massimo_multipli));

  stato.slot_nome.testo = c.SlotNome.Testo();
  std::vector<std::string> risultati_multipli;
  risultati_multipli.reserve(n);
  std::optional<std::string> errore;
  while (risultati_multipli.size() != n && !errore) {
    errore = Genera_Altro_Valore(stato);
    if (!errore) risultati_multipli.push_back(stato.slot_nome.testo);
  }
  Mostra_Risultato(c, stato.slot_nome);
  // One write of the finished list rather than one per line.
  c.SlotNome1.Imposta_Testo(errore ? std::string() : Testo_Multiplo(risultati_multipli));

  cronologia.annulla_disponibile[1] = true;
  cronologia.ripeti_disponibile[1] = false;
  cronologia.testo_precedente[3].clear();
  if (cronologia.conta_multipli == 2) cronologia.nessun_risultato[1] = false;
  if (errore) Avvisa(piattaforma, *errore);
}

void NumeroNomi_Change(ControlliForm1& c, Piattaforma& piattaforma) {
  if (!c.NumeroNomi.Ha_Fuoco()) {
    Convalida_Numero(c, piattaforma);
  } else if (c.NumeroNomi.Visibile()) {
    Aggiorna_Command7(c);
  }
}

void Convalida_Numero(ControlliForm1& c, Piattaforma& piattaforma) {
  const auto n = Valore_Intero(c.NumeroNomi.Testo());
  std::string numero = "1";
  if (n && *n < 1) {
    Avvisa(piattaforma, messaggi::almeno_un_nome);
  } else if (n && *n > massimo_multipli) {
    Avvisa(piattaforma, messaggi::al_massimo_100);
    numero = std::to_string(massimo_multipli);
  } else if (n) {
    numero = std::to_string(*n);
  }
  // Writing raises Change once more, which finds the text in range and changes nothing.
  c.NumeroNomi.Imposta_Testo(numero);
  if (c.NumeroNomi.Visibile()) Aggiorna_Command7(c);
}

}  // namespace talewick
