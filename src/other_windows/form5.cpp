#include "other_windows/form5.hpp"

#include <vector>

#include "other_windows/statistiche_tag.hpp"

namespace talewick {
namespace {

using enum Tipo_Controllo;

constexpr int altezza_etichetta = 255;
constexpr int larghezza_etichetta = 2535;

std::vector<DescrizioneControllo> Crea_Disposizione() {
  std::vector<DescrizioneControllo> d;
  // Leaves room for the grand total, the rule and the button as well.
  d.reserve(posti_conteggio + posti_categoria + posti_tag + 3);
  for (int i = 0; i < static_cast<int>(posti_conteggio); ++i) {
    d.push_back({.nome = "Conteggio",
                 .tipo = Etichetta,
                 .indice = i,
                 .sinistra = i % 2 == 0 ? 120 : 3120,
                 .alto = 120 + 240 * (i / 2),
                 .larghezza = larghezza_etichetta,
                 .altezza = altezza_etichetta});
  }
  d.push_back({.nome = "Totale",
               .tipo = Etichetta,
               .sinistra = 9600,
               .alto = 120,
               .larghezza = larghezza_etichetta,
               .altezza = altezza_etichetta});
  for (int k = 0; k < static_cast<int>(posti_categoria); ++k) {
    const bool totale = k == 10;
    d.push_back({.nome = "Categoria",
                 .tipo = Etichetta,
                 .indice = k,
                 .sinistra = totale || k % 2 == 0 ? 6600 : 9600,
                 .alto = totale ? 120 : 480 + 240 * (k / 2),
                 .larghezza = larghezza_etichetta,
                 .altezza = altezza_etichetta});
  }
  for (int t = 0; t < static_cast<int>(posti_tag); ++t) {
    d.push_back({.nome = "TagNome",
                 .tipo = Etichetta,
                 .indice = t,
                 .sinistra = t % 2 == 0 ? 6600 : 9600,
                 .alto = 2160 + 240 * (t / 2),
                 .larghezza = larghezza_etichetta,
                 .altezza = altezza_etichetta});
  }
  d.push_back({.nome = "Line1", .tipo = Linea, .sinistra = 6120, .alto = 0, .larghezza = 0, .altezza = 6720});
  d.push_back({.nome = "Command1",
               .tipo = Pulsante,
               .testo = "Chiudi",
               .sinistra = 5400,
               .alto = 6960,
               .larghezza = 1335,
               .altezza = 495,
               .dimensione_carattere = 9.75,
               .predefinito = true,
               .annullamento = true});
  return d;
}

}  // namespace

std::span<const DescrizioneControllo> Disposizione_Form5() {
  static const std::vector<DescrizioneControllo> disposizione = Crea_Disposizione();
  return disposizione;
}

Form5::Form5(const Archivio& archivio, std::string separatore)
    : Finestra("Form5", "Talewick", larghezza_interna_form5, altezza_interna_form5, Disposizione_Form5()),
      archivio_(archivio),
      separatore_(std::move(separatore)) {
  Collega(Evento_Finestra::Load, [this] { Form_Load(); });
  (*this)["Command1"].Collega(Evento::Click, [this] { Command1_Click(); });
}

void Form5::Form_Load() {
  const TestiStatistiche testi = Testi_Statistiche(archivio_, separatore_);
  for (std::size_t i = 0; i < numero_file; ++i) {
    Controllo& etichetta = (*this)("Conteggio", static_cast<int>(i));
    etichetta.Imposta_Testo(testi.Conteggio[i]);
    etichetta.Imposta_Larghezza(larghezza_riempita);
  }
  for (std::size_t k = 0; k < posti_categoria; ++k) {
    (*this)("Categoria", static_cast<int>(k)).Imposta_Larghezza(larghezza_riempita);
  }
  for (std::size_t k = 0; k < posti_categoria; ++k) {
    (*this)("Categoria", static_cast<int>(k)).Imposta_Testo(testi.Categoria[k]);
  }
  (*this)["Totale"].Imposta_Testo(testi.Totale);
  for (std::size_t t = 0; t < posti_tag; ++t) (*this)("TagNome", static_cast<int>(t)).Imposta_Testo(testi.TagNome[t]);
}

void Form5::Command1_Click() { Nascondi(); }

}  // namespace talewick
