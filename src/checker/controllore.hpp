#pragma once
// The checker's insides, shared by its files. `Controllore` walks the word files of a folder;
// its jobs live in their own files: the file contract and the entry points (controllo.cpp), each
// entry's tags and base form (voci.cpp), the forms judged by the dictionary (parole.cpp) and the
// findings that compare files (tra_file.cpp). How each word file is read, and the helpers on
// entries, are in descrizione.cpp.
#include <array>
#include <cstddef>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "checker/controllo.hpp"
#include "checker/dizionario.hpp"
#include "wordstore/archivio.hpp"

namespace talewick::controllo {

enum class Tipo { sostantivo, aggettivo, verbo, libro, fluido, frase, esente };

struct Descrizione {
  Tipo tipo = Tipo::esente;
  std::string_view genere;  // "Mas" or "Fem" for a noun file
  bool luoghi = false;      // place nouns also take "SingIn"
  bool dove = false;        // place phrases, where "[np]" works
  bool attori = false;      // people and animals, where "[attore]" works
  bool umani = false;       // people, where the group members' tags work
  bool cose = false;        // objects, weapons, body parts and places, where "[notevole]" works
  bool modi = false;        // the "Come" phrases, which may say which signs they follow
  bool corpo = false;       // body parts, which may say who shows them
};

Descrizione Descrivi(std::string_view nome);
// The markers a generator can give the entries of such a file; the first is the base form.
std::vector<std::string> Marcatori(const Descrizione& descrizione);

inline constexpr std::array<std::string_view, 5> tag_numeri = {"[1]", "[2]", "[3]", "[4]", "[5]"};
inline constexpr std::array<std::string_view, 3> suggerimenti = {"[m]", "[f]", "[fm]"};

// The entry without any tag of the vocabulary or list tag.
std::string Senza_Tag(std::string_view voce);
// The last word of a form, lower case: after its last blank or apostrophe.
std::string Ultima_Parola(std::string_view forma);
bool Comincia_Minuscola(std::string_view testo);
bool Comincia_Maiuscola(std::string_view testo);

class Controllore {
 public:
  Controllore(std::filesystem::path cartella, Dizionario* dizionario)
      : cartella_(std::move(cartella)), dizionario_(dizionario) {}

  std::vector<Segnalazione> Esegui();

 private:
  void Errore(int riga, std::string messaggio) { Segnala(riga, Gravita::errore, std::move(messaggio)); }
  void Avviso(int riga, std::string messaggio) { Segnala(riga, Gravita::avviso, std::move(messaggio)); }
  void Segnala(int riga, Gravita gravita, std::string messaggio) {
    auto& del_file = per_file_[indice_];
    if (del_file.size() < massimo_segnalazioni_per_file) {
      del_file.push_back({Mostrato(indice_), riga, gravita, std::move(messaggio)});
    } else {
      ++(gravita == Gravita::errore ? errori_nascosti_ : avvisi_nascosti_)[indice_];
    }
  }
  [[nodiscard]] std::string Mostrato(std::size_t indice) const {
    return (cartella_ / (std::string(nome_file[indice]) + ".txt")).string();
  }

  void Controlla_File(std::string_view nome);
  void Controlla_Tag_Di_Uso(const std::string& voce, int riga, const Descrizione& descrizione);
  // The findings that compare files: a noun in two noun files, a category out of balance, an
  // English word in both English files, a verb's materials that no thing it takes holds.
  void Controlla_Tra_File();
  void Nomi_In_Due_File();
  void Equilibrio_Categorie();
  void Inglese_In_Due_File();
  void Materie_Senza_Cose();
  void Controlla_Voce(const std::string& voce, int riga, const Descrizione& descrizione);
  void Controlla_Tag(const std::string& voce, int riga);
  void Controlla_Sostantivo(const std::string& voce, int riga, const Descrizione& descrizione);
  void Controlla_Aggettivo(const std::string& voce, int riga);
  void Controlla_Verbo(const std::string& voce, int riga, bool& infinito_segnalato);
  void Controlla_Parole(const std::string& voce, int riga, const Descrizione& descrizione, bool senza_infinito);
  void Controlla_Desinenza(const std::string& voce, int riga, const Descrizione& descrizione);

  bool Tutte_Note(std::string_view voce, const std::vector<std::string>& marcatori);
  std::string Prove_Suggerimento(const std::string& voce, const Descrizione& descrizione);
  std::string Prove_Numero(const std::string& voce);
  std::string Consiglio_Infinito(const std::string& voce);

  std::filesystem::path cartella_;
  Dizionario* dizionario_;
  std::size_t indice_ = 0;  // the word file being checked, an index of `nome_file`
  std::array<std::vector<Segnalazione>, numero_file> per_file_;
  std::array<std::unique_ptr<FileParole>, numero_file> letti_;
  std::array<std::size_t, numero_file> errori_nascosti_{};
  std::array<std::size_t, numero_file> avvisi_nascosti_{};
  std::optional<Segnalazione> della_cartella_;
};

}  // namespace talewick::controllo
