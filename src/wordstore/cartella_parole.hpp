#pragma once
// Where the word files are read from. In order: the folder given on the command line;
// "Database" under the current folder; the user's own copy in the XDG data folder
// ($XDG_DATA_HOME/talewick/Database, by default ~/.local/share/talewick/Database); the
// installed set, found in $XDG_DATA_DIRS (by default /usr/local/share and /usr/share) and last
// beside the program (bin/../share). The window copies the installed set into the user's folder
// once; the command line only reads. The environment is passed in, so tests set every part.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

namespace talewick {

struct Ambiente {
  std::filesystem::path cartella_corrente;
  // Environment variables; empty when unset.
  std::string home;
  std::string xdg_data_home;
  std::string xdg_data_dirs;
  // Folder of the running program; empty when unknown.
  std::filesystem::path cartella_programma;
};

// The environment of this process.
Ambiente Ambiente_Del_Processo();

enum class Origine_Parole { Opzione, Corrente, Utente, Installata, Nessuna };

struct Cartella_Parole {
  std::filesystem::path percorso;
  Origine_Parole origine = Origine_Parole::Nessuna;
  // Where the user's own copy is or would be; empty when neither HOME nor XDG_DATA_HOME is usable.
  std::filesystem::path copia_utente;
  // Every folder looked at, in order (for the message when none exists).
  std::vector<std::filesystem::path> cercate;
};

// The system data folders of XDG_DATA_DIRS: absolute entries only, the default when none.
std::vector<std::filesystem::path> Cartelle_Dati_Sistema(std::string_view xdg_data_dirs);
// The user's data folder: XDG_DATA_HOME when absolute, else HOME/.local/share; empty when neither.
std::filesystem::path Cartella_Dati_Utente(const Ambiente& ambiente);

// Finds the word-file folder; `opzione` (--database) wins over everything and is taken as given.
// When none exists, `percorso` is "Database" under the current folder and `origine` Nessuna.
Cartella_Parole Trova_Cartella_Parole(const Ambiente& ambiente,
                                      const std::optional<std::filesystem::path>& opzione = std::nullopt);

struct Preparazione_Parole {
  Cartella_Parole cartella;
  bool copiata = false;               // the user's copy was made now
  std::optional<std::string> errore;  // the copy failed: the installed set is read instead
};

// As Trova_Cartella_Parole; when that finds the installed set, first copies it into the user's
// folder (whole, then renamed into place, so a failed copy leaves nothing behind) and reads the copy.
Preparazione_Parole Prepara_Cartella_Parole(const Ambiente& ambiente);

// The cause of a failed copy, in Italian.
std::string Motivo_Errore(std::error_code errore);

}  // namespace talewick
