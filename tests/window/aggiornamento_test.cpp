#include "window/aggiornamento.hpp"

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

#include "core/messaggi.hpp"
#include "support/piattaforma_finta.hpp"

namespace talewick {
namespace {

using namespace std::chrono_literals;

class ScaricatoreFinto : public Scaricatore {
 public:
  RispostaHttp risposta;
  bool lancia = false;
  std::vector<std::string> indirizzi;
  std::chrono::milliseconds limite{};
  std::size_t massimo = 0;

  RispostaHttp Scarica(std::string_view indirizzo, std::chrono::milliseconds l, std::size_t m) override {
    indirizzi.emplace_back(indirizzo);
    limite = l;
    massimo = m;
    if (lancia) throw std::runtime_error("rete");
    return risposta;
  }
};

class NavigatoreFinto : public Navigatore {
 public:
  std::vector<std::string> aperti;
  bool lancia = false;
  int GoURL(std::string_view IndirizzoURL) override {
    aperti.emplace_back(IndirizzoURL);
    if (lancia) throw std::runtime_error("nessun browser");
    return 0;
  }
};

struct RigaConfronto {
  const char* nome;
  std::string_view remota;
  bool maggiore;
};

class Confronto : public testing::TestWithParam<RigaConfronto> {};

TEST_P(Confronto, ComeTesto) { EXPECT_EQ(Versione_Maggiore(GetParam().remota, "1.12.0"), GetParam().maggiore); }

void PrintTo(const RigaConfronto& r, std::ostream* os) { *os << '"' << r.remota << '"'; }

INSTANTIATE_TEST_SUITE_P(
    Righe, Confronto,
    testing::Values(RigaConfronto{"Uguale", "1.12.0", false}, RigaConfronto{"MinoreSuccessiva", "1.13.0", true},
                    RigaConfronto{"ConACapo", "1.12.0\n", true}, RigaConfronto{"DieciMinoreDiDodici", "1.10.0", false},
                    RigaConfronto{"Patch", "1.12.1", true}, RigaConfronto{"DueMaggioreDiDodici", "1.2", true},
                    RigaConfronto{"PrefissoProprio", "1.12", false}, RigaConfronto{"Vuota", "", false},
                    RigaConfronto{"SpazioDavanti", " 1.13.0", false}, RigaConfronto{"ByteOltre127", "\xC3\xA9", true},
                    RigaConfronto{"NulDopo", std::string_view("1.12.0\0", 7), true}),
    [](const testing::TestParamInfo<RigaConfronto>& i) { return std::string(i.param.nome); });

class Aggiornamento : public testing::Test {
 protected:
  Esito_Aggiornamento Controlla(std::string_view host = "esempio.test:8080") {
    return Controlla_Aggiornamento({host, "1.12.0", 250ms}, scaricatore, navigatore, piattaforma);
  }
  void Risponde(int stato, std::string corpo) { scaricatore.risposta = {true, stato, std::move(corpo), false}; }

  prova::PiattaformaFinta piattaforma;
  ScaricatoreFinto scaricatore;
  NavigatoreFinto navigatore;
};

TEST_F(Aggiornamento, SenzaHostNonScaricaNulla) {
  EXPECT_EQ(Controlla(""), Esito_Aggiornamento::Saltato);
  EXPECT_TRUE(scaricatore.indirizzi.empty());
}

TEST_F(Aggiornamento, ChiedeIlFileDellaVersioneConLimiti) {
  Risponde(200, "1.12.0");
  EXPECT_EQ(Controlla(), Esito_Aggiornamento::Aggiornato);
  EXPECT_EQ(scaricatore.indirizzi, std::vector<std::string>{"http://esempio.test:8080/VersioneTalewick.txt"});
  EXPECT_EQ(scaricatore.limite, 250ms);
  EXPECT_EQ(scaricatore.massimo, 4096u);
  EXPECT_TRUE(piattaforma.messaggi.empty());
}

TEST_F(Aggiornamento, VersioneMaggioreOffreConQuattroRighe) {
  Risponde(200, "1.13.0");
  EXPECT_EQ(Controlla(), Esito_Aggiornamento::Rifiutato);
  ASSERT_EQ(piattaforma.messaggi.size(), 1u);
  const auto& d = piattaforma.messaggi.front();
  EXPECT_EQ(d.titolo, "Talewick - Disponibile Aggiornamento");
  EXPECT_EQ(d.testo,
            "E' disponibile un aggiornamento! \r\nUltima versione: 1.13.0\r\nVersione attuale: 1.12.0\r\nVuoi "
            "scaricarlo?");
  EXPECT_EQ(d.pulsanti, Pulsanti_Messaggio::Si_No);
  EXPECT_TRUE(navigatore.aperti.empty());
}

TEST_F(Aggiornamento, SiApreLaPaginaDelloScaricamento) {
  Risponde(200, "1.12.0\n");
  piattaforma.risposte = {Risposta_Messaggio::Si};
  EXPECT_EQ(Controlla(), Esito_Aggiornamento::Accettato);
  EXPECT_EQ(piattaforma.messaggi.size(), 1u);
  EXPECT_EQ(navigatore.aperti, std::vector<std::string>{"http://esempio.test:8080/talewick.php"});
}

TEST_F(Aggiornamento, SoloUnaRisposta200ContaComeVersione) {
  for (const int stato : {404, 500, 301, 302, 204, 0}) {
    SCOPED_TRACE(stato);
    piattaforma.messaggi.clear();
    Risponde(stato, "9.9.9");
    EXPECT_EQ(Controlla(), Esito_Aggiornamento::Nessuna_Risposta);
    EXPECT_TRUE(piattaforma.messaggi.empty());
  }
  scaricatore.risposta = {false, 200, "9.9.9", false};  // a transfer broken after the headers
  EXPECT_EQ(Controlla(), Esito_Aggiornamento::Nessuna_Risposta);
  EXPECT_TRUE(piattaforma.messaggi.empty());
}

TEST_F(Aggiornamento, GuastiDiReteEDelBrowserNonFermanoLAvvio) {
  scaricatore.lancia = true;
  EXPECT_EQ(Controlla(), Esito_Aggiornamento::Nessuna_Risposta);
  scaricatore.lancia = false;
  Risponde(200, "2.0");
  piattaforma.risposte = {Risposta_Messaggio::Si};
  navigatore.lancia = true;
  EXPECT_EQ(Controlla(), Esito_Aggiornamento::Accettato);
  EXPECT_EQ(navigatore.aperti.size(), 1u);
}

TEST_F(Aggiornamento, UnCorpoTroppoLungoSiMostraTagliato) {
  Risponde(200, std::string(10000, '9'));  // a fetcher that ignored the limit
  EXPECT_EQ(Controlla(), Esito_Aggiornamento::Rifiutato);
  ASSERT_EQ(piattaforma.messaggi.size(), 1u);
  EXPECT_EQ(piattaforma.messaggi.front().testo, messaggi::Offerta_Aggiornamento(std::string(4096, '9'), "1.12.0"));
}

}  // namespace
}  // namespace talewick
