#pragma once
// The update check, the last step of start-up: fetch the latest version's text from the
// publisher's server, and when it is greater than the running version ask whether to open
// the download page. The fetch, the browser and the question box are interfaces, so the
// check runs without a toolkit or a network; the Qt layer provides the real ones. Every
// failure (no host, no answer within the time limit, an answer that is not "200 OK" or does not
// look like a version, a browser that cannot start) ends the check quietly and start-up goes on.
#include <chrono>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "main_window/piattaforma.hpp"

namespace talewick {

// What a fetch brought back. `risposto` is false when no complete answer came (refused,
// unreachable, time limit, too many redirects, broken transfer).
struct RispostaHttp {
  bool risposto = false;
  int stato = 0;          // the HTTP status of the final answer
  std::string corpo;      // at most the byte limit asked for
  bool troncato = false;  // the body was longer and was cut at the limit
};

// Fetches one small text over HTTP, synchronously, waiting at most `limite` in all and keeping
// at most `massimo_byte` bytes of the body (a longer body is cut there, not refused).
class Scaricatore {
 public:
  virtual ~Scaricatore() = default;
  virtual RispostaHttp Scarica(std::string_view indirizzo, std::chrono::milliseconds limite,
                               std::size_t massimo_byte) = 0;
};

// Opens a web address in the user's browser. Returns the platform's result code (non-zero when
// the platform accepted the address), which no caller uses.
class Navigatore {
 public:
  virtual ~Navigatore() = default;
  virtual int GoURL(std::string_view indirizzo_url) = 0;
};

// The whole check, whatever the server does, gives up after this.
inline constexpr std::chrono::milliseconds limite_aggiornamento = std::chrono::seconds(10);
// The longest text taken as a version.
inline constexpr std::size_t massimo_caratteri_versione = 32;
// The server's answer is untrusted: no more than this is read (a version and a line break fit).
inline constexpr std::size_t massimo_byte_versione = 64;

// The version in the server's answer: digits in groups separated by single dots, at most 32
// characters, a final line break ("\n" or "\r\n") left out; nothing for any other answer.
std::optional<std::string_view> Versione_Nella_Risposta(std::string_view corpo);

std::string Indirizzo_Versione(std::string_view host);
std::string Indirizzo_Download(std::string_view host);

// Plain text comparison, byte by byte from the left as unsigned values; a proper prefix is
// the smaller.
bool Versione_Maggiore(std::string_view remota, std::string_view attuale);

enum class Esito_Aggiornamento {
  Saltato,           // no host configured
  Nessuna_Risposta,  // nothing came back
  Non_Una_Versione,  // an answer that does not look like a version
  Aggiornato,        // the server's text is not greater
  Rifiutato,         // offered, the user answered No
  Accettato,         // offered, the user answered Yes and the download page was opened
};

struct ImpostazioniAggiornamento {
  std::string_view host;      // host[:port]; empty skips the check
  std::string_view versione;  // the running version, as the window holds it
  std::chrono::milliseconds limite = limite_aggiornamento;
};

Esito_Aggiornamento Controlla_Aggiornamento(const ImpostazioniAggiornamento& impostazioni, Scaricatore& scaricatore,
                                            Navigatore& navigatore, Piattaforma& piattaforma);

}  // namespace talewick
