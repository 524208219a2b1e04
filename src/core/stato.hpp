#pragma once
// The generation core: one `Stato` holds what a generation reads and writes (data slots,
// option set, result slot); the dispatcher picks the generator of the chosen kind; the
// generate action keeps the history that undo reads. No toolkit is involved.
#include <string>
#include <string_view>

#include "core/opzioni.hpp"
#include "wordstore/dati.hpp"

namespace talewick {

// The result box every generator writes into, with the presentation the dispatcher sets.
struct SlotNome {
  std::string testo;
  bool corsivo = false;
  int dimensione_carattere = 12;
};

// Told of every branch of the composition a generator takes (the coverage report counts them);
// none by default.
class OsservatoreRami {
 public:
  virtual ~OsservatoreRami() = default;
  virtual void Ramo(std::string_view nome) = 0;
};

struct Stato {
  Stato(Archivio& archivio, Casuale& casuale) : contesto(archivio, casuale) {}
  Contesto contesto;
  Opzioni opzioni;
  SlotNome slot_nome;
  OsservatoreRami* rami = nullptr;

  Dato& operator[](int valore_posizione_dato) { return contesto[valore_posizione_dato]; }
  void Ramo(std::string_view nome) const {
    if (rami != nullptr) rami->Ramo(nome);
  }
};

}  // namespace talewick
