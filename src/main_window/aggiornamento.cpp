#include "main_window/aggiornamento.hpp"

#include <exception>

#include "base/messaggi.hpp"

namespace talewick {

std::string Indirizzo_Versione(std::string_view host) {
  return "http://" + std::string(host) + "/VersioneTalewick.txt";
}

std::string Indirizzo_Download(std::string_view host) { return "http://" + std::string(host) + "/talewick.php"; }

bool Versione_Maggiore(std::string_view remota, std::string_view attuale) {
  // char_traits<char> compares as unsigned char, so bytes above 127 sort after ASCII.
  return remota.compare(attuale) > 0;
}

std::optional<std::string_view> Versione_Nella_Risposta(std::string_view corpo) {
  if (corpo.ends_with("\r\n")) {
    corpo.remove_suffix(2);
  } else if (corpo.ends_with('\n')) {
    corpo.remove_suffix(1);
  }
  if (corpo.empty() || corpo.size() > massimo_caratteri_versione) return std::nullopt;
  char precedente = '.';
  for (const char c : corpo) {
    const bool cifra = c >= '0' && c <= '9';
    if (!cifra && (c != '.' || precedente == '.')) return std::nullopt;
    precedente = c;
  }
  if (precedente == '.') return std::nullopt;
  return corpo;
}

Esito_Aggiornamento Controlla_Aggiornamento(const ImpostazioniAggiornamento& impostazioni, Scaricatore& scaricatore,
                                            Navigatore& navigatore, Piattaforma& piattaforma) {
  if (impostazioni.host.empty()) return Esito_Aggiornamento::Saltato;
  RispostaHttp risposta;
  try {
    risposta = scaricatore.Scarica(Indirizzo_Versione(impostazioni.host), impostazioni.limite, massimo_byte_versione);
  } catch (const std::exception&) {
    return Esito_Aggiornamento::Nessuna_Risposta;
  }
  // An error page or a redirect is not a version.
  if (!risposta.risposto || risposta.stato != 200) return Esito_Aggiornamento::Nessuna_Risposta;
  const auto versione = risposta.troncato || risposta.corpo.size() > massimo_byte_versione
                            ? std::nullopt
                            : Versione_Nella_Risposta(risposta.corpo);
  if (!versione) return Esito_Aggiornamento::Non_Una_Versione;
  const std::string_view ultima = *versione;
  if (!Versione_Maggiore(ultima, impostazioni.versione)) return Esito_Aggiornamento::Aggiornato;

  const auto scelta = piattaforma.Messaggio(messaggi::Offerta_Aggiornamento(ultima, impostazioni.versione),
                                            messaggi::titolo_aggiornamento, Pulsanti_Messaggio::Si_No);
  if (scelta != Risposta_Messaggio::Si) return Esito_Aggiornamento::Rifiutato;
  try {
    navigatore.GoURL(Indirizzo_Download(impostazioni.host));
  } catch (const std::exception&) {
    // A browser that cannot be started is not reported.
  }
  return Esito_Aggiornamento::Accettato;
}

}  // namespace talewick
