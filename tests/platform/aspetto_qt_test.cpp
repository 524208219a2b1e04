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

#include <functional>
#include <memory>
#include <ostream>

#include "qt_prova.hpp"

namespace talewick::qt {
namespace {

// ---- Contrast ratios on the yellow, against the least each use needs.

struct RigaContrasto {
  const char* nome;
  QColor primo_piano;
  QColor sfondo;
  double minimo;
};

void PrintTo(const RigaContrasto& riga, std::ostream* uscita) { *uscita << riga.nome; }

const RigaContrasto righe_contrasto[] = {
    {"Testo", colore_testo, giallo_finestre, 4.5},
    {"TestoSuPulsantePremuto", colore_testo, colore_premuto, 4.5},
    {"BordoDeiControlli", colore_bordo, giallo_finestre, 3},
    {"TestoEBordoDisabilitati", colore_disabilitato, giallo_finestre, 3},
    {"CornicePulsanteDisabilitato", colore_disabilitato, colore_premuto, 3},
    {"CorniceDeiGruppi", colore_cornice, giallo_finestre, 3},
    {"AnelloDelFuoco", colore_fuoco, giallo_finestre, 3},
    {"TestoSelezionato", colore_testo_selezionato, colore_selezione, 4.5},
};

class Contrasti : public ::testing::TestWithParam<RigaContrasto> {};

TEST_P(Contrasti, BastaPerVedere) {
  const RigaContrasto& r = GetParam();
  EXPECT_GE(Contrasto(r.primo_piano, r.sfondo), r.minimo);
}

INSTANTIATE_TEST_SUITE_P(Aspetto, Contrasti, ::testing::ValuesIn(righe_contrasto),
                         [](const auto& info) { return std::string(info.param.nome); });

TEST(Contrasto, FormulaDelleLuminanze) {
  EXPECT_NEAR(Contrasto(Qt::black, Qt::white), 21.0, 1e-9);
  EXPECT_NEAR(Contrasto(Qt::white, Qt::white), 1.0, 1e-9);
  EXPECT_NEAR(Contrasto(QColor(255, 255, 0), Qt::black), 19.56, 0.01);
  EXPECT_NEAR(Contrasto(QColor(118, 118, 118), Qt::white), 4.54, 0.01);
}

// ---- The widgets as drawn: border on the left edge, yellow inside.

struct RigaDisegno {
  const char* nome;
  std::function<QWidget*()> crea;
  QColor bordo;
};

void PrintTo(const RigaDisegno& riga, std::ostream* uscita) { *uscita << riga.nome; }

const RigaDisegno righe_disegno[] = {
    {"CasellaDiTesto", [] { return new QLineEdit(QStringLiteral("ab")); }, colore_bordo},
    {"CasellaDisabilitata",
     [] {
       auto* w = new QLineEdit(QStringLiteral("X"));
       w->setEnabled(false);
       return w;
     },
     colore_disabilitato},
    {"CasellaMultiriga", [] { return new QPlainTextEdit(); }, colore_bordo},
    {"Pulsante", [] { return new QPushButton(); }, colore_bordo},
    {"Elenco",
     [] {
       auto* w = new QComboBox();
       w->addItem(QStringLiteral("a"));
       return w;
     },
     colore_bordo},
};

class Disegno : public ::testing::TestWithParam<RigaDisegno> {};

TEST_P(Disegno, BordoScuroSulGiallo) {
  prova::Applicazione();
  std::unique_ptr<QWidget> w(GetParam().crea());
  w->resize(120, 30);
  const QImage immagine = w->grab().toImage();
  const int dpr = static_cast<int>(immagine.devicePixelRatio());
  EXPECT_EQ(immagine.pixelColor(0, 15 * dpr), GetParam().bordo);
  EXPECT_EQ(immagine.pixelColor(60 * dpr, 4 * dpr), giallo_finestre);
}

INSTANTIATE_TEST_SUITE_P(Aspetto, Disegno, ::testing::ValuesIn(righe_disegno),
                         [](const auto& info) { return std::string(info.param.nome); });

// The darkest pixel inside a widget, its border left out.
QColor Piu_Scuro(QWidget& w) {
  const QImage immagine = w.grab().toImage();
  QColor scuro = Qt::white;
  for (int y = 3; y < immagine.height() - 3; ++y) {
    for (int x = 3; x < immagine.width() - 3; ++x) {
      const QColor c = immagine.pixelColor(x, y);
      if (Contrasto(c, giallo_finestre) > Contrasto(scuro, giallo_finestre)) scuro = c;
    }
  }
  return scuro;
}

TEST(Disegno, LaXDisabilitataSiLegge_LaSpuntaSiVede) {
  prova::Applicazione();
  QLineEdit x(QStringLiteral("X"));
  x.setEnabled(false);
  x.resize(41, 21);
  EXPECT_GE(Contrasto(Piu_Scuro(x), giallo_finestre), 3.0);
  for (const bool abilitata : {true, false}) {
    SCOPED_TRACE(abilitata ? "abilitata" : "disabilitata");
    QCheckBox spunta;
    spunta.setChecked(true);
    spunta.setEnabled(abilitata);
    spunta.resize(20, 20);
    EXPECT_GE(Contrasto(Piu_Scuro(spunta), giallo_finestre), abilitata ? 4.5 : 3.0);
  }
}

// ---- Pictures.

TEST(Icone, NitideAOgniScala) {
  prova::Applicazione();
  for (const QIcon& icona : {Icona_Annulla(), Icona_Ripeti()}) {
    for (const double scala : {1.0, 1.5, 2.0, 3.0}) {
      SCOPED_TRACE(scala);
      const QPixmap immagine = icona.pixmap(QSize(24, 24), scala);
      EXPECT_EQ(immagine.size(), QSize(24, 24) * scala);
      EXPECT_DOUBLE_EQ(immagine.devicePixelRatio(), scala);
    }
  }
  EXPECT_NE(Icona_Annulla().pixmap(24).toImage(), Icona_Ripeti().pixmap(24).toImage());
}

}  // namespace
}  // namespace talewick::qt
