#include "platform/qt/piattaforma_qt.hpp"

#include <QAbstractButton>
#include <QApplication>
#include <QIcon>
#include <QMessageBox>

namespace talewick::qt {
namespace {

QString Q(std::string_view testo) {
  QString q = QString::fromUtf8(testo.data(), static_cast<qsizetype>(testo.size()));
  q.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  return q;
}

}  // namespace

PiattaformaQt::PiattaformaQt(Fabbrica_Finestre fabbrica) : fabbrica_(std::move(fabbrica)) {}

PiattaformaQt::~PiattaformaQt() = default;

void PiattaformaQt::Registra(SpecchioFinestra& specchio) { registrate_[specchio.Modello().Nome()] = &specchio; }

Risposta_Messaggio PiattaformaQt::Messaggio(std::string_view testo, std::string_view titolo,
                                            Pulsanti_Messaggio pulsanti) {
  QMessageBox box(QApplication::activeWindow());
  box.setIcon(QMessageBox::NoIcon);
  box.setWindowTitle(Q(titolo));
  box.setTextFormat(Qt::PlainText);
  box.setText(Q(testo));
  if (pulsanti == Pulsanti_Messaggio::Si_No) {
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    box.setDefaultButton(QMessageBox::Yes);
    // Name the buttons in Italian whatever translations Qt finds on the system.
    box.button(QMessageBox::Yes)->setText(QStringLiteral("Sì"));
    box.button(QMessageBox::No)->setText(QStringLiteral("No"));
  } else {
    box.setStandardButtons(QMessageBox::Ok);
  }
  for (QAbstractButton* pulsante : box.buttons()) pulsante->setIcon(QIcon());
  const int risposta = box.exec();
  if (pulsanti == Pulsanti_Messaggio::Ok) return Risposta_Messaggio::Ok;
  return risposta == QMessageBox::Yes ? Risposta_Messaggio::Si : Risposta_Messaggio::No;
}

Finestra* PiattaformaQt::Carica_Finestra(std::string_view nome) {
  if (const auto registrata = registrate_.find(nome); registrata != registrate_.end()) {
    registrata->second->Modello().Carica();
    return &registrata->second->Modello();
  }
  auto trovata = create_.find(nome);
  if (trovata == create_.end()) {
    if (!fabbrica_) return nullptr;
    std::unique_ptr<Finestra> modello = fabbrica_(nome);
    if (modello == nullptr) return nullptr;
    auto specchio = std::make_unique<SpecchioFinestra>(*modello);
    trovata = create_.emplace(std::string(nome), Creata{std::move(modello), std::move(specchio)}).first;
  }
  trovata->second.modello->Carica();
  return trovata->second.modello.get();
}

void PiattaformaQt::Mostra_Finestra(std::string_view nome) {
  Finestra* finestra = Carica_Finestra(nome);
  if (finestra == nullptr) return;
  finestra->Mostra();
  if (SpecchioFinestra* specchio = Specchio(nome)) {
    specchio->raise();
    specchio->activateWindow();
  }
}

void PiattaformaQt::Nascondi_Finestra(std::string_view nome) {
  if (SpecchioFinestra* specchio = Specchio(nome)) specchio->Modello().Nascondi();
}

void PiattaformaQt::Termina_Programma() {
  terminato_ = true;
  for (auto& [nome, creata] : create_) creata.specchio->hide();
  for (auto& [nome, specchio] : registrate_) specchio->hide();
  QCoreApplication::exit(0);
}

SpecchioFinestra* PiattaformaQt::Specchio(std::string_view nome) const {
  if (const auto registrata = registrate_.find(nome); registrata != registrate_.end()) return registrata->second;
  if (const auto creata = create_.find(nome); creata != create_.end()) return creata->second.specchio.get();
  return nullptr;
}

}  // namespace talewick::qt
