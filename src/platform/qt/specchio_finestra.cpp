#include "platform/qt/specchio_finestra.hpp"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QScreen>
#include <QSignalBlocker>
#include <QTextDocument>
#include <QTimer>
#include <algorithm>
#include <array>

#include "platform/qt/aspetto_qt.hpp"
#include "platform/qt/pulsante_a_capo.hpp"

namespace talewick::qt {
namespace {

QString Q(std::string_view testo) { return QString::fromUtf8(testo.data(), static_cast<qsizetype>(testo.size())); }

std::string S(const QString& testo) {
  const QByteArray byte = testo.toUtf8();
  return {byte.constData(), static_cast<std::size_t>(byte.size())};
}

// A multi-line box holds CR LF line breaks in the model and plain LF on screen.
QString A_Schermo(const Controllo& c) {
  QString testo = Q(c.Testo());
  if (c.Multilinea()) testo.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  return testo;
}

std::string Dal_Schermo(const Controllo& c, QString testo) {
  if (c.Multilinea()) {
    testo.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    testo.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
  }
  return S(testo);
}

QColor Colore_Qt(Colore c) {
  if (c.testo_menu) return QApplication::palette().color(QPalette::Active, QPalette::WindowText);
  return {c.rosso, c.verde, c.blu};
}

constexpr std::array tutte_le_proprieta = {
    Proprieta::Testo,        Proprieta::Voci,       Proprieta::Posizione,
    Proprieta::Valore,       Proprieta::Sinistra,   Proprieta::Dimensione_Carattere,
    Proprieta::Colore_Testo, Proprieta::Puntatore,  Proprieta::Suggerimento,
    Proprieta::Abilitato,    Proprieta::Intervallo, Proprieta::Visibile,
};

}  // namespace

SpecchioFinestra::SpecchioFinestra(Finestra& modello, QWidget* genitore)
    : QWidget(genitore, Qt::Window), modello_(modello) {
  dpi_ = screen() != nullptr ? screen()->logicalDotsPerInch() : 96.0;
  setObjectName(Q(modello.Nome()));
  setWindowTitle(Q(modello.Didascalia()));

  for (const auto& c : modello.Controlli()) Crea(*c);
  for (const auto& c : modello.Controlli()) {
    Voce& v = voci_.at(c.get());
    if (c->Posto() == Collocazione::Dentro && v.widget != nullptr) v.widget->setParent(voci_.at(c->Cornice()).widget);
  }
  for (const auto& c : modello.Controlli()) {
    Voce& v = voci_.at(c.get());
    for (const Proprieta p : tutte_le_proprieta) Aggiorna(v, p);
    if (v.widget != nullptr) v.widget->raise();
    Collega_Ingressi(v);
  }
  for (const auto& c : modello.Controlli()) {
    if (c->Posto() == Collocazione::Sopra && voci_.at(c.get()).widget != nullptr) voci_.at(c.get()).widget->raise();
  }
  Aggiorna_Finestra(Proprieta_Finestra::Larghezza);
  const auto ordine = modello.Ordine_Tab();
  for (std::size_t i = 1; i < ordine.size(); ++i) {
    QWidget* prima = voci_.at(ordine[i - 1]).widget;
    QWidget* dopo = voci_.at(ordine[i]).widget;
    if (prima != nullptr && dopo != nullptr) setTabOrder(prima, dopo);
  }
  Fuoco_A_Schermo();
  connect(qApp, &QApplication::focusChanged, this, [this] {
    // Told to the model once the event that moved the focus is over.
    if (fuoco_in_attesa_) return;
    fuoco_in_attesa_ = true;
    QMetaObject::invokeMethod(
        this, [this] { Fuoco_Dallo_Schermo(); }, Qt::QueuedConnection);
  });

  modello.Osserva(
      [this](Controllo& c, Proprieta p) {
        const auto trovata = voci_.find(&c);
        if (trovata != voci_.end()) Aggiorna(trovata->second, p);
      },
      [this](Proprieta_Finestra p) { Aggiorna_Finestra(p); });
  if (modello.Visibile()) Mostra_O_Nascondi();
}

SpecchioFinestra::~SpecchioFinestra() {
  // Stop hearing of focus moves first: deleting the child widgets moves the focus while this
  // object is already only a QWidget.
  disconnect(qApp, &QApplication::focusChanged, this, nullptr);
  modello_.Osserva(nullptr, nullptr);
}

int SpecchioFinestra::Pixel(int twips) const { return qt::Pixel(twips, dpi_); }

void SpecchioFinestra::Crea(Controllo& c) {
  Voce v{&c, nullptr, nullptr};
  switch (c.Tipo()) {
    case Tipo_Controllo::Etichetta: {
      auto* etichetta = new QLabel(this);
      etichetta->setTextFormat(Qt::PlainText);
      etichetta->setWordWrap(true);
      etichetta->setAlignment(Qt::AlignLeft | Qt::AlignTop);
      etichetta->setMouseTracking(true);
      etichetta->installEventFilter(this);
      v.widget = etichetta;
      break;
    }
    case Tipo_Controllo::Casella_Testo:
      if (c.Multilinea()) {
        auto* casella = new QPlainTextEdit(this);
        casella->setVerticalScrollBarPolicy(c.Barra_Verticale() ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAsNeeded);
        casella->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        casella->setTabChangesFocus(true);
        // One pixel rather than Qt's four: three lines of a result at 12 points fit the box designed for it.
        casella->document()->setDocumentMargin(1);
        v.widget = casella;
      } else {
        auto* casella = new QLineEdit(this);
        if (c.Solo_Cifre()) {
          casella->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), casella));
        }
        if (c.Lunghezza_Massima() > 0) casella->setMaxLength(c.Lunghezza_Massima());
        v.widget = casella;
      }
      break;
    case Tipo_Controllo::Elenco:
      v.widget = new QComboBox(this);
      break;
    case Tipo_Controllo::Casella_Spunta:
      v.widget = new QCheckBox(this);
      break;
    case Tipo_Controllo::Pulsante: {
      auto* pulsante = new PulsanteACapo(this);
      pulsante->setDefault(c.Predefinito());
      if (c.Figura() != Immagine::Nessuna) {
        pulsante->setIcon(c.Figura() == Immagine::Annulla ? Icona_Annulla() : Icona_Ripeti());
        pulsante->setIconSize(QSize(24, 24));
      }
      v.widget = pulsante;
      break;
    }
    case Tipo_Controllo::Cornice:
      v.widget = new QGroupBox(this);
      break;
    case Tipo_Controllo::Timer:
      v.timer = new QTimer(this);
      break;
    case Tipo_Controllo::Linea: {
      auto* linea = new QWidget(this);
      linea->setAutoFillBackground(true);
      QPalette tavolozza = linea->palette();
      tavolozza.setColor(QPalette::Window, Qt::black);
      linea->setPalette(tavolozza);
      v.widget = linea;
      break;
    }
  }
  if (v.widget != nullptr) {
    v.widget->setObjectName(Q(c.Nome()) + (c.Indice() >= 0 ? QString::number(c.Indice()) : QString()));
    v.widget->setAccessibleName(Q(c.Nome_Accessibile()));
    da_widget_[v.widget] = &c;
  }
  voci_.emplace(&c, v);
}

