// The program on screen over a fixture word folder: it starts, takes the keys and the focus, and ends.
#include "platform/qt/programma_qt.hpp"

#include <QComboBox>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

#include "qt_prova.hpp"
#include "support/database_prova.hpp"

namespace talewick::qt {
namespace {

class Programma : public ::testing::Test {
 protected:
  Programma() {
    db.Completa({{"SillabeGenerico", "ka"}});
    programma.Avvia();
  }
  template <class W>
  W* Di(std::string_view nome) {
    auto* w = qobject_cast<W*>(programma.Specchio().Widget(nome));
    EXPECT_NE(w, nullptr) << nome;
    return w;
  }
  void Premi(std::string_view pulsante) { QTest::mouseClick(Di<QPushButton>(pulsante), Qt::LeftButton); }
  // Puts the focus where a click would, and lets the model hear of it.
  static void Metti_Fuoco(QWidget* w) {
    w->setFocus(Qt::MouseFocusReason);
    QCoreApplication::processEvents();
  }
  int Px(int twips) { return programma.Specchio().Pixel(twips); }

  prova::Risponditore risponditore;
  talewick::prova::DatabaseProva db;
  ProgrammaQt programma{{.database = db.Cartella(), .seme = 11, .host_aggiornamento = {}}};
};

TEST_F(Programma, AllAvvioGialloArialGrassetto_UnRisultato_IlRiepilogoNascosto) {
  EXPECT_EQ(programma.Specchio().size(), QSize(Px(9900), Px(4900 - bordo_altezza)));  // widened by the first tick
  auto* slot = Di<QPlainTextEdit>("SlotNome");
  EXPECT_FALSE(slot->toPlainText().isEmpty());
  EXPECT_TRUE(risponditore.visti.empty());
  SpecchioFinestra* riepilogo = programma.Piattaforma().Specchio("Form4");
  ASSERT_NE(riepilogo, nullptr);
  EXPECT_FALSE(riepilogo->isVisible());
  EXPECT_EQ(qobject_cast<QLabel*>(riepilogo->Widget("Label8"))->text(), "Vers. 1.12.0");
  EXPECT_TRUE(QFontInfo(slot->font()).bold());
  EXPECT_EQ(slot->font().family(), "Arial");
  EXPECT_FALSE(Di<QPushButton>("Undo")->icon().isNull());
  auto* modo = Di<QPushButton>("Command6");
  EXPECT_TRUE(modo->text().contains('\n'));                           // the caption wraps on screen...
  EXPECT_EQ(modo->accessibleName(), "Genera più nomi in una volta");  // ...not in its name
}

// Keys filtered by the box, the check made when Tab takes the focus away: a message box with the
// title, one button, plain text, no icon.
TEST_F(Programma, IlConteggioSiControllaQuandoIlFuocoEsce) {
  ASSERT_TRUE(QTest::qWaitForWindowActive(&programma.Specchio()));
  Premi("Command6");
  EXPECT_EQ(programma.Specchio().height(), Px(6600 - bordo_altezza));
  auto* numero = Di<QLineEdit>("NumeroNomi");
  Metti_Fuoco(numero);
  numero->selectAll();
  QTest::keyClicks(numero, "1a50");
  QTest::qWait(120);
  EXPECT_TRUE(risponditore.visti.empty()) << "scrivendo";
  EXPECT_EQ(Di<QPushButton>("Command7")->text(), "Genera 150 nomi");
  QTest::keyClick(numero, Qt::Key_Tab);
  QTest::qWait(120);
  ASSERT_EQ(risponditore.visti.size(), 1u);
  const auto& box = risponditore.visti[0];
  EXPECT_EQ(box.titolo + " " + box.testo, "Attenzione! Puoi generare al massimo 100 nomi!");
  EXPECT_EQ(box.pulsanti, 1);
  EXPECT_FALSE(box.con_icona);
  EXPECT_EQ(box.formato, Qt::PlainText);
  EXPECT_EQ(numero->text(), "100");
}

TEST_F(Programma, FuocoSulPulsanteCheGenera_InvioTabEsc) {
  ASSERT_TRUE(QTest::qWaitForWindowActive(&programma.Specchio()));
  auto* genera = Di<QPushButton>("Command1");
  EXPECT_EQ(QApplication::focusWidget(), genera);
  EXPECT_TRUE(genera->isDefault());
  // Return on the button, on a list and in a text box inside a group presses it.
  for (QWidget* w : {static_cast<QWidget*>(genera), static_cast<QWidget*>(Di<QComboBox>("CosaGenerare")),
                     static_cast<QWidget*>(Di<QLineEdit>("NomePers"))}) {
    SCOPED_TRACE(w->objectName().toStdString());
    programma.Generatore().cronologia.annulla_disponibile[0] = false;
    Metti_Fuoco(w);
    QTest::keyClick(w, Qt::Key_Return);
    EXPECT_TRUE(programma.Generatore().cronologia.annulla_disponibile[0]);
  }
  EXPECT_TRUE(risponditore.visti.empty());

  Metti_Fuoco(genera);
  QStringList giro;
  for (int i = 0; i < 11; ++i) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    giro << QApplication::focusWidget()->objectName();
  }
  EXPECT_EQ(giro.join(' '),
            "CosaGenerare NomePers EdificiPred Command6 Undo Redo Command2 Command3 Command4 "
            "SlotNome Command1");
  QCoreApplication::processEvents();
  EXPECT_EQ(programma.Generatore().Fuoco(), &programma.Generatore().Command1);

