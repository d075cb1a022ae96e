#include "carddav/DavConnection.h"

#include <QHostAddress>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSslCertificate>
#include <QSslError>
#include <QStringList>
#include <QTimer>

namespace quillmere::carddav {
namespace {

const char kTlsFailure[] = "quillmereTlsFailure";
const char kTlsFingerprint[] = "quillmereTlsFingerprint";

QByteArray bareHex(QByteArray fingerprint) {
  return fingerprint.replace(':', QByteArray()).replace(' ', QByteArray()).toUpper();
}

bool isRedirect(int status) {
  return status == 301 || status == 302 || status == 303 || status == 307 || status == 308;
}

}  // namespace

bool isLoopback(const QUrl& url) {
  const QString host = url.host();
  if (host.compare(QStringLiteral("localhost"), Qt::CaseInsensitive) == 0) return true;
  const QHostAddress address(host);
  return !address.isNull() && address.isLoopback();
}

QByteArray fingerprintText(const QByteArray& digest) {
  return digest.toHex(':').toUpper();
}

DavConnection::DavConnection(ServerAccount account, QObject* parent)
    : QObject(parent), account_(std::move(account)) {
  manager_.setRedirectPolicy(QNetworkRequest::ManualRedirectPolicy);
}

DavConnection::~DavConnection() {
  for (QNetworkReply* reply : std::as_const(replies_)) {
    reply->disconnect(this);
    reply->abort();
    reply->deleteLater();
  }
}

std::optional<CardDavError> multistatusFailure(const DavAnswer& answer) {
  if (answer.error) return answer.error;
  if (answer.status != 207) return statusError(answer.status, answer.url, serverWords(answer.body));
  return std::nullopt;
}

void DavConnection::send(const QByteArray& method, const QUrl& url, const DavHeaders& headers,
                         const QByteArray& body, std::function<void(const DavAnswer&)> done,
                         int patience) {
  start(Call{method, url, headers, body, std::move(done), account_.timeoutSeconds * patience});
}

void DavConnection::failLater(Call call, CardDavError error) {
  QTimer::singleShot(0, this, [call = std::move(call), error = std::move(error)] {
    DavAnswer answer;
    answer.url = call.url;
    answer.error = error;
    call.done(answer);
  });
}

void DavConnection::start(Call call) {
  const QString scheme = call.url.scheme().toLower();
  if (scheme != QLatin1String("https") && scheme != QLatin1String("http")) {
    CardDavError error =
        networkError(call.url, QStringLiteral("the address does not begin with https://"));
    failLater(std::move(call), std::move(error));
    return;
  }
  if (scheme == QLatin1String("http") && !account_.allowInsecure && !isLoopback(call.url)) {
    CardDavError error = insecureError(call.url);
    failLater(std::move(call), std::move(error));
    return;
  }

  QNetworkRequest request(call.url);
  request.setTransferTimeout(call.timeoutSeconds * 1000);
  request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                       QNetworkRequest::ManualRedirectPolicy);
  if (!account_.user.isEmpty()) {
    const QByteArray pair = (account_.user + QLatin1Char(':') + account_.password).toUtf8();
    request.setRawHeader("Authorization", "Basic " + pair.toBase64());
  }
  for (const auto& [name, value] : call.headers)
    request.setRawHeader(name, value);

  QNetworkReply* reply = manager_.sendCustomRequest(request, call.method, call.body);
  replies_.insert(reply);
  connect(reply, &QNetworkReply::sslErrors, this, [this, reply](const QList<QSslError>& errors) {
    QStringList why;
    QByteArray fingerprint;
    for (const QSslError& error : errors) {
      why << error.errorString();
      if (fingerprint.isEmpty() && !error.certificate().isNull()) {
        fingerprint = fingerprintText(error.certificate().digest(QCryptographicHash::Sha256));
      }
    }
    if (fingerprint.isEmpty()) {
      const QSslCertificate peer = reply->sslConfiguration().peerCertificate();
      if (!peer.isNull()) fingerprint = fingerprintText(peer.digest(QCryptographicHash::Sha256));
    }
    if (!account_.trustedFingerprint.isEmpty() && !fingerprint.isEmpty() &&
        bareHex(account_.trustedFingerprint) == bareHex(fingerprint)) {
      reply->ignoreSslErrors(errors);
      return;
    }
    why.removeDuplicates();
    QString text = why.join(QStringLiteral("; "));
    if (!text.endsWith(QLatin1Char('.'))) text += QLatin1Char('.');
    reply->setProperty(kTlsFailure, text);
    reply->setProperty(kTlsFingerprint, fingerprint);
  });
  connect(reply, &QNetworkReply::finished, this,
          [this, reply, call = std::move(call)]() mutable { answer(reply, std::move(call)); });
}

void DavConnection::answer(QNetworkReply* reply, Call call) {
  replies_.remove(reply);
  reply->deleteLater();

  DavAnswer answer;
  answer.url = call.url;
  const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
  if (!status.isValid()) {
    const QVariant tls = reply->property(kTlsFailure);
    if (tls.isValid()) {
      answer.error = certificateError(call.url, tls.toString(),
                                      reply->property(kTlsFingerprint).toByteArray());
    } else if (reply->error() == QNetworkReply::OperationCanceledError ||
               reply->error() == QNetworkReply::TimeoutError) {
      // Only the transfer timeout cancels a reply still connected to this object.
      answer.error = timeoutError(call.url, call.timeoutSeconds);
    } else {
      answer.error = networkError(call.url, reply->errorString());
    }
    call.done(answer);
    return;
  }

  answer.status = status.toInt();
  answer.body = reply->readAll();
  answer.etag = reply->rawHeader("ETag");
  const QByteArray location = reply->rawHeader("Location");
  if (isRedirect(answer.status) && !location.isEmpty()) {
    if (call.redirectsLeft == 0) {
      answer.error = badAnswerError(call.url, QStringLiteral("it redirects in a circle"));
      call.done(answer);
      return;
    }
    --call.redirectsLeft;
    call.url = call.url.resolved(QUrl::fromEncoded(location));
    start(std::move(call));
    return;
  }
  call.done(answer);
}

}  // namespace quillmere::carddav
