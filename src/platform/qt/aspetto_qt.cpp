#include "platform/qt/aspetto_qt.hpp"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QIconEngine>
#include <QLibraryInfo>
#include <QPainter>
#include <QPainterPath>
#include <QPalette>
#include <QPixmap>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOption>
#include <QTranslator>
#include <cmath>

namespace talewick::qt {
namespace {

constexpr double lato_icona = 24;

// A curved arrow turning anticlockwise, its head pointing down at the left end, drawn in a
// 24 × 24 box; the redo picture is its mirror image.
void Disegna_Freccia(QPainter& p, const QRectF& box, bool specchiata, bool disabilitata) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.translate(box.topLeft());
  p.scale(box.width() / lato_icona, box.height() / lato_icona);
  if (specchiata) {
    p.translate(lato_icona, 0);
    p.scale(-1, 1);
  }
  const QColor colore = disabilitata ? colore_disabilitato : QColor(0, 0, 140);
  p.setPen(QPen(colore, 2.6, Qt::SolidLine, Qt::RoundCap));
  p.drawArc(QRectF(5, 5, 14, 14), -70 * 16, 250 * 16);
  QPainterPath punta;
  punta.moveTo(1.0, 10.5);
  punta.lineTo(9.0, 10.5);
  punta.lineTo(5.0, 16.5);
  punta.closeSubpath();
  p.fillPath(punta, colore);
  p.restore();
}

// Draws the arrow afresh at whatever size and scale the button asks for.
class MotoreFreccia final : public QIconEngine {
 public:
  explicit MotoreFreccia(bool specchiata) : specchiata_(specchiata) {}
  void paint(QPainter* p, const QRect& rect, QIcon::Mode modo, QIcon::State) override {
    Disegna_Freccia(*p, rect, specchiata_, modo == QIcon::Disabled);
  }
  QPixmap pixmap(const QSize& lato, QIcon::Mode modo, QIcon::State stato) override {
    QPixmap immagine(lato);
    immagine.fill(Qt::transparent);
    QPainter p(&immagine);
    paint(&p, QRect(QPoint(0, 0), lato), modo, stato);
    return immagine;
  }
  QSize actualSize(const QSize& lato, QIcon::Mode, QIcon::State) override { return lato; }
  [[nodiscard]] QIconEngine* clone() const override { return new MotoreFreccia(specchiata_); }
  [[nodiscard]] QString key() const override { return QStringLiteral("talewick-freccia"); }

