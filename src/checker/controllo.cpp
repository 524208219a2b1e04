#include "checker/controllo.hpp"

#include <utf8proc.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <initializer_list>
#include <map>
#include <memory>
#include <numeric>
#include <optional>
#include <set>
#include <system_error>

#include "checker/dizionario.hpp"
#include "base/messaggi.hpp"
#include "grammar/correzione.hpp"
#include "wordstore/archivio.hpp"
#include "wordstore/dati.hpp"
#include "wordstore/liste.hpp"
#include "wordstore/sostantivi.hpp"
#include "wordstore/tag.hpp"
#include "wordstore/testo.hpp"

#ifndef TALEWICK_DIZIONARIO_ITALIANO
#define TALEWICK_DIZIONARIO_ITALIANO "/usr/share/hunspell/it_IT"
#endif

namespace talewick::controllo {
namespace {

namespace m = messaggi::controllo;

enum class Tipo { sostantivo, aggettivo, verbo, libro, fluido, frase, esente };

struct Descrizione {
  Tipo tipo = Tipo::esente;
  std::string_view genere;  // "Mas" or "Fem" for a noun file
  bool luoghi = false;      // place nouns also take "SingIn"
  bool dove = false;        // place phrases, where "[np]" works
};

Descrizione Descrivi(std::string_view nome) {
  if (nome == "VerbiPassatoProssimo") return {Tipo::verbo, {}, false, false};
  if (nome == "Aggettivi") return {Tipo::aggettivo, {}, false, false};
  if (nome == "Libri") return {Tipo::libro, {}, false, false};
  if (nome == "FluidiSpecificazioni") return {Tipo::fluido, {}, false, false};
  if (nome == "Dove" || nome == "Come") return {Tipo::frase, {}, false, nome == "Dove"};
  if (nome.starts_with("Mas") || nome.starts_with("Fem")) {
    return {Tipo::sostantivo, nome.substr(0, 3), nome.ends_with("Luoghi"), false};
  }
  return {};  // syllables and English words
}

// A category whose feminine file holds fewer than this share of the masculine one's entries, or
// the other way round, is out of balance.
constexpr double equilibrio_minimo = 0.8;

// The tagged entries some generator draws with no way round.
struct TagRichiesto {
  std::string_view file;
  std::string_view tag;
  std::string_view uso;
};
constexpr std::array<TagRichiesto, 13> tag_richiesti = {{
    {"MasNaturale", "[mag]", "i nomi degli oggetti magici"},
    {"FemNaturale", "[mag]", "i nomi degli oggetti magici"},
    {"MasAltro", "[mag]", "i nomi degli oggetti magici"},
    {"FemAltro", "[mag]", "i nomi degli oggetti magici"},
    {"Aggettivi", "[liq]", "le descrizioni delle pozioni"},
    {"Aggettivi", "[col]", "le descrizioni delle pozioni"},
    {"Aggettivi", "[o]", "le descrizioni delle pozioni"},
    {"Aggettivi", "[s]", "le descrizioni delle pozioni"},
    {"Libri", "[1]", "i titoli dei libri con complementi partitivi"},
    {"Libri", "[2]", "i titoli dei libri con un plurale determinativo"},
    {"Libri", "[3]", "i titoli dei libri con «sui»"},
    {"Libri", "[4]", "i titoli dei libri con un nome e un aggettivo"},
    {"Libri", "[5]", "i titoli dei libri con «sul»"},
}};

constexpr std::array<std::string_view, 10> tag_categorie = {"[an]", "[al]", "[og]", "[um]", "[lu]",
                                                            "[ci]", "[co]", "[ar]", "[as]", "[na]"};
constexpr std::array<std::string_view, 5> tag_numeri = {"[1]", "[2]", "[3]", "[4]", "[5]"};
constexpr std::array<std::string_view, 3> suggerimenti = {"[m]", "[f]", "[fm]"};

// The markers generators give nouns (after the gender), adjectives and verbs; the first is the
// base form, which no rewrite touches.
constexpr std::array<std::string_view, 18> forme_sostantivo = {
    "SingDet",     "PlurDet",     "SingPart",  "PlurPart",  "SingSu",     "PlurSu",
    "SingDa",      "PlurDa",      "SingIndet", "PlurIndet", "SingIndetA", "PlurIndetA",
    "SingIndetDi", "PlurIndetDi", "SingCon",   "PlurCon",   "SingSenza",  "PlurSenza"};
constexpr std::array<std::string_view, 4> forme_aggettivo = {"AggMasSing", "AggFemSing", "AggMasPlur", "AggFemPlur"};
constexpr std::array<std::string_view, 9> forme_verbo = {"VerbiSingMas",      "VerbiPlurMas",      "VerbiPlurFem",
                                                         "VerbiSingFem",      "ParticipioMasSing", "ParticipioFemSing",
                                                         "ParticipioMasPlur", "ParticipioFemPlur", "Infinito"};

// What a generator does to one slot: category tags off, the correction pass, every tag off.
std::string Forma(std::string_view voce, std::string_view marcatore) {
  Dato dato;
  dato.valore_dato = std::string(voce);
  dato.forma_dato = std::string(marcatore);
  Cancella_Tag_Categoria(dato);
  Correzione_Sostantivi_Aggettivi_Verbi(dato);
  Cancella_Info_Programma(dato);
  return dato.valore_dato;
}

std::vector<std::string> Marcatori(const Descrizione& descrizione) {
  std::vector<std::string> marcatori;
  switch (descrizione.tipo) {
    case Tipo::sostantivo:
      for (const auto forma : forme_sostantivo)
        marcatori.push_back(std::string(descrizione.genere) + std::string(forma));
      if (descrizione.luoghi) marcatori.push_back(std::string(descrizione.genere) + "SingIn");
      break;
    case Tipo::aggettivo:
      marcatori.assign(forme_aggettivo.begin(), forme_aggettivo.end());
      break;
    case Tipo::verbo:
      marcatori.assign(forme_verbo.begin(), forme_verbo.end());
      break;
    case Tipo::libro:
    case Tipo::fluido:
    case Tipo::frase:
      marcatori.emplace_back("No");
      break;
    case Tipo::esente:
      break;
  }
  return marcatori;
}

std::vector<utf8proc_int32_t> Punti_Codice(std::string_view testo) {
  std::vector<utf8proc_int32_t> punti;
  std::size_t pos = 0;
  while (pos < testo.size()) {
    utf8proc_int32_t cp = 0;
    const auto n = utf8proc_iterate(reinterpret_cast<const utf8proc_uint8_t*>(testo.data() + pos),
                                    static_cast<utf8proc_ssize_t>(testo.size() - pos), &cp);
    punti.push_back(n > 0 ? cp : -1);
    pos += n > 0 ? static_cast<std::size_t>(n) : 1;
  }
  return punti;
}

bool E_Lettera(utf8proc_int32_t cp) {
  if (cp < 0) return false;
  const auto categoria = utf8proc_category(cp);
  return categoria >= UTF8PROC_CATEGORY_LU && categoria <= UTF8PROC_CATEGORY_LO;
}

bool Comincia_Minuscola(std::string_view testo) {
  const auto punti = Punti_Codice(testo.substr(0, 4));
  return !punti.empty() && punti[0] >= 0 && utf8proc_category(punti[0]) == UTF8PROC_CATEGORY_LL;
}
bool Comincia_Maiuscola(std::string_view testo) {
  const auto punti = Punti_Codice(testo.substr(0, 4));
  return !punti.empty() && punti[0] >= 0 && utf8proc_category(punti[0]) == UTF8PROC_CATEGORY_LU;
}

bool E_Vocale(utf8proc_int32_t cp) {
  constexpr std::u32string_view vocali = U"aeiouàáâèéêìíîòóôùúû";
  return cp > 0 && vocali.find(static_cast<char32_t>(cp)) != std::u32string_view::npos;
}

// The definite singular article the first sound of `parola` asks for.
std::string_view Articolo_Atteso(std::string_view parola, bool maschile) {
  const auto punti = Punti_Codice(In_Minuscolo(parola));
  const utf8proc_int32_t c0 = punti.empty() ? 0 : punti[0];
  const utf8proc_int32_t c1 = punti.size() > 1 ? punti[1] : 0;
  const bool i_semivocale = c0 == 'i' && E_Vocale(c1);
  const bool vocale = (E_Vocale(c0) && !i_semivocale) || (c0 == 'h' && E_Vocale(c1));
  if (maschile) {
    const bool s_impura = c0 == 's' && E_Lettera(c1) && !E_Vocale(c1);
    if (s_impura || c0 == 'z' || (c0 == 'g' && c1 == 'n') || (c0 == 'p' && (c1 == 's' || c1 == 'n')) || c0 == 'x' ||
        c0 == 'y' || i_semivocale) {
      return "Lo ";
    }
    return vocale ? "L'" : "Il ";
  }
  return vocale ? "L'" : "La ";
}

std::string Senza_Tag(std::string_view voce) {
  std::string testo(voce);
  Cancella_Tag(testo, tag_vocabolario);
  Cancella_Tag_Lista(testo);
  return testo;
}

// A noun as two noun files could both hold it: no tags, no plural, no article, lower case.
std::string Nome_Nudo(std::string_view voce) {
  std::string nome = Senza_Tag(voce.substr(0, voce.find('|')));
  for (const std::string_view articolo : {"Il ", "Lo ", "La ", "L'", "I ", "Gli ", "Le "}) {
    if (nome.starts_with(articolo)) {
      nome.erase(0, articolo.size());
      break;
    }
  }
  return In_Minuscolo(nome);
}

bool Comincia_Con_Articolo(std::string_view testo) {
  constexpr std::array<std::string_view, 11> articoli = {"Il ", "Lo ", "La ",  "L'",   "I ", "Gli ",
                                                         "Le ", "Un ", "Uno ", "Una ", "Un'"};
  return std::any_of(articoli.begin(), articoli.end(), [&](std::string_view a) { return testo.starts_with(a); });
}

bool E_Tag_Lista(std::string_view gruppo) {
  return std::any_of(tipi_lista.begin(), tipi_lista.end(),
                     [&](const TipoLista& tipo) { return gruppo.starts_with(tipo.apertura); });
}

// The codes a list tag accepts, in the order the guide lists them.
std::string Codici_Ammessi(const TipoLista& tipo) {
  constexpr std::array<std::string_view, 10> ordine = {"an", "al", "ci", "og", "um", "lu", "co", "ar", "na", "as"};
  std::string codici;
  for (const auto codice : ordine) {
    if ((tipo.ammesse & Categoria_Del_Codice(codice)) == 0) continue;
    if (!codici.empty()) codici += ' ';
    codici += codice;
  }
  return codici;
}

// The last word of a form: after its last blank or apostrophe.
std::string Ultima_Parola(std::string_view forma) {
  const auto pos = forma.find_last_of(" '");
  return In_Minuscolo(pos == std::string_view::npos ? forma : forma.substr(pos + 1));
}

bool Finisce_In_Vocale_Che_Cambia(std::string_view parola) {
  return !parola.empty() && (parola.back() == 'a' || parola.back() == 'e' || parola.back() == 'o');
}

// The entry with `aggiunta` written right after the last letter of its singular, before its other
// tags; an earlier hint of the same kind (`togliere`) goes.
template <std::size_t N>
std::string Con_Tag_Dopo_Parola(std::string_view voce, std::string_view aggiunta,
                                const std::array<std::string_view, N>& togliere) {
  const auto barra = voce.find('|');
  std::string_view singolare = voce.substr(0, barra);
  const std::string_view resto = barra == std::string_view::npos ? std::string_view{} : voce.substr(barra);
  std::vector<std::string_view> coda;
  while (singolare.ends_with(']')) {
    const auto apertura = singolare.rfind('[');
    if (apertura == std::string_view::npos) break;
    coda.insert(coda.begin(), singolare.substr(apertura));
    singolare = singolare.substr(0, apertura);
  }
  std::string nuova(singolare);
  nuova += aggiunta;
  for (const auto tag : coda) {
    if (std::find(togliere.begin(), togliere.end(), tag) == togliere.end()) nuova += tag;
  }
  nuova += resto;
  return nuova;
}

// Whether `suggerimento` stands for a real Italian plural of a word with this ending: the hard
// "-chi", "-ghi", "-che", "-ghe", the contracted "-i" of "-io", and "-ce", "-ge" of "-cia", "-gia"
// ("-ia" after another letter is a stressed "-ìa", plural "-ie": no hint).
bool Suggerimento_Possibile(std::string_view parola, std::string_view suggerimento) {
  const auto finisce = [&](std::initializer_list<std::string_view> finali) {
    return std::any_of(finali.begin(), finali.end(), [&](std::string_view f) { return parola.ends_with(f); });
  };
  if (suggerimento == "[m]") return finisce({"co", "go", "io"});
  if (suggerimento == "[f]") return finisce({"co", "go", "ca", "ga", "cio", "gio", "cia", "gia"});
  return finisce({"co", "go", "cio", "gio"});
}

// The bracketed groups of an entry, and whether its brackets pair up.
struct Parentesi {
  bool bilanciate = true;
  std::vector<std::string> gruppi;
};
Parentesi Gruppi_Tra_Parentesi(std::string_view voce) {
  Parentesi esito;
  std::optional<std::size_t> aperta;
  for (std::size_t i = 0; i < voce.size(); ++i) {
    if (voce[i] == '[') {
      if (aperta) esito.bilanciate = false;
      aperta = i;
    } else if (voce[i] == ']') {
      if (!aperta) {
        esito.bilanciate = false;
        continue;
      }
      esito.gruppi.emplace_back(voce.substr(*aperta, i + 1 - *aperta));
      aperta.reset();
    }
  }
  if (aperta) esito.bilanciate = false;
  return esito;
}

bool Nel_Vocabolario(std::string_view tag) {
  return std::find(tag_vocabolario.begin(), tag_vocabolario.end(), tag) != tag_vocabolario.end();
}

template <std::size_t N>
bool Contiene_Uno(std::string_view voce, const std::array<std::string_view, N>& tag) {
  return std::any_of(tag.begin(), tag.end(), [&](std::string_view t) { return Contiene(voce, t); });
}

// "3, 7 e 9"; after ten lines, how many more.
std::string Elenco_Righe(const std::vector<int>& righe) {
  constexpr std::size_t mostrate = 10;
  std::string elenco;
  const std::size_t n = std::min(righe.size(), mostrate);
  for (std::size_t i = 0; i < n; ++i) {
    if (i > 0) elenco += (i + 1 == n && righe.size() <= mostrate) ? " e " : ", ";
    elenco += std::to_string(righe[i]);
  }
  if (righe.size() > mostrate) elenco += " e altre " + std::to_string(righe.size() - mostrate);
  return elenco;
}

// For each entry, the line of an equal entry before it (0 for the first of its kind). Sorting
// indices keeps the memory at a few bytes an entry, whatever the file holds.
std::vector<int> Righe_Delle_Prime(const FileParole& file) {
  std::vector<std::uint32_t> ordine(file.voci.size());
  std::iota(ordine.begin(), ordine.end(), 0U);
  std::stable_sort(ordine.begin(), ordine.end(),
                   [&](std::uint32_t a, std::uint32_t b) { return file.voci[a] < file.voci[b]; });
  std::vector<int> righe(file.voci.size(), 0);
  for (std::size_t k = 1, prima = 0; k < ordine.size(); ++k) {
    if (file.voci[ordine[k]] != file.voci[ordine[prima]]) {
      prima = k;
    } else {
      righe[ordine[k]] = file.righe[ordine[prima]];
    }
  }
  return righe;
}

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
  // English word in both English files.
  void Controlla_Tra_File();
  void Nomi_In_Due_File();
  void Equilibrio_Categorie();
  void Inglese_In_Due_File();
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

std::vector<Segnalazione> Controllore::Esegui() {
  std::vector<Segnalazione> tutte;
  std::error_code errore;
  for (indice_ = 0; indice_ < numero_file; ++indice_) {
    Controlla_File(nome_file[indice_]);
    // A folder that is missing, a file, or closed to us: one finding says it all.
    if (della_cartella_) return {*della_cartella_};
  }
  Controlla_Tra_File();
  for (std::size_t i = 0; i < numero_file; ++i) {
    auto& del_file = per_file_[i];
    std::stable_sort(del_file.begin(), del_file.end(),
                     [](const Segnalazione& a, const Segnalazione& b) { return a.riga < b.riga; });
    tutte.insert(tutte.end(), del_file.begin(), del_file.end());
    if (errori_nascosti_[i] > 0) {
      tutte.push_back(
          {Mostrato(i), 0, Gravita::errore, m::Altre_Segnalazioni(errori_nascosti_[i], true), errori_nascosti_[i]});
    }
    if (avvisi_nascosti_[i] > 0) {
      tutte.push_back(
          {Mostrato(i), 0, Gravita::avviso, m::Altre_Segnalazioni(avvisi_nascosti_[i], false), avvisi_nascosti_[i]});
    }
  }
  std::set<std::string> estranei;
  for (const auto& voce : std::filesystem::directory_iterator(cartella_, errore)) {
    const auto percorso = voce.path();
    if (percorso.extension() != ".txt") continue;
    const auto nome = percorso.stem().string();
    if (std::find(nome_file.begin(), nome_file.end(), nome) == nome_file.end()) estranei.insert(nome);
  }
  for (const auto& nome : estranei) {
    tutte.push_back({(cartella_ / (nome + ".txt")).string(), 0, Gravita::avviso, std::string(m::file_sconosciuto)});
  }
  return tutte;
}

void Controllore::Controlla_File(std::string_view nome) {
  const auto percorso = cartella_ / (std::string(nome) + ".txt");
  const auto della_cartella = [&](std::string_view messaggio) {
    della_cartella_ = Segnalazione{cartella_.string(), 0, Gravita::errore, std::string(messaggio)};
  };
  const EsameFile esame = Esamina_File(cartella_, percorso);
  switch (esame.natura) {
    case Natura_File::Regolare:
      break;
    case Natura_File::Cartella_Mancante:
      return della_cartella(m::cartella_mancante);
    case Natura_File::Cartella_Non_Cartella:
      return della_cartella(m::cartella_non_cartella);
    case Natura_File::Cartella_Non_Accessibile:
      return della_cartella(m::cartella_non_accessibile);
    case Natura_File::Mancante:
      return Errore(0, std::string(m::file_mancante));
    case Natura_File::Cartella:
      return Errore(0, std::string(m::file_cartella));
    case Natura_File::Speciale:
      return Errore(0, std::string(m::file_speciale));
    case Natura_File::Ciclo:
      return Errore(0, std::string(m::file_in_ciclo));
    case Natura_File::Troppo_Grande:
      return Errore(0, m::File_Troppo_Grande(Testo_Dimensione(dimensione_massima_file)));
    case Natura_File::Illeggibile:
      return Errore(0, std::string(m::file_illeggibile));
  }
  std::unique_ptr<FileParole> file;
  try {
    file = Leggi_File_Parole(percorso, std::string(nome));
  } catch (const ErroreGenerazione&) {
    return Errore(0, std::string(m::file_illeggibile));
  }

  switch (file->codifica) {
    case Codifica::Windows_1252:
      Errore(file->righe_windows_1252.front(), std::string(m::non_utf8));
      break;
    case Codifica::Mista:
      Avviso(file->righe_windows_1252.front(),
             m::Codifica_Mista(Elenco_Righe(file->righe_windows_1252), file->righe_windows_1252.size() == 1));
      break;
    case Codifica::Utf8_Con_Bom:
      Avviso(1, std::string(m::con_bom));
      break;
    case Codifica::Utf16:
      Avviso(1, std::string(m::utf16));
      break;
    case Codifica::Utf8:
      break;
  }
  if (file->conteneva_nul) Errore(file->riga_nul, std::string(m::byte_nul));
  for (const int riga : file->righe_virgolette_aperte) Errore(riga, std::string(m::virgolette_aperte));
  if (file->Vuoto()) Errore(0, std::string(m::file_senza_voci));

  // The lines of the fields only grow: equal ones are neighbours.
  for (std::size_t i = 0; i < file->righe.size();) {
    std::size_t j = i;
    while (j < file->righe.size() && file->righe[j] == file->righe[i]) ++j;
    if (j - i > 1) Avviso(file->righe[i], m::Virgola(j - i));
    i = j;
  }

  const Descrizione descrizione = Descrivi(nome);
  const auto gia_alla_riga = Righe_Delle_Prime(*file);
  for (std::size_t i = 0; i < file->voci.size(); ++i) {
    const std::string& voce = file->voci[i];
    const int riga = file->righe[i];
    if (voce.empty()) {
      Errore(riga, std::string(i + 1 == file->voci.size() && i > 0 ? m::riga_vuota_finale : m::voce_vuota));
      continue;
    }
    if (gia_alla_riga[i] != 0) Avviso(riga, m::Voce_Ripetuta(voce, gia_alla_riga[i]));
    Controlla_Voce(voce, riga, descrizione);
  }

  for (const auto& richiesto : tag_richiesti) {
    if (richiesto.file != nome) continue;
    const bool trovato = std::any_of(file->voci.begin(), file->voci.end(),
                                     [&](const std::string& voce) { return Contiene(voce, richiesto.tag); });
    if (!trovato) Errore(0, m::Tag_Richiesto_Mancante(richiesto.tag, richiesto.uso));
  }
  if (descrizione.tipo == Tipo::verbo && !file->Vuoto() &&
      std::none_of(file->voci.begin(), file->voci.end(),
                   [](const std::string& v) { return Participio_Aggettivo(v); })) {
    Errore(0, std::string(m::nessun_participio_aggettivo));
  }
  letti_[indice_] = std::move(file);
}

void Controllore::Controlla_Tra_File() {
  Nomi_In_Due_File();
  Equilibrio_Categorie();
  Inglese_In_Due_File();
}

void Controllore::Nomi_In_Due_File() {
  struct Primo {
    std::size_t file;
    int riga;
    std::string voce;
  };
  std::map<std::string, Primo, std::less<>> visti;
  for (std::size_t i = 0; i < numero_file; ++i) {
    if (Descrivi(nome_file[i]).tipo != Tipo::sostantivo || !letti_[i]) continue;
    const FileParole& file = *letti_[i];
    indice_ = i;
    for (std::size_t v = 0; v < file.voci.size(); ++v) {
      const std::string nome = Nome_Nudo(file.voci[v]);
      if (nome.empty()) continue;
      const auto [visto, nuovo] = visti.try_emplace(nome, Primo{i, file.righe[v], file.voci[v]});
      if (nuovo || visto->second.file == i) continue;
      Avviso(file.righe[v], m::Nome_In_Due_File(file.voci[v], nome, Mostrato(visto->second.file), visto->second.riga,
                                                visto->second.voce));
    }
  }
}

void Controllore::Equilibrio_Categorie() {
  for (const auto& categoria : categorie_sostantivi) {
    const std::size_t maschile = categoria.indice_maschile;
    const std::size_t femminile = maschile + 1;
    if (!letti_[maschile] || !letti_[femminile]) continue;
    const auto voci_m = letti_[maschile]->voci.size();
    const auto voci_f = letti_[femminile]->voci.size();
    const bool meno_femminili = voci_f < voci_m;
    const std::size_t piccolo = meno_femminili ? femminile : maschile;
    const std::size_t grande = meno_femminili ? maschile : femminile;
    const auto n_piccolo = std::min(voci_m, voci_f);
    const auto n_grande = std::max(voci_m, voci_f);
    if (static_cast<double>(n_piccolo) >= equilibrio_minimo * static_cast<double>(n_grande)) continue;
    indice_ = piccolo;
    Avviso(0, m::Categoria_Squilibrata(n_piccolo, Mostrato(grande), n_grande));
  }
}

void Controllore::Inglese_In_Due_File() {
  const auto indice = [](std::string_view nome) {
    return static_cast<std::size_t>(std::find(nome_file.begin(), nome_file.end(), nome) - nome_file.begin());
  };
  const std::size_t vocaboli = indice("IngleseVocaboli");
  const std::size_t soggetti = indice("IngleseSoggetti");
  if (!letti_[vocaboli] || !letti_[soggetti]) return;
  std::map<std::string, int, std::less<>> parole;
  const FileParole& primo = *letti_[vocaboli];
  for (std::size_t v = 0; v < primo.voci.size(); ++v)
    parole.try_emplace(In_Minuscolo(Senza_Tag(primo.voci[v])), primo.righe[v]);
  const FileParole& secondo = *letti_[soggetti];
  indice_ = soggetti;
  for (std::size_t v = 0; v < secondo.voci.size(); ++v) {
    const auto trovata = parole.find(In_Minuscolo(Senza_Tag(secondo.voci[v])));
    if (trovata == parole.end() || trovata->first.empty()) continue;
    Avviso(secondo.righe[v], m::Inglese_In_Due_File(secondo.voci[v], Mostrato(vocaboli), trovata->second));
  }
}

// The tags that work in one file only, and the list tags' codes.
void Controllore::Controlla_Tag_Di_Uso(const std::string& voce, int riga, const Descrizione& descrizione) {
  const auto liste = Leggi_Tag_Lista(voce);
  std::set<const TipoLista*> viste;
  for (const auto& tag : liste) {
    const std::string testo = voce.substr(tag.inizio, tag.lunghezza);
    const Tipo tipo_ammesso = tag.tipo->lista == Lista::qualificato ? Tipo::aggettivo : Tipo::verbo;
    if (descrizione.tipo != tipo_ammesso) {
      Errore(riga, m::Lista_Fuori_Posto(voce, testo, tag.tipo->voci));
      continue;
    }
    if (!viste.insert(tag.tipo).second) {
      Errore(riga, m::Lista_Ripetuta(voce, tag.tipo->nome));
      continue;
    }
    if (tag.vuota) Errore(riga, m::Lista_Vuota(voce, testo));
    for (const auto& codice : tag.codici_ignoti) {
      Errore(riga, m::Codice_Ignoto(voce, codice, testo, Codici_Ammessi(*tag.tipo)));
    }
  }
  for (auto pos = voce.find("[np]"); pos != std::string::npos; pos = voce.find("[np]", pos + 1)) {
    const auto prima = Punti_Codice(voce.substr(pos >= 4 ? pos - 4 : 0, pos >= 4 ? 4 : pos));
    if (prima.empty() || !E_Lettera(prima.back())) {
      Errore(riga, m::Np_Non_Dopo_Parola(voce));
    } else if (!descrizione.dove) {
      Avviso(riga, m::Np_Fuori_Da_Dove(voce));
    }
  }
  if (Contiene(voce, "[su]") && !descrizione.luoghi) Avviso(riga, m::Su_Fuori_Dai_Luoghi(voce));
  if (descrizione.tipo == Tipo::verbo) {
    const auto ha = [&](Lista lista) {
      return std::any_of(liste.begin(), liste.end(), [&](const TagLista& t) { return t.tipo->lista == lista; });
    };
    if (E_Transitivo(voce) && !ha(Lista::oggetto)) Avviso(riga, m::Transitivo_Senza_Oggetto(voce));
    if ((Contiene(voce, "[spec]") || Contiene(voce, "[term]")) && !ha(Lista::complemento)) {
      Avviso(riga, m::Complemento_Senza_Categorie(voce));
    }
  }
  if (descrizione.tipo == Tipo::libro && Contiene(voce, "[1]") && !Comincia_Con_Articolo(voce)) {
    std::string letto = Senza_Tag(voce);
    Iniziale_Minuscola(letto);
    Avviso(riga, m::Modello_Senza_Articolo(voce, "tra " + letto));
  }
}

void Controllore::Controlla_Tag(const std::string& voce, int riga) {
  if (Contiene(voce, "\"")) Errore(riga, m::Virgolette_Nella_Voce(voce));
  const auto parentesi = Gruppi_Tra_Parentesi(voce);
  if (!parentesi.bilanciate) Errore(riga, m::Parentesi_Sbilanciate(voce));
  std::set<std::string> visti;
  for (const auto& gruppo : parentesi.gruppi) {
    if (Nel_Vocabolario(gruppo) || E_Tag_Lista(gruppo) || !visti.insert(gruppo).second) continue;
    const std::string minuscolo = In_Minuscolo(gruppo);
    if (Nel_Vocabolario(minuscolo) || E_Tag_Lista(minuscolo)) {
      Errore(riga, m::Tag_Maiuscolo(voce, gruppo, minuscolo));
    } else {
      Errore(riga, m::Tag_Sconosciuto(voce, gruppo));
    }
  }
  if (std::count(voce.begin(), voce.end(), '|') > 1) Errore(riga, m::Troppe_Barre(voce));
}

void Controllore::Controlla_Voce(const std::string& voce, int riga, const Descrizione& descrizione) {
  Controlla_Tag(voce, riga);
  Controlla_Tag_Di_Uso(voce, riga, descrizione);
  const bool ha_barra = Contiene(voce, "|");
  if (ha_barra && descrizione.tipo != Tipo::sostantivo && descrizione.tipo != Tipo::aggettivo) {
    Avviso(riga, m::Barra_Inutile(voce));
  }
  // Blanks left once the tags are gone show in every result.
  std::string_view parti = voce;
  for (;;) {
    const auto barra = parti.find('|');
    const std::string testo = Senza_Tag(parti.substr(0, barra));
    if (testo.starts_with(' ') || testo.ends_with(' ') || Contiene(testo, "  ")) {
      Errore(riga, m::Spazi_Di_Troppo(voce, testo));
      break;
    }
    if (barra == std::string_view::npos) break;
    parti.remove_prefix(barra + 1);
  }

  bool infinito_segnalato = false;
  switch (descrizione.tipo) {
    case Tipo::sostantivo:
      Controlla_Sostantivo(voce, riga, descrizione);
      break;
    case Tipo::aggettivo:
      Controlla_Aggettivo(voce, riga);
      break;
    case Tipo::verbo:
      Controlla_Verbo(voce, riga, infinito_segnalato);
      break;
    case Tipo::libro:
      if (!Contiene_Uno(voce, tag_categorie)) Errore(riga, m::Modello_Senza_Categoria(voce));
      if (!Contiene_Uno(voce, tag_numeri)) Avviso(riga, m::Modello_Senza_Numero(voce));
      break;
    case Tipo::fluido:
      if (!Contiene(voce, "[m]") && !Contiene(voce, "[f]")) Errore(riga, m::Specificazione_Senza_Genere(voce));
      if (Contiene(voce, "[m]") && Contiene(voce, "[f]")) Avviso(riga, m::Specificazione_Con_Due_Generi(voce));
      break;
    case Tipo::frase:
    case Tipo::esente:
      break;
  }
  if (descrizione.tipo == Tipo::sostantivo || descrizione.tipo == Tipo::aggettivo) {
    Controlla_Desinenza(voce, riga, descrizione);
  }
  if (dizionario_ != nullptr && descrizione.tipo != Tipo::esente) {
    Controlla_Parole(voce, riga, descrizione, infinito_segnalato);
  }
}

void Controllore::Controlla_Sostantivo(const std::string& voce, int riga, const Descrizione& descrizione) {
  const bool maschile = descrizione.genere == "Mas";
  const auto barra = voce.find('|');
  const std::string_view singolare = std::string_view(voce).substr(0, barra);
  std::string_view articolo;
  for (const std::string_view a : {"Il ", "Lo ", "La ", "L'"}) {
    if (singolare.starts_with(a)) articolo = a;
  }
  if (articolo.empty()) {
    const std::string minuscola = In_Minuscolo(singolare.substr(0, 4));
    const bool minuscolo = minuscola.starts_with("il ") || minuscola.starts_with("lo ") ||
                           minuscola.starts_with("la ") || minuscola.starts_with("l'");
    if (minuscolo) return Errore(riga, m::Articolo_Minuscolo(voce));
    for (const std::string_view plurale : {"I ", "Gli ", "Le "}) {
      if (singolare.starts_with(plurale)) return Errore(riga, m::Articolo_Plurale(voce));
    }
    return Errore(riga, m::Articolo_Mancante(voce, maschile ? "«Il », «Lo » o «L'»" : "«La » o «L'»"));
  }
  const std::string_view resto = singolare.substr(articolo.size());
  if (articolo == "L'" && resto.starts_with(' ')) return Errore(riga, m::Spazio_Dopo_Apostrofo(voce));
  const std::string nome = Senza_Tag(resto);
  const std::string parola = nome.substr(0, nome.find(' '));
  if (parola.empty()) return Errore(riga, m::Nome_Mancante(voce));
  const bool del_genere = articolo == "L'" || (articolo == "La ") != maschile;
  if (!del_genere) {
    return Errore(riga, m::Articolo_Di_Altro_Genere(voce, articolo, maschile));
  }
  const std::string_view atteso = Articolo_Atteso(parola, maschile);
  if (atteso != articolo) {
    Errore(riga, m::Articolo_Sbagliato(voce, parola, atteso, std::string(atteso) + std::string(resto)));
  }
  if (Comincia_Minuscola(nome)) Avviso(riga, m::Nome_Minuscolo(voce));

  if (barra == std::string::npos) {
    if (Contiene(nome, " ")) Errore(riga, m::Nome_Di_Piu_Parole(voce));
    if (!maschile && Ultima_Parola(nome).ends_with("one") && !Contiene(voce, "[-]")) {
      std::string plurale = Senza_Tag(singolare);
      plurale.replace(0, articolo.size(), "Le ");
      plurale.replace(plurale.size() - 3, 3, "oni");
      Errore(riga, m::Femminile_In_One(voce, Forma(voce, "FemPlurDet"), voce + "|" + plurale));
    }
  } else {
    const std::string_view plurale = std::string_view(voce).substr(barra + 1);
    const bool ha_articolo =
        maschile ? plurale.starts_with("I ") || plurale.starts_with("Gli ") : plurale.starts_with("Le ");
    if (!ha_articolo) Errore(riga, m::Plurale_Senza_Articolo(voce, maschile ? "«I » o «Gli »" : "«Le »"));
  }
}

void Controllore::Controlla_Aggettivo(const std::string& voce, int riga) {
  if (!Comincia_Maiuscola(voce)) Avviso(riga, m::Aggettivo_Minuscolo(voce));
}

void Controllore::Controlla_Verbo(const std::string& voce, int riga, bool& infinito_segnalato) {
  if (!Contiene(voce, "[tr]") && !Contiene(voce, "[intr]")) Errore(riga, m::Verbo_Senza_Transitivita(voce));
  if (Contiene(voce, "[tr]") && Contiene(voce, "[intr]")) Avviso(riga, m::Verbo_Transitivo_E_Intransitivo(voce));
  std::string_view resto;
  if (voce.starts_with("ha ")) {
    resto = std::string_view(voce).substr(3);
  } else if (voce.starts_with("è ")) {
    resto = std::string_view(voce).substr(std::string_view("è ").size());
  } else {
    return Errore(riga, m::Verbo_Senza_Ausiliare(voce));
  }
  const std::string participio = Senza_Tag(resto.substr(0, resto.find('|')));
  if (participio.empty() || Contiene(participio, " ") ||
      Senza_Tag(resto) != Senza_Tag(resto.substr(0, resto.find('[')))) {
    return Errore(riga, m::Participio_Di_Piu_Parole(voce));
  }
  if (!participio.ends_with('o')) return Errore(riga, m::Participio_Non_In_O(voce, participio));
  if (!Comincia_Minuscola(participio)) Avviso(riga, m::Participio_Maiuscolo(voce));
  const std::string infinito = Forma(voce, "Infinito");
  if (!infinito.ends_with("re")) {
    Errore(riga, m::Infinito_Non_Valido(voce, infinito, Consiglio_Infinito(voce)));
    infinito_segnalato = true;
  }
}

// A plural that leaves a changing ending as it was: a tag behind the word hid it from the rules.
void Controllore::Controlla_Desinenza(const std::string& voce, int riga, const Descrizione& descrizione) {
  if (Contiene(voce, "|") || Contiene(voce, "[-]")) return;
  const bool sostantivo = descrizione.tipo == Tipo::sostantivo;
  const std::string base = Ultima_Parola(Senza_Tag(voce));
  if (!Finisce_In_Vocale_Che_Cambia(base)) return;
  std::vector<std::string> plurali;
  if (sostantivo) {
    plurali.push_back(std::string(descrizione.genere) + "PlurDet");
  } else {
    plurali = {"AggMasPlur", "AggFemPlur"};
  }
  for (const auto& marcatore : plurali) {
    // A feminine "-one" keeps its ending: right for adjectives, reported on its own for nouns.
    if (base.ends_with("one") && (marcatore == "FemPlurDet" || marcatore == "AggFemPlur")) continue;
    const std::string forma = Forma(voce, marcatore);
    if (Ultima_Parola(forma) == base) return Errore(riga, m::Desinenza_Nascosta(voce, marcatore, forma));
  }
}

bool Controllore::Tutte_Note(std::string_view voce, const std::vector<std::string>& marcatori) {
  return std::all_of(marcatori.begin(), marcatori.end(), [&](const std::string& marcatore) {
    return dizionario_->Parole_Ignote(Forma(voce, marcatore)).empty();
  });
}

// The entries with one more hint whose every form is in known words and whose plurals change the
// word: "«Il Fuoco[m]» dà «I Fuochi»"; empty when no hint does it.
std::string Controllore::Prove_Suggerimento(const std::string& voce, const Descrizione& descrizione) {
  const auto marcatori = Marcatori(descrizione);
  std::vector<std::string_view> prove;
  std::vector<std::string> plurali;
  if (descrizione.tipo == Tipo::sostantivo) {
    prove.push_back(descrizione.genere == "Mas" ? "[m]" : "[f]");
    plurali.push_back(std::string(descrizione.genere) + "PlurDet");
  } else {
    prove.assign(suggerimenti.begin(), suggerimenti.end());
    plurali = {"AggMasPlur", "AggFemPlur"};
  }
  const std::string base = Ultima_Parola(Forma(voce, marcatori.front()));
  std::string riuscite;
  for (const auto suggerimento : prove) {
    if (!Suggerimento_Possibile(base, suggerimento)) continue;
    const std::string nuova = Con_Tag_Dopo_Parola(voce, suggerimento, suggerimenti);
    if (nuova == voce) continue;
    std::string forme;
    bool cambiano = true;
    for (const auto& plurale : plurali) {
      const std::string forma = Forma(nuova, plurale);
      cambiano = cambiano && Ultima_Parola(forma) != base;
      forme += (forme.empty() ? "" : ", ") + m::C(forma);
    }
    if (!cambiano || !Tutte_Note(nuova, marcatori)) continue;
    riuscite += (riuscite.empty() ? "" : std::string(m::oppure)) + m::Prova(nuova, forme);
  }
  return riuscite;
}

// The entries with another number tag whose infinitive is a known word: "«ha scritto[1]» dà
// «scrivere»"; empty when no number does it.
std::string Controllore::Prove_Numero(const std::string& voce) {
  if (dizionario_ == nullptr) return {};
  std::string riuscite;
  for (const auto numero : tag_numeri) {
    std::string nuova = voce;
    for (const auto altro : tag_numeri) Sostituisci_Tutto(nuova, altro, "");
    nuova.insert(std::min(nuova.find_first_of("[|"), nuova.size()), numero);
    if (nuova == voce) continue;
    const std::string infinito = Forma(nuova, "Infinito");
    if (!infinito.ends_with("re") || !dizionario_->Parole_Ignote(infinito).empty()) continue;
    riuscite += (riuscite.empty() ? "" : std::string(m::oppure)) + m::Prova(nuova, m::C(infinito));
  }
  return riuscite;
}

std::string Controllore::Consiglio_Infinito(const std::string& voce) {
  const std::string prove = Prove_Numero(voce);
  return prove.empty() ? std::string(m::consiglio_participio) : m::Consiglio_Numero(prove);
}

// A word unknown in the base form is an error; so is one of another form when a hint or a number
// tag would give a known word. Otherwise the dictionary may just lack the inflection (it lists many
// nouns without their plural): a warning.
void Controllore::Controlla_Parole(const std::string& voce, int riga, const Descrizione& descrizione,
                                   bool senza_infinito) {
  const auto marcatori = Marcatori(descrizione);
  const std::string testo = Contiene(voce, "[np]") ? Senza_Nomi_Propri(voce) : voce;
  const std::string base = Forma(testo, marcatori.front());
  const auto ignote_base = dizionario_->Parole_Ignote(base);
  if (!ignote_base.empty()) {
    for (const auto& parola : ignote_base) {
      if (descrizione.tipo == Tipo::libro || descrizione.tipo == Tipo::fluido || descrizione.tipo == Tipo::frase) {
        Errore(riga, m::Parola_Ignota(voce, parola, m::consiglio_correzione));
      } else {
        Errore(riga, m::Parola_Ignota_In_Forma(voce, parola, marcatori.front(), base, m::consiglio_correzione));
      }
    }
    return;
  }
  std::set<std::string> segnalate;
  std::optional<std::string> prove;
  for (std::size_t i = 1; i < marcatori.size(); ++i) {
    const std::string& marcatore = marcatori[i];
    if (senza_infinito && marcatore == "Infinito") continue;
    const std::string forma = Forma(testo, marcatore);
    for (const auto& parola : dizionario_->Parole_Ignote(forma)) {
      if (!segnalate.insert(In_Minuscolo(parola)).second) continue;
      if (descrizione.tipo == Tipo::verbo) {
        const std::string numeri = marcatore == "Infinito" ? Prove_Numero(voce) : std::string();
        if (!numeri.empty()) {
          Errore(riga, m::Parola_Ignota_In_Forma(voce, parola, marcatore, forma, m::Consiglio_Numero(numeri)));
        } else {
          Avviso(riga, m::Parola_Ignota_In_Forma(voce, parola, marcatore, forma, m::consiglio_verbo_dubbio));
        }
      } else if (Contiene(voce, "|")) {
        Avviso(riga, m::Parola_Ignota_In_Forma(voce, parola, marcatore, forma, m::consiglio_plurale_scritto));
      } else {
        if (!prove) prove = Prove_Suggerimento(voce, descrizione);
        if (!prove->empty()) {
          Errore(riga, m::Parola_Ignota_In_Forma(voce, parola, marcatore, forma, m::Consiglio_Suggerimento(*prove)));
        } else {
          Avviso(riga, m::Parola_Ignota_In_Forma(voce, parola, marcatore, forma, m::Consiglio_Plurale_Dubbio(voce)));
        }
      }
    }
  }
}

}  // namespace

OpzioniControllo Opzioni_Predefinite() {
  OpzioniControllo opzioni;
  const char* scelto = std::getenv("TALEWICK_DIZIONARIO");
  opzioni.dizionario = scelto != nullptr && *scelto != '\0' ? scelto : TALEWICK_DIZIONARIO_ITALIANO;
  opzioni.parole_accettate = std::string(Parole_Accettate_Distribuite());
  return opzioni;
}

std::vector<Segnalazione> Controlla_Database(const std::filesystem::path& cartella) {
  return Controlla_Database(cartella, Opzioni_Predefinite());
}

std::vector<Segnalazione> Controlla_Database(const std::filesystem::path& cartella, const OpzioniControllo& opzioni) {
  const auto dizionario = Dizionario::Apri(opzioni.dizionario, opzioni.parole_accettate);
  std::vector<Segnalazione> segnalazioni;
  if (!dizionario) {
    segnalazioni.push_back({opzioni.dizionario.string() + ".dic", 0, Gravita::errore,
                            m::Dizionario_Mancante(opzioni.dizionario.string())});
  }
  auto del_database = Controllore(cartella, dizionario.get()).Esegui();
  segnalazioni.insert(segnalazioni.end(), del_database.begin(), del_database.end());
  return segnalazioni;
}

std::vector<Segnalazione> Controlla_Database(const std::filesystem::path& cartella, Dizionario& dizionario) {
  return Controllore(cartella, &dizionario).Esegui();
}

std::string Testo_Segnalazione(const Segnalazione& segnalazione) {
  std::string testo = segnalazione.file;
  if (segnalazione.riga > 0) testo += ":" + std::to_string(segnalazione.riga);
  testo += ": ";
  testo += segnalazione.gravita == Gravita::errore ? m::errore : m::avviso;
  testo += ": " + segnalazione.messaggio;
  return Testo_Stampabile(testo);
}

std::string Riepilogo(const std::vector<Segnalazione>& segnalazioni) {
  if (segnalazioni.empty()) return std::string(m::nessun_problema);
  std::size_t errori = 0;
  std::size_t avvisi = 0;
  for (const auto& s : segnalazioni) {
    (s.gravita == Gravita::errore ? errori : avvisi) += s.nascoste > 0 ? s.nascoste : 1;
  }
  return m::Conteggio(errori, avvisi);
}

bool Ci_Sono_Errori(const std::vector<Segnalazione>& segnalazioni) {
  return std::any_of(segnalazioni.begin(), segnalazioni.end(),
                     [](const Segnalazione& s) { return s.gravita == Gravita::errore; });
}

}  // namespace talewick::controllo
