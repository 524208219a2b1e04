#include "support/piattaforma_finta.hpp"

namespace talewick::prova {

Risposta_Messaggio PiattaformaFinta::Messaggio(std::string_view testo, std::string_view titolo,
                                               Pulsanti_Messaggio pulsanti) {
  messaggi.push_back({std::string(testo), std::string(titolo), pulsanti});
  if (mentre_aperto) mentre_aperto();
  if (!risposte.empty()) {
    const auto risposta = risposte.front();
    risposte.pop_front();
    return risposta;
  }
  return pulsanti == Pulsanti_Messaggio::Ok ? Risposta_Messaggio::Ok : Risposta_Messaggio::No;
}

void PiattaformaFinta::Mostra_Finestra(std::string_view nome) {
  richieste.push_back("Mostra " + std::string(nome));
  if (const auto trovata = finestre_.find(nome); trovata != finestre_.end()) trovata->second->Mostra();
}

void PiattaformaFinta::Nascondi_Finestra(std::string_view nome) {
  richieste.push_back("Nascondi " + std::string(nome));
  if (const auto trovata = finestre_.find(nome); trovata != finestre_.end()) trovata->second->Nascondi();
}

Finestra* PiattaformaFinta::Carica_Finestra(std::string_view nome) {
  richieste.push_back("Carica " + std::string(nome));
  const auto trovata = finestre_.find(nome);
  if (trovata == finestre_.end()) return nullptr;
  trovata->second->Carica();
  return trovata->second;
}

void PiattaformaFinta::Termina_Programma() {
  richieste.emplace_back("Termina");
  terminato = true;
}

std::vector<std::string> PiattaformaFinta::Testi() const {
  std::vector<std::string> testi;
  testi.reserve(messaggi.size());
  for (const auto& m : messaggi) testi.push_back(m.testo);
  return testi;
}

}  // namespace talewick::prova
