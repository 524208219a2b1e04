#pragma once
// The option panel of the generator window: the people defaults of `TipoNomi` and the
// polling tick that keeps the panel in step with the chosen kind, refills emptied length
// boxes, checks the syllable range and ties `NomePers` to the preset building names.
// The length boxes are left alone while the user types in them: a box with the focus is not
// refilled, and the range is not checked while either box has it. Leaving a box refills it,
// writes it back as a number, and checks the range once the focus is outside both boxes.
#include <span>
#include <string_view>

#include "main_window/disposizione_form1.hpp"
#include "main_window/piattaforma.hpp"

namespace talewick {

enum class Mostra_Edificio : std::uint8_t { Nascosto, Mostrato, Invariato };

// The panel shown for one generation kind.
struct Pannello_Tipo {
  std::string_view tipo;
  bool nomi;                 // Lung, Min, Max, Tipo, TipoNomi
  bool aggettivi;            // Aggettivi, Opzioni
  int alto_opzioni2;         // Opzioni2 shown at this Top; 0: hidden
  Mostra_Edificio edificio;  // OpzioniEdificio
  std::string_view info;     // the hint; empty: Info hidden
  int alto_info;
  int larghezza;  // the window's width, unless minimised or maximised
};

// The kinds with options, then the row every other kind takes.
std::span<const Pannello_Tipo> Pannelli();
const Pannello_Tipo& Pannello_Per_Tipo(std::string_view tipo);

// People defaults: the selected people's syllable range into `Min` and `Max`, or "X" in both
// boxes, disabled, for "Inglese Composto".
void TipoNomi_Click(ControlliForm1& c);

class Pannello_Opzioni {
 public:
  Pannello_Opzioni(ControlliForm1& controlli, Finestra& finestra, Piattaforma& piattaforma)
      : c_(controlli), finestra_(finestra), piattaforma_(piattaforma) {}

  // One tick. Writes only the properties whose value changes, so a steady window costs a
  // comparison per property.
  void Timer1_Timer();

  // The focus left `Min` or `Max`.
  void Lunghezza_LostFocus(Controllo& casella);
  // Before a generation: both boxes refilled, written back as numbers, and the range checked,
  // wherever the focus is.
  void Convalida_Lunghezze();

 private:
  void Applica(const Pannello_Tipo& p);
  void Controlla_Lunghezze();

  ControlliForm1& c_;
  Finestra& finestra_;
  Piattaforma& piattaforma_;
  // The range message is open: the ticks that fire meanwhile skip the check rather than stack
  // a message each.
  bool messaggio_aperto_ = false;
};

}  // namespace talewick
