// The update check against a real HTTP server on 127.0.0.1, started by each test.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QNetworkProxy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <functional>
#include <memory>
#include <vector>

#include <gtest/gtest.h>

#include "base/messaggi.hpp"
#include "platform/qt/http_qt.hpp"
#include "support/piattaforma_finta.hpp"

namespace talewick::qt {
namespace {

using namespace std::chrono_literals;

QByteArray Risposta(int stato, const char* motivo, const QByteArray& corpo, const QByteArray& intestazioni = {}) {
  return "HTTP/1.1 " + QByteArray::number(stato) + " " + motivo +
         "\r\nContent-Type: text/plain\r\nContent-Length: " + QByteArray::number(corpo.size()) +
         "\r\nConnection: close\r\n" + intestazioni + "\r\n" + corpo;
}

QByteArray Ok(const QByteArray& corpo) { return Risposta(200, "OK", corpo); }

// Answers every request with what `risponde` gives for its path; an empty answer is none at all.
class ServerProva {
 public:
  explicit ServerProva(std::function<QByteArray(const QByteArray&)> risponde) : risponde_(std::move(risponde)) {
    EXPECT_TRUE(server_.listen(QHostAddress::LocalHost, 0));
    QObject::connect(&server_, &QTcpServer::newConnection, [this] {
      while (QTcpSocket* s = server_.nextPendingConnection()) {
        auto richiesta = std::make_shared<QByteArray>();
        QObject::connect(s, &QTcpSocket::readyRead, s, [this, s, richiesta] {
          *richiesta += s->readAll();
          if (!richiesta->contains("\r\n\r\n")) return;
          const QByteArray percorso = richiesta->split(' ').value(1);
          percorsi.push_back(percorso);
          const QByteArray risposta = risponde_(percorso);
          if (risposta.isEmpty()) return;  // never answers
          s->write(risposta);
          s->disconnectFromHost();
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

  ScaricatoreQt scaricatore;
  prova::NavigatoreFinto navigatore;
  prova::PiattaformaFinta piattaforma;
};

struct RigaServer {
  const char* nome;
  std::function<QByteArray(const QByteArray&)> risponde;
  const char* offerta;  // the latest version the question names; nullptr: no question
};

void PrintTo(const RigaServer& r, std::ostream* os) { *os << r.nome; }

class RisposteDelServer : public AggiornamentoQt, public testing::WithParamInterface<RigaServer> {};

TEST_P(RisposteDelServer, OffertaSoloPerUnTestoMaggiore) {
  ServerProva server(GetParam().risponde);
  const auto esito = Controlla(server.Host());
  ASSERT_FALSE(server.percorsi.empty());
  EXPECT_EQ(server.percorsi.front(), "/VersioneTalewick.txt");
  if (GetParam().offerta == nullptr) {
    EXPECT_TRUE(piattaforma.messaggi.empty());
    EXPECT_NE(esito, Esito_Aggiornamento::Rifiutato);
  } else {
    ASSERT_EQ(piattaforma.messaggi.size(), 1u);
    EXPECT_EQ(piattaforma.messaggi[0].titolo, "Talewick - Disponibile Aggiornamento");
    EXPECT_EQ(piattaforma.messaggi[0].testo, messaggi::Offerta_Aggiornamento(GetParam().offerta, "1.12.0"));
    EXPECT_EQ(esito, Esito_Aggiornamento::Rifiutato);
  }
  EXPECT_TRUE(navigatore.aperti.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Righe, RisposteDelServer,
    testing::Values(
        RigaServer{"Maggiore", [](auto&) { return Ok("1.13.0"); }, "1.13.0"},
        RigaServer{"DieciMegaDiTesto", [](auto&) { return Ok(QByteArray(10 << 20, '9')); }, nullptr},
        RigaServer{"NonTrovato", [](auto&) { return Risposta(404, "Not Found", "9.9.9"); }, nullptr},
        RigaServer{"ErroreDelServer", [](auto&) { return Risposta(500, "Internal Server Error", "9.9.9"); }, nullptr},
        RigaServer{"RinvioCircolare",
                   [](auto&) { return Risposta(302, "Found", "", "Location: /VersioneTalewick.txt\r\n"); }, nullptr},
        RigaServer{"UnRinvio",
                   [](const QByteArray& percorso) {
                     return percorso == "/nuova.txt"
                                ? Ok("1.13.0")
                                : Risposta(301, "Moved Permanently", "9.9.9", "Location: /nuova.txt\r\n");
                   },
                   "1.13.0"}),
    [](const testing::TestParamInfo<RigaServer>& i) { return std::string(i.param.nome); });

TEST_F(AggiornamentoQt, ConnessioneRifiutataOIndirizzoNonHttp) {
  EXPECT_FALSE(scaricatore.Scarica("file:///etc/hostname", 200ms, massimo_byte_versione).risposto);
  ServerProva server([](auto&) { return Ok("9.9.9"); });
  const std::string host = server.Host();
  server.Chiudi();
  EXPECT_EQ(Controlla(host), Esito_Aggiornamento::Nessuna_Risposta);
  EXPECT_TRUE(piattaforma.messaggi.empty());
}

TEST_F(AggiornamentoQt, UnServerCheNonRispondeScadeAlLimite) {
  ServerProva server([](auto&) { return QByteArray(); });
  QElapsedTimer cronometro;
  cronometro.start();
  EXPECT_EQ(Controlla(server.Host(), 300ms), Esito_Aggiornamento::Nessuna_Risposta);
  EXPECT_GE(cronometro.elapsed(), 290);
  EXPECT_LT(cronometro.elapsed(), 1500);
  EXPECT_TRUE(piattaforma.messaggi.empty());
}

// Cut at the limit and not offered; a body just at the limit is not cut.
TEST_F(AggiornamentoQt, UnaRispostaLungaSiTagliaAlLimiteENonSiOffre) {
  const QByteArray enorme(1 << 20, '7');
  ServerProva server([&](auto&) { return Ok(enorme); });
  const RispostaHttp r = scaricatore.Scarica(Indirizzo_Versione(server.Host()), 1500ms, massimo_byte_versione);
  EXPECT_TRUE(r.risposto);
  EXPECT_EQ(r.stato, 200);
  EXPECT_TRUE(r.troncato);
  EXPECT_EQ(r.corpo, std::string(massimo_byte_versione, '7'));

  EXPECT_EQ(Controlla(server.Host()), Esito_Aggiornamento::Non_Una_Versione);
  EXPECT_TRUE(piattaforma.messaggi.empty());
  ServerProva giusto([](auto&) { return Ok(QByteArray(massimo_byte_versione, '7')); });
  const RispostaHttp g = scaricatore.Scarica(Indirizzo_Versione(giusto.Host()), 1500ms, massimo_byte_versione);
  EXPECT_FALSE(g.troncato);
  EXPECT_EQ(g.corpo.size(), massimo_byte_versione);
}

// A server that sends its answer a byte at a time never gets past the time limit of the check,
// however much it has still to send: here a byte every 50 ms against a limit of 300 ms.
TEST_F(AggiornamentoQt, UnServerCheGocciolaScadeAlLimite) {
  QTcpServer server;
  ASSERT_TRUE(server.listen(QHostAddress::LocalHost, 0));
  const QByteArray risposta = "HTTP/1.1 200 OK\r\nContent-Length: 1000\r\n\r\n" + QByteArray(1000, '9');
  std::vector<std::unique_ptr<QTimer>> gocce;
  QObject::connect(&server, &QTcpServer::newConnection, [&] {
    while (QTcpSocket* s = server.nextPendingConnection()) {
      auto goccia = std::make_unique<QTimer>();
      auto inviati = std::make_shared<int>(0);
      QObject::connect(goccia.get(), &QTimer::timeout, s, [s, inviati, &risposta] {
        if (*inviati < risposta.size()) s->write(risposta.mid((*inviati)++, 1));
      });
      goccia->start(50);
      gocce.push_back(std::move(goccia));
    }
  });
  QElapsedTimer cronometro;
  cronometro.start();
  EXPECT_EQ(Controlla("127.0.0.1:" + std::to_string(server.serverPort()), 300ms),
            Esito_Aggiornamento::Nessuna_Risposta);
  EXPECT_GE(cronometro.elapsed(), 290);
  EXPECT_LT(cronometro.elapsed(), 1500);
  EXPECT_TRUE(piattaforma.messaggi.empty());
}

TEST_F(AggiornamentoQt, RinviiLimitati) {
  ServerProva circolare([](auto&) { return Risposta(302, "Found", "", "Location: /VersioneTalewick.txt\r\n"); });
  const RispostaHttp rinvii = scaricatore.Scarica(Indirizzo_Versione(circolare.Host()), 1500ms, 4096);
  EXPECT_FALSE(rinvii.risposto);
  // Bounded: the first request and its redirects, each possibly sent again on a closed connection.
  const auto richieste = static_cast<std::size_t>(massimo_reindirizzamenti) + 1;
  EXPECT_GE(circolare.percorsi.size(), richieste);
  EXPECT_LE(circolare.percorsi.size(), 2 * richieste);
}

}  // namespace
}  // namespace talewick::qt
