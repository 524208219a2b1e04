#include "wordstore/archivio.hpp"

#include <algorithm>
#include <atomic>
#include <optional>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "base/messaggi.hpp"

namespace talewick {

const std::array<std::string_view, numero_file> nome_file = {"VerbiPassatoProssimo",
                                                             "Aggettivi",
                                                             "MasAltro",
                                                             "FemAltro",
                                                             "MasAnimali",
                                                             "FemAnimali",
                                                             "MasCibi",
                                                             "FemCibi",
                                                             "MasCorpo",
                                                             "FemCorpo",
                                                             "MasLuoghi",
                                                             "FemLuoghi",
                                                             "MasOggetti",
                                                             "FemOggetti",
                                                             "MasUmani",
                                                             "FemUmani",
                                                             "MasArmi",
                                                             "FemArmi",
                                                             "MasAstratto",
                                                             "FemAstratto",
                                                             "MasNaturale",
                                                             "FemNaturale",
                                                             "IngleseVocaboli",
                                                             "IngleseSoggetti",
                                                             "SillabeGenerico",
                                                             "Come",
                                                             "FluidiSpecificazioni",
                                                             "Dove",
                                                             "Libri",
                                                             "SillabeNano",
                                                             "SillabeOrco",
                                                             "SillabeGnomo",
                                                             "SillabeMezzuomo",
                                                             "SillabeElfo",
                                                             "SillabeDemone",
                                                             "SillabeOrientale",
                                                             "SillabeTroll",
                                                             "SillabeElfo Oscuro"};

const std::vector<std::uint32_t>& FileParole::Con_Tag(std::string_view tag) const {
  const auto trovato = indici_tag_.find(std::string(tag));
  if (trovato != indici_tag_.end()) return trovato->second;
  std::vector<std::uint32_t> indici;
  for (std::size_t i = 0; i < voci.size(); ++i) {
    if (voci[i].find(tag) != std::string::npos) indici.push_back(static_cast<std::uint32_t>(i));
  }
  return indici_tag_.emplace(std::string(tag), std::move(indici)).first->second;
}

const std::vector<std::uint32_t>& FileParole::Filtrate(std::string_view chiave,
                                                       const std::function<bool(std::string_view)>& filtro) const {
  const auto trovato = indici_filtrati_.find(std::string(chiave));
  if (trovato != indici_filtrati_.end()) return trovato->second;
  std::vector<std::uint32_t> indici;
  for (std::size_t i = 0; i < voci.size(); ++i) {
    if (filtro(voci[i])) indici.push_back(static_cast<std::uint32_t>(i));
  }
  return indici_filtrati_.emplace(std::string(chiave), std::move(indici)).first->second;
}

Archivio::Archivio(std::filesystem::path cartella, std::int64_t limite)
    : cartella_(std::move(cartella)), limite_(limite) {}

std::string Testo_Dimensione(std::int64_t byte) {
  if (byte % (std::int64_t{1} << 20U) == 0) return std::to_string(byte >> 20U) + " MiB";
  if (byte % 1024 == 0) return std::to_string(byte / 1024) + " KiB";
  return std::to_string(byte) + " byte";
}

EsameFile Esamina_File(const std::filesystem::path& cartella, const std::filesystem::path& percorso,
                       std::int64_t limite) {
  EsameFile esame;
  struct stat info {};
  if (::stat(percorso.c_str(), &info) != 0) {
    const int errore = errno;
    if (errore == ELOOP) {
      esame.natura = Natura_File::Ciclo;
    } else if (errore == EACCES) {
      esame.natura = Natura_File::Cartella_Non_Accessibile;
    } else if (errore == ENOENT || errore == ENOTDIR) {
      struct stat della_cartella {};
      if (::stat(cartella.c_str(), &della_cartella) != 0) {
        esame.natura = Natura_File::Cartella_Mancante;
      } else if (!S_ISDIR(della_cartella.st_mode)) {
        esame.natura = Natura_File::Cartella_Non_Cartella;
      } else {
        esame.natura = Natura_File::Mancante;
      }
    }
    return esame;
  }
  esame.dimensione = info.st_size;
  esame.modifica_ns = static_cast<std::int64_t>(info.st_mtim.tv_sec) * 1'000'000'000 + info.st_mtim.tv_nsec;
  if (S_ISDIR(info.st_mode)) {
    esame.natura = Natura_File::Cartella;
  } else if (!S_ISREG(info.st_mode)) {
    esame.natura = Natura_File::Speciale;
  } else if (esame.dimensione > limite) {
    esame.natura = Natura_File::Troppo_Grande;
  } else {
    esame.natura = Natura_File::Regolare;
  }
  return esame;
}

namespace {

std::string Messaggio_Esame(Natura_File natura, const std::filesystem::path& cartella,
                            const std::filesystem::path& percorso, std::int64_t limite) {
  switch (natura) {
    case Natura_File::Mancante:
      return messaggi::File_Mancante(percorso.string());
    case Natura_File::Cartella_Mancante:
      return messaggi::Cartella_Mancante(cartella.string());
    case Natura_File::Cartella_Non_Cartella:
      return messaggi::Cartella_Non_Cartella(cartella.string());
    case Natura_File::Cartella_Non_Accessibile:
      return messaggi::Cartella_Non_Accessibile(cartella.string());
    case Natura_File::Cartella:
      return messaggi::File_Cartella(percorso.string());
    case Natura_File::Speciale:
      return messaggi::File_Non_Regolare(percorso.string());
    case Natura_File::Ciclo:
      return messaggi::File_In_Ciclo(percorso.string());
    case Natura_File::Troppo_Grande:
      return messaggi::File_Troppo_Grande(percorso.string(), Testo_Dimensione(limite));
    case Natura_File::Regolare:
    case Natura_File::Illeggibile:
      break;
  }
  return messaggi::File_Illeggibile(percorso.string());
}

// Closes the descriptor however the read ends.
struct Descrittore {
  int fd;
  ~Descrittore() {
    if (fd >= 0) ::close(fd);
  }
};

}  // namespace

std::filesystem::path Archivio::Percorso(std::string_view nome) const {
  return cartella_ / (std::string(nome) + ".txt");
}

std::unique_ptr<FileParole> Leggi_File_Parole(const std::filesystem::path& percorso, std::string nome,
                                              std::int64_t limite) {
  // Non-blocking, so that a FIFO put in the file's place meanwhile cannot hold the open.
  const Descrittore file{::open(percorso.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC)};
  if (file.fd < 0) throw ErroreGenerazione(messaggi::File_Illeggibile(percorso.string()));
  struct stat info {};
  if (::fstat(file.fd, &info) != 0) throw ErroreGenerazione(messaggi::File_Illeggibile(percorso.string()));
  if (!S_ISREG(info.st_mode)) {
    throw ErroreGenerazione(S_ISDIR(info.st_mode) ? messaggi::File_Cartella(percorso.string())
                                                  : messaggi::File_Non_Regolare(percorso.string()));
  }
  const auto troppo_grande = [&] {
    return ErroreGenerazione(messaggi::File_Troppo_Grande(percorso.string(), Testo_Dimensione(limite)));
  };
  if (info.st_size > limite) throw troppo_grande();
  std::string byte(static_cast<std::size_t>(info.st_size), '\0');
  std::size_t letti = 0;
  for (;;) {
    // One byte more than the limit tells a file that grew past it since the stat.
    if (letti == byte.size()) {
      if (static_cast<std::int64_t>(letti) > limite) throw troppo_grande();
      byte.resize(std::min<std::size_t>(byte.size() + 65536, static_cast<std::size_t>(limite) + 1));
    }
    const ssize_t n = ::read(file.fd, byte.data() + letti, byte.size() - letti);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) throw ErroreGenerazione(messaggi::File_Illeggibile(percorso.string()));
    if (n == 0) break;
    letti += static_cast<std::size_t>(n);
  }
  byte.resize(letti);
  return Analizza_File_Parole(byte, percorso, std::move(nome));
}

