#pragma once
// The Qt mirror of one model window (main_window/controlli.hpp): one widget per control at its
// place (twips turned into pixels with the screen's logical DPI), kept in step with every
// property the model reports changed, and the user's input fed back into the model. The
// mirror works for any model window: it knows control kinds, never control names.
//
// Kinds: label QLabel (wraps; click and pointer move reported), text box QLineEdit or, when
// multi-line, QPlainTextEdit (the model holds CR LF line breaks), list QComboBox, check box
// QCheckBox, button QPushButton (a caption too long for it wraps onto more lines, so its
// text() may hold line breaks), group QGroupBox (carries the controls placed inside it),
// timer QTimer (intervals below `intervallo_minimo_ms` run at that pace), line a one-pixel
// bar. Later rows of the layout are stacked above earlier ones; a control over a group above
// that group. The close box asks the model (`Chiudi_Dal_Bordo`). The window's client area is
// its model's outer size less the designed frame (`bordo_larghezza`, `bordo_altezza`); it is
// centred on the screen the first time it is shown. The model must outlive its mirror, and
// controls added to the model after the mirror is built are not mirrored.
//
// Keyboard: the focus is the model's (where the user puts it is told to the model once the
// event that moved it is over, so a message shown on leaving a box never runs inside Qt's
// focus change); Tab follows the model's Tab order; Return and Esc go to the model, except
// where a control uses them itself (a multi-line box breaks the line, an open list closes).
// Every widget carries the control's accessible name; a button marked default is drawn as
// such. A multi-line box without a fixed scroll bar shows one when its text does not fit.
#include <QWidget>
#include <string_view>
#include <unordered_map>

#include "main_window/controlli.hpp"

class QTimer;

namespace talewick::qt {

// The fastest pace of a mirrored timer: many ticks a second, without keeping a core busy.
inline constexpr int intervallo_minimo_ms = 50;

class SpecchioFinestra : public QWidget {
 public:
  explicit SpecchioFinestra(Finestra& modello, QWidget* genitore = nullptr);
  ~SpecchioFinestra() override;
  SpecchioFinestra(const SpecchioFinestra&) = delete;
  SpecchioFinestra& operator=(const SpecchioFinestra&) = delete;

  [[nodiscard]] Finestra& Modello() const { return modello_; }
  // The widget of a control; nothing for a timer or an unknown name.
  [[nodiscard]] QWidget* Widget(std::string_view nome, int indice = -1) const;
  [[nodiscard]] QTimer* Timer(std::string_view nome, int indice = -1) const;
  [[nodiscard]] int Pixel(int twips) const;

 protected:
  void closeEvent(QCloseEvent* evento) override;
  void changeEvent(QEvent* evento) override;
  void keyPressEvent(QKeyEvent* evento) override;
  bool eventFilter(QObject* oggetto, QEvent* evento) override;

 private:
  struct Voce {
    Controllo* controllo = nullptr;
    QWidget* widget = nullptr;
    QTimer* timer = nullptr;
  };

  void Crea(Controllo& c);
  void Collega_Ingressi(Voce& v);
  void Aggiorna(const Voce& v, Proprieta p);
  void Aggiorna_Finestra(Proprieta_Finestra p);
  void Mostra_O_Nascondi();
  void Fuoco_A_Schermo();
  void Fuoco_Dallo_Schermo();
  [[nodiscard]] Controllo* Controllo_Di(const QWidget* w) const;
  [[nodiscard]] const Voce* Cerca(std::string_view nome, int indice) const;

  Finestra& modello_;
  double dpi_;
  std::unordered_map<const Controllo*, Voce> voci_;
  std::unordered_map<const QObject*, Controllo*> da_widget_;
  bool centrata_ = false;
  bool fuoco_in_attesa_ = false;
};

}  // namespace talewick::qt
