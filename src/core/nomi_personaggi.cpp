#include "core/nomi_personaggi.hpp"

#include <cmath>

#include "base/messaggi.hpp"
#include "wordstore/casuale.hpp"
#include "wordstore/tag.hpp"
#include "wordstore/testo.hpp"

namespace talewick {
namespace {

long long Leggi_Lunghezza(std::string_view campo, const std::string& testo) {
  const auto valore = Valore_Intero(testo);
  if (!valore || *valore < 1 || *valore > lunghezza_massima) {
    throw ErroreGenerazione(messaggi::Lunghezza_Non_Valida(campo, testo));
  }
  return *valore;
}

}  // namespace

void Carica_Nome_Persona_Casuale(Stato& stato, int valore_posizione_dato) {
  if (stato.opzioni.TipoNomi == inglese_composto) {
    Carica_Nome_Inglese(stato);
    return;
  }
  Dato& dato = stato[valore_posizione_dato];
  dato.nome_file_dato = "Sillabe" + stato.opzioni.TipoNomi;
  const long long mn = Leggi_Lunghezza("Min", stato.opzioni.Min);
  const long long mx = Leggi_Lunghezza("Max", stato.opzioni.Max);
  // mn + floor(u * (mx - mn + 1)); with Min above Max that gives a count from Max + 1 to Min.
  const long long ampiezza = mx - mn + 1;
  const long long n =
      ampiezza >= 1
          ? mn + stato.contesto.casuale.Estrai(ampiezza) - 1
          : mn + static_cast<long long>(std::floor(stato.contesto.casuale.Uniforme() * static_cast<double>(ampiezza)));
  if (stato.rami != nullptr) stato.Ramo("nome di " + std::to_string(n) + (n == 1 ? " sillaba" : " sillabe"));
  std::string& testo = stato.slot_nome.testo;
  for (long long i = 0; i < n; ++i) {
    Carica(stato.contesto, valore_posizione_dato);
    testo += dato.valore_dato;
  }
  testo = In_Caso_Proprio(testo);
}

void Carica_Nome_Inglese(Stato& stato) {
  stato[19].nome_file_dato = "IngleseVocaboli";
  Carica(stato.contesto, 19);
  stato[20].nome_file_dato = stato.contesto.casuale.Estrai(2) == 1 ? "IngleseVocaboli" : "IngleseSoggetti";
  if (stato.rami != nullptr) stato.Ramo("seconda parola da " + stato[20].nome_file_dato);
  Carica(stato.contesto, 20);
  stato.slot_nome.testo = In_Caso_Proprio(In_Minuscolo(stato[19].valore_dato + stato[20].valore_dato));
}

}  // namespace talewick
