// The look of the controls: the colours they are drawn with stand out from the yellow, the
// widgets are really drawn with them, and the pictures stay sharp at any scale.
#include "platform/qt/aspetto_qt.hpp"

#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include <gtest/gtest.h>

#include <memory>

#include "qt_prova.hpp"

namespace talewick::qt {
namespace {

TEST(Aspetto, ContrastiSulGiallo) {
  EXPECT_NEAR(Contrasto(Qt::black, Qt::white), 21.0, 1e-9);
  EXPECT_NEAR(Contrasto(QColor(118, 118, 118), Qt::white), 4.54, 0.01);
  struct Riga {
    const char* nome;
    QColor primo_piano, sfondo;
    double minimo;
  };
  const Riga righe[] = {
      {"Testo", colore_testo, giallo_finestre, 4.5},
      {"TestoSuPulsantePremuto", colore_testo, colore_premuto, 4.5},
      {"BordoDeiControlli", colore_bordo, giallo_finestre, 3},
      {"TestoEBordoDisabilitati", colore_disabilitato, giallo_finestre, 3},
      {"CornicePulsanteDisabilitato", colore_disabilitato, colore_premuto, 3},
      {"CorniceDeiGruppi", colore_cornice, giallo_finestre, 3},
      {"AnelloDelFuoco", colore_fuoco, giallo_finestre, 3},
      {"TestoSelezionato", colore_testo_selezionato, colore_selezione, 4.5},
  };
  for (const auto& r : righe) EXPECT_GE(Contrasto(r.primo_piano, r.sfondo), r.minimo) << r.nome;
}

// The darkest pixel inside a widget, its border left out.
QColor Piu_Scuro(const QImage& immagine) {
  QColor scuro = Qt::white;
  for (int y = 3; y < immagine.height() - 3; ++y) {
    for (int x = 3; x < immagine.width() - 3; ++x) {
      const QColor c = immagine.pixelColor(x, y);
      if (Contrasto(c, giallo_finestre) > Contrasto(scuro, giallo_finestre)) scuro = c;
    }
  }
  return scuro;
}

// Drawn: the border on the left edge, yellow inside; a disabled X still reads, a tick shows.
TEST(Aspetto, IWidgetDisegnati) {
  prova::Applicazione();
  auto combo = std::make_unique<QComboBox>();
  combo->addItem(QStringLiteral("a"));
  auto spenta = std::make_unique<QLineEdit>(QStringLiteral("X"));
  spenta->setEnabled(false);
  std::pair<std::unique_ptr<QWidget>, QColor> widget[] = {
      {std::make_unique<QLineEdit>(QStringLiteral("ab")), colore_bordo},
      {std::move(spenta), colore_disabilitato},
      {std::make_unique<QPlainTextEdit>(), colore_bordo},
      {std::make_unique<QPushButton>(), colore_bordo},
      {std::move(combo), colore_bordo}};
  for (auto& [w, bordo] : widget) {
    w->resize(120, 30);
    const QImage immagine = w->grab().toImage();
    const int dpr = static_cast<int>(immagine.devicePixelRatio());
    EXPECT_EQ(immagine.pixelColor(0, 15 * dpr), bordo) << w->metaObject()->className();
    EXPECT_EQ(immagine.pixelColor(60 * dpr, 4 * dpr), giallo_finestre) << w->metaObject()->className();
  }
  widget[1].first->resize(41, 21);
  EXPECT_GE(Contrasto(Piu_Scuro(widget[1].first->grab().toImage()), giallo_finestre), 3.0);
  for (const bool abilitata : {true, false}) {
    QCheckBox spunta;
    spunta.setChecked(true);
    spunta.setEnabled(abilitata);
    spunta.resize(20, 20);
    EXPECT_GE(Contrasto(Piu_Scuro(spunta.grab().toImage()), giallo_finestre), abilitata ? 4.5 : 3.0) << abilitata;
  }
}

TEST(Aspetto, IconeNitideAOgniScala) {
  prova::Applicazione();
  for (const QIcon& icona : {Icona_Annulla(), Icona_Ripeti()}) {
    for (const double scala : {1.0, 1.5, 2.0, 3.0}) {
      const QPixmap immagine = icona.pixmap(QSize(24, 24), scala);
      EXPECT_EQ(immagine.size(), QSize(24, 24) * scala) << scala;
      EXPECT_DOUBLE_EQ(immagine.devicePixelRatio(), scala);
    }
  }
  EXPECT_NE(Icona_Annulla().pixmap(24).toImage(), Icona_Ripeti().pixmap(24).toImage());
}

}  // namespace
}  // namespace talewick::qt
