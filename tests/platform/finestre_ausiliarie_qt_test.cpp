// The credits and tag statistics windows on screen, through the generic mirror.
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <vector>

#include <gtest/gtest.h>

#include "other_windows/finestre_ausiliarie.hpp"
#include "other_windows/form3.hpp"
#include "platform/qt/piattaforma_qt.hpp"
#include "qt_prova.hpp"
#include "support/database_prova.hpp"
#include "support/piattaforma_finta.hpp"

namespace talewick::qt {
namespace {

class FinestreAusiliarie : public ::testing::Test {
 protected:
  FinestreAusiliarie() : archivio(db.Cartella()) {
    prova::Applicazione();
    db.Completa();
    Carica_Tutti_File(archivio);
  }
  talewick::prova::DatabaseProva db;
  Archivio archivio;
  talewick::prova::NavigatoreFinto navigatore;
  PiattaformaQt piattaforma{[this](std::string_view nome) {
    return Crea_Finestra_Ausiliaria(nome, {archivio, navigatore, ","});
  }};
};

void Muovi_Su(QWidget* w, QPoint punto) {
  QMouseEvent evento(QEvent::MouseMove, punto, w->mapToGlobal(punto), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(w, &evento);
}

TEST_F(FinestreAusiliarie, IlLinkDeiCreditiSottoIlPuntatore) {
  piattaforma.Mostra_Finestra("Form3");
  SpecchioFinestra* crediti = piattaforma.Specchio("Form3");
  ASSERT_NE(crediti, nullptr);
  ASSERT_TRUE(crediti->isVisible());
  EXPECT_EQ(crediti->windowModality(), Qt::NonModal);
  auto* link = qobject_cast<QLabel*>(crediti->Widget("Label3"));
  auto* fascia = qobject_cast<QLabel*>(crediti->Widget("Label4"));
  ASSERT_NE(link, nullptr);
  ASSERT_NE(fascia, nullptr);
  // The link lies above the band; just above the link the pointer is on the band.
  EXPECT_EQ(crediti->childAt(link->geometry().center()), link);
  EXPECT_EQ(crediti->childAt(link->geometry().center() - QPoint(0, link->height())), fascia);
  // The address fits on one line.
  EXPECT_LE(link->fontMetrics().horizontalAdvance(link->text()), link->width());

  Muovi_Su(link, link->rect().center());
  EXPECT_EQ(link->palette().color(QPalette::WindowText), QColor(0, 0, 255));
  EXPECT_TRUE(link->font().underline());
  EXPECT_EQ(link->cursor().shape(), Qt::PointingHandCursor);

  Muovi_Su(fascia, QPoint(2, 2));
  EXPECT_EQ(link->palette().color(QPalette::WindowText), QApplication::palette().color(QPalette::WindowText));
  EXPECT_FALSE(link->font().underline());

  QTest::mouseClick(link, Qt::LeftButton);
  EXPECT_EQ(navigatore.aperti, std::vector<std::string>{std::string(crediti::sito)});
  EXPECT_TRUE(crediti->isVisible());

  QTest::mouseClick(qobject_cast<QPushButton*>(crediti->Widget("Command1")), Qt::LeftButton);
  EXPECT_FALSE(crediti->isVisible());
  piattaforma.Mostra_Finestra("Form3");
  EXPECT_EQ(piattaforma.Specchio("Form3"), crediti);  // the same window, not a new one
  EXPECT_TRUE(crediti->isVisible());
}

TEST_F(FinestreAusiliarie, LeStatisticheAllaPrimaApertura) {
  piattaforma.Mostra_Finestra("Form5");
  SpecchioFinestra* statistiche = piattaforma.Specchio("Form5");
  ASSERT_NE(statistiche, nullptr);
  EXPECT_EQ(qobject_cast<QLabel*>(statistiche->Widget("Conteggio", 37))->text(), "SillabeElfo Oscuro: 1");
  EXPECT_EQ(qobject_cast<QLabel*>(statistiche->Widget("Categoria", 0))->text(), "Altro: 2 (10%)");
  EXPECT_EQ(qobject_cast<QLabel*>(statistiche->Widget("Conteggio", 38))->text(), "");
  EXPECT_EQ(statistiche->Widget("Line1")->geometry().height(), statistiche->Pixel(6720));
  EXPECT_EQ(statistiche->size(), QSize(statistiche->Pixel(12585), statistiche->Pixel(7770)));
}

}  // namespace
}  // namespace talewick::qt
