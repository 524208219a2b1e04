#pragma once
// Every text the user reads, in one place. Fixed texts are constants; texts that name a
// file, an entry or a value are functions of what they name.
#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

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
// Hints of the option panel, one per kind with options.
inline constexpr std::string_view info_titoli_libri =
    "Alcuni Titoli di Libri includono dei nomi, puoi impostarne le proprietà.";
inline constexpr std::string_view info_personaggi = "Puoi impostare le proprietà dei nomi da generare.";
inline constexpr std::string_view info_oggetti_intelligenti =
    "Gli Oggetti Intelligenti hanno un nome, puoi impostarne le proprietà.";
inline constexpr std::string_view info_divinita = "Le Divinità hanno un nome, puoi impostarne le proprietà.";
inline constexpr std::string_view info_edifici = "Inserisci il Nome dell'Edificio, esso comparirà in alcuni risultati.";
// Captions of the mode switch and of the batch button (the count as typed, "007" included).
inline constexpr std::string_view genera_singolo = "Genera un singolo nome";
inline constexpr std::string_view genera_multipli = "Genera più nomi in una volta";
inline std::string Genera_Nomi(std::string_view numero, bool uno) {
  return "Genera " + std::string(numero) + (uno ? " nome" : " nomi");
}
inline std::string Riga_Versione(std::string_view versione) { return "Vers. " + std::string(versione); }

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
// Which folder is read, on standard error (talewick-cli riepilogo, controlla).
inline std::string Cartella_Letta(std::string_view cartella) {
  return "Leggo i file di parole in \"" + std::string(cartella) + "\".";
}
inline std::string Cartella_Installata_Letta(std::string_view cartella, std::string_view copia) {
  return "Leggo i file di parole installati in \"" + std::string(cartella) + "\": per modificarli copiali in \"" +
         std::string(copia) + "\" (la finestra di Talewick lo fa da sé la prima volta che si apre).";
}
// `cercate`: the folders, each in double quotes, separated by ", ".
inline std::string Nessuna_Cartella_Parole(std::string_view cercate) {
  return "Non trovo la cartella dei file di parole: l'ho cercata in " + std::string(cercate) +
         ". Indicala con --database.";
}
inline std::string Copia_Parole_Fallita(std::string_view copia, std::string_view motivo, std::string_view installata) {
  return "Non è stato possibile copiare i file di parole in \"" + std::string(copia) + "\" (" + std::string(motivo) +
         "): il programma legge quelli installati in \"" + std::string(installata) +
         "\", che non si possono modificare.";
}
// The summary window's line.
inline std::string Riga_Cartella_Parole(std::string_view cartella) {
  return "I file di parole sono nella cartella \"" + std::string(cartella) + "\".";
}
inline std::string File_Mancante(std::string_view percorso) {
  return "Il file di parole \"" + std::string(percorso) + "\" non esiste.";
}
inline std::string File_Illeggibile(std::string_view percorso) {
  return "Il file di parole \"" + std::string(percorso) + "\" non si può leggere.";
}
inline std::string File_Cartella(std::string_view percorso) {
  return "\"" + std::string(percorso) + "\" è una cartella, non un file di parole.";
}
inline std::string File_Non_Regolare(std::string_view percorso) {
  return "\"" + std::string(percorso) + "\" non è un file di parole ma un file speciale.";
}
inline std::string Cartella_Non_Cartella(std::string_view cartella) {
  return "\"" + std::string(cartella) + "\" è un file, non la cartella dei file di parole.";
}
inline std::string Cartella_Non_Accessibile(std::string_view cartella) {
  return "La cartella dei file di parole \"" + std::string(cartella) + "\" non si può aprire: permesso negato.";
}
inline std::string File_In_Ciclo(std::string_view percorso) {
  return "Il file di parole \"" + std::string(percorso) +
         "\" è un collegamento simbolico che non arriva a nessun file: i collegamenti formano un ciclo.";
}
inline std::string File_Troppo_Grande(std::string_view percorso, std::string_view limite) {
  return "Il file di parole \"" + std::string(percorso) + "\" è troppo grande: supera il limite di " +
         std::string(limite) + " e non viene letto.";
}
inline std::string File_Vuoto(std::string_view percorso) {
  return "Il file di parole \"" + std::string(percorso) + "\" non contiene nessuna voce.";
}
inline std::string Tag_Assente(std::string_view percorso, std::string_view tag) {
  return "Nel file di parole \"" + std::string(percorso) + "\" nessuna voce contiene il tag \"" + std::string(tag) +
         "\".";
}
inline std::string Nessun_Participio_Aggettivo(std::string_view percorso) {
  return "Nel file di parole \"" + std::string(percorso) +
         "\" nessun verbo ha un participio che possa accompagnare un nome: serve almeno un verbo che cominci con "
         "\"è \" o che abbia il tag \"[tr]\" senza \"[intr]\".";
}
inline std::string Titolo_Senza_Categoria(std::string_view percorso, std::string_view voce) {
  return "Nel file di parole \"" + std::string(percorso) + "\" la voce \"" + std::string(voce) +
         "\" non ha un tag di categoria ([an], [al], [og], [um], [lu], [ci], [co], [ar], [as] o [na]).";
}

