#pragma once
#include <QPushButton>
#include <QString>

namespace talewick::qt {

// A button whose caption wraps onto more lines when it does not fit, as captions of buttons
// designed in twips expect; its text() then holds the line breaks.
class PulsanteACapo final : public QPushButton {
 public:
  using QPushButton::QPushButton;
  void Imposta_Didascalia(const QString& testo);

 protected:
  void resizeEvent(QResizeEvent* evento) override;
  void changeEvent(QEvent* evento) override;

 private:
  void Adatta();

  QString didascalia_;
};

}  // namespace talewick::qt
