#include "main_window/pannello.hpp"

#include <array>

#include "base/messaggi.hpp"

namespace talewick {
namespace {

using enum Mostra_Edificio;

constexpr std::array<Pannello_Tipo, 8> pannelli = {{
    {"Nomi Personaggi", true, false, 0, Nascosto, messaggi::info_personaggi, 1800, larghezza_larga},
    {"Titoli Libri", true, false, 0, Nascosto, messaggi::info_titoli_libri, 1800, larghezza_larga},
    {"Nomi Oggetti Intelligenti", true, false, 2520, Nascosto, messaggi::info_oggetti_intelligenti, 1800,
     larghezza_larga},
    {"Nomi Divinità", true, false, 0, Nascosto, messaggi::info_divinita, 1800, larghezza_larga},
    {"Spunti Avventure", false, true, 0, Nascosto, {}, 0, larghezza_larga},
    {"Nomi Oggetti Magici", false, false, 240, Nascosto, {}, 0, larghezza_larga},
    {"Nomi Edifici", false, false, 0, Mostrato, messaggi::info_edifici, 1400, larghezza_larga},
    // Every other kind ("Descrizione Pozioni", "Nomi Gruppi"): the narrow window cuts the panel off.
    {{}, false, false, 0, Invariato, {}, 0, larghezza_stretta},
}};

// An empty box becomes "1", a number is written back without leading zeros ("007" as "7");
// "X" and anything else stay.
void Riscrivi_Lunghezza(Controllo& casella) {
  if (casella.Testo().empty()) {
    casella.Imposta_Testo("1");
  } else if (const auto valore = Valore_Intero(casella.Testo())) {
    casella.Imposta_Testo(std::to_string(*valore));
  }
}

}  // namespace

std::span<const Pannello_Tipo> Pannelli() { return pannelli; }

const Pannello_Tipo& Pannello_Per_Tipo(std::string_view tipo) {
  for (std::size_t i = 0; i + 1 < pannelli.size(); ++i) {
    if (pannelli[i].tipo == tipo) return pannelli[i];
  }
  return pannelli.back();
}

void TipoNomi_Click(ControlliForm1& c) {
  const auto popolo = Cerca_Popolo(c.TipoNomi.Testo());
  const bool composto = c.TipoNomi.Testo() == inglese_composto;
  if (popolo && !composto) {
    c.Min.Imposta_Testo(std::to_string(popolo->min));
    c.Max.Imposta_Testo(std::to_string(popolo->max));
  }
  if (composto) {
    c.Min.Imposta_Abilitato(false);
    c.Max.Imposta_Abilitato(false);
    c.Min.Imposta_Testo("X");
    c.Max.Imposta_Testo("X");
  } else {
    c.Min.Imposta_Abilitato(true);
    c.Max.Imposta_Abilitato(true);
  }
}

void Pannello_Opzioni::Timer1_Timer() {
  Applica(Pannello_Per_Tipo(c_.CosaGenerare.Testo()));

  if (c_.Min.Testo().empty() && !c_.Min.Ha_Fuoco()) c_.Min.Imposta_Testo("1");
  if (c_.Max.Testo().empty() && !c_.Max.Ha_Fuoco()) c_.Max.Imposta_Testo("1");

  if (!c_.Min.Ha_Fuoco() && !c_.Max.Ha_Fuoco()) Controlla_Lunghezze();

  if (c_.EdificiPred.Testo() != edifici_predefiniti[0]) {
    c_.NomePers.Imposta_Abilitato(false);
    c_.NomePers.Imposta_Testo(c_.EdificiPred.Testo());
  } else {
    c_.NomePers.Imposta_Abilitato(true);
  }
}

void Pannello_Opzioni::Lunghezza_LostFocus(Controllo& casella) {
  Riscrivi_Lunghezza(casella);
  if (!c_.Min.Ha_Fuoco() && !c_.Max.Ha_Fuoco()) Controlla_Lunghezze();
}

void Pannello_Opzioni::Convalida_Lunghezze() {
  Riscrivi_Lunghezza(c_.Min);
  Riscrivi_Lunghezza(c_.Max);
  Controlla_Lunghezze();
}

void Pannello_Opzioni::Applica(const Pannello_Tipo& p) {
  for (Controllo* nomi : {&c_.Lung, &c_.Min, &c_.Max, &c_.Tipo, &c_.TipoNomi}) nomi->Imposta_Visibile(p.nomi);
  c_.Aggettivi.Imposta_Visibile(p.aggettivi);
  c_.Opzioni.Imposta_Visibile(p.aggettivi);
  c_.Opzioni2.Imposta_Visibile(p.alto_opzioni2 != 0);
  if (p.alto_opzioni2 != 0) c_.Opzioni2.Imposta_Alto(p.alto_opzioni2);
  if (p.edificio != Invariato) c_.OpzioniEdificio.Imposta_Visibile(p.edificio == Mostrato);
  c_.Info.Imposta_Visibile(!p.info.empty());
  if (!p.info.empty()) {
    c_.Info.Imposta_Testo(p.info);
    c_.Info.Imposta_Alto(p.alto_info);
  }
  if (finestra_.Condizione() == Stato_Finestra::Normale) finestra_.Imposta_Larghezza(p.larghezza);
}

void Pannello_Opzioni::Controlla_Lunghezze() {
  if (messaggio_aperto_ || c_.TipoNomi.Testo() == inglese_composto) return;
  long long min = 0;
  long long max = 0;
  if (c_.Min.Testo() != "X") {
    min = Valore_Intero(c_.Min.Testo()).value_or(0);
    max = Valore_Intero(c_.Max.Testo()).value_or(0);
  }
  if (min <= max) return;
  messaggio_aperto_ = true;
  struct Chiudi {
    bool& aperto;
    ~Chiudi() { aperto = false; }
  } chiudi{messaggio_aperto_};
  Avvisa(piattaforma_, messaggi::lunghezza_minima_maggiore);
  c_.Min.Imposta_Testo(c_.Max.Testo());
}

}  // namespace talewick
