#pragma once
// The auxiliary windows, toolkit-free like the generator window: the credits `Form3`
// (other_windows/form3.hpp), the database summary `Form4` (other_windows/form4.hpp, its lines computed by
// other_windows/riepilogo.hpp) and the tag statistics `Form5` (other_windows/form5.hpp, its texts by
// other_windows/statistiche_tag.hpp). The platform creates them by form name when the generator
// window first asks for one, and afterwards only shows and hides them.
#include <memory>
#include <string>
#include <string_view>

#include "main_window/aggiornamento.hpp"
#include "main_window/controlli.hpp"
#include "wordstore/archivio.hpp"

namespace talewick {

// What the auxiliary windows read and call; it must outlive them.
struct Servizi_Finestre {
  const Archivio& archivio;
  Navigatore& navigatore;
  std::string separatore_decimale;  // of the user's locale
};

// The window of that form name, not yet loaded; none for a name that is no auxiliary window.
std::unique_ptr<Finestra> Crea_Finestra_Ausiliaria(std::string_view nome, const Servizi_Finestre& servizi);

}  // namespace talewick
