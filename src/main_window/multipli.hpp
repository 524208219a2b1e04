#pragma once
// Multiple results: the mode switch between the single result slot and the numbered batch
// list, the batch itself, and the count box kept within 1..100.
#include <span>
#include <string>

#include "dispatch/azione_genera.hpp"
#include "main_window/disposizione_form1.hpp"
#include "main_window/piattaforma.hpp"

namespace talewick {

inline constexpr int massimo_multipli = 100;

// A batch as the list shows it: "1) " and the first result, then one line per further
// result, lines joined by carriage return and line feed, no line break after the last.
std::string Testo_Multiplo(std::span<const std::string> risultati);

// The mode switch: rearranges the window for the batch list or back for the result slot.
void Command6_Click(ControlliForm1& c, Finestra& finestra);

// A batch of as many results as `NumeroNomi` asks for, generated with the option set in
// `stato` (the caller copies it from the controls). The first failed generation ends the
// batch: its message is shown once and both result boxes are left empty.
void Command7_Click(ControlliForm1& c, Stato& stato, Cronologia& cronologia, Piattaforma& piattaforma);

// Keeps the `Command7` caption in step with the `NumeroNomi` text and, unless the user is
// typing in the box (it has the focus), the text within 1..100.
void NumeroNomi_Change(ControlliForm1& c, Piattaforma& piattaforma);

// The count box left by the focus, or a batch about to start: an empty box becomes "1", a
// count out of 1..100 is refused with its message and clamped, and the box is written back
// as a number ("007" as "7"), the caption following.
void Convalida_Numero(ControlliForm1& c, Piattaforma& piattaforma);

}  // namespace talewick
