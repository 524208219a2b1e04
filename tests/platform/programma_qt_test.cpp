// The program on screen over a fixture word folder: real buttons pressed, real widgets read.
#include "platform/qt/programma_qt.hpp"

#include <QCheckBox>
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
    return prova::Di<W>(programma.Specchio(), nome);
  }
  void Premi(std::string_view pulsante) { QTest::mouseClick(Di<QPushButton>(pulsante), Qt::LeftButton); }
  // Picks a list item with the keyboard, as the user would.
  void Scegli(std::string_view elenco, const QString& voce) {
    auto* combo = Di<QComboBox>(elenco);
    combo->setFocus();
    const int da = combo->currentIndex();
    const int a = combo->findText(voce);
    ASSERT_GE(a, 0) << voce.toStdString();
    for (int i = da; i < a; ++i) QTest::keyClick(combo, Qt::Key_Down);
    for (int i = da; i > a; --i) QTest::keyClick(combo, Qt::Key_Up);
  }
  // Puts the focus where a click would, and lets the model hear of it.
  static void Metti_Fuoco(QWidget* w) {
    w->setFocus(Qt::MouseFocusReason);
    QCoreApplication::processEvents();
  }
  QString Testo(std::string_view casella) { return Di<QPlainTextEdit>(casella)->toPlainText(); }
  int Px(int twips) { return programma.Specchio().Pixel(twips); }

  prova::Risponditore risponditore;
  talewick::prova::DatabaseProva db;
  ProgrammaQt programma{{.database = db.Cartella(), .seme = 11, .host_aggiornamento = {}}};
};

TEST_F(Programma, AllAvvioGialloArialGrassetto) {
  auto& specchio = programma.Specchio();
  EXPECT_TRUE(specchio.isVisible());
  EXPECT_EQ(specchio.windowTitle(), "Talewick");
  EXPECT_EQ(specchio.size(), QSize(Px(9900), Px(4900 - bordo_altezza)));
  EXPECT_EQ(Testo("SlotNome").toStdString(), programma.Generatore().SlotNome.Testo());
  EXPECT_FALSE(Testo("SlotNome").isEmpty());
  EXPECT_EQ(Di<QComboBox>("CosaGenerare")->currentText(), "Nomi Edifici");
  EXPECT_TRUE(risponditore.visti.empty());
  // The summary window is loaded hidden with its version line.
  SpecchioFinestra* riepilogo = programma.Piattaforma().Specchio("Form4");
  ASSERT_NE(riepilogo, nullptr);
  EXPECT_FALSE(riepilogo->isVisible());
  EXPECT_EQ(qobject_cast<QLabel*>(riepilogo->Widget("Label8"))->text(), "Vers. 1.12.0");

  auto* slot = Di<QPlainTextEdit>("SlotNome");
  EXPECT_EQ(slot->palette().color(QPalette::Base), QColor(255, 255, 0));
  EXPECT_EQ(Di<QPushButton>("Command1")->palette().color(QPalette::Button), QColor(255, 255, 0));
  EXPECT_TRUE(QFontInfo(slot->font()).bold());
  EXPECT_EQ(slot->font().family(), "Arial");
  EXPECT_FALSE(Di<QPushButton>("Undo")->icon().isNull());
  EXPECT_EQ(Di<QPushButton>("Command2")->toolTip(), "Esci dal Programma");
  EXPECT_EQ(Di<QPushButton>("Command1")->geometry(), QRect(Px(480), Px(1440), Px(3015), Px(855)));
}

// A message box: the title, one button, plain text, no icon.
TEST_F(Programma, GeneraAnnullaRipeti_IlBoxAttenzione) {
  Premi("Undo");
  ASSERT_EQ(risponditore.visti.size(), 1u);
  const auto& box = risponditore.visti[0];
  EXPECT_EQ(box.titolo, "Attenzione!");
  EXPECT_EQ(box.testo, "Non puoi tornare al risultato precedente quando non ci sono altri risultati!");
  EXPECT_EQ(box.pulsanti, 1);
  EXPECT_FALSE(box.con_icona);
  EXPECT_EQ(box.formato, Qt::PlainText);

  auto* slot = Di<QPlainTextEdit>("SlotNome");
  slot->selectAll();
  QTest::keyClicks(slot, "scritto a mano");
  Scegli("CosaGenerare", "Nomi Personaggi");
  QTest::qWait(120);
  Di<QLineEdit>("Max")->selectAll();
  QTest::keyClicks(Di<QLineEdit>("Max"), "2");
  Premi("Command1");
  EXPECT_EQ(Testo("SlotNome"), "Kaka Kaka");
  Premi("Undo");
  EXPECT_EQ(Testo("SlotNome"), "scritto a mano");
  Premi("Redo");
  EXPECT_EQ(Testo("SlotNome"), "Kaka Kaka");
  EXPECT_EQ(risponditore.visti.size(), 1u);
}

