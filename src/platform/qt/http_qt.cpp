#include "platform/qt/http_qt.hpp"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>
#include <QUrl>
#include <memory>

#include "base/versione.hpp"

namespace talewick::qt {
namespace {

// An answer came from the server, even if it is an error page; a network fault, a redirect
// loop or a cancelled transfer is no answer.
bool Risposta_Del_Server(QNetworkReply::NetworkError errore) {
  const int codice = static_cast<int>(errore);
  return errore == QNetworkReply::NoError || (codice >= 201 && codice <= 299) || (codice >= 401 && codice <= 499);
}

}  // namespace

RispostaHttp ScaricatoreQt::Scarica(std::string_view indirizzo, std::chrono::milliseconds limite,
                                    std::size_t massimo_byte) {
  RispostaHttp esito;
  const QUrl url(QString::fromUtf8(indirizzo.data(), static_cast<qsizetype>(indirizzo.size())), QUrl::StrictMode);
  if (!url.isValid() || (url.scheme() != QLatin1String("http") && url.scheme() != QLatin1String("https"))) {
    return esito;
  }
  QNetworkRequest richiesta(url);
  richiesta.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
  richiesta.setMaximumRedirectsAllowed(massimo_reindirizzamenti);
  richiesta.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
  // The body is kept as it comes: no compressed transfer to inflate.
  richiesta.setRawHeader("Accept-Encoding", "identity");
  richiesta.setHeader(QNetworkRequest::UserAgentHeader, QByteArray("Talewick/") + Versione);

  QNetworkAccessManager rete;
  std::unique_ptr<QNetworkReply> risposta(rete.get(richiesta));
  const auto massimo = static_cast<qint64>(massimo_byte);
  risposta->setReadBufferSize(massimo + 1);

  QByteArray corpo;
  bool scaduto = false;
  bool troppo_lungo = false;
  QEventLoop ciclo;
  QTimer timer;
  timer.setSingleShot(true);
  timer.setTimerType(Qt::PreciseTimer);  // a coarse timer may give up before the limit
  QObject::connect(&timer, &QTimer::timeout, &ciclo, [&] {
    scaduto = true;
    risposta->abort();
    ciclo.quit();
  });
  QObject::connect(risposta.get(), &QNetworkReply::readyRead, &ciclo, [&] {
    if (troppo_lungo) return;
    corpo += risposta->read(massimo - corpo.size());
    if (corpo.size() >= massimo && risposta->bytesAvailable() > 0) {
      troppo_lungo = true;
      risposta->abort();
    }
  });
  QObject::connect(risposta.get(), &QNetworkReply::finished, &ciclo, &QEventLoop::quit);
  timer.start(limite);
  if (!risposta->isFinished()) ciclo.exec(QEventLoop::ExcludeUserInputEvents);
  timer.stop();

  if (!troppo_lungo && !scaduto) corpo += risposta->read(massimo - corpo.size());
  esito.stato = risposta->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
  if (troppo_lungo) {
    esito.risposto = esito.stato != 0;
    esito.troncato = true;
  } else {
    esito.risposto = !scaduto && esito.stato != 0 && Risposta_Del_Server(risposta->error());
  }
  esito.corpo.assign(corpo.constData(), static_cast<std::size_t>(corpo.size()));
  return esito;
}

}  // namespace talewick::qt
