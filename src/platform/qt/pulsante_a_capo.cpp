#include "platform/qt/pulsante_a_capo.hpp"

#include <QEvent>
#include <QFontMetrics>
#include <QResizeEvent>
#include <QStringList>
#include <algorithm>

namespace talewick::qt {

void PulsanteACapo::Imposta_Didascalia(const QString& testo) {
  didascalia_ = testo;
  Adatta();
}

void PulsanteACapo::resizeEvent(QResizeEvent* evento) {
  QPushButton::resizeEvent(evento);
  Adatta();
}

void PulsanteACapo::changeEvent(QEvent* evento) {
  QPushButton::changeEvent(evento);
  if (evento->type() == QEvent::FontChange) Adatta();
}

void PulsanteACapo::Adatta() {
  constexpr int margine = 8;
  const QFontMetrics misure(font());
  const int spazio = std::max(1, width() - 2 * margine);
  QStringList righe;
  QString riga;
  for (const QString& parola : didascalia_.split(QLatin1Char(' '))) {
    const QString prova = riga.isEmpty() ? parola : riga + QLatin1Char(' ') + parola;
    if (!riga.isEmpty() && misure.horizontalAdvance(prova) > spazio) {
      righe << riga;
      riga = parola;
    } else {
      riga = prova;
    }
  }
  righe << riga;
  const QString testo = didascalia_.isEmpty() ? QString() : righe.join(QLatin1Char('\n'));
  if (text() != testo) setText(testo);
}

}  // namespace talewick::qt
