#include "platform/qt/specchio_finestra.hpp"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScreen>

// Keeps the window as a whole in step: size, state, showing, focus, keys, close box, pointer.
namespace talewick::qt {

void SpecchioFinestra::Aggiorna_Finestra(Proprieta_Finestra p) {
  switch (p) {
    case Proprieta_Finestra::Didascalia:
      setWindowTitle(QString::fromStdString(modello_.Didascalia()));
      break;
    case Proprieta_Finestra::Larghezza:
    case Proprieta_Finestra::Altezza:
      setFixedSize(Pixel(modello_.Larghezza_Interna()), Pixel(modello_.Altezza_Interna()));
      break;
    case Proprieta_Finestra::Condizione:
      if (!isVisible()) break;
      switch (modello_.Condizione()) {
        case Stato_Finestra::Ridotta:
          if (!isMinimized()) showMinimized();
          break;
        case Stato_Finestra::Ingrandita:
          if (!isMaximized()) showMaximized();
          break;
        case Stato_Finestra::Normale:
          if (isMinimized() || isMaximized()) showNormal();
          break;
      }
      break;
    case Proprieta_Finestra::Visibile:
      Mostra_O_Nascondi();
      break;
    case Proprieta_Finestra::Fuoco:
      Fuoco_A_Schermo();
      break;
  }
}

void SpecchioFinestra::Fuoco_A_Schermo() {
  const Controllo* c = modello_.Fuoco();
  if (c == nullptr) return;
  const auto trovata = voci_.find(c);
  if (trovata == voci_.end() || trovata->second.widget == nullptr) return;
  QWidget* w = trovata->second.widget;
  if (focusWidget() != w) w->setFocus(Qt::OtherFocusReason);
}

void SpecchioFinestra::Fuoco_Dallo_Schermo() {
  fuoco_in_attesa_ = false;
  // The window's own focus child: it stays while another window (a message box) is active.
  if (Controllo* c = Controllo_Di(focusWidget())) modello_.Imposta_Fuoco(c);
}

Controllo* SpecchioFinestra::Controllo_Di(const QWidget* w) const {
  for (; w != nullptr && w != this; w = w->parentWidget()) {
    const auto trovato = da_widget_.find(w);
    if (trovato != da_widget_.end()) return trovato->second;
  }
  return nullptr;
}

void SpecchioFinestra::keyPressEvent(QKeyEvent* evento) {
  const bool fatto = [&] {
    switch (evento->key()) {
      case Qt::Key_Return:
      case Qt::Key_Enter:
        // The model must know which control the key came from before it acts.
        Fuoco_Dallo_Schermo();
        return modello_.Premi_Invio();
      case Qt::Key_Escape:
        return modello_.Premi_Esc();
      default:
        return false;
    }
  }();
  if (fatto) {
    evento->accept();
  } else {
    QWidget::keyPressEvent(evento);
  }
}

void SpecchioFinestra::Mostra_O_Nascondi() {
  if (!modello_.Visibile()) {
    hide();
    return;
  }
  if (!centrata_) {
    centrata_ = true;
    if (const QScreen* schermo = screen()) {
      const QRect area = schermo->availableGeometry();
      move(area.x() + (area.width() - Pixel(modello_.Larghezza())) / 2,
           area.y() + (area.height() - Pixel(modello_.Altezza())) / 2);
    }
  }
  show();
}

void SpecchioFinestra::closeEvent(QCloseEvent* evento) {
  evento->ignore();
  modello_.Chiudi_Dal_Bordo();
}

void SpecchioFinestra::changeEvent(QEvent* evento) {
  if (evento->type() == QEvent::WindowStateChange) {
    modello_.Imposta_Condizione(isMinimized()   ? Stato_Finestra::Ridotta
                                : isMaximized() ? Stato_Finestra::Ingrandita
                                                : Stato_Finestra::Normale);
  }
  QWidget::changeEvent(evento);
}

bool SpecchioFinestra::eventFilter(QObject* oggetto, QEvent* evento) {
  const auto trovato = da_widget_.find(oggetto);
  if (trovato != da_widget_.end()) {
    if (evento->type() == QEvent::MouseMove) {
      trovato->second->Scatena(Evento::MouseMove);
    } else if (evento->type() == QEvent::MouseButtonRelease) {
      const auto* mouse = static_cast<QMouseEvent*>(evento);
      const auto* w = static_cast<QWidget*>(oggetto);
      if (mouse->button() == Qt::LeftButton && w->rect().contains(mouse->position().toPoint())) {
        trovato->second->Scatena(Evento::Click);
      }
    }
  }
  return QWidget::eventFilter(oggetto, evento);
}

}  // namespace talewick::qt
