#include "main_window/disposizione_form1.hpp"

#include <array>

#include "base/messaggi.hpp"
#include "base/versione.hpp"

namespace talewick {
namespace {

using enum Tipo_Controllo;
// NOLINTBEGIN(readability-identifier-naming): they read as the enumerators they stand for.
constexpr auto Dentro = Collocazione::Dentro;
constexpr auto Sopra = Collocazione::Sopra;
// NOLINTEND(readability-identifier-naming)

constexpr double carattere_pulsanti = 9.75;
constexpr double carattere_risultati = 12;

// The digits of a syllable count (a 16-bit number) and of a batch size.
constexpr int cifre_lunghezza = 4;
constexpr int cifre_numero_nomi = 3;

// One control on a row: its name, kind and caption, its box in twips (left, top, width, height),
// its place in the Tab order (-1 for none), and the rest of its traits.
struct Riga {
  std::string_view nome;
  Tipo_Controllo tipo;
  std::string_view testo;
  int sinistra, alto, larghezza, altezza;
  int ordine_tab;
  DescrizioneControllo resto;
};

constexpr DescrizioneControllo Descrizione(const Riga& r) {
  DescrizioneControllo d = r.resto;
  d.nome = r.nome;
  d.tipo = r.tipo;
  d.testo = r.testo;
  d.sinistra = r.sinistra;
  d.alto = r.alto;
  d.larghezza = r.larghezza;
  d.altezza = r.altezza;
  d.ordine_tab = r.ordine_tab;
  return d;
}

// clang-format off
constexpr std::array<Riga, 31> righe = {{
// nome                 tipo            testo                          sin.  alto  larg. alt.  tab  other traits
  {"Versione",          Casella_Testo,  Versione,                      8520, 3960, 1215, 285,  -1,
      {.visibile = false, .nome_accessibile = "Versione"}},
  {"OpzioniEdificio",   Cornice,        "Nome Edificio",               6840, 240,  2895, 1095, -1, {.visibile = false}},
  {"NomePers",          Casella_Testo,  "La Locanda",                  120,  240,  2655, 285,  10,
      {.collocazione = Dentro, .cornice = "OpzioniEdificio", .nome_accessibile = "Nome dell'edificio"}},
  {"EdificiPred",       Elenco,         {},                            120,  600,  2655, 330,  11,
      {.collocazione = Dentro, .cornice = "OpzioniEdificio", .voci = edifici_predefiniti,
       .nome_accessibile = "Nomi di edificio predefiniti"}},
  {"Command3",          Pulsante,       "Crediti",                     1560, 3000, 860,  495,  17,
      {.dimensione_carattere = carattere_pulsanti, .suggerimento = "Riconoscimenti"}},
  {"Command2",          Pulsante,       "Esci",                        480,  3000, 975,  495,  16,
      {.dimensione_carattere = carattere_pulsanti, .suggerimento = "Esci dal Programma"}},
  {"Redo",              Pulsante,       {},                            3000, 2400, 495,  495,  15,
      {.dimensione_carattere = carattere_pulsanti, .suggerimento = "Redo", .immagine = Immagine::Ripeti,
       .nome_accessibile = "Ripeti"}},
  {"Undo",              Pulsante,       {},                            2400, 2400, 495,  495,  14,
      {.dimensione_carattere = carattere_pulsanti, .suggerimento = "Undo", .immagine = Immagine::Annulla,
       .nome_accessibile = "Annulla"}},
  {"Aggettivi",         Casella_Spunta, "Usa anche gli Aggettivi",     6960, 480,  2175, 255,  8,
      {.collocazione = Sopra, .cornice = "Opzioni", .visibile = false, .valore = 1}},
  {"SlotNome1",         Casella_Testo,  {},                            240,  360,  6375, 945,  1,
      {.visibile = false, .dimensione_carattere = carattere_risultati, .multilinea = true, .barra_verticale = true,
       .nome_accessibile = "Elenco dei risultati"}},
  {"NGenerare",         Cornice,        "N° di Nomi da Generare",      3720, 2640, 2895, 615,  -1, {.visibile = false}},
  {"NumeroNomi",        Casella_Testo,  "10",                          120,  240,  2655, 285,  13,
      {.collocazione = Dentro, .cornice = "NGenerare", .visibile = false, .solo_cifre = true,
       .lunghezza_massima = cifre_numero_nomi, .nome_accessibile = "Numero di nomi da generare"}},
  {"Command6",          Pulsante,       messaggi::genera_multipli,     480,  2400, 1815, 495,  12, {}},
  {"TipoNomi",          Elenco,         {},                            6960, 1200, 2655, 330,  7,
      {.collocazione = Sopra, .cornice = "Tipo", .visibile = false, .voci = nomi_popoli, .ordinato = true,
       .nome_accessibile = "Tipologia del nome"}},
  {"Tipo",              Cornice,        "Tipologia Nome",              6840, 960,  2895, 735,  -1, {.visibile = false}},
  {"Command4",          Pulsante,       "Info",                        2520, 3000, 975,  495,  18,
      {.dimensione_carattere = carattere_pulsanti, .suggerimento = "Informazioni sul Programma",
       .nome_accessibile = "Informazioni sul programma"}},
  {"Timer1",            Timer,          {},                            0,    0,    0,    0,    -1, {.intervallo = 1}},
  {"Max",               Casella_Testo,  "3",                           8760, 480,  615,  315,  6,
      {.collocazione = Sopra, .cornice = "Lung", .visibile = false, .solo_cifre = true,
       .lunghezza_massima = cifre_lunghezza, .nome_accessibile = "Lunghezza massima del nome in sillabe"}},
  {"Min",               Casella_Testo,  "2",                           7440, 480,  615,  315,  5,
      {.collocazione = Sopra, .cornice = "Lung", .visibile = false, .solo_cifre = true,
       .lunghezza_massima = cifre_lunghezza, .nome_accessibile = "Lunghezza minima del nome in sillabe"}},
  {"SlotNome",          Casella_Testo,  {},                            240,  360,  6375, 945,  0,
      {.dimensione_carattere = carattere_risultati, .multilinea = true, .nome_accessibile = "Risultato"}},
  {"Command1",          Pulsante,       "Genera un altro nome",        480,  1440, 3015, 855,  2,
      {.dimensione_carattere = carattere_pulsanti, .predefinito = true}},
  {"Lung",              Cornice,        "Lunghezza Nome (N° Sillabe)", 6840, 240,  2895, 615,  -1, {.visibile = false}},
  {"Label2",            Etichetta,      "Max",                         1440, 240,  495,  255,  -1,
      {.collocazione = Dentro, .cornice = "Lung"}},
  {"Label1",            Etichetta,      "Min",                         120,  240,  495,  255,  -1,
      {.collocazione = Dentro, .cornice = "Lung"}},
  {"Opzioni",           Cornice,        "Opzioni",                     6840, 240,  2895, 615,  -1, {}},
  {"Command7",          Pulsante,       "Genera un altro nome",        480,  1440, 3015, 855,  3,
      {.visibile = false, .dimensione_carattere = carattere_pulsanti, .predefinito = true}},
  {"Opzioni2",          Cornice,        "Opzioni",                     6840, 2520, 2895, 735,  -1, {}},
  {"ComboOpzioni",      Elenco,         {},                            120,  300,  2655, 330,  9,
      {.collocazione = Dentro, .cornice = "Opzioni2", .voci = opzioni_oggetti, .ordinato = true,
       .nome_accessibile = "Oggetti da generare"}},
  {"CosaGenerareFrame", Cornice,        "Cosa vuoi generare?",         3720, 1440, 2895, 735,  -1, {}},
  {"CosaGenerare",      Elenco,         {},                            120,  300,  2655, 330,  4,
      {.collocazione = Dentro, .cornice = "CosaGenerareFrame", .voci = tipi_generazione, .ordinato = true,
       .nome_accessibile = "Cosa vuoi generare?"}},
  {"Info",              Etichetta,      messaggi::info_titoli_libri,   6960, 1800, 2655, 735,  -1, {.visibile = false}},
}};
// clang-format on

constexpr auto disposizione = [] {
  std::array<DescrizioneControllo, righe.size()> d{};
  for (std::size_t i = 0; i < righe.size(); ++i) d[i] = Descrizione(righe[i]);
  return d;
}();

}  // namespace

std::span<const DescrizioneControllo> Disposizione_Form1() { return disposizione; }

ControlliForm1::ControlliForm1(const Finestra& f)
    : Versione(f["Versione"]),
      OpzioniEdificio(f["OpzioniEdificio"]),
      NomePers(f["NomePers"]),
      EdificiPred(f["EdificiPred"]),
      Command3(f["Command3"]),
      Command2(f["Command2"]),
      Redo(f["Redo"]),
      Undo(f["Undo"]),
      Aggettivi(f["Aggettivi"]),
      SlotNome1(f["SlotNome1"]),
      NGenerare(f["NGenerare"]),
      NumeroNomi(f["NumeroNomi"]),
      Command6(f["Command6"]),
      TipoNomi(f["TipoNomi"]),
      Tipo(f["Tipo"]),
      Command4(f["Command4"]),
      Timer1(f["Timer1"]),
      Max(f["Max"]),
      Min(f["Min"]),
      SlotNome(f["SlotNome"]),
      Command1(f["Command1"]),
      Lung(f["Lung"]),
      Label2(f["Label2"]),
      Label1(f["Label1"]),
      Opzioni(f["Opzioni"]),
      Command7(f["Command7"]),
      Opzioni2(f["Opzioni2"]),
      ComboOpzioni(f["ComboOpzioni"]),
      CosaGenerareFrame(f["CosaGenerareFrame"]),
      CosaGenerare(f["CosaGenerare"]),
      Info(f["Info"]) {}

Opzioni Leggi_Opzioni(const ControlliForm1& c) {
  Opzioni o;
  o.CosaGenerare = c.CosaGenerare.Testo();
  o.TipoNomi = c.TipoNomi.Testo();
  o.Min = c.Min.Testo();
  o.Max = c.Max.Testo();
  o.Aggettivi = c.Aggettivi.Valore() == 1;
  o.ComboOpzioni = c.ComboOpzioni.Testo();
  o.NomePers = c.NomePers.Testo();
  o.EdificiPred = c.EdificiPred.Testo();
  o.NumeroNomi = c.NumeroNomi.Testo();
  return o;
}

void Mostra_Risultato(ControlliForm1& c, const SlotNome& slot) {
  c.SlotNome.Imposta_Dimensione_Carattere(slot.dimensione_carattere);
  c.SlotNome.Imposta_Corsivo(slot.corsivo);
  c.SlotNome1.Imposta_Corsivo(slot.corsivo);
  c.SlotNome.Imposta_Testo(slot.testo);
}

}  // namespace talewick
