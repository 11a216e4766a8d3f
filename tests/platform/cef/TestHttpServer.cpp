// A tiny HTTP/1.0 server for browser tests; window thread only.
#include "TestHttpServer.h"

#include <QFile>
#include <QTcpSocket>
#include <QUrlQuery>

namespace {

QByteArray Reply(const QByteArray& status, const QByteArray& headers, const QByteArray& body) {
  return "HTTP/1.0 " + status + "\r\n" + headers + "Content-Length: " + QByteArray::number(body.size()) +
         "\r\nConnection: close\r\n\r\n" + body;
}

QByteArray HeaderValue(const QByteArray& head, const QByteArray& name) {
  for (const QByteArray& line : head.split('\n')) {
    const int colon = line.indexOf(':');
    if (colon > 0 && line.left(colon).trimmed().toLower() == name) return line.mid(colon + 1).trimmed();
  }
  return QByteArray();
}

}  // namespace

TestHttpServer::TestHttpServer(QString root) : root_(std::move(root)) {
  QObject::connect(&server_, &QTcpServer::newConnection, &server_, [this] { OnConnection(); });
}

TestHttpServer::~TestHttpServer() { server_.close(); }

bool TestHttpServer::Start() { return server_.listen(QHostAddress::LocalHost); }

std::string TestHttpServer::Url(const std::string& path) const {
  return "http://127.0.0.1:" + std::to_string(server_.serverPort()) + path;
}

void TestHttpServer::OnConnection() {
  while (QTcpSocket* socket = server_.nextPendingConnection()) {
    socket->setParent(&server_);
    QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket] { OnReadable(socket); });
    QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
  }
}

void TestHttpServer::OnReadable(QTcpSocket* socket) {
  const QByteArray request = socket->property("request").toByteArray() + socket->readAll();
  socket->setProperty("request", request);
  const int end = request.indexOf("\r\n\r\n");
  if (end < 0) return;
  Answer(socket, request.left(end));
}

void TestHttpServer::Answer(QTcpSocket* socket, const QByteArray& head) {
  const QList<QByteArray> requestLine = head.left(head.indexOf('\r')).split(' ');
  const QString path = requestLine.size() > 1 ? QString::fromLatin1(requestLine[1]) : QString();
  hits_.push_back(Hit{path.toStdString(), HeaderValue(head, "accept-language").toStdString()});
  if (path == QLatin1String("/hang")) return;
  socket->write(Response(path));
  socket->disconnectFromHost();
}

QByteArray TestHttpServer::Response(const QString& path) const {
  const QUrl url(path);
  if (url.path() == QLatin1String("/redirect")) {
    const QByteArray target = QUrlQuery(url).queryItemValue("to", QUrl::FullyDecoded).toUtf8();
    return Reply("302 Found", "Location: " + target + "\r\n", QByteArray());
  }
  QFile file(root_ + url.path());
  if (!file.open(QIODevice::ReadOnly)) return Reply("404 Not Found", "Content-Type: text/plain\r\n", "missing");
  return Reply("200 OK", "Content-Type: text/html; charset=utf-8\r\nCache-Control: no-store\r\n", file.readAll());
}
