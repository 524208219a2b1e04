#pragma once
// Every text the user reads, in one place. Fixed texts are constants; texts that name a
// file, an entry or a value are functions of what they name.
#include <stdexcept>
#include <string>
#include <string_view>

namespace talewick {

// A generation that cannot run; its text is shown to the user as it stands.
class ErroreGenerazione : public std::runtime_error {
 public:
  explicit ErroreGenerazione(const std::string& messaggio) : std::runtime_error(messaggio) {}
};

namespace messaggi {

inline constexpr std::string_view titolo = "Attenzione!";

// Generator window.
inline constexpr std::string_view lunghezza_minima_maggiore =
    "La lunghezza minima non deve essere maggiore di quella massima!";
inline constexpr std::string_view almeno_un_nome = "Devi generare almeno un nome!";
inline constexpr std::string_view al_massimo_100 = "Puoi generare al massimo 100 nomi!";
inline constexpr std::string_view nessun_risultato_precedente =
    "Non puoi tornare al risultato precedente quando non ci sono altri risultati!";
inline constexpr std::string_view solo_un_risultato = "Puoi tornare indietro solo di un risultato!";

// Update check.
inline constexpr std::string_view titolo_aggiornamento = "Talewick - Disponibile Aggiornamento";
inline std::string Offerta_Aggiornamento(std::string_view ultima, std::string_view attuale) {
  return "E' disponibile un aggiornamento! \r\nUltima versione: " + std::string(ultima) +
         "\r\nVersione attuale: " + std::string(attuale) + "\r\nVuoi scaricarlo?";
}

// Word files.
inline std::string Cartella_Mancante(std::string_view cartella) {
  return "La cartella dei file di parole \"" + std::string(cartella) +
         "\" non esiste: avvia il programma dalla cartella che la contiene.";
}
inline std::string File_Mancante(std::string_view percorso) {
  return "Il file di parole \"" + std::string(percorso) + "\" non esiste.";
}
inline std::string File_Illeggibile(std::string_view percorso) {
  return "Il file di parole \"" + std::string(percorso) + "\" non si può leggere.";
}
inline std::string File_Non_Regolare(std::string_view percorso) {
  return "\"" + std::string(percorso) + "\" è una cartella, non un file di parole.";
}
inline std::string File_Vuoto(std::string_view percorso) {
  return "Il file di parole \"" + std::string(percorso) + "\" non contiene nessuna voce.";
}
inline std::string Tag_Assente(std::string_view percorso, std::string_view tag) {
  return "Nel file di parole \"" + std::string(percorso) + "\" nessuna voce contiene il tag \"" +
         std::string(tag) + "\".";
}

// Options.
inline std::string Lunghezza_Non_Valida(std::string_view campo, std::string_view valore) {
  return "La lunghezza \"" + std::string(campo) + "\" deve essere un numero intero da 1 in su, non \"" +
         std::string(valore) + "\".";
}

// Command line.
inline std::string Tipo_Sconosciuto(std::string_view tipo, std::string_view elenco) {
  return "Tipo di generazione sconosciuto: \"" + std::string(tipo) + "\". I tipi sono: " + std::string(elenco) + ".";
}
inline std::string Valore_Non_Ammesso(std::string_view opzione, std::string_view valore, std::string_view elenco) {
  return "Valore non ammesso per " + std::string(opzione) + ": \"" + std::string(valore) +
         "\". I valori ammessi sono: " + std::string(elenco) + ".";
}

}  // namespace messaggi
}  // namespace talewick
