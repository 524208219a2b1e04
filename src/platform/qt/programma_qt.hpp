#pragma once
// The whole program on a desktop: word store, random source and generation state, the
// generator window with its mirror, the auxiliary windows created on first use, and the
// update check at the end of start-up. Needs a QApplication with `Imposta_Aspetto` applied.
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string_view>

#include "base/versione.hpp"
#include "core/stato.hpp"
#include "main_window/form1.hpp"
#include "other_windows/finestre_ausiliarie.hpp"
#include "platform/qt/browser_qt.hpp"
#include "platform/qt/http_qt.hpp"
#include "platform/qt/piattaforma_qt.hpp"
#include "platform/qt/specchio_finestra.hpp"
#include "wordstore/archivio.hpp"
#include "wordstore/casuale.hpp"

namespace talewick::qt {

struct Impostazioni_Programma {
  std::filesystem::path database = "Database";
  std::optional<std::uint64_t> seme;                                   // none: seeded by the system
  std::string_view host_aggiornamento = talewick::host_aggiornamento;  // empty: no update check
};

class ProgrammaQt {
 public:
  explicit ProgrammaQt(const Impostazioni_Programma& impostazioni = {});

  // Start-up of the generator window, its first tick, then the window shown centred.
  void Avvia();

  [[nodiscard]] Form1& Generatore() { return form1_; }
  [[nodiscard]] SpecchioFinestra& Specchio() { return *specchio_; }
  [[nodiscard]] PiattaformaQt& Piattaforma() { return piattaforma_; }

 private:
  Archivio archivio_;
  std::unique_ptr<Motore_Casuale> casuale_;
  Stato stato_;
  ScaricatoreQt scaricatore_;
  NavigatoreQt navigatore_;
  Servizi_Finestre servizi_;
  PiattaformaQt piattaforma_;
  Form1 form1_;
  std::unique_ptr<SpecchioFinestra> specchio_;
  std::string_view host_;
};

}  // namespace talewick::qt
