#pragma once
// The look and language shared by every window: yellow on every surface and control, dark
// borders, Arial bold, twips turned into the screen's pixels, the pictures the program draws
// itself (sharp at any scale), and Qt's own texts in Italian.
#include <QColor>
#include <QIcon>

class QApplication;
class QCoreApplication;

namespace talewick::qt {

inline constexpr QColor giallo_finestre{255, 255, 0};
inline constexpr double carattere_predefinito = 8.25;

// The colours every control is drawn with, on the yellow of the windows.
inline constexpr QColor colore_testo{0, 0, 0};
inline constexpr QColor colore_bordo{64, 64, 64};                 // text boxes, check boxes, buttons, lists
inline constexpr QColor colore_disabilitato{96, 96, 96};          // text and borders of a disabled control
inline constexpr QColor colore_cornice{128, 128, 0};              // group boxes
inline constexpr QColor colore_fuoco{0, 0, 160};                  // the ring of the control with the focus
inline constexpr QColor colore_premuto{224, 224, 0};              // a button held down, a scroll bar's groove
inline constexpr QColor colore_selezione{0, 0, 128};              // selected text and list items...
inline constexpr QColor colore_testo_selezionato{255, 255, 255};  // ...and their text

// The contrast ratio of two colours, from 1 to 21 (relative luminance as WCAG 2 defines it).
double Contrasto(QColor a, QColor b);

// Fusion style drawn with the colours above, the yellow palette and Arial bold, for the whole
// application.
void Imposta_Aspetto(QApplication& applicazione);

// Installs Qt's Italian translations (qtbase_it from Qt's translations folder) whatever the
// system's locale, so that standard menus and buttons speak Italian; the locale itself, and
// with it how numbers are written, stays the user's. False when the catalogue is missing.
bool Carica_Traduzioni(QCoreApplication& applicazione);

// Twips into pixels at `dpi` logical dots per inch (1440 twips to the inch).
int Pixel(int twips, double dpi);

// The pictures of the undo and redo buttons (designed at 24 × 24) and the program's own icon.
QIcon Icona_Annulla();
QIcon Icona_Ripeti();
QIcon Icona_Programma();

}  // namespace talewick::qt
