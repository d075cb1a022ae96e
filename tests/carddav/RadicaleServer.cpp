#include "RadicaleServer.h"

#include <gtest/gtest.h>
#include <signal.h>

#include <QDeadlineTimer>
#include <QEventLoop>
#include <QFile>
#include <QTcpServer>
#include <QTcpSocket>
#include <stdexcept>

#include "carddav/DavRequests.h"
#include "carddav/Multistatus.h"

namespace quillmere::carddav::test {
namespace {

quint16 freePort() {
  QTcpServer probe;
  if (!probe.listen(QHostAddress::LocalHost, 0)) throw std::runtime_error("no free port");
  return probe.serverPort();
}

void writeFile(const QString& path, const QByteArray& text) {
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size()) {
    throw std::runtime_error("cannot write " + path.toStdString());
  }
}

QByteArray run(const QString& program, const QStringList& arguments) {
  QProcess process;
  process.start(program, arguments);
  if (!process.waitForFinished(60000) || process.exitCode() != 0) {
    throw std::runtime_error(program.toStdString() +
                             " failed: " + process.readAllStandardError().toStdString());
  }
  return process.readAllStandardOutput();
}

}  // namespace

RadicaleServer::RadicaleServer(bool tls) {
  const QString dir = dir_.path();
  const quint16 port = freePort();
  writeFile(dir + "/users",
            (user() + ':' + password() + '\n' + otherUser() + ':' + password() + '\n').toUtf8());
  QByteArray config = "[server]\nhosts = 127.0.0.1:" + QByteArray::number(port) +
                      "\nmax_content_length = " + QByteArray::number(kMaxContentLength) + "\n";
  if (tls) {
    run(QUILLMERE_OPENSSL, {"req", "-x509", "-newkey", "rsa:2048", "-nodes", "-days", "2", "-subj",
                            "/CN=127.0.0.1", "-addext", "subjectAltName=IP:127.0.0.1", "-keyout",
                            dir + "/key.pem", "-out", dir + "/cert.pem"});
    const QByteArray printed = run(
        QUILLMERE_OPENSSL, {"x509", "-in", dir + "/cert.pem", "-noout", "-fingerprint", "-sha256"});
    fingerprint_ = printed.mid(printed.indexOf('=') + 1).trimmed();
    config += "ssl = True\ncertificate = " + (dir + "/cert.pem").toUtf8() +
              "\nkey = " + (dir + "/key.pem").toUtf8() + "\n";
  }
  config += "[auth]\ntype = htpasswd\nhtpasswd_filename = " + (dir + "/users").toUtf8() +
            "\nhtpasswd_encryption = plain\ndelay = 0\n"
            "[rights]\ntype = owner_write\n"
            "[storage]\nfilesystem_folder = " +
            (dir + "/collections").toUtf8() + "\n[web]\ntype = none\n[logging]\nlevel = warning\n";
  writeFile(dir + "/config", config);

  process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
  process_.start(QUILLMERE_SYSTEM_PYTHON, {"-m", "radicale", "--config", dir + "/config"});
  if (!process_.waitForStarted()) throw std::runtime_error("radicale did not start");
  root_ = QUrl(QStringLiteral("%1://127.0.0.1:%2/").arg(tls ? "https" : "http").arg(port));
  const QDeadlineTimer deadline(20000);
  for (;;) {
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, port);
    if (socket.waitForConnected(200)) break;
    // Waiting for its end also notices a server that stopped at once, on a bad configuration.
    if (process_.waitForFinished(50) || deadline.hasExpired()) {
      throw std::runtime_error("radicale did not listen on its port");
    }
  }
}

RadicaleServer::~RadicaleServer() {
  stop();
}

void RadicaleServer::stop() {
  resume();
  if (process_.state() == QProcess::NotRunning) return;
  process_.terminate();
  if (!process_.waitForFinished(10000)) process_.kill();
  process_.waitForFinished(5000);
}

ServerAccount RadicaleServer::account(bool trust) const {
  ServerAccount account;
  account.url = root_;
  account.user = user();
  account.password = password();
  if (trust) account.trustedFingerprint = fingerprint_;
  return account;
}

DavAnswer RadicaleServer::request(const QByteArray& method, const QUrl& url, const QByteArray& body,
                                  const DavHeaders& headers, const QString& as) {
  ServerAccount asUser = account();
  if (!as.isEmpty()) asUser.user = as;
  DavConnection connection(asUser);
  DavAnswer result;
  QEventLoop loop;
  connection.send(method, url, headers, body, [&](const DavAnswer& answer) {
    result = answer;
    loop.quit();
  });
  loop.exec();
  return result;
}

QUrl RadicaleServer::makeAddressBook(const QString& name, const QString& displayName,
                                     QString owner) {
  if (owner.isEmpty()) owner = user();
  const QUrl book = root_.resolved(QUrl("/" + owner + "/" + name + "/"));
  const QByteArray body =
      R"(<?xml version="1.0"?><d:mkcol xmlns:d="DAV:" xmlns:c="urn:ietf:params:xml:ns:carddav">)"
      R"(<d:set><d:prop><d:resourcetype><d:collection/><c:addressbook/></d:resourcetype>)"
      R"(<d:displayname>)" +
      displayName.toHtmlEscaped().toUtf8() + R"(</d:displayname></d:prop></d:set></d:mkcol>)";
  const DavAnswer answer =
      request("MKCOL", book, body, {{"Content-Type", "application/xml; charset=utf-8"}}, owner);
  if (answer.status != 201) {
    throw std::runtime_error("MKCOL answered " + std::to_string(answer.status) +
                             (answer.error ? answer.error->message.toStdString() : ""));
  }
  return book;
}

QMap<QString, QByteArray> RadicaleServer::etags(const QUrl& book) {
  const DavAnswer answer = request("PROPFIND", book, etagPropfind(), xmlHeaders("1"));
  if (answer.status != 207) throw std::runtime_error("PROPFIND failed");
  QMap<QString, QByteArray> etags;
  for (const DavResource& resource : parseMultistatus(answer.body).resources) {
    if (!resource.isCollection) {
      etags.insert(QUrl(resource.href).fileName(QUrl::FullyDecoded), resource.etag);
    }
  }
  return etags;
}

void RadicaleServer::pause() {
  ::kill(static_cast<pid_t>(process_.processId()), SIGSTOP);
}
void RadicaleServer::resume() {
  if (process_.state() == QProcess::Running) {
    ::kill(static_cast<pid_t>(process_.processId()), SIGCONT);
  }
}

}  // namespace quillmere::carddav::test
