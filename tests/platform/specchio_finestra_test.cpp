// The mirror over a small model window of every control kind: widgets at their pixel places,
// model changes shown, user input fed back.
#include "platform/qt/specchio_finestra.hpp"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <array>
#include <cmath>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "qt_prova.hpp"

namespace talewick::qt {
namespace {

constexpr std::array<std::string_view, 3> colori = {"Rosso", "Verde", "Blu"};

using enum Tipo_Controllo;

// A control at its place in twips.
DescrizioneControllo C(DescrizioneControllo d, int sinistra, int alto, int larghezza, int altezza) {
  d.sinistra = sinistra;
  d.alto = alto;
  d.larghezza = larghezza;
  d.altezza = altezza;
  return d;
}

// One control of every kind.
const std::array<DescrizioneControllo, 9> disposizione = {
    C({.nome = "Gruppo", .tipo = Cornice, .testo = "Gruppo"}, 1440, 720, 2880, 1440),
    C({.nome = "Numero",
       .tipo = Casella_Testo,
       .collocazione = Collocazione::Dentro,
       .cornice = "Gruppo",
       .testo = "10",
       .solo_cifre = true,
       .lunghezza_massima = 3},
      120, 240, 1440, 285),
    C({.nome = "Sopra", .tipo = Etichetta, .collocazione = Collocazione::Sopra, .cornice = "Gruppo", .testo = "sopra"},
      1560, 1440, 1000, 255),
    C({.nome = "Elenco", .tipo = Elenco, .voci = colori}, 0, 2400, 2000, 330),
    C({.nome = "Spunta", .tipo = Casella_Spunta, .testo = "Spunta"}, 0, 2880, 2000, 255),
    C({.nome = "Testo", .tipo = Casella_Testo, .dimensione_carattere = 12, .multilinea = true, .barra_verticale = true},
      0, 3240, 4000, 945),
    C({.nome = "Pulsante",
       .tipo = Pulsante,
       .testo = "Premi qui per provare",
       .dimensione_carattere = 9.75,
       .suggerimento = "Un suggerimento"},
      4800, 0, 900, 495),
    {.nome = "Orologio", .tipo = Timer, .intervallo = 1},
    C({.nome = "Riga", .tipo = Linea}, 6000, 0, 0, 2000),
};

class Specchio : public ::testing::Test {
 protected:
  template <class W>
  W* Di(std::string_view nome) {
    return prova::Di<W>(specchio, nome);
  }
  int Px(int twips) const { return specchio.Pixel(twips); }

