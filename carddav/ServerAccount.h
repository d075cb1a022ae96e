#pragma once

#include <QByteArray>
#include <QString>
#include <QUrl>

namespace quillmere::carddav {

// Where and as whom the cards go, and how far the connection may be trusted.
struct ServerAccount {
  QUrl url;  // an address book's own address, or just the server's
  QString user;
  QString password;
  // Plain HTTP carries the password readable by anyone on the way, so it is refused unless the
  // server is this computer or the user says so.
  bool allowInsecure = false;
  // The SHA-256 fingerprint (hex, colons optional) of a certificate the user chose to trust
  // although it does not verify; empty trusts only what the system trusts.
  QByteArray trustedFingerprint;
  int timeoutSeconds = 30;
  int requestsInFlight = 6;  // Qt opens at most six connections to one host
};

}  // namespace quillmere::carddav
