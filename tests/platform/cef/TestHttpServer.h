// A tiny HTTP/1.0 server for browser tests; runs on the window thread's
// event loop (it serves while the test waits), owns its sockets.
//
//   /redirect?to=PATH  answers 302 with Location: PATH
//   /hang              never answers (keeps a navigation in flight)
//   anything else      the file of that name under the served folder, or 404
#pragma once

#include <QByteArray>
#include <QString>
#include <QTcpServer>
#include <string>
#include <vector>

class QTcpSocket;

class TestHttpServer {
 public:
  struct Hit {
    std::string path;
    std::string acceptLanguage;
  };

  explicit TestHttpServer(QString root);
  ~TestHttpServer();

  // Listens on 127.0.0.1; the base address is "http://127.0.0.1:PORT".
  bool Start();
  std::string Url(const std::string& path) const;
  const std::vector<Hit>& Hits() const { return hits_; }

 private:
  void OnConnection();
  void OnReadable(QTcpSocket* socket);
  void Answer(QTcpSocket* socket, const QByteArray& head);
  QByteArray Response(const QString& path) const;

  QString root_;
  QTcpServer server_;
  std::vector<Hit> hits_;
};
