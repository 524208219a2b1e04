// The real HTTP fetch of the update check against a server on 127.0.0.1, started by each test.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QNetworkProxy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <functional>
#include <memory>
#include <tuple>
#include <vector>

#include <gtest/gtest.h>

#include "platform/qt/http_qt.hpp"
#include "support/piattaforma_finta.hpp"

namespace talewick::qt {
namespace {

using namespace std::chrono_literals;

QByteArray Risposta(int stato, const QByteArray& corpo, const QByteArray& intestazioni = {}) {
  return "HTTP/1.1 " + QByteArray::number(stato) +
         " X\r\nContent-Type: text/plain\r\nContent-Length: " + QByteArray::number(corpo.size()) +
         "\r\nConnection: close\r\n" + intestazioni + "\r\n" + corpo;
}

// Answers every request with what `risponde` gives for its path, a byte every `goccia` if set;
// an empty answer is none at all.
class ServerProva {
 public:
  explicit ServerProva(std::function<QByteArray(const QByteArray&)> risponde, std::chrono::milliseconds goccia = {})
      : risponde_(std::move(risponde)) {
    EXPECT_TRUE(server_.listen(QHostAddress::LocalHost, 0));
    QObject::connect(&server_, &QTcpServer::newConnection, [this, goccia] {
      while (QTcpSocket* s = server_.nextPendingConnection()) {
        auto richiesta = std::make_shared<QByteArray>();
        QObject::connect(s, &QTcpSocket::readyRead, s, [this, s, richiesta, goccia] {
          *richiesta += s->readAll();
          if (!richiesta->contains("\r\n\r\n")) return;
          percorsi.push_back(richiesta->split(' ').value(1));
          const QByteArray risposta = risponde_(percorsi.back());
          if (risposta.isEmpty()) return;  // never answers
          if (goccia == 0ms) {
            s->write(risposta);
            s->disconnectFromHost();
            return;
          }
          auto* timer = new QTimer(s);
          QObject::connect(timer, &QTimer::timeout, s, [s, risposta, inviati = 0]() mutable {
            if (inviati < risposta.size()) s->write(risposta.mid(inviati++, 1));
          });
          timer->start(goccia);
        });
        QObject::connect(s, &QTcpSocket::disconnected, s, &QObject::deleteLater);
      }
    });
  }
  [[nodiscard]] std::string Host() const { return "127.0.0.1:" + std::to_string(server_.serverPort()); }
  void Chiudi() { server_.close(); }

  std::vector<QByteArray> percorsi;

 private:
  QTcpServer server_;
  std::function<QByteArray(const QByteArray&)> risponde_;
};

class AggiornamentoQt : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    static int argc = 1;
    static char nome[] = "aggiornamento_qt_test";
    static char* argv[] = {nome, nullptr};
    static QCoreApplication applicazione(argc, argv);
    QNetworkProxy::setApplicationProxy(QNetworkProxy::NoProxy);
  }
  Esito_Aggiornamento Controlla(const std::string& host, std::chrono::milliseconds limite = 1500ms) {
    return Controlla_Aggiornamento({host, "1.12.0", limite}, scaricatore, navigatore, piattaforma);
  }
  RispostaHttp Scarica(const ServerProva& server) {
    return scaricatore.Scarica(Indirizzo_Versione(server.Host()), 1500ms, massimo_byte_versione);
  }

  ScaricatoreQt scaricatore;
  prova::NavigatoreFinto navigatore;
  prova::PiattaformaFinta piattaforma;
};

// What the fetch reports of each answer: answered, status, body, cut at the byte limit.
TEST_F(AggiornamentoQt, RisposteDelServer) {
  struct Riga {
    const char* nome;
    std::function<QByteArray(const QByteArray&)> risponde;
    RispostaHttp attesa;
  };
  const std::string sette(massimo_byte_versione, '7');
  const Riga righe[] = {
      {"NonTrovato", [](auto&) { return Risposta(404, "9.9.9"); }, {true, 404, "9.9.9", false}},
      {"ErroreDelServer", [](auto&) { return Risposta(500, "9.9.9"); }, {true, 500, "9.9.9", false}},
      {"UnRinvio",
       [](const QByteArray& percorso) {
         return percorso == "/nuova.txt" ? Risposta(200, "1.13.0") : Risposta(301, "9.9.9", "Location: /nuova.txt\r\n");
       },
       {true, 200, "1.13.0", false}},
      {"DieciMega", [](auto&) { return Risposta(200, QByteArray(10 << 20, '7')); }, {true, 200, sette, true}},
      {"GiustoAlLimite",
       [](auto&) { return Risposta(200, QByteArray(massimo_byte_versione, '7')); },
       {true, 200, sette, false}}};
  for (const auto& riga : righe) {
    ServerProva server(riga.risponde);
    const RispostaHttp r = Scarica(server);
    EXPECT_EQ(server.percorsi.front(), "/VersioneTalewick.txt") << riga.nome;
    EXPECT_EQ(std::tie(r.risposto, r.stato, r.corpo, r.troncato),
              std::tie(riga.attesa.risposto, riga.attesa.stato, riga.attesa.corpo, riga.attesa.troncato))
        << riga.nome;
  }
}

TEST_F(AggiornamentoQt, RinviiLimitati) {
  ServerProva circolare([](auto&) { return Risposta(302, "", "Location: /VersioneTalewick.txt\r\n"); });
  EXPECT_FALSE(Scarica(circolare).risposto);
  // Bounded: the first request and its redirects, each possibly sent again on a closed connection.
  const auto richieste = static_cast<std::size_t>(massimo_reindirizzamenti) + 1;
  EXPECT_GE(circolare.percorsi.size(), richieste);
  EXPECT_LE(circolare.percorsi.size(), 2 * richieste);
}

TEST_F(AggiornamentoQt, ConnessioneRifiutataOIndirizzoNonHttp) {
  EXPECT_FALSE(scaricatore.Scarica("file:///etc/hostname", 200ms, massimo_byte_versione).risposto);
  ServerProva server([](auto&) { return Risposta(200, "9.9.9"); });
  server.Chiudi();
  EXPECT_FALSE(Scarica(server).risposto);
}

// A server that never answers, or sends its answer a byte every 50 ms, never gets past the
// time limit of the check, however much it has still to send.
class Scadenza : public AggiornamentoQt, public testing::WithParamInterface<std::chrono::milliseconds> {};

TEST_P(Scadenza, AlLimite) {
  ServerProva server([](auto&) { return GetParam() == 0ms ? QByteArray() : Risposta(200, QByteArray(1000, '9')); },
                     GetParam());
  QElapsedTimer cronometro;
  cronometro.start();
  EXPECT_EQ(Controlla(server.Host(), 300ms), Esito_Aggiornamento::Nessuna_Risposta);
  EXPECT_GE(cronometro.elapsed(), 290);
  EXPECT_LT(cronometro.elapsed(), 1500);
  EXPECT_TRUE(piattaforma.messaggi.empty());
}

INSTANTIATE_TEST_SUITE_P(ServerMutoOLento, Scadenza, testing::Values(0ms, 50ms));

}  // namespace
}  // namespace talewick::qt
