#include "other_windows/finestre_ausiliarie.hpp"

#include "other_windows/form3.hpp"
#include "other_windows/form4.hpp"
#include "other_windows/form5.hpp"

namespace talewick {

std::unique_ptr<Finestra> Crea_Finestra_Ausiliaria(std::string_view nome, const Servizi_Finestre& servizi) {
  if (nome == "Form3") return std::make_unique<Form3>(servizi.navigatore);
  if (nome == "Form4") return std::make_unique<Form4>(servizi.archivio);
  if (nome == "Form5") return std::make_unique<Form5>(servizi.archivio, servizi.separatore_decimale);
  return nullptr;
}

}  // namespace talewick