  Premi("Command4");
  SpecchioFinestra* riepilogo = programma.Piattaforma().Specchio("Form4");
  ASSERT_TRUE(riepilogo->isVisible());
  QTest::keyClick(riepilogo, Qt::Key_Escape);
  EXPECT_FALSE(riepilogo->isVisible());
}

TEST_F(Programma, MenuDelleCaselleInItaliano_BarraSoloSeNonCiSta) {
  const QLocale prima;
  std::unique_ptr<QMenu> menu(Di<QLineEdit>("NomePers")->createStandardContextMenu());
  QStringList voci;
  for (const QAction* azione : menu->actions()) voci << azione->text().remove('&').section('\t', 0, 0);
  EXPECT_TRUE(voci.contains("Incolla") && !voci.contains("Paste")) << voci.join(", ").toStdString();
  EXPECT_EQ(QLocale().name(), prima.name());

  auto* slot = Di<QPlainTextEdit>("SlotNome");
  EXPECT_FALSE(slot->verticalScrollBar()->isVisible());
  std::string lungo;
  for (int i = 0; i < 30; ++i) lungo += "Una pozione densa e azzurra che sa di menta ";
  programma.Generatore().SlotNome.Imposta_Testo(lungo);
  QCoreApplication::processEvents();
  EXPECT_TRUE(slot->verticalScrollBar()->isVisible());
}

TEST_F(Programma, IlBordoTerminaEChiudeLeAltreFinestre) {
  Premi("Command3");
  SpecchioFinestra* crediti = programma.Piattaforma().Specchio("Form3");
  ASSERT_NE(crediti, nullptr);
  auto* link = qobject_cast<QLabel*>(crediti->Widget("Label3"));  // the address fits on one line
  EXPECT_LE(link->fontMetrics().horizontalAdvance(link->text()), link->width());
  crediti->close();  // from its border: hidden, not ended
  EXPECT_FALSE(crediti->isVisible());
  Premi("Command3");
  EXPECT_EQ(programma.Piattaforma().Specchio("Form3"), crediti);  // the same window, not a new one
  EXPECT_TRUE(crediti->isVisible());
  EXPECT_FALSE(programma.Piattaforma().Terminato());
  programma.Specchio().close();
  EXPECT_TRUE(programma.Piattaforma().Terminato());
  EXPECT_FALSE(programma.Specchio().isVisible());
  EXPECT_FALSE(crediti->isVisible());
}

}  // namespace
}  // namespace talewick::qt
