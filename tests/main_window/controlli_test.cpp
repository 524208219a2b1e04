#include "main_window/controlli.hpp"

#include <gtest/gtest.h>

#include <array>
#include <stdexcept>
#include <string>
#include <vector>

namespace talewick {
namespace {

constexpr std::array<std::string_view, 3> voci_prova = {"Beta", "Alfa", "Gamma"};

using enum Tipo_Controllo;

const std::array<DescrizioneControllo, 6> disposizione_prova = {{
    {.nome = "Casella", .tipo = Casella_Testo, .testo = "10", .solo_cifre = true, .lunghezza_massima = 3},
    {.nome = "Sopra", .tipo = Etichetta, .collocazione = Collocazione::Sopra, .cornice = "Gruppo"},
    {.nome = "Gruppo", .tipo = Cornice, .testo = "Gruppo"},
    {.nome = "Elenco",
     .tipo = Elenco,
     .collocazione = Collocazione::Dentro,
     .cornice = "Gruppo",
     .voci = voci_prova,
     .ordinato = true},
    {.nome = "Spunta", .tipo = Casella_Spunta, .testo = "Spunta"},
    {.nome = "Riga", .tipo = Etichetta, .indice = 2},
}};

class ModelloFinestra : public ::testing::Test {
 protected:
  ModelloFinestra() {
    finestra.Osserva([this](Controllo&, Proprieta p) { cambi.push_back(p); }, nullptr);
  }
  Finestra finestra{"Prova", "Prova", 3000, 2000, disposizione_prova};
  std::vector<Proprieta> cambi;
  std::vector<std::string> eventi;
};

TEST_F(ModelloFinestra, ScritturaDelTestoScatenaChangeSubito_AncheRientrando) {
  Controllo& casella = finestra["Casella"];
  casella.Collega(Evento::Change, [&] {
    eventi.push_back("Change " + casella.Testo());
    if (casella.Testo().empty()) casella.Imposta_Testo("1");
  });
  casella.Imposta_Testo("");
  EXPECT_EQ(eventi, (std::vector<std::string>{"Change ", "Change 1"}));
  EXPECT_EQ(casella.Testo(), "1");
}

TEST_F(ModelloFinestra, ValoreUgualeNonNotificaNeScatena) {
  Controllo& casella = finestra["Casella"];
  int change = 0;
  casella.Collega(Evento::Change, [&] { ++change; });
  const auto revisione = finestra.Revisione();
  casella.Imposta_Testo("10");
  casella.Imposta_Visibile(true);
  casella.Imposta_Alto(0);
  finestra.Imposta_Larghezza(finestra.Larghezza());
  EXPECT_EQ(change, 0);
  EXPECT_TRUE(cambi.empty());
  EXPECT_EQ(finestra.Revisione(), revisione);
  casella.Imposta_Alto(15);
  EXPECT_EQ(cambi, std::vector<Proprieta>{Proprieta::Alto});
  EXPECT_GT(finestra.Revisione(), revisione);
}

// A list's position raises Click even when unchanged; a check box's value only when it changes.
TEST_F(ModelloFinestra, PosizioneDellElencoScatenaClick_AncheSullaStessa_LaSpuntaNo) {
  int spunte = 0;
  finestra["Spunta"].Collega(Evento::Click, [&] { ++spunte; });
  for (const int valore : {1, 1, 0}) finestra["Spunta"].Imposta_Valore(valore);
  EXPECT_EQ(spunte, 2);
  Controllo& elenco = finestra["Elenco"];
  EXPECT_EQ(elenco.Voci(), (std::vector<std::string>{"Alfa", "Beta", "Gamma"}));
  EXPECT_EQ(elenco.Posizione(), -1);
  EXPECT_EQ(elenco.Testo(), "");
  elenco.Collega(Evento::Click, [&] { eventi.push_back(elenco.Testo()); });
  elenco.Imposta_Posizione(1);
  elenco.Imposta_Posizione(1);
  elenco.Imposta_Testo("Gamma");
  elenco.Imposta_Testo("Delta");  // no such item
  elenco.Imposta_Posizione(3);    // beyond the list
  EXPECT_EQ(eventi, (std::vector<std::string>{"Beta", "Beta", "Gamma"}));
  EXPECT_EQ(elenco.Posizione(), 2);
  elenco.Aggiungi_Voce("Acero");
  EXPECT_EQ(elenco.Voci().front(), "Acero");
  EXPECT_EQ(elenco.Testo(), "Gamma");
}

TEST_F(ModelloFinestra, DigitaRifiutaQuelloCheLaCasellaNonAmmette) {
  Controllo& casella = finestra["Casella"];
  struct Caso {
    const char* nome;
    const char* testo;
    bool ammesso;
  };
  const Caso casi[] = {{"cifre", "123", true},    {"vuoto", "", true},     {"lettera", "1a", false},
                       {"segno", "-1", false},    {"spazio", " 1", false}, {"troppo lungo", "1234", false},
                       {"virgola", "1,5", false}, {"zeri", "007", true}};
  for (const auto& caso : casi) {
    SCOPED_TRACE(caso.nome);
    casella.Imposta_Testo("10");
    EXPECT_EQ(casella.Digita(caso.testo), caso.ammesso);
    EXPECT_EQ(casella.Testo(), caso.ammesso ? caso.testo : "10");
  }
  casella.Imposta_Abilitato(false);
  EXPECT_FALSE(casella.Digita("5"));
  // The program itself may write what the user may not type.
  casella.Imposta_Testo("X");
  EXPECT_EQ(casella.Testo(), "X");
}

TEST_F(ModelloFinestra, DentroESopraUnGruppo) {
  Controllo& gruppo = finestra["Gruppo"];
  Controllo& dentro = finestra["Elenco"];
  Controllo& sopra = finestra["Sopra"];
  EXPECT_EQ(dentro.Cornice(), &gruppo);
  EXPECT_EQ(sopra.Cornice(), &gruppo);
  EXPECT_EQ(sopra.Posto(), Collocazione::Sopra);
  gruppo.Imposta_Visibile(false);
  EXPECT_TRUE(dentro.Visibile());
  EXPECT_FALSE(dentro.Visibile_Sullo_Schermo());
  EXPECT_TRUE(sopra.Visibile_Sullo_Schermo());
}

TEST_F(ModelloFinestra, ControlliPerNomeEIndice) {
  EXPECT_EQ(finestra.Cerca("Riga"), nullptr);
  EXPECT_EQ(&finestra("Riga", 2), finestra.Cerca("Riga", 2));
  EXPECT_THROW(finestra["Nessuno"], std::out_of_range);
  EXPECT_THROW(finestra.Aggiungi({.nome = "Casella"}), std::logic_error);
  EXPECT_THROW(finestra.Aggiungi({.nome = "Orfano", .collocazione = Collocazione::Dentro, .cornice = "Casella"}),
               std::logic_error);
  Controllo& nuovo = finestra.Aggiungi({.nome = "Nuovo", .collocazione = Collocazione::Dentro, .cornice = "Gruppo"});
  EXPECT_EQ(finestra.Controlli().back().get(), &nuovo);
}

TEST(Finestra, CaricaUnaVolta_MostraCarica_ChiusuraSenzaGestoreNasconde) {
  Finestra finestra("Prova", "Prova", 5910, 3165);
  EXPECT_EQ(finestra.Larghezza(), 5910 + bordo_larghezza);
  EXPECT_EQ(finestra.Altezza_Interna(), 3165);
  int load = 0;
  finestra.Collega(Evento_Finestra::Load, [&] { ++load; });
  EXPECT_FALSE(finestra.Caricata());
  finestra.Mostra();
  finestra.Nascondi();
  finestra.Mostra();
  finestra.Carica();
  EXPECT_EQ(load, 1);
  EXPECT_TRUE(finestra.Visibile());
  finestra.Chiudi_Dal_Bordo();
  EXPECT_FALSE(finestra.Visibile());
  EXPECT_TRUE(finestra.Caricata());

  bool chiesta = false;
  finestra.Collega(Evento_Finestra::Chiusura, [&] { chiesta = true; });
  finestra.Mostra();
  finestra.Chiudi_Dal_Bordo();
  EXPECT_TRUE(chiesta);
  EXPECT_TRUE(finestra.Visibile());
}

}  // namespace
}  // namespace talewick
