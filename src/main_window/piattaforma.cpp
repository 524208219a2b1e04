#include "main_window/piattaforma.hpp"

#include "base/messaggi.hpp"

namespace talewick {

void Avvisa(Piattaforma& piattaforma, std::string_view testo) {
  piattaforma.Messaggio(testo, messaggi::titolo, Pulsanti_Messaggio::Ok);
}

}  // namespace talewick
