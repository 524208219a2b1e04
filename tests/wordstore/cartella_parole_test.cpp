#include "wordstore/cartella_parole.hpp"

#include <gtest/gtest.h>
#include <unistd.h>

#include <array>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "base/messaggi.hpp"
#include "support/righe_dati.hpp"

namespace talewick {
namespace {

namespace fs = std::filesystem;

// A scratch tree standing for a whole machine: "@" in a row is its root.
class Macchina {
 public:
  Macchina() {
    static int contatore = 0;
    radice_ = fs::temp_directory_path() /
              ("talewick-cartelle-" + std::to_string(::getpid()) + "-" + std::to_string(contatore++));
    fs::create_directories(radice_ / "lavoro");
  }
  ~Macchina() {
    std::error_code errore;
    fs::remove_all(radice_, errore);
  }
  Macchina(const Macchina&) = delete;
  Macchina& operator=(const Macchina&) = delete;

  [[nodiscard]] std::string Espandi(std::string_view testo) const {
    return prova::Espandi(std::string(testo), radice_.string());
  }
  [[nodiscard]] fs::path P(std::string_view relativo) const { return radice_ / relativo; }
  void Scrivi(std::string_view relativo, std::string_view contenuto) const {
    fs::create_directories(P(relativo).parent_path());
    std::ofstream(P(relativo), std::ios::binary) << contenuto;
  }
  [[nodiscard]] Ambiente Ambiente_Base() const {
    Ambiente ambiente;
    ambiente.cartella_corrente = P("lavoro");
    ambiente.home = Espandi("@/casa");
    return ambiente;
  }