// Options.
inline std::string Lunghezza_Non_Valida(std::string_view campo, std::string_view valore) {
  return "La lunghezza \"" + std::string(campo) + "\" deve essere un numero intero da 1 a 1000, non \"" +
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

// Usage errors and notes of the command line.
namespace cli {
inline std::string Tra_Virgolette(std::string_view testo) { return "\"" + std::string(testo) + "\""; }
inline std::string Numero_Da_Uno(std::string_view opzione, std::string_view valore) {
  return std::string(opzione) + " deve essere un numero intero da 1 in su, non " + Tra_Virgolette(valore) + ".";
}
inline std::string Numero_Tra(std::string_view opzione, long long da, std::string_view a, std::string_view valore) {
  return std::string(opzione) + " deve essere un numero intero da " + std::to_string(da) + " a " + std::string(a) +
         ", non " + Tra_Virgolette(valore) + ".";
}
inline std::string Minima_Maggiore(long long min, long long max) {
  return "La lunghezza minima (--min " + std::to_string(min) + ") non deve essere maggiore di quella massima (--max " +
         std::to_string(max) + ").";
}
inline std::string Argomento_Non_Utf8(std::string_view argomento) {
  return "L'argomento " + Tra_Virgolette(argomento) + " non è testo UTF-8: scrivilo in UTF-8.";
}
inline std::string Comando_Mancante(std::string_view comandi) {
  return "Manca il comando. I comandi sono: " + std::string(comandi) + ".";
}
inline std::string Comando_Sconosciuto(std::string_view parola, std::string_view comandi) {
  return "Comando sconosciuto: " + Tra_Virgolette(parola) + ". I comandi sono: " + std::string(comandi) + ".";
}
inline std::string Argomento_Mancante(std::string_view comando, std::string_view argomenti) {
  return "Al comando " + std::string(comando) + " manca " + std::string(argomenti) + ".";
}
inline std::string Uno_Degli_Argomenti(std::string_view comando, std::string_view argomenti) {
  return "Al comando " + std::string(comando) + " manca uno di questi argomenti: " + std::string(argomenti) + ".";
}
inline std::string Argomenti_Inattesi(const std::vector<std::string>& argomenti) {
  std::string elenco;
  for (const auto& a : argomenti) elenco += (elenco.empty() ? "" : ", ") + Tra_Virgolette(a);
  return (argomenti.size() == 1 ? "Argomento inatteso: " : "Argomenti inattesi: ") + elenco + ".";
}
inline std::string Valore_Mancante(std::string_view opzione) {
  return "Manca il valore dell'opzione " + std::string(opzione) + ".";
}
inline std::string Opzione_Senza_Valore(std::string_view opzione) {
  return "L'opzione " + std::string(opzione) + " non vuole un valore.";
}
inline std::string Opzione_Ripetuta(std::string_view opzione) {
  return "L'opzione " + std::string(opzione) + " va data una volta sola.";
}
inline std::string Opzione_Che_Vuole(std::string_view opzione, std::string_view altra) {
  return std::string(opzione) + " vuole anche " + std::string(altra) + ".";
}
inline std::string Opzioni_Incompatibili(std::string_view opzione, std::string_view altra) {
  return std::string(opzione) + " e " + std::string(altra) + " non vanno insieme.";
}
inline std::string Riga_Non_Valida(std::string_view dettaglio) {
  return "La riga di comando non è valida (" + std::string(dettaglio) + ").";
}
inline std::string Marcatore_Senza_Parola_Chiave(std::string_view marcatore) {
  return "Nota: il marcatore " + Tra_Virgolette(marcatore) +
         " non è una parola chiave, quindi il valore resta com'è (senza i tag).";
}
inline std::string Scrittura_Fallita(std::string_view causa) {
  return "Non si possono scrivere i risultati sull'uscita standard: " + std::string(causa) + ".";
}
}  // namespace cli

}  // namespace messaggi
}  // namespace talewick
