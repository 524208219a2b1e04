#pragma once
// The word store. A word file is parsed once and kept in memory; at the first use within
// each user action (`Nuova_Azione`) its size and modification time are checked again, so an
// edit made while the program runs is read at the next draw. `Carica_Tutti_File` fills the
// count tables from the same cache.
#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "wordstore/lettore_campi.hpp"

namespace talewick {

inline constexpr std::size_t numero_file = 38;

// The largest word file read: hundreds of times the longest list of words, and small enough that
// reading it never strains a small machine's memory.
inline constexpr std::int64_t dimensione_massima_file = std::int64_t{64} << 20U;
// "64 MiB", as messages show a limit.
std::string Testo_Dimensione(std::int64_t byte);

// What a word file's path leads to, as one stat tells before anything opens it.
enum class Natura_File {
  Regolare,
  Mancante,
  Cartella_Mancante,         // the folder of the word files does not exist
  Cartella_Non_Cartella,     // the folder of the word files is a file
  Cartella_Non_Accessibile,  // a folder on the way may not be searched
  Cartella,                  // the word file is a folder
  Speciale,                  // a FIFO, a device, a socket
  Ciclo,                     // a loop of symbolic links
  Troppo_Grande,
  Illeggibile,
};

struct EsameFile {
  Natura_File natura = Natura_File::Illeggibile;
  std::int64_t dimensione = 0;
  std::int64_t modifica_ns = 0;
};

// Shared by the store and the checker, so that both refuse the same files for the same reason.
EsameFile Esamina_File(const std::filesystem::path& cartella, const std::filesystem::path& percorso,
                       std::int64_t limite = dimensione_massima_file);

// The counted word files, in the order of their indices.
extern const std::array<std::string_view, numero_file> nome_file;

class FileParole {
 public:
  std::string nome;
  std::filesystem::path percorso;
  std::vector<std::string> voci;
  std::vector<int> righe;  // line of each entry
  Codifica codifica = Codifica::Utf8;
  bool conteneva_nul = false;
  int riga_nul = 0;
  std::vector<int> righe_windows_1252;
  std::vector<int> righe_virgolette_aperte;
  // Which reading of a file this is: no other reading of any file shares the number, so a result
  // drawn from this file and another one may be kept under it (`Filtrate`'s key).
  std::uint64_t lettura = 0;

  // True when the file holds no entry with any text in it.
  [[nodiscard]] bool Vuoto() const { return vuoto; }
  bool vuoto = true;
  // Indices of the entries that contain `tag` (case-sensitive substring), computed once.
  [[nodiscard]] const std::vector<std::uint32_t>& Con_Tag(std::string_view tag) const;
  // Indices of the entries `filtro` accepts, computed once and kept under `chiave`.
  [[nodiscard]] const std::vector<std::uint32_t>& Filtrate(std::string_view chiave,
                                                           const std::function<bool(std::string_view)>& filtro) const;

 private:
  mutable std::unordered_map<std::string, std::vector<std::uint32_t>> indici_tag_;
  mutable std::unordered_map<std::string, std::vector<std::uint32_t>> indici_filtrati_;
};

// Told of every entry drawn into a slot (the coverage report counts them); none by default.
class OsservatoreEstrazioni {
 public:
  virtual ~OsservatoreEstrazioni() = default;
  virtual void Estratta(const FileParole& file, std::size_t indice) = 0;
};

class Archivio {
 public:
  explicit Archivio(std::filesystem::path cartella = "Database", std::int64_t limite = dimensione_massima_file);

  // The parsed file `nome` (no folder, no ".txt"); throws ErroreGenerazione naming the file
  // when it is missing, unreadable, a folder, or holds no entry.
  const FileParole& File(std::string_view nome);

  // Puts a file's bytes in the store as if read from disk; the disk is never asked about it.
  void Metti_In_Memoria(std::string_view nome, std::string_view byte);

  // Starts a user action: every file is checked against the disk at its next use.
  void Nuova_Azione() { ++azione_; }
  [[nodiscard]] std::uint64_t Azione() const { return azione_; }

  void Osserva(OsservatoreEstrazioni* osservatore) { osservatore_ = osservatore; }
  void Segnala_Estratta(const FileParole& file, std::size_t indice) const {
    if (osservatore_ != nullptr) osservatore_->Estratta(file, indice);
  }

  [[nodiscard]] const std::filesystem::path& Cartella() const { return cartella_; }
  [[nodiscard]] std::filesystem::path Percorso(std::string_view nome) const;

  // Count tables, filled by Carica_Tutti_File.
  std::array<std::int64_t, numero_file> numero_vocaboli{};
  std::array<std::int64_t, 6> numero_vocaboli_tag{};
  // The action whose files the tables count; within it a recount would find the same numbers.
  std::uint64_t azione_conteggi = 0;

 private:
  struct Voce {
    std::unique_ptr<FileParole> file;
    std::uint64_t azione = 0;
    std::int64_t dimensione = -1;
    std::int64_t modifica_ns = -1;
    bool in_memoria = false;
  };
  std::filesystem::path cartella_;
  std::int64_t limite_;
  std::unordered_map<std::string, Voce> cache_;
  std::uint64_t azione_ = 1;
  OsservatoreEstrazioni* osservatore_ = nullptr;
};

// Reads and decodes one word file from disk (no cache); throws ErroreGenerazione naming the file
// when it cannot be opened, is not a regular file, or is larger than `limite`.
std::unique_ptr<FileParole> Leggi_File_Parole(const std::filesystem::path& percorso, std::string nome,
                                              std::int64_t limite = dimensione_massima_file);
// Decodes and splits the bytes of a word file.
std::unique_ptr<FileParole> Analizza_File_Parole(std::string_view byte, const std::filesystem::path& percorso,
                                                 std::string nome);

void Carica_Tutti_File(Archivio& archivio);
std::int64_t Conta_Solo_Vocaboli_con_Tag_in_Tutti_File(Archivio& archivio, std::string_view tag);
std::int64_t Conta_Solo_Vocaboli_con_Tag_in_un_Solo_File(Archivio& archivio, std::string_view file_da_contare,
                                                         std::string_view tag);

}  // namespace talewick
