#include "other_windows/form3.hpp"

#include <gtest/gtest.h>

#include <vector>

#include "support/piattaforma_finta.hpp"

namespace talewick {
namespace {

class Form3Prova : public testing::Test {
 protected:
  Form3Prova() { f.Mostra(); }
  prova::NavigatoreFinto navigatore;
  Form3 f{navigatore};
  Controllo& link = f["Label3"];
};

// The pointer over the link lights it; only the band around it puts it out.
TEST_F(Form3Prova, IlLinkSiAccendeESiSpegneAttraversoLaFascia) {
  EXPECT_EQ(link.Colore_Testo(), nero);
  EXPECT_FALSE(link.Sottolineato());
  EXPECT_EQ(link.Puntatore(), Forma_Puntatore::Predefinita);
  struct Passo {
    const char* etichetta;  // where the pointer moves
    bool acceso;
  };
  // Leaving over the other label (Label6) is no band crossing: the highlight stays.
  const Passo passi[] = {{"Label3", true}, {"Label3", true}, {"Label4", false},
                         {"Label3", true}, {"Label6", true}, {"Label4", false}};
  for (const auto& p : passi) {
    f[p.etichetta].Scatena(Evento::MouseMove);
    EXPECT_EQ(link.Colore_Testo(), p.acceso ? blu : colore_testo_menu) << p.etichetta;
    EXPECT_EQ(link.Sottolineato(), p.acceso) << p.etichetta;
  }
  EXPECT_EQ(link.Puntatore(), Forma_Puntatore::Personalizzata);
}

TEST_F(Form3Prova, IlClicApreIlSito_ChiudiNasconde_LaFinestraTornaComEra) {
  link.Scatena(Evento::Click);
  EXPECT_EQ(navigatore.aperti, std::vector<std::string>{"http://www.example.org/talewick"});
  EXPECT_EQ(link.Testo(), "http://www.example.org/talewick");
  EXPECT_TRUE(f.Visibile());
  navigatore.lancia = true;
  EXPECT_NO_THROW(link.Scatena(Evento::Click));
  EXPECT_TRUE(f.Visibile());

  link.Scatena(Evento::MouseMove);
  EXPECT_EQ(f["Command1"].Testo(), "Chiudi");
  f["Command1"].Scatena(Evento::Click);
  EXPECT_FALSE(f.Visibile());
  EXPECT_TRUE(f.Caricata());
  f.Mostra();
  EXPECT_EQ(link.Colore_Testo(), blu);  // shown again as it was
}

}  // namespace
}  // namespace talewick
