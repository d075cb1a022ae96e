#pragma once

#include <QByteArray>
#include <QString>
#include <QUrl>

namespace quillmere::carddav {

// Why talking to the server failed, with a sentence the user can act on. The kind lets a
// dialog offer what fits (ask the password again, show the fingerprint to trust).
struct CardDavError {
  enum class Kind {
    Insecure,         // plain HTTP to another computer without the user's consent
    Certificate,      // the certificate did not verify; `fingerprint` says which one
    Network,          // no connection: host unknown, refused, reset
    Timeout,          // no answer in time
    Unauthorized,     // 401
    Forbidden,        // 403
    NotFound,         // 404
    NotAllowed,       // 405
    Conflict,         // 412: changed on the server since it was read
    TooLarge,         // 413
    UnsupportedCard,  // 415
    ServerFull,       // 507
    NotAddressBook,   // the address answers but holds no address book
    SeveralBooks,     // a bare server with several address books where only one may be taken
    BadAnswer,        // an answer that is not the WebDAV it should be
    Other,            // any other status
  };

  Kind kind = Kind::Other;
  QString message;
  int httpStatus = 0;
  QUrl url;
  QByteArray fingerprint;  // for Certificate: SHA-256, colon-separated hex
};

// The error for an HTTP status the server answered to a request on `url`; `serverWords` is
// the text of its answer, quoted when the status has no sentence of its own.
CardDavError statusError(int status, const QUrl& url, const QString& serverWords = {});

CardDavError timeoutError(const QUrl& url, int seconds);
CardDavError insecureError(const QUrl& url);
CardDavError certificateError(const QUrl& url, const QString& why, const QByteArray& fingerprint);
CardDavError networkError(const QUrl& url, const QString& why);
// A card the server hung up on twice while still answering other requests.
CardDavError closedOnCardError(const QUrl& url, qsizetype bytes);
CardDavError notAddressBookError(const QUrl& url);
CardDavError badAnswerError(const QUrl& url, const QString& why);

// The first readable line or so of what the server said with a refusal, at most 200
// characters; markup is dropped.
QString serverWords(const QByteArray& body);

}  // namespace quillmere::carddav
