#pragma once
// The tag statistics window `Form5`: label arrays for the entries of every word file
// (`Conteggio`), the nouns per category with their shares (`Categoria`, place 10 the noun
// total), the total of all entries (`Totale`) and the tagged-entry counts (`TagNome`). It is
// filled once, by its Load event at the first showing, and afterwards only hidden and shown.
#include <span>
#include <string>

#include "main_window/controlli.hpp"
#include "wordstore/archivio.hpp"

namespace talewick {

inline constexpr int larghezza_interna_form5 = 12585;
inline constexpr int altezza_interna_form5 = 7770;
inline constexpr int larghezza_riempita = 3800;

std::span<const DescrizioneControllo> Disposizione_Form5();

class Form5 : public Finestra {
 public:
  // `separatore` is the decimal separator of the user's locale, written in the shares.
  Form5(const Archivio& archivio, std::string separatore);

  void Form_Load();
  void Command1_Click();

 private:
  const Archivio& archivio_;
  std::string separatore_;
};

}  // namespace talewick
