#pragma once
// A platform without screen for window tests: records every request and answers message
// boxes from a script.
#include <deque>
#include <functional>
#include <map>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "main_window/aggiornamento.hpp"
#include "main_window/controlli.hpp"
#include "main_window/piattaforma.hpp"

namespace talewick::prova {

class PiattaformaFinta final : public Piattaforma {
 public:
  struct Messaggio_Mostrato {
    std::string testo;
    std::string titolo;
    Pulsanti_Messaggio pulsanti;
  };

  Risposta_Messaggio Messaggio(std::string_view testo, std::string_view titolo, Pulsanti_Messaggio pulsanti) override;
  void Mostra_Finestra(std::string_view nome) override;
  void Nascondi_Finestra(std::string_view nome) override;
  Finestra* Carica_Finestra(std::string_view nome) override;
  void Termina_Programma() override;

  // Windows the program may reach by name; others are unknown, as on a platform without them.
  void Registra(Finestra& finestra) { finestre_[finestra.Nome()] = &finestra; }

  // Answers of the next message boxes, in order; with none left, OK (or No for a question).
  std::deque<Risposta_Messaggio> risposte;
  // Runs while each message box is open, as the events handled meanwhile would.
  std::function<void()> mentre_aperto;

  std::vector<Messaggio_Mostrato> messaggi;
  std::vector<std::string> richieste;  // "Mostra Form3", "Nascondi Form3", "Carica Form4", "Termina"
  bool terminato = false;

  // The texts of the messages shown so far.
  [[nodiscard]] std::vector<std::string> Testi() const;

 private:
  std::map<std::string, Finestra*, std::less<>> finestre_;
};

// A browser that records the addresses it is asked to open, and fails when told to.
struct NavigatoreFinto final : Navigatore {
  std::vector<std::string> aperti;
  bool lancia = false;
  int GoURL(std::string_view indirizzo) override {
    aperti.emplace_back(indirizzo);
    if (lancia) throw std::runtime_error("nessun browser");
    return 1;
  }
};

}  // namespace talewick::prova
