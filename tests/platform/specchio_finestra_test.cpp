// The mirror over a small model window of every control kind: widgets at their pixel places,
// model changes shown, user input fed back.
#include "platform/qt/specchio_finestra.hpp"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
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

// One control of every kind; the label is the third of an array.
const std::array<DescrizioneControllo, 9> disposizione = {
    C({.nome = "Gruppo", .tipo = Cornice, .testo = "Gruppo"}, 1440, 720, 2880, 1440),
    C({.nome = "Numero",
       .tipo = Casella_Testo,
       .collocazione = Collocazione::Dentro,
       .cornice = "Gruppo",
       .solo_cifre = true,
       .lunghezza_massima = 3},
      120, 240, 1440, 285),
    C({.nome = "Sopra", .tipo = Etichetta, .indice = 2, .collocazione = Collocazione::Sopra, .cornice = "Gruppo"}, 1560,
      1440, 1000, 255),
    C({.nome = "Elenco", .tipo = Elenco, .voci = colori}, 0, 2400, 2000, 330),
    C({.nome = "Spunta", .tipo = Casella_Spunta, .testo = "Spunta"}, 0, 2880, 2000, 255),
    C({.nome = "Testo", .tipo = Casella_Testo, .dimensione_carattere = 12, .multilinea = true, .barra_verticale = true},
      0, 3240, 4000, 945),
    C({.nome = "Pulsante", .tipo = Pulsante, .testo = "Premi qui per provare", .suggerimento = "Un suggerimento"}, 4800,
      0, 900, 495),
    {.nome = "Orologio", .tipo = Timer, .intervallo = 1},
    C({.nome = "Riga", .tipo = Linea}, 6000, 0, 0, 2000),
};