std::unique_ptr<FileParole> Analizza_File_Parole(std::string_view byte, const std::filesystem::path& percorso,
                                                 std::string nome) {
  auto decodificato = Decodifica_File_Parole(byte);
  auto campi = Leggi_Campi(decodificato.testo);
  static std::atomic<std::uint64_t> letture{0};
  auto file = std::make_unique<FileParole>();
  file->lettura = ++letture;
  file->nome = std::move(nome);
  file->percorso = percorso;
  file->voci = std::move(campi.campi);
  file->vuoto = std::all_of(file->voci.begin(), file->voci.end(), [](const std::string& v) { return v.empty(); });
  file->righe = std::move(campi.righe);
  file->righe_virgolette_aperte = std::move(campi.righe_virgolette_aperte);
  file->codifica = decodificato.codifica;
  file->righe_windows_1252 = std::move(decodificato.righe_windows_1252);
  file->conteneva_nul = decodificato.conteneva_nul;
  file->riga_nul = decodificato.riga_nul;
  return file;
}

const FileParole& Archivio::File(std::string_view nome) {
  auto [posto, nuovo] = cache_.try_emplace(std::string(nome));
  Voce& voce = posto->second;
  if (!nuovo && voce.file && (voce.in_memoria || voce.azione == azione_)) {
    if (voce.file->Vuoto()) throw ErroreGenerazione(messaggi::File_Vuoto(voce.file->percorso.string()));
    return *voce.file;
  }
  const auto percorso = Percorso(nome);
  // One stat per check: type, size and modification time together.
  const EsameFile esame = Esamina_File(cartella_, percorso, limite_);
  if (esame.natura != Natura_File::Regolare) {
    voce.file.reset();
    throw ErroreGenerazione(Messaggio_Esame(esame.natura, cartella_, percorso, limite_));
  }
  if (!voce.file || esame.dimensione != voce.dimensione || esame.modifica_ns != voce.modifica_ns) {
    voce.file.reset();
    voce.file = Leggi_File_Parole(percorso, std::string(nome), limite_);
    voce.dimensione = esame.dimensione;
    voce.modifica_ns = esame.modifica_ns;
  }
  voce.azione = azione_;
  if (voce.file->Vuoto()) throw ErroreGenerazione(messaggi::File_Vuoto(percorso.string()));
  return *voce.file;
}