  QApplication& applicazione = prova::Applicazione();
  Finestra modello{"Prova", "Finestra di prova", 7200, 4800, disposizione};
  SpecchioFinestra specchio{modello};
};

TEST_F(Specchio, UnWidgetPerControlloAlSuoPosto) {
  EXPECT_EQ(Px(1440), std::lround(specchio.screen()->logicalDotsPerInch()));
  auto* gruppo = Di<QGroupBox>("Gruppo");
  auto* numero = Di<QLineEdit>("Numero");
  auto* sopra = Di<QLabel>("Sopra");
  EXPECT_EQ(gruppo->title(), "Gruppo");
  EXPECT_EQ(gruppo->geometry(), QRect(Px(1440), Px(720), Px(2880), Px(1440)));
  EXPECT_EQ(numero->parentWidget(), gruppo);
  EXPECT_EQ(numero->geometry(), QRect(Px(120), Px(240), Px(1440), Px(285)));
  EXPECT_EQ(sopra->parentWidget(), &specchio);
  const auto figli = specchio.children();
  EXPECT_GT(figli.indexOf(sopra), figli.indexOf(gruppo));  // stacked above the group
  EXPECT_EQ(Di<QComboBox>("Elenco")->count(), 3);
  EXPECT_EQ(Di<QComboBox>("Elenco")->itemText(2), "Blu");
  EXPECT_EQ(Di<QPlainTextEdit>("Testo")->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
  EXPECT_EQ(Di<QPlainTextEdit>("Testo")->font().pointSizeF(), 12);
  EXPECT_TRUE(Di<QPlainTextEdit>("Testo")->font().bold());
  auto* pulsante = Di<QPushButton>("Pulsante");
  EXPECT_EQ(pulsante->toolTip(), "Un suggerimento");
  EXPECT_GE(pulsante->text().count('\n'), 1) << "a caption too long for the button wraps";
  EXPECT_EQ(pulsante->text().replace('\n', ' '), "Premi qui per provare");
  EXPECT_EQ(specchio.Widget("Orologio"), nullptr);
  ASSERT_NE(specchio.Timer("Orologio"), nullptr);
  EXPECT_TRUE(specchio.Timer("Orologio")->isActive());
  EXPECT_EQ(specchio.Timer("Orologio")->interval(), intervallo_minimo_ms);
  EXPECT_EQ(specchio.Widget("Riga")->geometry(), QRect(Px(6000), 0, 1, Px(2000)));
  EXPECT_EQ(specchio.size(), QSize(Px(7200), Px(4800)));
  EXPECT_EQ(specchio.windowTitle(), "Finestra di prova");
  EXPECT_EQ(specchio.palette().color(QPalette::Window), QColor(255, 255, 0));
  EXPECT_EQ(numero->palette().color(QPalette::Base), QColor(255, 255, 0));
}

TEST_F(Specchio, CambiDelModelloSulloSchermo) {
  Controllo& numero = modello["Numero"];
  numero.Imposta_Testo("42");
  numero.Imposta_Abilitato(false);
  EXPECT_EQ(Di<QLineEdit>("Numero")->text(), "42");
  EXPECT_FALSE(Di<QLineEdit>("Numero")->isEnabled());
  modello["Gruppo"].Imposta_Alto(0);
  EXPECT_EQ(Di<QGroupBox>("Gruppo")->y(), 0);
  modello["Testo"].Imposta_Testo("uno\r\ndue");
  EXPECT_EQ(Di<QPlainTextEdit>("Testo")->toPlainText(), "uno\ndue");
  modello["Testo"].Imposta_Corsivo(true);
  modello["Testo"].Imposta_Dimensione_Carattere(10);
  EXPECT_TRUE(Di<QPlainTextEdit>("Testo")->font().italic());
  EXPECT_EQ(Di<QPlainTextEdit>("Testo")->font().pointSizeF(), 10);
  modello["Sopra"].Imposta_Colore_Testo(blu);
  modello["Sopra"].Imposta_Sottolineato(true);
  modello["Sopra"].Imposta_Puntatore(Forma_Puntatore::Personalizzata);
  EXPECT_EQ(Di<QLabel>("Sopra")->palette().color(QPalette::WindowText), QColor(0, 0, 255));
  EXPECT_TRUE(Di<QLabel>("Sopra")->font().underline());
  EXPECT_EQ(Di<QLabel>("Sopra")->cursor().shape(), Qt::PointingHandCursor);
  modello["Elenco"].Imposta_Posizione(1);
  EXPECT_EQ(Di<QComboBox>("Elenco")->currentText(), "Verde");
  modello["Spunta"].Imposta_Valore(1);
  EXPECT_TRUE(Di<QCheckBox>("Spunta")->isChecked());
  modello["Orologio"].Imposta_Abilitato(false);
  EXPECT_FALSE(specchio.Timer("Orologio")->isActive());
  modello.Imposta_Larghezza(5000 + bordo_larghezza);
  EXPECT_EQ(specchio.width(), Px(5000));
  modello["Gruppo"].Imposta_Visibile(false);
  modello.Mostra();
  EXPECT_TRUE(specchio.isVisible());
  EXPECT_FALSE(Di<QGroupBox>("Gruppo")->isVisible());
  EXPECT_FALSE(Di<QLineEdit>("Numero")->isVisible());
  modello.Nascondi();
  EXPECT_FALSE(specchio.isVisible());
}

TEST_F(Specchio, IngressiDellUtenteNelModello) {
  std::vector<std::string> eventi;
  modello["Numero"].Collega(Evento::Change, [&] { eventi.push_back("Change " + modello["Numero"].Testo()); });
  modello["Elenco"].Collega(Evento::Click, [&] { eventi.push_back("Elenco " + modello["Elenco"].Testo()); });
  modello["Pulsante"].Collega(Evento::Click, [&] { eventi.emplace_back("Pulsante"); });
  modello["Sopra"].Collega(Evento::Click, [&] { eventi.emplace_back("Etichetta"); });
  modello["Spunta"].Collega(Evento::Click, [&] { eventi.emplace_back("Spunta"); });
  modello.Mostra();

  auto* numero = Di<QLineEdit>("Numero");
  numero->selectAll();
  QTest::keyClicks(numero, "7a8b9c0");
  EXPECT_EQ(modello["Numero"].Testo(), "789");
  EXPECT_EQ(numero->text(), "789");

  auto* elenco = Di<QComboBox>("Elenco");
  elenco->setFocus();
  QTest::keyClick(elenco, Qt::Key_Down);
  QTest::mouseClick(Di<QPushButton>("Pulsante"), Qt::LeftButton);
  QTest::mouseClick(Di<QLabel>("Sopra"), Qt::LeftButton);
  auto* spunta = Di<QCheckBox>("Spunta");
  QTest::mouseClick(spunta, Qt::LeftButton, {}, QPoint(6, spunta->height() / 2));
  EXPECT_EQ(modello["Elenco"].Testo(), "Rosso");
  EXPECT_EQ(modello["Spunta"].Valore(), 1);
  const std::vector<std::string> attesi = {"Change 7", "Change 78", "Change 789", "Elenco Rosso",
                                           "Pulsante", "Etichetta", "Spunta"};
  EXPECT_EQ(eventi, attesi);

  auto* testo = Di<QPlainTextEdit>("Testo");
  testo->setFocus();
  QTest::keyClicks(testo, "a");
  QTest::keyClick(testo, Qt::Key_Return);
  QTest::keyClicks(testo, "b");
  EXPECT_EQ(modello["Testo"].Testo(), "a\r\nb");
}

TEST_F(Specchio, IlBordoChiedeAlModello) {
  modello.Mostra();
  specchio.close();
  EXPECT_FALSE(modello.Visibile());
  EXPECT_FALSE(specchio.isVisible());
  bool chiesta = false;
  modello.Collega(Evento_Finestra::Chiusura, [&] { chiesta = true; });
  modello.Mostra();
  specchio.close();
  EXPECT_TRUE(chiesta);
  EXPECT_TRUE(specchio.isVisible());
}

}  // namespace
}  // namespace talewick::qt