class Specchio : public ::testing::Test {
 protected:
  template <class W>
  W* Di(std::string_view nome, int indice = -1) {
    auto* w = qobject_cast<W*>(specchio.Widget(nome, indice));
    EXPECT_NE(w, nullptr) << nome;
    return w;
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
  auto* sopra = Di<QLabel>("Sopra", 2);
  EXPECT_EQ(gruppo->title(), "Gruppo");
  EXPECT_EQ(gruppo->geometry(), QRect(Px(1440), Px(720), Px(2880), Px(1440)));
  EXPECT_EQ(numero->parentWidget(), gruppo);
  EXPECT_EQ(numero->geometry(), QRect(Px(120), Px(240), Px(1440), Px(285)));
  EXPECT_EQ(sopra->parentWidget(), &specchio);
  EXPECT_GT(specchio.children().indexOf(sopra), specchio.children().indexOf(gruppo));  // stacked above the group
  EXPECT_EQ(Di<QComboBox>("Elenco")->itemText(2), "Blu");
  auto* testo = Di<QPlainTextEdit>("Testo");
  EXPECT_EQ(testo->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
  EXPECT_EQ(testo->font().pointSizeF(), 12);
  EXPECT_TRUE(testo->font().bold());
  auto* pulsante = Di<QPushButton>("Pulsante");
  EXPECT_EQ(pulsante->toolTip(), "Un suggerimento");
  EXPECT_GE(pulsante->text().count('\n'), 1) << "a caption too long for the button wraps";
  EXPECT_EQ(pulsante->text().replace('\n', ' '), "Premi qui per provare");
  EXPECT_EQ(specchio.Widget("Orologio"), nullptr);
  ASSERT_NE(specchio.Timer("Orologio"), nullptr);
  EXPECT_EQ(specchio.Timer("Orologio")->interval(), intervallo_minimo_ms);
  EXPECT_EQ(specchio.Widget("Riga")->geometry(), QRect(Px(6000), 0, 1, Px(2000)));
  EXPECT_EQ(specchio.size(), QSize(Px(7200), Px(4800)));
  EXPECT_EQ(specchio.windowTitle(), "Finestra di prova");
  EXPECT_EQ(specchio.palette().color(QPalette::Window), QColor(255, 255, 0));
  EXPECT_EQ(numero->palette().color(QPalette::Base), QColor(255, 255, 0));
}

TEST_F(Specchio, CambiDelModelloSulloSchermo) {
  modello["Numero"].Imposta_Testo("42");
  modello["Numero"].Imposta_Abilitato(false);
  EXPECT_EQ(Di<QLineEdit>("Numero")->text(), "42");
  EXPECT_FALSE(Di<QLineEdit>("Numero")->isEnabled());
  modello["Gruppo"].Imposta_Alto(0);
  EXPECT_EQ(Di<QGroupBox>("Gruppo")->y(), 0);
  Controllo& testo = modello["Testo"];
  testo.Imposta_Testo("uno\r\ndue");
  testo.Imposta_Corsivo(true);
  testo.Imposta_Dimensione_Carattere(10);
  EXPECT_EQ(Di<QPlainTextEdit>("Testo")->toPlainText(), "uno\ndue");
  EXPECT_TRUE(Di<QPlainTextEdit>("Testo")->font().italic());
  EXPECT_EQ(Di<QPlainTextEdit>("Testo")->font().pointSizeF(), 10);
  Controllo& sopra = modello("Sopra", 2);
  sopra.Imposta_Colore_Testo(blu);
  sopra.Imposta_Sottolineato(true);
  sopra.Imposta_Puntatore(Forma_Puntatore::Personalizzata);
  EXPECT_EQ(Di<QLabel>("Sopra", 2)->palette().color(QPalette::WindowText), QColor(0, 0, 255));
  EXPECT_TRUE(Di<QLabel>("Sopra", 2)->font().underline());
  EXPECT_EQ(Di<QLabel>("Sopra", 2)->cursor().shape(), Qt::PointingHandCursor);
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
  EXPECT_FALSE(Di<QLineEdit>("Numero")->isVisible());
  modello.Nascondi();
  EXPECT_FALSE(specchio.isVisible());
}

TEST_F(Specchio, IngressiDellUtenteNelModello) {
  std::vector<std::string> eventi;
  const auto registra = [&](Controllo& c, Evento e, std::string nome) {
    c.Collega(e, [&eventi, &c, nome] { eventi.push_back(nome + " " + c.Testo()); });
  };
  registra(modello["Numero"], Evento::Change, "Change");
  registra(modello["Elenco"], Evento::Click, "Elenco");
  registra(modello["Pulsante"], Evento::Click, "Pulsante");
  registra(modello("Sopra", 2), Evento::MouseMove, "Sopra");
  registra(modello("Sopra", 2), Evento::Click, "Etichetta");
  registra(modello["Spunta"], Evento::Click, "Spunta");
  modello.Mostra();

  auto* numero = Di<QLineEdit>("Numero");
  numero->selectAll();
  QTest::keyClicks(numero, "7a8b9c0");
  EXPECT_EQ(numero->text(), "789");
  Di<QComboBox>("Elenco")->setFocus();
  QTest::keyClick(Di<QComboBox>("Elenco"), Qt::Key_Down);
  QTest::mouseClick(Di<QPushButton>("Pulsante"), Qt::LeftButton);
  auto* sopra = Di<QLabel>("Sopra", 2);
  QMouseEvent movimento(QEvent::MouseMove, QPointF(2, 2), sopra->mapToGlobal(QPointF(2, 2)), Qt::NoButton, Qt::NoButton,
                        Qt::NoModifier);
  QApplication::sendEvent(sopra, &movimento);
  QTest::mouseClick(sopra, Qt::LeftButton);
  auto* spunta = Di<QCheckBox>("Spunta");
  QTest::mouseClick(spunta, Qt::LeftButton, {}, QPoint(6, spunta->height() / 2));
  EXPECT_EQ(modello["Spunta"].Valore(), 1);
  const std::vector<std::string> attesi = {
      "Change 7", "Change 78",  "Change 789",   "Elenco Rosso", "Pulsante Premi qui per provare",
      "Sopra ",   "Etichetta ", "Spunta Spunta"};
  EXPECT_EQ(eventi, attesi);

  auto* testo = Di<QPlainTextEdit>("Testo");
  testo->setFocus();
  QTest::keyClicks(testo, "a");
  QTest::keyClick(testo, Qt::Key_Return);
  QTest::keyClicks(testo, "b");
  EXPECT_EQ(modello["Testo"].Testo(), "a\r\nb");
}

}  // namespace
}  // namespace talewick::qt
