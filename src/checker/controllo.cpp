#include "checker/controllo.hpp"

#include <algorithm>
#include <cstdlib>
#include <numeric>
#include <set>
#include <system_error>

#include "base/messaggi.hpp"
#include "base/messaggi_controllo.hpp"
#include "checker/controllore.hpp"
#include "wordstore/sostantivi.hpp"
#include "wordstore/testo.hpp"

#ifndef TALEWICK_DIZIONARIO_ITALIANO
#define TALEWICK_DIZIONARIO_ITALIANO "/usr/share/hunspell/it_IT"
#endif

namespace talewick::controllo {
namespace {

namespace m = messaggi::controllo;

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

// For each entry, the index of the first entry with the same key before it (itself for the first
// of its kind). Sorting indices keeps the memory small, whatever the file holds.
template <class Chiave>
std::vector<std::uint32_t> Prime_Uguali(std::size_t quante, const Chiave& chiave) {
  std::vector<std::uint32_t> ordine(quante);
  std::iota(ordine.begin(), ordine.end(), 0U);
  std::stable_sort(ordine.begin(), ordine.end(),
                   [&](std::uint32_t a, std::uint32_t b) { return chiave(a) < chiave(b); });
  std::vector<std::uint32_t> prime(quante);
  for (std::size_t k = 0, prima = 0; k < ordine.size(); ++k) {
    if (chiave(ordine[k]) != chiave(ordine[prima])) prima = k;
    prime[ordine[k]] = ordine[prima];
  }
  return prime;
}

}  // namespace

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
    const auto& percorso = voce.path();
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
  const auto prime =
      Prime_Uguali(file->voci.size(), [&](std::uint32_t i) -> const std::string& { return file->voci[i]; });
  // Nouns, adjectives and verbs: the same word with other tags is drawn twice as often.
  const bool parole =
      descrizione.tipo == Tipo::sostantivo || descrizione.tipo == Tipo::aggettivo || descrizione.tipo == Tipo::verbo;
  std::vector<std::string> basi;
  if (parole) {
    basi.reserve(file->voci.size());
    for (const auto& voce : file->voci) basi.push_back(In_Minuscolo(Senza_Tag(voce)));
  }
  const auto prime_basi =
      parole ? Prime_Uguali(basi.size(), [&](std::uint32_t i) -> const std::string& { return basi[i]; }) : prime;
  for (std::size_t i = 0; i < file->voci.size(); ++i) {
    const std::string& voce = file->voci[i];
    const int riga = file->righe[i];
    if (voce.empty()) {
      Errore(riga, std::string(i + 1 == file->voci.size() && i > 0 ? m::riga_vuota_finale : m::voce_vuota));
      continue;
    }
    if (prime[i] != i) {
      Avviso(riga, m::Voce_Ripetuta(voce, file->righe[prime[i]]));
    } else if (prime_basi[i] != i) {
      Avviso(riga, m::Voce_Ripetuta_Con_Altri_Tag(voce, file->voci[prime_basi[i]], file->righe[prime_basi[i]]));
    }
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
