#include "grammar/regole.hpp"

#include "wordstore/tag.hpp"
#include "wordstore/testo.hpp"

namespace talewick {

void Sostituisci_Ogni(std::string& testo, Sostituzione sostituzione) {
  Sostituisci_Tutto(testo, sostituzione.da, sostituzione.a);
}

void Applica_Sostituzioni(std::string& testo, std::span<const Sostituzione> righe) {
  for (const Sostituzione& riga : righe) Sostituisci_Ogni(testo, riga);
}

void Applica_Desinenze_Di_Parola(std::string& testo, std::span<const Sostituzione> righe) {
  const auto fine_parola = [&testo](std::size_t dopo) {
    return dopo == testo.size() || testo[dopo] == ' ' || testo[dopo] == '[';
  };
  for (const auto& [da, a] : righe) {
    for (auto pos = testo.find(da); pos != std::string::npos;) {
      if (fine_parola(pos + da.size())) {
        testo.replace(pos, da.size(), a);
        pos = testo.find(da, pos + a.size());
      } else {
        pos = testo.find(da, pos + 1);
      }
    }
  }
}

bool Applica_Prima_Desinenza(std::string& testo, std::span<const Sostituzione> regole) {
  for (const auto& [desinenza, nuova] : regole) {
    if (testo.ends_with(desinenza)) {
      testo.replace(testo.size() - desinenza.size(), desinenza.size(), nuova);
      return true;
    }
  }
  return false;
}

bool Applica_Per_Chiave(Dato& dato, std::span<const RigaChiave> tabella) {
  const RigaChiave* riga = Cerca_Chiave(tabella, dato.forma_dato);
  if (riga == nullptr) return false;
  const std::string_view chiave = riga->chiave;
  Cancella_Info_Programma(dato);
  for (const RigaChiave* fine = tabella.data() + tabella.size(); riga != fine && riga->chiave == chiave; ++riga) {
    Sostituisci_Ogni(dato.valore_dato, riga->sostituzione);
  }
  return true;
}

}  // namespace talewick
