#pragma once
// The data slots every generator works in, and the context a draw needs (word store,
// random source, the 21 slots).
#include <array>
#include <cassert>
#include <string>

namespace talewick {

class Archivio;
class Casuale;

inline constexpr int numero_dati = 21;

struct Dato {
  std::string valore_dato;     // the entry, rewritten in place by the clean-up
  std::string nome_file_dato;  // the word file the next draw reads
  std::string forma_dato;      // the grammar marker
  std::string tag_dato;        // the tag a tagged draw must find
  bool ha_spec_dato = false;
  bool ha_term_dato = false;
  bool ha_scopo_dato = false;
  bool transitivo_dato = false;
};

struct Contesto {
  Contesto(Archivio& a, Casuale& c) : archivio(a), casuale(c) {}
  Archivio& archivio;
  Casuale& casuale;
  std::array<Dato, numero_dati> dati{};

  Dato& operator[](int valore_posizione_dato) {
    assert(valore_posizione_dato >= 0 && valore_posizione_dato < numero_dati);
    return dati[static_cast<std::size_t>(valore_posizione_dato)];
  }
  const Dato& operator[](int valore_posizione_dato) const {
    assert(valore_posizione_dato >= 0 && valore_posizione_dato < numero_dati);
    return dati[static_cast<std::size_t>(valore_posizione_dato)];
  }
};

}  // namespace talewick
