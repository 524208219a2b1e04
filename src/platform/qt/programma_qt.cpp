#include "platform/qt/programma_qt.hpp"

#include <QLocale>

#include "main_window/aggiornamento.hpp"

namespace talewick::qt {
namespace {

std::unique_ptr<Motore_Casuale> Crea_Casuale(std::optional<std::uint64_t> seme) {
  return seme ? std::make_unique<Motore_Casuale>(*seme) : std::make_unique<Motore_Casuale>();
}

}  // namespace

ProgrammaQt::ProgrammaQt(const Impostazioni_Programma& impostazioni)
    : archivio_(impostazioni.database),
      casuale_(Crea_Casuale(impostazioni.seme)),
      stato_(archivio_, *casuale_),
      servizi_{archivio_, navigatore_, QLocale().decimalPoint().toStdString()},
      piattaforma_([this](std::string_view nome) { return Crea_Finestra_Ausiliaria(nome, servizi_); }),
      form1_(stato_, piattaforma_),
      specchio_(std::make_unique<SpecchioFinestra>(form1_)),
      host_(impostazioni.host_aggiornamento) {
  piattaforma_.Registra(*specchio_);
  form1_.controllo_aggiornamento = [this] {
    Controlla_Aggiornamento({.host = host_, .versione = form1_.Versione.Testo()}, scaricatore_, navigatore_,
                            piattaforma_);
  };
}

void ProgrammaQt::Avvia() {
  form1_.Carica();
  // The first tick sizes the window for the chosen kind before it is centred.
  form1_.Timer1_Timer();
  if (!piattaforma_.Terminato()) form1_.Mostra();
}

}  // namespace talewick::qt
