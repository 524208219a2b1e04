#pragma once
// What the Qt tests share: one QApplication with the program's look, and an answerer that
// presses the first button of every modal box as soon as it opens and records what it showed,
// so that no test can hang on a box and every test can check the boxes it caused.
#include <QApplication>
#include <QMessageBox>
#include <QString>
#include <QTimer>
#include <vector>

#include <gtest/gtest.h>

#include "platform/qt/aspetto_qt.hpp"

namespace talewick::qt::prova {

inline QApplication& Applicazione() {
  static int argc = 1;
  static char nome[] = "talewick-test";
  static char* argv[] = {nome, nullptr};
  static QApplication* applicazione = [] {
    auto* a = new QApplication(argc, argv);
    Imposta_Aspetto(*a);
    Carica_Traduzioni(*a);
    return a;
  }();
  return *applicazione;
}

struct Box_Visto {
  QString titolo;
  QString testo;
  int pulsanti = 0;
  bool con_icona = false;
  Qt::TextFormat formato = Qt::AutoText;
};

class Risponditore {
 public:
  Risponditore() {
    Applicazione();
    QObject::connect(&timer_, &QTimer::timeout, [this] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (box == nullptr || !box->isVisible() || box->buttons().isEmpty()) return;
      visti.push_back({box->windowTitle(), box->text(), static_cast<int>(box->buttons().size()),
                       box->icon() != QMessageBox::NoIcon, box->textFormat()});
      box->buttons().front()->click();
    });
    timer_.start(10);
  }
  std::vector<Box_Visto> visti;

 private:
  QTimer timer_;
};

}  // namespace talewick::qt::prova
