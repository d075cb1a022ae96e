#pragma once

#include <QByteArray>
#include <QList>
#include <QNetworkAccessManager>
#include <QObject>
#include <QSet>
#include <QString>
#include <QUrl>
#include <functional>
#include <optional>
#include <utility>

#include "carddav/CardDavError.h"
#include "carddav/ServerAccount.h"

class QNetworkReply;

namespace quillmere::carddav {

// What one request brought back. `error` is set when no HTTP answer came at all (refused plain
// HTTP, certificate, network, timeout); an HTTP error status is left for the caller to judge.
struct DavAnswer {
  QUrl url;  // the address that answered, after redirects
  int status = 0;
  QByteArray body;
  QByteArray etag;
  std::optional<CardDavError> error;

  bool ok() const { return !error && status >= 200 && status < 300; }
};

// The error an answer that should be a multistatus is: the request's own failure, or another
// status than 207; none when it is a 207.
std::optional<CardDavError> multistatusFailure(const DavAnswer& answer);

using DavHeaders = QList<std::pair<QByteArray, QByteArray>>;

// Sends WebDAV requests as one account: its credentials, its timeout and its rules for TLS and
// plain HTTP on every request, redirects followed with the method kept.
class DavConnection : public QObject {
  Q_OBJECT

 public:
  explicit DavConnection(ServerAccount account, QObject* parent = nullptr);
  ~DavConnection() override;

  const ServerAccount& account() const { return account_; }

  // `done` is called once, later, on this thread; never after the connection is destroyed.
  // The answer may keep silent `patience` times the account's timeout: a server builds a whole
  // address book's answer before its first byte.
  void send(const QByteArray& method, const QUrl& url, const DavHeaders& headers,
            const QByteArray& body, std::function<void(const DavAnswer&)> done, int patience = 1);

 private:
  struct Call {
    QByteArray method;
    QUrl url;
    DavHeaders headers;
    QByteArray body;
    std::function<void(const DavAnswer&)> done;
    int timeoutSeconds = 30;
    int redirectsLeft = 5;
  };

  void start(Call call);
  void answer(QNetworkReply* reply, Call call);
  void failLater(Call call, CardDavError error);

  ServerAccount account_;
  QNetworkAccessManager manager_;
  QSet<QNetworkReply*> replies_;
};

// True for addresses of this computer, where plain HTTP crosses no network.
bool isLoopback(const QUrl& url);

// A certificate's SHA-256 digest as colon-separated upper-case hex, as trust is given in.
QByteArray fingerprintText(const QByteArray& digest);

}  // namespace quillmere::carddav