void Archivio::Metti_In_Memoria(std::string_view nome, std::string_view byte) {
  Voce& voce = cache_[std::string(nome)];
  voce.file = Analizza_File_Parole(byte, Percorso(nome), std::string(nome));
  voce.in_memoria = true;
  azione_conteggi = 0;
}

void Carica_Tutti_File(Archivio& archivio) {
  if (archivio.azione_conteggi == archivio.Azione()) return;
  // Every file that can be read is counted; one that cannot counts 0, and the first such
  // failure is raised once all the others are counted.
  std::optional<ErroreGenerazione> primo_errore;
  std::array<const FileParole*, numero_file> letti{};
  for (std::size_t i = 0; i < numero_file; ++i) {
    try {
      letti[i] = &archivio.File(nome_file[i]);
      archivio.numero_vocaboli[i] = static_cast<std::int64_t>(letti[i]->voci.size());
    } catch (const ErroreGenerazione& e) {
      archivio.numero_vocaboli[i] = 0;
      if (!primo_errore) primo_errore = e;
    }
  }
  const auto conta_tag = [&letti](std::string_view tag) {
    std::int64_t totale = 0;
    for (const FileParole* file : letti) {
      if (file != nullptr) totale += static_cast<std::int64_t>(file->Con_Tag(tag).size());
    }
    return totale;
  };
  const FileParole* aggettivi = letti[1];
  archivio.numero_vocaboli_tag[0] = conta_tag("[mag]");
  archivio.numero_vocaboli_tag[1] = conta_tag("[liq]");
  archivio.numero_vocaboli_tag[2] = conta_tag("[col]");
  archivio.numero_vocaboli_tag[3] =
      aggettivi != nullptr ? static_cast<std::int64_t>(aggettivi->Con_Tag("[o]").size()) : 0;
  archivio.numero_vocaboli_tag[4] =
      aggettivi != nullptr ? static_cast<std::int64_t>(aggettivi->Con_Tag("[s]").size()) : 0;
  archivio.numero_vocaboli_tag[5] = 0;
  if (primo_errore) throw *primo_errore;
  archivio.azione_conteggi = archivio.Azione();
}

std::int64_t Conta_Solo_Vocaboli_con_Tag_in_Tutti_File(Archivio& archivio, std::string_view tag) {
  std::int64_t totale = 0;
  for (const auto nome : nome_file) {
    totale += static_cast<std::int64_t>(archivio.File(nome).Con_Tag(tag).size());
  }
  return totale;
}

std::int64_t Conta_Solo_Vocaboli_con_Tag_in_un_Solo_File(Archivio& archivio, std::string_view file_da_contare,
                                                         std::string_view tag) {
  return static_cast<std::int64_t>(archivio.File(file_da_contare).Con_Tag(tag).size());
}

}  // namespace talewick
