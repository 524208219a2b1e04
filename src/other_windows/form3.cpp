#include "other_windows/form3.hpp"

#include <array>
#include <exception>

namespace talewick {
namespace {

using enum Tipo_Controllo;

// The band comes before the link so that the link lies above it. The link's row sits higher
// and wider than the classic layout and the button lower, so that the address fits on one
// line in Arial bold without running under the button.
const std::array<DescrizioneControllo, 8> disposizione = {{
    {.nome = "Label9",
     .tipo = Etichetta,
     .testo = crediti::autore,
     .sinistra = 120,
     .alto = 240,
     .larghezza = 6855,
     .altezza = 375},
    {.nome = "Label1",
     .tipo = Etichetta,
     .testo = crediti::vocaboli,
     .sinistra = 120,
     .alto = 600,
     .larghezza = 6855,
     .altezza = 375},
    {.nome = "Label8",
     .tipo = Etichetta,
     .testo = crediti::inizio,
     .sinistra = 120,
     .alto = 960,
     .larghezza = 6135,
     .altezza = 375},
    {.nome = "Label2",
     .tipo = Etichetta,
     .testo = crediti::contatto,
     .sinistra = 480,
     .alto = 1320,
     .larghezza = 5295,
     .altezza = 615},
    {.nome = "Label4", .tipo = Etichetta, .sinistra = -960, .alto = 1980, .larghezza = 7215, .altezza = 1395},
    {.nome = "Label6",
     .tipo = Etichetta,
     .testo = crediti::invito_sito,
     .sinistra = 240,
     .alto = 2160,
     .larghezza = 1815,
     .altezza = 255},
    {.nome = "Label3",
     .tipo = Etichetta,
     .testo = crediti::sito,
     .sinistra = 2100,
     .alto = 2160,
     .larghezza = 2895,
     .altezza = 255},
    {.nome = "Command1",
     .tipo = Pulsante,
     .testo = "Chiudi",
     .sinistra = 4440,
     .alto = 2520,
     .larghezza = 1335,
     .altezza = 495,
     .dimensione_carattere = 9.75,
     .predefinito = true,
     .annullamento = true},
}};

}  // namespace

std::span<const DescrizioneControllo> Disposizione_Form3() { return disposizione; }

Form3::Form3(Navigatore& navigatore)
    : Finestra("Form3", "Talewick", larghezza_interna_form3, altezza_interna_form3, disposizione),
      navigatore_(navigatore) {
  (*this)["Label3"].Collega(Evento::MouseMove, [this] { Label3_MouseMove(); });
  (*this)["Label4"].Collega(Evento::MouseMove, [this] { Label4_MouseMove(); });
  (*this)["Label3"].Collega(Evento::Click, [this] { Label3_Click(); });
  (*this)["Command1"].Collega(Evento::Click, [this] { Command1_Click(); });
}

void Form3::Label3_MouseMove() {
  Controllo& link = (*this)["Label3"];
  link.Imposta_Colore_Testo(blu);
  link.Imposta_Sottolineato(true);
  link.Imposta_Puntatore(Forma_Puntatore::Personalizzata);
}

void Form3::Label4_MouseMove() {
  Controllo& link = (*this)["Label3"];
  link.Imposta_Colore_Testo(colore_testo_menu);
  link.Imposta_Sottolineato(false);
}

void Form3::Label3_Click() {
  Controllo& link = (*this)["Label3"];
  link.Imposta_Testo(crediti::sito);
  try {
    navigatore_.GoURL(link.Testo());
  } catch (const std::exception&) {
    // A browser that cannot be started is not reported; the window stays open.
  }
}

void Form3::Command1_Click() { Nascondi(); }

}  // namespace talewick
