#pragma once
// The platform of the window models on a desktop: QMessageBox for the message boxes, the
// program's other windows created by name from a factory on first use (each with its mirror)
// and then only shown and hidden, and the end of the program.
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>

#include "main_window/piattaforma.hpp"
#include "platform/qt/specchio_finestra.hpp"

namespace talewick::qt {

// The model window of a form name, not yet loaded; nothing for a name the program lacks.
using Fabbrica_Finestre = std::function<std::unique_ptr<Finestra>(std::string_view nome)>;

class PiattaformaQt final : public Piattaforma {
 public:
  explicit PiattaformaQt(Fabbrica_Finestre fabbrica = {});
  ~PiattaformaQt() override;

  // Makes a window owned elsewhere (the generator window) reachable by its name.
  void Registra(SpecchioFinestra& specchio);

  // A box titled `titolo` with plain `testo`, no icon, OK or Yes and No; modal.
  Risposta_Messaggio Messaggio(std::string_view testo, std::string_view titolo, Pulsanti_Messaggio pulsanti) override;
  void Mostra_Finestra(std::string_view nome) override;
  void Nascondi_Finestra(std::string_view nome) override;
  Finestra* Carica_Finestra(std::string_view nome) override;
  // Hides every window at once and leaves the event loop.
  void Termina_Programma() override;

  [[nodiscard]] bool Terminato() const { return terminato_; }
  // The mirror of a window created or registered so far.
  [[nodiscard]] SpecchioFinestra* Specchio(std::string_view nome) const;

 private:
  // The mirror is destroyed first, detaching from its model.
  struct Creata {
    std::unique_ptr<Finestra> modello;
    std::unique_ptr<SpecchioFinestra> specchio;
  };
  Fabbrica_Finestre fabbrica_;
  std::map<std::string, Creata, std::less<>> create_;
  std::map<std::string, SpecchioFinestra*, std::less<>> registrate_;
  bool terminato_ = false;
};

}  // namespace talewick::qt
