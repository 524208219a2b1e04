#include "platform/qt/avvio_qt.hpp"

#include <QApplication>

#include "platform/qt/aspetto_qt.hpp"
#include "platform/qt/programma_qt.hpp"

namespace talewick::qt {

int Esegui_Applicazione(int argc, char** argv) {
  QApplication applicazione(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Talewick"));
  QApplication::setDesktopFileName(QStringLiteral("talewick"));
  Imposta_Aspetto(applicazione);
  ProgrammaQt programma;
  programma.Avvia();
  if (programma.Piattaforma().Terminato()) return 0;
  return QApplication::exec();
}

}  // namespace talewick::qt