 private:
  bool specchiata_;
};

// The same drawing as src/platform/desktop/talewick.svg: a yellow page with three lines of text and a quill.
QPixmap Disegno_Programma(int lato) {
  QPixmap immagine(lato, lato);
  immagine.fill(Qt::transparent);
  QPainter p(&immagine);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(lato / 64.0, lato / 64.0);
  p.setPen(QPen(QColor(0x5a, 0x46, 0x00), 3));
  p.setBrush(giallo_finestre);
  p.drawRoundedRect(QRectF(4, 4, 56, 56), 10, 10);
  p.setPen(QPen(QColor(0x3a, 0x2a, 0x00), 3.5, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(14, 22), QPointF(38, 22));
  p.drawLine(QPointF(14, 32), QPointF(34, 32));
  p.drawLine(QPointF(14, 42), QPointF(28, 42));
  QPainterPath piuma;
  piuma.moveTo(30, 52);
  piuma.cubicTo(34, 36, 44, 18, 56, 8);
  piuma.cubicTo(54, 24, 46, 40, 30, 52);
  piuma.closeSubpath();
  p.setPen(QPen(QColor(0x7a, 0x1e, 0x1e), 1.5));
  p.setBrush(QColor(0xc0, 0x39, 0x2b));
  p.drawPath(piuma);
  p.setPen(QPen(QColor(0x3a, 0x2a, 0x00), 2, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(30, 52), QPointF(26, 58));
  return immagine;
}

bool Ha(const QStyleOption* o, QStyle::StateFlag s) { return (o->state & s) != 0; }

// A one-pixel border inside `r`, or two pixels in the focus colour when the control has the focus.
void Bordo(QPainter* p, const QRect& r, const QStyleOption* o, bool fuoco) {
  p->save();
  p->setRenderHint(QPainter::Antialiasing, false);
  p->setBrush(Qt::NoBrush);
  if (fuoco) {
    p->setPen(QPen(colore_fuoco, 2));
    p->drawRect(QRectF(r).adjusted(1, 1, -1, -1));
  } else {
    p->setPen(QPen(Ha(o, QStyle::State_Enabled) ? colore_bordo : colore_disabilitato, 1));
    p->drawRect(r.adjusted(0, 0, -1, -1));
  }
  p->restore();
}

// Fusion with every control yellow and its borders, check marks and scroll bars dark enough to
// be seen on the yellow.
class StileGiallo final : public QProxyStyle {
 public:
  StileGiallo() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

  void drawPrimitive(PrimitiveElement elemento, const QStyleOption* o, QPainter* p, const QWidget* w) const override {
    switch (elemento) {
      case PE_PanelButtonCommand: {
        const bool premuto = Ha(o, State_Sunken) || Ha(o, State_On);
        p->fillRect(o->rect, premuto ? colore_premuto : giallo_finestre);
        const auto* pulsante = qstyleoption_cast<const QStyleOptionButton*>(o);
        const bool predefinito = pulsante != nullptr && (pulsante->features & QStyleOptionButton::DefaultButton);
        Bordo(p, o->rect, o, Ha(o, State_HasFocus));
        if (predefinito && !Ha(o, State_HasFocus)) Bordo(p, o->rect.adjusted(1, 1, -1, -1), o, false);
        return;
      }
      case PE_FrameFocusRect:
        // Buttons and lists show the focus in their border.
        if (qobject_cast<const QAbstractButton*>(w) != nullptr && qobject_cast<const QCheckBox*>(w) == nullptr) return;
        break;
      case PE_PanelLineEdit:
        p->fillRect(o->rect, giallo_finestre);
        Bordo(p, o->rect, o, Ha(o, State_HasFocus));
        return;
      case PE_FrameLineEdit:
        Bordo(p, o->rect, o, Ha(o, State_HasFocus));
        return;
      case PE_Frame:
        Bordo(p, o->rect, o, w != nullptr && w->hasFocus());
        return;
      case PE_FrameGroupBox: {
        // Below the caption, as Fusion places it.
        const auto* gruppo = qobject_cast<const QGroupBox*>(w);
        const int margine = 2 + (gruppo != nullptr && gruppo->title().isEmpty()
                                     ? 0
                                     : std::max(pixelMetric(PM_ExclusiveIndicatorHeight), o->fontMetrics.height()));
        p->save();
        p->setPen(colore_cornice);
        p->setBrush(Qt::NoBrush);
        p->drawRect(o->rect.adjusted(0, margine, -1, -1));
        p->restore();
        return;
      }
      case PE_IndicatorCheckBox: {
        const QRect r = o->rect;
        p->fillRect(r, Ha(o, State_Sunken) ? colore_premuto : giallo_finestre);
        Bordo(p, r, o, Ha(o, State_HasFocus));
        if (Ha(o, State_On) || Ha(o, State_NoChange)) {
          p->save();
          p->setRenderHint(QPainter::Antialiasing);
          const QColor segno = Ha(o, State_Enabled) ? colore_testo : colore_disabilitato;
          p->setPen(QPen(segno, std::max(1.5, r.width() / 7.0), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
          const QRectF d =
              QRectF(r).adjusted(r.width() * 0.22, r.height() * 0.22, -r.width() * 0.22, -r.height() * 0.22);
          if (Ha(o, State_On)) {
            p->drawPolyline(QPolygonF({QPointF(d.left(), d.center().y()),
                                       QPointF(d.left() + d.width() * 0.4, d.bottom()), QPointF(d.right(), d.top())}));
          } else {
            p->drawLine(QPointF(d.left(), d.center().y()), QPointF(d.right(), d.center().y()));
          }
          p->restore();
        }
        return;
      }
      default:
        break;
    }
    QProxyStyle::drawPrimitive(elemento, o, p, w);
  }

  void drawComplexControl(ComplexControl controllo, const QStyleOptionComplex* o, QPainter* p,
                          const QWidget* w) const override {
    if (controllo == CC_ScrollBar) {
      if (const auto* barra = qstyleoption_cast<const QStyleOptionSlider*>(o)) {
        Disegna_Barra(*barra, p, w);
        return;
      }
    }
    QProxyStyle::drawComplexControl(controllo, o, p, w);
  }

 private:
  // Groove, a dark-edged handle and two arrow buttons.
  void Disegna_Barra(const QStyleOptionSlider& o, QPainter* p, const QWidget* w) const {
    p->fillRect(o.rect, colore_premuto);
    Bordo(p, o.rect, &o, false);
    const QRect maniglia = subControlRect(CC_ScrollBar, &o, SC_ScrollBarSlider, w);
    if (maniglia.isValid() && o.maximum > o.minimum) {
      p->fillRect(maniglia, Ha(&o, State_Enabled) ? QColor(colore_bordo).lighter(250) : giallo_finestre);
      Bordo(p, maniglia, &o, false);
    }
    const bool verticale = o.orientation == Qt::Vertical;
    for (const auto& [parte, freccia] :
         {std::pair{SC_ScrollBarSubLine, verticale ? PE_IndicatorArrowUp : PE_IndicatorArrowLeft},
          std::pair{SC_ScrollBarAddLine, verticale ? PE_IndicatorArrowDown : PE_IndicatorArrowRight}}) {
      QStyleOptionButton pulsante;
      pulsante.QStyleOption::operator=(o);
      pulsante.rect = subControlRect(CC_ScrollBar, &o, parte, w);
      if (!pulsante.rect.isValid()) continue;
      pulsante.state &= ~(State_HasFocus | State_On);
      if (!(o.activeSubControls & parte)) pulsante.state &= ~State_Sunken;
      drawPrimitive(PE_PanelButtonCommand, &pulsante, p, w);
      pulsante.rect = pulsante.rect.adjusted(3, 3, -3, -3);
      QProxyStyle::drawPrimitive(freccia, &pulsante, p, w);
    }
  }
};

double Luminanza(QColor c) {
  const auto lineare = [](int v) {
    const double x = v / 255.0;
    return x <= 0.04045 ? x / 12.92 : std::pow((x + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * lineare(c.red()) + 0.7152 * lineare(c.green()) + 0.0722 * lineare(c.blue());
}

}  // namespace

double Contrasto(QColor a, QColor b) {
  const double la = Luminanza(a);
  const double lb = Luminanza(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

void Imposta_Aspetto(QApplication& applicazione) {
  QApplication::setStyle(new StileGiallo);
  QPalette tavolozza = QApplication::style()->standardPalette();
  for (const auto gruppo : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
    for (const auto ruolo : {QPalette::Window, QPalette::Base, QPalette::AlternateBase, QPalette::Button}) {
      tavolozza.setColor(gruppo, ruolo, giallo_finestre);
    }
    const QColor testo = gruppo == QPalette::Disabled ? colore_disabilitato : colore_testo;
    for (const auto ruolo : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
      tavolozza.setColor(gruppo, ruolo, testo);
    }
    tavolozza.setColor(gruppo, QPalette::Highlight, colore_selezione);
    tavolozza.setColor(gruppo, QPalette::HighlightedText, colore_testo_selezionato);
  }
  QApplication::setPalette(tavolozza);
  QFont carattere("Arial");
  carattere.setPointSizeF(carattere_predefinito);
  carattere.setBold(true);
  QApplication::setFont(carattere);
  applicazione.setWindowIcon(Icona_Programma());
}

bool Carica_Traduzioni(QCoreApplication& applicazione) {
  auto* traduttore = new QTranslator(&applicazione);
  if (!traduttore->load(QStringLiteral("qtbase_it"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    delete traduttore;
    return false;
  }
  QCoreApplication::installTranslator(traduttore);
  return true;
}

int Pixel(int twips, double dpi) { return static_cast<int>(std::lround(twips * dpi / 1440.0)); }

QIcon Icona_Annulla() { return QIcon(new MotoreFreccia(false)); }

QIcon Icona_Ripeti() { return QIcon(new MotoreFreccia(true)); }

QIcon Icona_Programma() {
  QIcon icona;
  for (const int lato : {16, 32, 48, 64, 128, 256}) icona.addPixmap(Disegno_Programma(lato));
  return icona;
}

}  // namespace talewick::qt
