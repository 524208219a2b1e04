#include "platform/qt/avvio_qt.hpp"

#include <QApplication>
#include <QWidget>

namespace talewick::qt {

int Esegui_Applicazione(int argc, char** argv) {
  QApplication applicazione(argc, argv);
  QWidget finestra;
  finestra.setWindowTitle("Talewick");
  finestra.setStyleSheet("background-color: rgb(255, 255, 0);");
  finestra.resize(467, 289);
  finestra.show();
  return QApplication::exec();
}

}  // namespace talewick::qt
