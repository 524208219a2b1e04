#pragma once
// What the window logic asks of the platform beyond its own window: modal message boxes,
// the other windows of the program (by their form names, created on first use), and the end
// of the program. The Qt layer implements it on screen; tests answer from a script.
#include <string_view>

namespace talewick {

class Finestra;

enum class Pulsanti_Messaggio { Ok, Si_No };
enum class Risposta_Messaggio { Ok, Si, No };

class Piattaforma {
 public:
  virtual ~Piattaforma() = default;

  // Shows a modal message box without icon and returns the button pressed; the caller waits,
  // while the other events (timer ticks included) keep being handled.
  virtual Risposta_Messaggio Messaggio(std::string_view testo, std::string_view titolo,
                                       Pulsanti_Messaggio pulsanti) = 0;

  // Shows the window `nome`, creating and loading it the first time, without blocking.
  virtual void Mostra_Finestra(std::string_view nome) = 0;
  virtual void Nascondi_Finestra(std::string_view nome) = 0;
  // The window `nome`, created and loaded but left as it is shown or hidden; nothing when the
  // program has no such window.
  virtual Finestra* Carica_Finestra(std::string_view nome) = 0;

  // Ends the program at once, whatever windows are open.
  virtual void Termina_Programma() = 0;
};

// The program's warning: a modal box titled "Attenzione!" with one OK button.
void Avvisa(Piattaforma& piattaforma, std::string_view testo);

}  // namespace talewick
