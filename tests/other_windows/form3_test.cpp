#include "other_windows/form3.hpp"

#include <gtest/gtest.h>

#include <vector>

#include "support/piattaforma_finta.hpp"

namespace talewick {
namespace {

using prova::NavigatoreFinto;

struct Aspetto {
  Colore colore;
  bool sottolineato;
};

struct Passo {
  const char* nome;
  const char* etichetta;  // where the pointer moves
  Aspetto dopo;
};

TEST(Form3, IlLinkSiAccendeESiSpegneAttraversoLaFascia) {
  NavigatoreFinto navigatore;
  Form3 f(navigatore);
  f.Mostra();
  Controllo& link = f["Label3"];
  EXPECT_EQ(link.Colore_Testo(), nero);
  EXPECT_FALSE(link.Sottolineato());
  EXPECT_EQ(link.Puntatore(), Forma_Puntatore::Predefinita);

  const std::vector<Passo> passi = {
      {"SulLink", "Label3", {blu, true}},
      {"AncoraSulLink", "Label3", {blu, true}},
      {"SullaFascia", "Label4", {colore_testo_menu, false}},
      {"DiNuovoSulLink", "Label3", {blu, true}},
      // Leaving over the other label is no band crossing: the highlight stays.
      {"SullInvito", "Label6", {blu, true}},
      {"FasciaDiNuovo", "Label4", {colore_testo_menu, false}},
  };
  for (const auto& p : passi) {
    SCOPED_TRACE(p.nome);
    f[p.etichetta].Scatena(Evento::MouseMove);
    EXPECT_EQ(link.Colore_Testo(), p.dopo.colore);
    EXPECT_EQ(link.Sottolineato(), p.dopo.sottolineato);
  }
  EXPECT_EQ(link.Puntatore(), Forma_Puntatore::Personalizzata);
}

TEST(Form3, LaFasciaStaSottoEIntornoAlLink) {
  NavigatoreFinto navigatore;
  Form3 f(navigatore);
  const Controllo& link = f["Label3"];
  const Controllo& fascia = f["Label4"];
  EXPECT_EQ(fascia.Testo(), "");
  EXPECT_LT(fascia.Sinistra(), link.Sinistra());
  EXPECT_LT(fascia.Alto(), link.Alto());
  EXPECT_GT(fascia.Sinistra() + fascia.Larghezza(), link.Sinistra() + link.Larghezza());
  EXPECT_GT(fascia.Alto() + fascia.Altezza(), link.Alto() + link.Altezza());
  // Controls later in the list lie above earlier ones.
  const auto& c = f.Controlli();
  const auto posto = [&](const Controllo& x) {
    return std::find_if(c.begin(), c.end(), [&](const auto& p) { return p.get() == &x; }) - c.begin();
  };
  EXPECT_LT(posto(fascia), posto(link));
}

TEST(Form3, IlClicApreIlSitoELaFinestraResta) {
  NavigatoreFinto navigatore;
  Form3 f(navigatore);
  f.Mostra();
  f["Label3"].Scatena(Evento::Click);
  EXPECT_EQ(navigatore.aperti, std::vector<std::string>{"http://www.example.org/talewick"});
  EXPECT_EQ(f["Label3"].Testo(), "http://www.example.org/talewick");
  EXPECT_TRUE(f.Visibile());

  navigatore.lancia = true;
  EXPECT_NO_THROW(f["Label3"].Scatena(Evento::Click));
  EXPECT_TRUE(f.Visibile());
}

TEST(Form3, TestiEChiudi) {
  NavigatoreFinto navigatore;
  Form3 f(navigatore);
  EXPECT_EQ(f.Didascalia(), "Talewick");
  EXPECT_EQ(f.Larghezza_Interna(), 5910);
  EXPECT_EQ(f.Altezza_Interna(), 3165);
  EXPECT_TRUE(f["Label9"].Testo().starts_with("- Realizzato da "));
  EXPECT_TRUE(f["Label1"].Testo().starts_with("- Vocaboli inseriti da "));
  EXPECT_NE(f["Label1"].Testo().find(" e "), std::string::npos);
  EXPECT_EQ(f["Label8"].Testo(), "- Data di inizio programmazione: 01/03/2011");
  EXPECT_TRUE(
      f["Label2"].Testo().starts_with("Per dubbi, consigli o segnalazioni non esitate a contattarmi via mail: "));
  EXPECT_EQ(f["Label6"].Testo(), "Visita il mio sito web:");
  EXPECT_EQ(f["Command1"].Testo(), "Chiudi");

  f.Mostra();
  f["Label3"].Scatena(Evento::MouseMove);
  f["Command1"].Scatena(Evento::Click);
  EXPECT_FALSE(f.Visibile());
  EXPECT_TRUE(f.Caricata());
  f.Mostra();
  EXPECT_EQ(f["Label3"].Colore_Testo(), blu);  // shown again as it was
}

}  // namespace
}  // namespace talewick
