#include "dispatch/dispatcher.hpp"

#include <array>

#include "base/messaggi.hpp"
#include "core/nomi_personaggi.hpp"
#include "generators/generatori.hpp"

namespace talewick {
namespace {

constexpr std::array<TipoGenerazione, 9> tipi = {{
    {"Descrizione Pozioni", Carica_Descrizione_Fluidi_Casuale, false, 12},
    {"Nomi Divinità", Carica_Dio_Casuale, false, 12},
    {"Nomi Edifici", Carica_Nome_Locanda_Casuale, false, 12},
    {"Nomi Gruppi", Carica_Gruppo_Casuale, false, 12},
    {"Nomi Oggetti Intelligenti", Carica_Oggetto_Casuale, false, 12},
    {"Nomi Oggetti Magici", Carica_Oggetto_Magico_Casuale, false, 12},
    {"Nomi Personaggi", Genera_Nome_Personaggio, false, 12},
    {"Spunti Avventure", Carica_Spunto_Avventura_Casuale, false, 10},
    {"Titoli Libri", Carica_Titolo_Libro_Casuale, true, 12},
}};

}  // namespace

const TipoGenerazione* Cerca_Tipo(std::string_view testo) {
  for (const auto& tipo : tipi) {
    if (tipo.testo == testo) return &tipo;
  }
  return nullptr;
}

std::optional<std::string> Genera_Altro_Valore(Stato& stato) {
  const TipoGenerazione* tipo = Cerca_Tipo(stato.opzioni.CosaGenerare);
  if (tipo == nullptr) return std::nullopt;
  stato.slot_nome.corsivo = tipo->corsivo;
  stato.slot_nome.dimensione_carattere = tipo->dimensione_carattere;
  try {
    tipo->genera(stato);
  } catch (const ErroreGenerazione& errore) {
    stato.slot_nome.testo.clear();
    return errore.what();
  }
  return std::nullopt;
}

void Genera_Nome_Personaggio(Stato& stato) {
  stato.slot_nome.testo.clear();
  Carica_Nome_Persona_Casuale(stato, 0);
  stato.slot_nome.testo += ' ';
  Carica_Nome_Persona_Casuale(stato, 0);
}

}  // namespace talewick
