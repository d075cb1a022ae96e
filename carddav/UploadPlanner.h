#pragma once

#include <QHash>
#include <QList>
#include <QObject>
#include <QStringList>
#include <QUrl>
#include <optional>

#include "carddav/CardDavError.h"
#include "carddav/DavConnection.h"
#include "carddav/Multistatus.h"
#include "carddav/UploadPlan.h"

namespace quillmere::carddav {

// Reads what the address book holds under the cards' names and says for each card whether it
// is new, an update or unchanged. Writes nothing.
class UploadPlanner : public QObject {
  Q_OBJECT

 public:
  // How the book's cards are read: every card in one addressbook-query, or, where a server
  // refuses that, cuts it short or finds no card, a listing of their ETags and then the cards
  // the sheet also has, a few hundred a request.
  enum class Reading { OneQuery, ListingThenCards };

  explicit UploadPlanner(DavConnection& connection, QObject* parent = nullptr);

  // OneQuery unless said; its fallback can be asked for outright.
  void readBy(Reading reading) { reading_ = reading; }
  void start(const QUrl& addressBook, const QList<OutgoingCard>& cards);

 signals:
  void planned(const quillmere::carddav::UploadPlan& plan);
  void failed(const quillmere::carddav::CardDavError& error);

 public:
  // A card as the server has it.
  struct ServerCard {
    QByteArray etag;
    QByteArray text;
  };

 private:
  // The answer's multistatus; none, with `failed` emitted, when it is an error or no multistatus.
  std::optional<Multistatus> multistatusOf(const DavAnswer& answer);
  void checked(const DavAnswer& answer);
  void queried(const DavAnswer& answer);
  void list();
  void listed(const DavAnswer& answer);
  void readNextBatch();
  void finish();

  DavConnection& connection_;
  Reading reading_ = Reading::OneQuery;
  UploadPlan plan_;
  QStringList toRead_;               // paths of cards the server has, still to read
  QHash<QString, ServerCard> read_;  // by decoded path
  QHash<QString, QByteArray> listedEtags_;
};

}  // namespace quillmere::carddav