// Keys filtered by the box, the check when the focus leaves it, lines as the screen shows them.
TEST_F(Programma, PiuNomiInUnaVolta) {
  Scegli("CosaGenerare", "Nomi Personaggi");
  QTest::qWait(120);
  for (const char* casella : {"Min", "Max"}) {
    Di<QLineEdit>(casella)->selectAll();
    QTest::keyClicks(Di<QLineEdit>(casella), "1");
  }
  Premi("Command6");
  EXPECT_TRUE(Di<QPlainTextEdit>("SlotNome1")->isVisible());
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
  EXPECT_EQ(risponditore.visti[0].testo, "Puoi generare al massimo 100 nomi!");
  EXPECT_EQ(numero->text(), "100");
  numero->selectAll();
  QTest::keyClicks(numero, "3");
  Premi("Command7");
  EXPECT_EQ(Testo("SlotNome1"), "1) Ka Ka\n2) Ka Ka\n3) Ka Ka");
}

TEST_F(Programma, TastieraFuocoSulPulsanteCheGenera_InvioTabEsc) {
  auto& specchio = programma.Specchio();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&specchio));
  auto* genera = Di<QPushButton>("Command1");
  EXPECT_EQ(QApplication::focusWidget(), genera);
  EXPECT_TRUE(genera->isDefault());
  QTest::keyClick(genera, Qt::Key_Return);
  EXPECT_TRUE(programma.Generatore().cronologia.annulla_disponibile[0]);
  // Return from a list or a text box inside a group presses the default button too.
  for (QWidget* w :
       {static_cast<QWidget*>(Di<QComboBox>("CosaGenerare")), static_cast<QWidget*>(Di<QLineEdit>("NomePers"))}) {
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
  const QStringList atteso = {"CosaGenerare", "NomePers", "EdificiPred", "Command6", "Undo",    "Redo",
                              "Command2",     "Command3", "Command4",    "SlotNome", "Command1"};
  EXPECT_EQ(giro, atteso);
  QCoreApplication::processEvents();
  EXPECT_EQ(programma.Generatore().Fuoco(), &programma.Generatore().Command1);

  Premi("Command4");
  SpecchioFinestra* riepilogo = programma.Piattaforma().Specchio("Form4");
  ASSERT_TRUE(riepilogo->isVisible());
  QTest::keyClick(riepilogo, Qt::Key_Escape);
  EXPECT_FALSE(riepilogo->isVisible());
}

TEST_F(Programma, NomiAccessibiliSuUnaRiga) {
  EXPECT_EQ(Di<QPushButton>("Undo")->accessibleName(), "Annulla");
  EXPECT_EQ(Di<QLineEdit>("Min")->accessibleName(), "Lunghezza minima del nome in sillabe");
  auto* modo = Di<QPushButton>("Command6");
  EXPECT_TRUE(modo->text().contains('\n'));                           // the caption wraps on screen...
  EXPECT_EQ(modo->accessibleName(), "Genera più nomi in una volta");  // ...not in its name
  Premi("Command6");
  EXPECT_EQ(Di<QPushButton>("Command7")->accessibleName(), "Genera 10 nomi");
}

TEST_F(Programma, MenuDelleCaselleInItaliano_NumeriNellaLinguaDellUtente) {
  const QLocale prima;
  std::unique_ptr<QMenu> righe(Di<QLineEdit>("NomePers")->createStandardContextMenu());
  QStringList voci;
  for (const QAction* azione : righe->actions()) voci << azione->text().remove('&').section('\t', 0, 0);
  EXPECT_TRUE(voci.contains("Annulla") && voci.contains("Incolla")) << voci.join(", ").toStdString();
  EXPECT_FALSE(voci.contains("Paste"));
  std::unique_ptr<QMenu> menu(Di<QPlainTextEdit>("SlotNome")->createStandardContextMenu());
  EXPECT_FALSE(menu->actions().isEmpty());
  for (const QAction* azione : menu->actions()) EXPECT_FALSE(azione->text().contains("Copy"));
  EXPECT_EQ(QLocale().name(), prima.name());
}

TEST_F(Programma, UnRisultatoCheNonCiStaHaLaBarra) {
  auto* slot = Di<QPlainTextEdit>("SlotNome");
  programma.Generatore().SlotNome.Imposta_Testo("corto");
  QCoreApplication::processEvents();
  EXPECT_FALSE(slot->verticalScrollBar()->isVisible());
  std::string lungo;
  for (int i = 0; i < 30; ++i) lungo += "Una pozione densa e azzurra che sa di menta ";
  programma.Generatore().SlotNome.Imposta_Testo(lungo);
  QCoreApplication::processEvents();
  EXPECT_TRUE(slot->verticalScrollBar()->isVisible());
}

TEST_F(Programma, CreditiEscieBordo) {
  Premi("Command3");
  SpecchioFinestra* crediti = programma.Piattaforma().Specchio("Form3");
  ASSERT_NE(crediti, nullptr);
  EXPECT_TRUE(crediti->isVisible());
  EXPECT_FALSE(programma.Piattaforma().Terminato());
  programma.Specchio().close();
  EXPECT_TRUE(programma.Piattaforma().Terminato());
  EXPECT_FALSE(programma.Specchio().isVisible());
  EXPECT_FALSE(crediti->isVisible());
}

}  // namespace
}  // namespace talewick::qt
