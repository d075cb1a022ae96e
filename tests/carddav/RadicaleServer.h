#pragma once

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>
#include <QUrl>

#include "carddav/DavConnection.h"
#include "carddav/ServerAccount.h"

namespace quillmere::carddav::test {

// A real Radicale on 127.0.0.1 at a free port, with two htpasswd users who may read each
// other's address books but write only their own, its own storage in a temporary folder, and
// over TLS with a certificate made for it when asked.
class RadicaleServer {
 public:
  static constexpr int kMaxContentLength = 200000;

  explicit RadicaleServer(bool tls = false);
  ~RadicaleServer();
  RadicaleServer(const RadicaleServer&) = delete;
  RadicaleServer& operator=(const RadicaleServer&) = delete;

  QUrl root() const { return root_; }
  QString user() const { return QStringLiteral("ann"); }
  QString otherUser() const { return QStringLiteral("bob"); }
  QString password() const { return QStringLiteral("pässword 7"); }
  // The certificate's SHA-256 fingerprint as openssl prints it.
  QByteArray fingerprint() const { return fingerprint_; }
  // The account a user would give: the server's root, user and password, the certificate
  // trusted when `trust` is set.
  ServerAccount account(bool trust = true) const;

  // Makes an address book in the home of `owner` (the user when empty), with a display name.
  QUrl makeAddressBook(const QString& name, const QString& displayName, QString owner = {});

  // The ETag of every card in the book, by resource name.
  QMap<QString, QByteArray> etags(const QUrl& book);

  // One request as any other client would send it, waited for.
  DavAnswer request(const QByteArray& method, const QUrl& url, const QByteArray& body = {},
                    const DavHeaders& headers = {}, const QString& as = {});

  // Freezes and thaws the server process, to make it stop answering.
  void pause();
  void resume();
  // Ends the server, as a machine that goes away does.
  void stop();

 private:
  QTemporaryDir dir_;
  QProcess process_;
  QUrl root_;
  QByteArray fingerprint_;
};

}  // namespace quillmere::carddav::test
