#include "window/piattaforma.hpp"

#include "core/messaggi.hpp"

namespace talewick {

void Avvisa(Piattaforma& piattaforma, std::string_view testo) {
  piattaforma.Messaggio(testo, messaggi::titolo, Pulsanti_Messaggio::Ok);
}

}  // namespace talewick
