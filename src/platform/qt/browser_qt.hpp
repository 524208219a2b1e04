#pragma once
// `GoURL` on a desktop: the platform's handler for web addresses, reached through Qt (on
// Linux xdg-open, started with its argument list, never through a shell).
#include "main_window/aggiornamento.hpp"

namespace talewick::qt {

class NavigatoreQt final : public Navigatore {
 public:
  // 1 when the platform took the address, 0 when it is no http or https address or no
  // browser could be started.
  int GoURL(std::string_view indirizzo_url) override;
};

}  // namespace talewick::qt
