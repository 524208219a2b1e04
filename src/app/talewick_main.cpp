#include "platform/qt/avvio_qt.hpp"

int main(int argc, char** argv) {
  return talewick::qt::Esegui_Applicazione(argc, argv, talewick::Ambiente_Del_Processo());
}
