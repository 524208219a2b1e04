#include "main_window/aggiornamento.hpp"

#include <gtest/gtest.h>

#include <map>
#include <stdexcept>
#include <vector>

#include "base/messaggi.hpp"
#include "support/piattaforma_finta.hpp"
#include "support/righe_dati.hpp"

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

void Esito(const std::vector<std::string>& r) {
  using enum Esito_Aggiornamento;
  const std::map<std::string, Esito_Aggiornamento, std::less<>> esiti = {{"Aggiornato", Aggiornato},
                                                                         {"Rifiutato", Rifiutato},
                                                                         {"Nessuna_Risposta", Nessuna_Risposta},
                                                                         {"Non_Una_Versione", Non_Una_Versione}};
  ScaricatoreFinto scaricatore;
  scaricatore.risposta = {r.at(0) == "1", std::stoi(r.at(1)), r.at(2), r.at(3) == "1"};
  prova::NavigatoreFinto navigatore;
  prova::PiattaformaFinta piattaforma;
  EXPECT_EQ(Controlla_Aggiornamento({"esempio.test", "1.12.0", 250ms}, scaricatore, navigatore, piattaforma),
            esiti.at(r.at(4)));
  EXPECT_EQ(piattaforma.messaggi.size(), r.at(4) == "Rifiutato" ? 1u : 0u);
}

// The rows of versioni.tsv.
const prova::Regole versioni = {
    {"maggiore", [](const auto& r) { EXPECT_EQ(Versione_Maggiore(r.at(0), "1.12.0"), r.at(1) == "1"); }},
    {"risposta", [](const auto& r) { EXPECT_EQ(Versione_Nella_Risposta(r.at(0)).value_or("-"), r.at(1)); }},
    {"esito", Esito}};
RIGHE_DATI(Versioni, TALEWICK_DATI, versioni);

class Aggiornamento : public testing::Test {
 protected:
  Esito_Aggiornamento Controlla(std::string_view host = "esempio.test:8080") {
    return Controlla_Aggiornamento({host, "1.12.0", 250ms}, scaricatore, navigatore, piattaforma);
  }
  void Risponde(int stato, std::string corpo) { scaricatore.risposta = {true, stato, std::move(corpo), false}; }

  prova::PiattaformaFinta piattaforma;
  ScaricatoreFinto scaricatore;
  prova::NavigatoreFinto navigatore;
};

TEST_F(Aggiornamento, ChiedeIlFileDellaVersioneConLimiti_SenzaHostNulla) {
  EXPECT_EQ(Controlla(""), Esito_Aggiornamento::Saltato);
  EXPECT_TRUE(scaricatore.indirizzi.empty());
  Risponde(200, "1.12.0");
  EXPECT_EQ(Controlla(), Esito_Aggiornamento::Aggiornato);
  EXPECT_EQ(scaricatore.indirizzi, std::vector<std::string>{"http://esempio.test:8080/VersioneTalewick.txt"});
  EXPECT_EQ(scaricatore.limite, 250ms);
  EXPECT_EQ(scaricatore.massimo, 64u);
  EXPECT_EQ(ImpostazioniAggiornamento{}.limite, 10s);
  EXPECT_TRUE(piattaforma.messaggi.empty());
}

// A greater version is offered in four lines; "No" opens nothing, "Si" the download page.
TEST_F(Aggiornamento, VersioneMaggioreOffertaConQuattroRighe) {
  Risponde(200, "1.13.0\r\n");
  EXPECT_EQ(Controlla(), Esito_Aggiornamento::Rifiutato);
  EXPECT_TRUE(navigatore.aperti.empty());
  piattaforma.risposte = {Risposta_Messaggio::Si};
  EXPECT_EQ(Controlla(), Esito_Aggiornamento::Accettato);
  ASSERT_EQ(piattaforma.messaggi.size(), 2u);
  const auto& d = piattaforma.messaggi.front();
  EXPECT_EQ(d.titolo, "Talewick - Disponibile Aggiornamento");
  EXPECT_EQ(d.testo,
            "E' disponibile un aggiornamento! \r\nUltima versione: 1.13.0\r\nVersione attuale: 1.12.0\r\nVuoi "
            "scaricarlo?");
  EXPECT_EQ(d.pulsanti, Pulsanti_Messaggio::Si_No);
  EXPECT_EQ(navigatore.aperti, std::vector<std::string>{"http://esempio.test:8080/talewick.php"});
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

}  // namespace
}  // namespace talewick
