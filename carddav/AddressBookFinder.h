#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QUrl>

#include "carddav/CardDavError.h"
#include "carddav/DavConnection.h"
#include "carddav/Multistatus.h"

namespace quillmere::carddav {

struct AddressBook {
  QUrl url;
  QString displayName;  // the server's, or the last part of the address when it has none
};

// Finds the address books at the account's address: that address itself when it is one,
// else through /.well-known/carddav (for a bare server), the user's principal, its address
// book home and the home's listing.
class AddressBookFinder : public QObject {
  Q_OBJECT

 public:
  explicit AddressBookFinder(DavConnection& connection, QObject* parent = nullptr);

  void start();

 signals:
  void found(const QList<quillmere::carddav::AddressBook>& books);
  void failed(const quillmere::carddav::CardDavError& error);

 private:
  void ask(const QUrl& url, bool wellKnown);
  void examine(const QUrl& url, const DavResource& resource);
  void list(const QUrl& home);

  DavConnection& connection_;
  bool principalAsked_ = false;
};

// The address as typed: a bare host name is taken for https://.
QUrl serverAddress(const QString& typed);

}  // namespace quillmere::carddav
