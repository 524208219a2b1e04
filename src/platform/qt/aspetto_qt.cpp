#include "platform/qt/aspetto_qt.hpp"

#include <QApplication>
#include <QPainter>
#include <QPainterPath>
#include <QPalette>
#include <QPixmap>
#include <QStyle>
#include <QStyleFactory>
#include <cmath>

namespace talewick::qt {
namespace {

constexpr int lato_icona = 24;

// A curved arrow turning anticlockwise, its head pointing down at the left end; the redo
// picture is its mirror image.
QPixmap Freccia(bool specchiata) {
  QPixmap immagine(lato_icona, lato_icona);
  immagine.fill(Qt::transparent);
  QPainter p(&immagine);
  p.setRenderHint(QPainter::Antialiasing);
  if (specchiata) {
    p.translate(lato_icona, 0);
    p.scale(-1, 1);
  }
  const QColor colore(0, 0, 140);
  p.setPen(QPen(colore, 2.6, Qt::SolidLine, Qt::RoundCap));
  p.drawArc(QRectF(5, 5, 14, 14), -70 * 16, 250 * 16);
  QPainterPath punta;
  punta.moveTo(1.0, 10.5);
  punta.lineTo(9.0, 10.5);
  punta.lineTo(5.0, 16.5);
  punta.closeSubpath();
  p.fillPath(punta, colore);
  return immagine;
}

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

}  // namespace

void Imposta_Aspetto(QApplication& applicazione) {
  if (QStyle* fusion = QStyleFactory::create("Fusion")) QApplication::setStyle(fusion);
  QPalette tavolozza = QApplication::style()->standardPalette();
  for (const auto ruolo : {QPalette::Window, QPalette::Base, QPalette::AlternateBase, QPalette::Button}) {
    tavolozza.setColor(ruolo, giallo_finestre);
  }
  for (const auto ruolo : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
    tavolozza.setColor(QPalette::Active, ruolo, Qt::black);
    tavolozza.setColor(QPalette::Inactive, ruolo, Qt::black);
  }
  QApplication::setPalette(tavolozza);
  QFont carattere("Arial");
  carattere.setPointSizeF(carattere_predefinito);
  carattere.setBold(true);
  QApplication::setFont(carattere);
  applicazione.setWindowIcon(Icona_Programma());
}

int Pixel(int twips, double dpi) { return static_cast<int>(std::lround(twips * dpi / 1440.0)); }

QIcon Icona_Annulla() { return QIcon(Freccia(false)); }

QIcon Icona_Ripeti() { return QIcon(Freccia(true)); }

QIcon Icona_Programma() {
  QIcon icona;
  for (const int lato : {16, 32, 48, 64, 128}) icona.addPixmap(Disegno_Programma(lato));
  return icona;
}

}  // namespace talewick::qt
