#pragma once
// The generator window `Form1`: its controls (main_window/disposizione_form1.hpp), its handlers,
// and the window-level history. The option panel is main_window/pannello.hpp, multiple results
// main_window/multipli.hpp, undo and redo main_window/annulla.hpp; this class binds them to the events
// and bridges to the generation core (the option set is copied from the controls at the
// moment of generating).
//
// Other windows are reached through the platform by their form names: "Form3" (credits),
// "Form4" (database summary, loaded hidden at start-up, its label "Label8" given the version
// line) and "Form5" (tag statistics, opened by an access word).
//
// Start-up leaves the focus on the generate button, which is the window's default button
// (Return presses it). The number boxes are checked when the focus leaves them and before
// every generation, never while the user types in them.
#include <functional>

#include "core/stato.hpp"
#include "dispatch/azione_genera.hpp"
#include "main_window/controlli.hpp"
#include "main_window/disposizione_form1.hpp"
#include "main_window/pannello.hpp"
#include "main_window/piattaforma.hpp"

namespace talewick {

class Form1 : public Finestra, public ControlliForm1 {
 public:
  Form1(Stato& stato, Piattaforma& piattaforma);

  // Start-up; bound to the Load event, so `Carica()` or `Mostra()` runs it once.
  void Form_Load();

  void TipoNomi_Click();
  void Timer1_Timer();
  void Command1_Click();
  void Command2_Click();
  void Command3_Click();
  void Command4_Click();
  void Command6_Click();
  void Command7_Click();
  void NumeroNomi_Change();
  void NumeroNomi_LostFocus();
  void Min_LostFocus();
  void Max_LostFocus();
  void Undo_Click();
  void Redo_Click();

  // The update check, the last step of start-up; none until one is provided.
  std::function<void()> controllo_aggiornamento;

  Cronologia cronologia;

 private:
  void Copia_Opzioni();
  // The checks the number boxes would get on losing the focus, before a generation.
  void Convalida_Caselle();

  talewick::Stato& stato_;
  Piattaforma& piattaforma_;
  Pannello_Opzioni pannello_;
};

}  // namespace talewick
