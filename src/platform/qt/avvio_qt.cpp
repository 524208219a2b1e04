#include "platform/qt/avvio_qt.hpp"

#include <QApplication>

#include "base/messaggi.hpp"
#include "platform/qt/aspetto_qt.hpp"
#include "platform/qt/programma_qt.hpp"

namespace talewick::qt {

int Esegui_Applicazione(int argc, char** argv, const Ambiente& ambiente) {
  QApplication applicazione(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Talewick"));
  QApplication::setDesktopFileName(QStringLiteral("org.talewick.Talewick"));
  Imposta_Aspetto(applicazione);
  Carica_Traduzioni(applicazione);
  const Preparazione_Parole parole = Prepara_Cartella_Parole(ambiente);
  Impostazioni_Programma impostazioni;
  impostazioni.database = parole.cartella.percorso;
  ProgrammaQt programma(impostazioni);
  if (parole.errore) programma.Piattaforma().Messaggio(*parole.errore, messaggi::titolo, Pulsanti_Messaggio::Ok);
  programma.Avvia();
  if (programma.Piattaforma().Terminato()) return 0;
  return QApplication::exec();
}

}  // namespace talewick::qt
