#pragma once
// The controls of the generator window: the layout table, a reference to every control by
// its form name, and the two bridges to the generation core (the option set read from the
// controls, the result written back into the result boxes).
#include <span>

#include "core/opzioni.hpp"
#include "core/stato.hpp"
#include "main_window/controlli.hpp"

namespace talewick {

// Sizes of the generator window, in twips.
inline constexpr int larghezza_interna_form1 = 9900;
inline constexpr int altezza_interna_form1 = 4335;
inline constexpr int larghezza_larga = 10140;   // option panel shown
inline constexpr int larghezza_stretta = 7005;  // option panel cut off
inline constexpr int altezza_multipla = 6600;
inline constexpr int altezza_singola = 4900;

// Every control of the generator window, in layout order.
std::span<const DescrizioneControllo> Disposizione_Form1();

struct ControlliForm1 {
  explicit ControlliForm1(const Finestra& f);

  Controllo& Versione;
  Controllo& OpzioniEdificio;
  Controllo& NomePers;
  Controllo& EdificiPred;
  Controllo& Command3;
  Controllo& Command2;
  Controllo& Redo;
  Controllo& Undo;
  Controllo& Aggettivi;
  Controllo& SlotNome1;
  Controllo& NGenerare;
  Controllo& NumeroNomi;
  Controllo& Command6;
  Controllo& TipoNomi;
  Controllo& Tipo;
  Controllo& Command4;
  Controllo& Timer1;
  Controllo& Max;
  Controllo& Min;
  Controllo& SlotNome;
  Controllo& Command1;
  Controllo& Lung;
  Controllo& Label2;
  Controllo& Label1;
  Controllo& Opzioni;
  Controllo& Command7;
  Controllo& Opzioni2;
  Controllo& ComboOpzioni;
  Controllo& CosaGenerareFrame;
  Controllo& CosaGenerare;
  Controllo& Info;
};

// The option set as the controls hold it now.
Opzioni Leggi_Opzioni(const ControlliForm1& c);

// Shows the result slot in `SlotNome` (text, size, italics) and its italics on `SlotNome1`.
void Mostra_Risultato(ControlliForm1& c, const SlotNome& slot);

}  // namespace talewick
