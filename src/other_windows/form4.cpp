#include "other_windows/form4.hpp"

#include <array>

#include "base/messaggi.hpp"
#include "other_windows/riepilogo.hpp"

namespace talewick {
namespace {

using enum Tipo_Controllo;

constexpr int sinistra_righe = 120;
constexpr int larghezza_righe = 7095;
constexpr int alto_prima_riga = 1860;
constexpr int passo_righe = 300;

constexpr DescrizioneControllo Riga(std::string_view nome, int posto) {
  return {.nome = nome,
          .tipo = Etichetta,
          .sinistra = sinistra_righe,
          .alto = alto_prima_riga + passo_righe * posto,
          .larghezza = larghezza_righe,
          .altezza = 255};
}

const std::array<DescrizioneControllo, 15> disposizione = {{
    {.nome = "Note2",
     .tipo = Etichetta,
     .testo = "Se i risultati generati non soddisfano bisogna tenere conto che i database hanno moltissimi valori e "
              "potrebbe essere necessario generare più volte prima di ottenere un risultato soddisfacente.",
     .sinistra = sinistra_righe,
     .alto = 120,
     .larghezza = larghezza_righe,
     .altezza = 735},
    {.nome = "Note3",
     .tipo = Etichetta,
     .testo = "Inoltre data la casualità, si può utilizzare il programma anche per ottenere risultati buffi, "
              "irriverenti o maliziosi.",
     .sinistra = sinistra_righe,
     .alto = 900,
     .larghezza = larghezza_righe,
     .altezza = 495},
    {.nome = "Note4",
     .tipo = Etichetta,
     .testo = "Quello che segue è il riepilogo di vocaboli e sillabe a disposizione di ogni categoria:",
     .sinistra = sinistra_righe,
     .alto = 1440,
     .larghezza = larghezza_righe,
     .altezza = 375},
    Riga(ordine_riepilogo[0], 0),
    Riga(ordine_riepilogo[1], 1),
    Riga(ordine_riepilogo[2], 2),
    Riga(ordine_riepilogo[3], 3),
    Riga(ordine_riepilogo[4], 4),
    Riga(ordine_riepilogo[5], 5),
    Riga(ordine_riepilogo[6], 6),
    Riga(ordine_riepilogo[7], 7),
    Riga(ordine_riepilogo[8], 8),
    // Where the word files are, so that the user knows which ones to edit.
    {.nome = "Label11",
     .tipo = Etichetta,
     .sinistra = sinistra_righe,
     .alto = alto_prima_riga + passo_righe * 9 + 60,
     .larghezza = larghezza_righe,
     .altezza = 495},
    {.nome = "Command1",
     .tipo = Pulsante,
     .testo = "Chiudi",
     .sinistra = 3000,
     .alto = 5220,
     .larghezza = 1335,
     .altezza = 495,
     .dimensione_carattere = 9.75,
     .predefinito = true,
     .annullamento = true},
    {.nome = "Label8", .tipo = Etichetta, .sinistra = 4560, .alto = 5340, .larghezza = 2655, .altezza = 255},
}};

}  // namespace

std::span<const DescrizioneControllo> Disposizione_Form4() { return disposizione; }

Form4::Form4(const Archivio& archivio)
    : Finestra("Form4", "Talewick", larghezza_interna_form4, altezza_interna_form4, disposizione), archivio_(archivio) {
  Collega(Evento_Finestra::Load, [this] { Form_Load(); });
  (*this)["Command1"].Collega(Evento::Click, [this] { Command1_Click(); });
}

void Form4::Form_Load() { Refresh_Valori(); }

void Form4::Refresh_Valori() {
  for (const auto& riga : talewick::Refresh_Valori(archivio_)) (*this)[riga.controllo].Imposta_Testo(riga.testo);
  (*this)["Label11"].Imposta_Testo(messaggi::Riga_Cartella_Parole(archivio_.Cartella().string()));
}

void Form4::Command1_Click() { Nascondi(); }

}  // namespace talewick
