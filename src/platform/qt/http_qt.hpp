#pragma once
// The update check's HTTP fetch with Qt Network: one GET, run to its end in a local event
// loop (the caller waits, as start-up does), bounded in time, in redirects and in bytes.
#include "main_window/aggiornamento.hpp"

namespace talewick::qt {

inline constexpr int massimo_reindirizzamenti = 5;

class ScaricatoreQt final : public Scaricatore {
 public:
  RispostaHttp Scarica(std::string_view indirizzo, std::chrono::milliseconds limite, std::size_t massimo_byte) override;
};

}  // namespace talewick::qt
