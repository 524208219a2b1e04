#include "wordstore/cartella_parole.hpp"

#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstdlib>
#include <utility>

#include "base/messaggi.hpp"

namespace talewick {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view sottocartella = "talewick";
constexpr std::string_view nome_cartella = "Database";
constexpr std::string_view dati_sistema_predefiniti = "/usr/local/share/:/usr/share/";

struct RigaMotivo {
  int numero;
  std::string_view motivo;
};

constexpr std::array<RigaMotivo, 8> motivi = {{
    {EACCES, "permesso negato"},
    {EPERM, "permesso negato"},
    {EROFS, "il disco è in sola lettura"},
    {ENOSPC, "il disco è pieno"},
    {EDQUOT, "lo spazio concesso all'utente è esaurito"},
    {ENOTDIR, "un file occupa il posto di una cartella"},
    {EEXIST, "un file occupa il posto di una cartella"},
    {ENOENT, "un file non esiste più"},
}};

std::string Variabile(const char* nome) {
  const char* valore = std::getenv(nome);  // NOLINT(concurrency-mt-unsafe): read once at start-up
  return valore != nullptr ? valore : "";
}

bool E_Cartella(const fs::path& percorso) {
  std::error_code errore;
  return fs::is_directory(percorso, errore);
}

fs::path Sotto(const fs::path& dati) { return dati / sottocartella / nome_cartella; }

// Copies `sorgente` into a new folder `destinazione` and gives its owner write access.
void Copia_Scrivibile(const fs::path& sorgente, const fs::path& destinazione) {
  fs::copy(sorgente, destinazione, fs::copy_options::recursive);
  fs::permissions(destinazione, fs::perms::owner_all, fs::perm_options::add);
  for (const auto& voce : fs::recursive_directory_iterator(destinazione)) {
    fs::permissions(voce.path(),
                    voce.is_directory() ? fs::perms::owner_all : fs::perms::owner_read | fs::perms::owner_write,
                    fs::perm_options::add);
  }
}

}  // namespace

Ambiente Ambiente_Del_Processo() {
  Ambiente ambiente;
  std::error_code errore;
  ambiente.cartella_corrente = fs::current_path(errore);
  ambiente.home = Variabile("HOME");
  ambiente.xdg_data_home = Variabile("XDG_DATA_HOME");
  ambiente.xdg_data_dirs = Variabile("XDG_DATA_DIRS");
  const fs::path eseguibile = fs::read_symlink("/proc/self/exe", errore);
  if (!errore) ambiente.cartella_programma = eseguibile.parent_path();
  return ambiente;
}

std::vector<fs::path> Cartelle_Dati_Sistema(std::string_view xdg_data_dirs) {
  std::vector<fs::path> cartelle;
  const auto aggiungi_da = [&cartelle](std::string_view elenco) {
    while (!elenco.empty()) {
      const auto fine = elenco.find(':');
      const fs::path voce(elenco.substr(0, fine));
      if (voce.is_absolute()) cartelle.push_back(voce);
      elenco = fine == std::string_view::npos ? std::string_view{} : elenco.substr(fine + 1);
    }
  };
  aggiungi_da(xdg_data_dirs);
  if (cartelle.empty()) aggiungi_da(dati_sistema_predefiniti);
  return cartelle;
}

fs::path Cartella_Dati_Utente(const Ambiente& ambiente) {
  fs::path xdg(ambiente.xdg_data_home);
  if (xdg.is_absolute()) return xdg;
  const fs::path casa(ambiente.home);
  if (casa.is_absolute()) return casa / ".local" / "share";
  return {};
}

Cartella_Parole Trova_Cartella_Parole(const Ambiente& ambiente, const std::optional<fs::path>& opzione) {
  Cartella_Parole trovata;
  const fs::path dati_utente = Cartella_Dati_Utente(ambiente);
  if (!dati_utente.empty()) trovata.copia_utente = Sotto(dati_utente);
  if (opzione) {
    trovata.percorso = *opzione;
    trovata.origine = Origine_Parole::Opzione;
    return trovata;
  }
  const auto prova = [&trovata](const fs::path& percorso, Origine_Parole origine) {
    trovata.cercate.push_back(percorso);
    if (!E_Cartella(percorso)) return false;
    trovata.percorso = percorso;
    trovata.origine = origine;
    return true;
  };
  if (prova(ambiente.cartella_corrente / nome_cartella, Origine_Parole::Corrente)) return trovata;
  if (!trovata.copia_utente.empty() && prova(trovata.copia_utente, Origine_Parole::Utente)) return trovata;
  for (const auto& dati : Cartelle_Dati_Sistema(ambiente.xdg_data_dirs)) {
    if (prova(Sotto(dati), Origine_Parole::Installata)) return trovata;
  }
  if (!ambiente.cartella_programma.empty()) {
    const fs::path accanto = Sotto(ambiente.cartella_programma.parent_path() / "share").lexically_normal();
    if (prova(accanto, Origine_Parole::Installata)) return trovata;
  }
  trovata.percorso = ambiente.cartella_corrente / nome_cartella;
  return trovata;
}

Preparazione_Parole Prepara_Cartella_Parole(const Ambiente& ambiente) {
  Preparazione_Parole esito;
  esito.cartella = Trova_Cartella_Parole(ambiente);
  Cartella_Parole& cartella = esito.cartella;
  if (cartella.origine != Origine_Parole::Installata || cartella.copia_utente.empty()) return esito;

  const fs::path& copia = cartella.copia_utente;
  const fs::path provvisoria =
      copia.parent_path() / ("." + std::string(nome_cartella) + ".copia-" + std::to_string(::getpid()));
  std::error_code pulizia;
  try {
    fs::create_directories(copia.parent_path());
    fs::remove_all(provvisoria, pulizia);
    Copia_Scrivibile(cartella.percorso, provvisoria);
    std::error_code errore;
    fs::rename(provvisoria, copia, errore);
    // Another window may have made the copy in the meantime: that one is kept.
    if (errore && !E_Cartella(copia)) throw fs::filesystem_error("rename", provvisoria, copia, errore);
    fs::remove_all(provvisoria, pulizia);
    esito.copiata = !errore;
  } catch (const fs::filesystem_error& e) {
    fs::remove_all(provvisoria, pulizia);
    esito.errore = messaggi::Copia_Parole_Fallita(copia.string(), Motivo_Errore(e.code()), cartella.percorso.string());
    return esito;
  }
  cartella.percorso = copia;
  cartella.origine = Origine_Parole::Utente;
  return esito;
}

std::string Motivo_Errore(std::error_code errore) {
  const bool di_sistema = errore.category() == std::system_category() || errore.category() == std::generic_category();
  for (const auto& riga : motivi) {
    if (di_sistema && errore.value() == riga.numero) return std::string(riga.motivo);
  }
  return "errore di sistema " + std::to_string(errore.value());
}

}  // namespace talewick