void SpecchioFinestra::Collega_Ingressi(Voce& v) {
  Controllo* c = v.controllo;
  if (v.timer != nullptr) {
    connect(v.timer, &QTimer::timeout, this, [c] { c->Scatena(Evento::Timer); });
    return;
  }
  if (auto* pulsante = qobject_cast<QPushButton*>(v.widget)) {
    connect(pulsante, &QPushButton::clicked, this, [c] { c->Scatena(Evento::Click); });
  } else if (auto* elenco = qobject_cast<QComboBox*>(v.widget)) {
    connect(elenco, &QComboBox::activated, this, [c](int posizione) { c->Imposta_Posizione(posizione); });
  } else if (auto* spunta = qobject_cast<QCheckBox*>(v.widget)) {
    connect(spunta, &QCheckBox::clicked, this, [c, spunta](bool attiva) {
      c->Imposta_Valore(attiva ? 1 : 0);
      const QSignalBlocker blocco(spunta);
      spunta->setChecked(c->Valore() == 1);
    });
  } else if (auto* riga = qobject_cast<QLineEdit*>(v.widget)) {
    connect(riga, &QLineEdit::textEdited, this, [c, riga](const QString& testo) {
      if (!c->Digita(Dal_Schermo(*c, testo))) riga->setText(A_Schermo(*c));
    });
  } else if (auto* area = qobject_cast<QPlainTextEdit*>(v.widget)) {
    connect(area, &QPlainTextEdit::textChanged, this, [c, area] {
      const std::string testo = Dal_Schermo(*c, area->toPlainText());
      if (testo != c->Testo() && !c->Digita(testo)) {
        const QSignalBlocker blocco(area);
        area->setPlainText(A_Schermo(*c));
      }
    });
  }
}

