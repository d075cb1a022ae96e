#include "carddav/CardDavError.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace quillmere::carddav {
namespace {

using Kind = CardDavError::Kind;

QString hostOf(const QUrl& url) {
  return url.host().isEmpty() ? url.toString() : url.host();
}

CardDavError make(Kind kind, const QUrl& url, QString message, int status = 0) {
  CardDavError error;
  error.kind = kind;
  error.url = url;
  error.message = std::move(message);
  error.httpStatus = status;
  return error;
}

}  // namespace

CardDavError statusError(int status, const QUrl& url, const QString& words) {
  const QString host = hostOf(url);
  const QString address = url.toDisplayString();
  switch (status) {
    case 401:
      return make(
          Kind::Unauthorized, url,
          QCoreApplication::translate("CardDavError",
                                      "%1 did not accept the user name or password. Check both; "
                                      "accounts with two-step sign-in need an app password.")
              .arg(host),
          status);
    case 403:
      return make(Kind::Forbidden, url,
                  QCoreApplication::translate(
                      "CardDavError",
                      "%1 does not let this user change %2. Choose an address book "
                      "of this account, or ask the server's administrator for access.")
                      .arg(host, address),
                  status);
    case 404:
      return make(
          Kind::NotFound, url,
          QCoreApplication::translate("CardDavError",
                                      "There is no address book at %1. Check the address, or give "
                                      "just the server's address to list its address books.")
              .arg(address),
          status);
    case 405:
      return make(Kind::NotAllowed, url,
                  QCoreApplication::translate(
                      "CardDavError",
                      "%1 does not take this request at %2, so it is probably not an "
                      "address book. Give the address book's own address, or just the "
                      "server's.")
                      .arg(host, address),
                  status);
    case 412:
      return make(Kind::Conflict, url,
                  QCoreApplication::translate(
                      "CardDavError",
                      "The card at %1 was changed on the server since it was read, "
                      "so it was left as the server has it. Check it there, then send "
                      "again to see what is new.")
                      .arg(address),
                  status);
    case 413:
      return make(Kind::TooLarge, url,
                  QCoreApplication::translate(
                      "CardDavError",
                      "%1 refused the card as too large. Shorten the row's notes or "
                      "other long values, or ask the administrator to allow larger "
                      "cards.")
                      .arg(host),
                  status);
    case 415:
      return make(Kind::UnsupportedCard, url,
                  QCoreApplication::translate(
                      "CardDavError",
                      "%1 does not take cards in this form. Convert for \"Nextcloud "
                      "and CardDAV\" in vCard 3.0 and send again.")
                      .arg(host),
                  status);
    case 507:
      return make(Kind::ServerFull, url,
                  QCoreApplication::translate(
                      "CardDavError",
                      "%1 has no room left for more cards. Free space in the account "
                      "or ask its administrator for more, then send again: the cards "
                      "already sent are kept.")
                      .arg(host),
                  status);
    default:
      break;
  }
  QString message = QCoreApplication::translate("CardDavError", "%1 answered %2 to %3.")
                        .arg(host)
                        .arg(status)
                        .arg(address);
  if (!words.isEmpty())
    message += QCoreApplication::translate("CardDavError", " It said: \"%1\".").arg(words);
  return make(Kind::Other, url, message, status);
}

CardDavError timeoutError(const QUrl& url, int seconds) {
  return make(Kind::Timeout, url,
              QCoreApplication::translate(
                  "CardDavError",
                  "%1 did not answer within %2 seconds. Check the connection and the "
                  "address, then try again.")
                  .arg(hostOf(url))
                  .arg(seconds));
}

CardDavError insecureError(const QUrl& url) {
  return make(
      Kind::Insecure, url,
      QCoreApplication::translate("CardDavError",
                                  "%1 is a plain http:// address: the password and the contacts "
                                  "would cross the network unencrypted. Use https://, or allow "
                                  "unencrypted connections if the server is on your own network.")
          .arg(url.toDisplayString()));
}

CardDavError certificateError(const QUrl& url, const QString& why, const QByteArray& fingerprint) {
  CardDavError error =
      make(Kind::Certificate, url,
           QCoreApplication::translate(
               "CardDavError",
               "The certificate of %1 could not be verified: %2 Its SHA-256 fingerprint is "
               "%3. Trust it only if the server's administrator confirms this fingerprint.")
               .arg(hostOf(url), why, QString::fromLatin1(fingerprint)));
  error.fingerprint = fingerprint;
  return error;
}

CardDavError networkError(const QUrl& url, const QString& why) {
  return make(Kind::Network, url,
              QCoreApplication::translate(
                  "CardDavError", "Could not reach %1: %2. Check the address and the connection.")
                  .arg(hostOf(url), why));
}

CardDavError closedOnCardError(const QUrl& url, qsizetype bytes) {
  return make(Kind::TooLarge, url,
              QCoreApplication::translate(
                  "CardDavError",
                  "%1 closed the connection twice while this card (%2 KB) was being "
                  "sent, yet answers other requests: it probably refused the card as "
                  "too large. Shorten the row's notes or other long values, or ask the "
                  "administrator to allow larger cards.")
                  .arg(hostOf(url))
                  .arg((bytes + 1023) / 1024));
}

CardDavError notAddressBookError(const QUrl& url) {
  return make(
      Kind::NotAddressBook, url,
      QCoreApplication::translate("CardDavError",
                                  "%1 answers, but holds no address book for this user. Create one "
                                  "on the server, or give the address book's own address.")
          .arg(url.toDisplayString()));
}

CardDavError badAnswerError(const QUrl& url, const QString& why) {
  return make(Kind::BadAnswer, url,
              QCoreApplication::translate(
                  "CardDavError",
                  "%1 is not answering as a CardDAV server does (%2). Check that the "
                  "address is the server's CardDAV address.")
                  .arg(url.toDisplayString(), why));
}

QString serverWords(const QByteArray& body) {
  static const QRegularExpression markup(QStringLiteral("<[^>]*>"));
  static const QRegularExpression spaces(QStringLiteral("\\s+"));
  QString text = QString::fromUtf8(body.left(4096));
  text.remove(markup);
  text = text.replace(spaces, QStringLiteral(" ")).trimmed();
  if (text.size() > 200) text = text.left(199) + QChar(0x2026);
  return text;
}

}  // namespace quillmere::carddav