 private:
  fs::path radice_;
};

std::string Leggi(const fs::path& percorso) {
  std::ifstream in(percorso, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

using enum Origine_Parole;

const prova::Regole regole = {
    {"ricerca",
     [](const std::vector<std::string>& c) {
       constexpr std::array<const char*, 5> origini = {"Opzione", "Corrente", "Utente", "Installata", "Nessuna"};
       Macchina m;
       std::istringstream cartelle(c.at(0));
       for (std::string cartella; cartelle >> cartella;) fs::create_directories(m.P(cartella));
       if (c.size() > 6) m.Scrivi(c[6], "non una cartella");
       Ambiente ambiente = m.Ambiente_Base();
       ambiente.xdg_data_home = m.Espandi(c.at(1));
       ambiente.xdg_data_dirs = m.Espandi(c.at(2));
       ambiente.cartella_programma = m.P("programma/bin");
       const auto opzione = c.at(3).empty() ? std::nullopt : std::optional<fs::path>(c[3]);
       const Cartella_Parole trovata = Trova_Cartella_Parole(ambiente, opzione);
       EXPECT_EQ(origini.at(static_cast<std::size_t>(trovata.origine)), c.at(4));
       EXPECT_EQ(trovata.percorso, opzione ? fs::path(c.at(5)) : m.P(c.at(5)));
     }},
};

RIGHE_DATI(Cartelle, TALEWICK_DATI, regole);

TEST(Ricerca, SenzaCartelleElencaDoveHaCercato) {
  Macchina m;
  Ambiente ambiente = m.Ambiente_Base();
  ambiente.xdg_data_dirs = m.Espandi("@/sistema1:@/sistema2");
  ambiente.cartella_programma = m.P("programma/bin");
  const Cartella_Parole trovata = Trova_Cartella_Parole(ambiente);
  EXPECT_EQ(trovata.cercate,
            (std::vector<fs::path>{m.P("lavoro/Database"), m.P("casa/.local/share/talewick/Database"),
                                   m.P("sistema1/talewick/Database"), m.P("sistema2/talewick/Database"),
                                   m.P("programma/share/talewick/Database")}));
}

TEST(Ricerca, SenzaCasaNessunaCopiaDellUtente) {
  Macchina m;
  fs::create_directories(m.P("sistema1/talewick/Database"));
  Ambiente ambiente = m.Ambiente_Base();
  ambiente.home = "";
  ambiente.xdg_data_dirs = m.Espandi("@/sistema1");
  const Preparazione_Parole pronta = Prepara_Cartella_Parole(ambiente);
  EXPECT_EQ(pronta.cartella.origine, Installata);
  EXPECT_TRUE(pronta.cartella.copia_utente.empty());
  EXPECT_FALSE(pronta.errore);
}

class Copia : public testing::Test {
 protected:
  Copia() {
    m.Scrivi("sistema/talewick/Database/Aggettivi.txt", "Rosso\n");
    m.Scrivi("sistema/talewick/Database/LEGGIMI.md", "# Guida\n");
    fs::permissions(m.P("sistema/talewick/Database/Aggettivi.txt"), fs::perms::owner_read | fs::perms::group_read);
    ambiente = m.Ambiente_Base();
    ambiente.xdg_data_dirs = m.Espandi("@/sistema");
  }
  Macchina m;
  Ambiente ambiente;
};

TEST_F(Copia, LaFinestraCopiaUnaVoltaSola) {
  const Preparazione_Parole prima = Prepara_Cartella_Parole(ambiente);
  const fs::path copia = m.P("casa/.local/share/talewick/Database");
  ASSERT_FALSE(prima.errore) << *prima.errore;
  EXPECT_TRUE(prima.copiata);
  EXPECT_EQ(prima.cartella.origine, Utente);
  EXPECT_EQ(prima.cartella.percorso, copia);
  EXPECT_EQ(Leggi(copia / "Aggettivi.txt"), "Rosso\n");
  EXPECT_EQ(Leggi(copia / "LEGGIMI.md"), "# Guida\n");
  // The user owns the copy and can edit it, though the installed file is read-only.
  EXPECT_NE(fs::status(copia / "Aggettivi.txt").permissions() & fs::perms::owner_write, fs::perms::none);
  EXPECT_EQ(std::distance(fs::directory_iterator(copia.parent_path()), fs::directory_iterator()), 1);

  m.Scrivi("casa/.local/share/talewick/Database/Aggettivi.txt", "Verde\n");
  fs::remove(copia / "LEGGIMI.md");
  const Preparazione_Parole seconda = Prepara_Cartella_Parole(ambiente);
  EXPECT_FALSE(seconda.copiata);
  EXPECT_EQ(seconda.cartella.origine, Utente);
  EXPECT_EQ(Leggi(copia / "Aggettivi.txt"), "Verde\n");
  EXPECT_FALSE(fs::exists(copia / "LEGGIMI.md"));
}

TEST_F(Copia, NessunaCopiaQuandoLeggeLaCartellaCorrente) {
  fs::create_directories(m.P("lavoro/Database"));
  const Preparazione_Parole pronta = Prepara_Cartella_Parole(ambiente);
  EXPECT_EQ(pronta.cartella.origine, Corrente);
  EXPECT_FALSE(pronta.copiata);
  EXPECT_FALSE(fs::exists(m.P("casa")));
}

TEST_F(Copia, UnaCopiaFallitaLeggeQuelliInstallatiENonLasciaNiente) {
  m.Scrivi("casa/.local/share/talewick", "un file dove andrebbe la cartella");
  const Preparazione_Parole pronta = Prepara_Cartella_Parole(ambiente);
  const std::string copia = m.P("casa/.local/share/talewick/Database").string();
  const std::string installata = m.P("sistema/talewick/Database").string();
  ASSERT_TRUE(pronta.errore);
  EXPECT_EQ(*pronta.errore,
            "Non è stato possibile copiare i file di parole in \"" + copia +
                "\" (un file occupa il posto di una cartella): il programma legge quelli installati in \"" +
                installata + "\", che non si possono modificare.");
  EXPECT_FALSE(pronta.copiata);
  EXPECT_EQ(pronta.cartella.origine, Installata);
  EXPECT_EQ(pronta.cartella.percorso, installata);
  EXPECT_EQ(std::distance(fs::directory_iterator(m.P("casa/.local/share")), fs::directory_iterator()), 1);
}

TEST_F(Copia, UnaCopiaInterrottaNonLasciaMezzaCartella) {
  // A file that vanishes from the installed set stops the copy half-way, even for root.
  fs::create_symlink(m.P("sistema/talewick/Database/manca.txt"), m.P("sistema/talewick/Database/Zzz.txt"));
  const Preparazione_Parole pronta = Prepara_Cartella_Parole(ambiente);
  ASSERT_TRUE(pronta.errore);
  EXPECT_NE(pronta.errore->find("(un file non esiste più)"), std::string::npos) << *pronta.errore;
  EXPECT_EQ(pronta.cartella.origine, Installata);
  EXPECT_EQ(std::distance(fs::directory_iterator(m.P("casa/.local/share/talewick")), fs::directory_iterator()), 0);
}

}  // namespace
}  // namespace talewick
