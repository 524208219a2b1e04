#pragma once
// The database summary window `Form4`: three notes, the nine summary lines, the word-file folder
// being read, the version line (written by the generator window at start-up) and "Chiudi".
// Loaded hidden at start-up; its Load event fills the lines once, from the counts of that moment.
#include <span>

#include "main_window/controlli.hpp"
#include "wordstore/archivio.hpp"

namespace talewick {

inline constexpr int larghezza_interna_form4 = 7335;
inline constexpr int altezza_interna_form4 = 5835;

std::span<const DescrizioneControllo> Disposizione_Form4();

class Form4 : public Finestra {
 public:
  explicit Form4(const Archivio& archivio);

  void Form_Load();
  // Writes the nine summary lines from the word store's count tables, and the folder line.
  void Refresh_Valori();
  void Command1_Click();

 private:
  const Archivio& archivio_;
};

}  // namespace talewick
