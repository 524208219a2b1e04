#pragma once
// The look shared by every window: yellow on every surface, Arial bold, twips turned into
// the screen's pixels, and the pictures the program draws itself.
#include <QColor>
#include <QIcon>

class QApplication;

namespace talewick::qt {

inline constexpr QColor giallo_finestre{255, 255, 0};
inline constexpr double carattere_predefinito = 8.25;

// Fusion style, the yellow palette and Arial bold, for the whole application.
void Imposta_Aspetto(QApplication& applicazione);

// Twips into pixels at `dpi` logical dots per inch (1440 twips to the inch).
int Pixel(int twips, double dpi);

// The pictures of the undo and redo buttons (24 × 24) and the program's own icon.
QIcon Icona_Annulla();
QIcon Icona_Ripeti();
QIcon Icona_Programma();

}  // namespace talewick::qt