void SpecchioFinestra::Aggiorna(const Voce& v, Proprieta p) {
  const Controllo& c = *v.controllo;
  if (v.timer != nullptr) {
    if (p == Proprieta::Abilitato || p == Proprieta::Intervallo) {
      v.timer->setInterval(std::max(c.Intervallo(), intervallo_minimo_ms));
      if (c.Abilitato()) {
        if (!v.timer->isActive()) v.timer->start();
      } else {
        v.timer->stop();
      }
    }
    return;
  }
  QWidget* w = v.widget;
  switch (p) {
    case Proprieta::Visibile:
      w->setVisible(c.Visibile());
      break;
    case Proprieta::Abilitato:
      w->setEnabled(c.Abilitato());
      break;
    case Proprieta::Testo:
      w->setAccessibleName(Q(c.Nome_Accessibile()));
      if (auto* etichetta = qobject_cast<QLabel*>(w)) {
        etichetta->setText(Q(c.Testo()));
      } else if (auto* pulsante = dynamic_cast<PulsanteACapo*>(w)) {
        pulsante->Imposta_Didascalia(Q(c.Testo()));
      } else if (auto* spunta = qobject_cast<QCheckBox*>(w)) {
        spunta->setText(Q(c.Testo()));
      } else if (auto* gruppo = qobject_cast<QGroupBox*>(w)) {
        gruppo->setTitle(Q(c.Testo()));
      } else if (auto* riga = qobject_cast<QLineEdit*>(w)) {
        if (riga->text() != A_Schermo(c)) riga->setText(A_Schermo(c));
      } else if (auto* area = qobject_cast<QPlainTextEdit*>(w)) {
        const QString testo = A_Schermo(c);
        if (area->toPlainText() != testo) {
          const QSignalBlocker blocco(area);
          area->setPlainText(testo);
        }
      }
      break;
    case Proprieta::Sinistra:
    case Proprieta::Alto:
    case Proprieta::Larghezza:
    case Proprieta::Altezza: {
      QRect posto(Pixel(c.Sinistra()), Pixel(c.Alto()), Pixel(c.Larghezza()), Pixel(c.Altezza()));
      if (c.Tipo() == Tipo_Controllo::Linea) posto.setSize(posto.size().expandedTo(QSize(1, 1)));
      w->setGeometry(posto);
      break;
    }
    case Proprieta::Dimensione_Carattere:
    case Proprieta::Corsivo:
    case Proprieta::Sottolineato: {
      QFont carattere = QApplication::font();
      carattere.setPointSizeF(c.Dimensione_Carattere());
      carattere.setItalic(c.Corsivo());
      carattere.setUnderline(c.Sottolineato());
      w->setFont(carattere);
      break;
    }
    case Proprieta::Colore_Testo: {
      QPalette tavolozza = w->palette();
      for (const auto gruppo : {QPalette::Active, QPalette::Inactive}) {
        for (const auto ruolo : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
          tavolozza.setColor(gruppo, ruolo, Colore_Qt(c.Colore_Testo()));
        }
      }
      w->setPalette(tavolozza);
      break;
    }
    case Proprieta::Puntatore:
      if (c.Puntatore() == Forma_Puntatore::Personalizzata) {
        w->setCursor(Qt::PointingHandCursor);
      } else {
        w->unsetCursor();
      }
      break;
    case Proprieta::Voci:
    case Proprieta::Posizione:
      if (auto* elenco = qobject_cast<QComboBox*>(w)) {
        const QSignalBlocker blocco(elenco);
        if (p == Proprieta::Voci) {
          elenco->clear();
          for (const auto& voce : c.Voci()) elenco->addItem(Q(voce));
        }
        elenco->setCurrentIndex(c.Posizione());
      }
      break;
    case Proprieta::Valore:
      if (auto* spunta = qobject_cast<QCheckBox*>(w)) {
        const QSignalBlocker blocco(spunta);
        spunta->setChecked(c.Valore() == 1);
      }
      break;
    case Proprieta::Suggerimento:
      w->setToolTip(Q(c.Suggerimento()));
      break;
    case Proprieta::Intervallo:
      break;
  }
}

const SpecchioFinestra::Voce* SpecchioFinestra::Cerca(std::string_view nome, int indice) const {
  const Controllo* c = modello_.Cerca(nome, indice);
  if (c == nullptr) return nullptr;
  const auto trovata = voci_.find(c);
  return trovata == voci_.end() ? nullptr : &trovata->second;
}

QWidget* SpecchioFinestra::Widget(std::string_view nome, int indice) const {
  const Voce* v = Cerca(nome, indice);
  return v == nullptr ? nullptr : v->widget;
}

QTimer* SpecchioFinestra::Timer(std::string_view nome, int indice) const {
  const Voce* v = Cerca(nome, indice);
  return v == nullptr ? nullptr : v->timer;
}

}  // namespace talewick::qt
