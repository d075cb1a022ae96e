#pragma once

#include <QHash>
#include <QList>
#include <QObject>
#include <QStringList>
#include <QUrl>

#include "carddav/CardDavError.h"
#include "carddav/DavConnection.h"
#include "carddav/UploadPlan.h"

namespace quillmere::carddav {

// Reads what the address book holds under the cards' names and says for each card whether it
// is new, an update or unchanged. Writes nothing.
class UploadPlanner : public QObject {
  Q_OBJECT

 public:
  explicit UploadPlanner(DavConnection& connection, QObject* parent = nullptr);

  void start(const QUrl& addressBook, const QList<OutgoingCard>& cards);

 signals:
  void planned(const quillmere::carddav::UploadPlan& plan);
  void failed(const quillmere::carddav::CardDavError& error);

 private:
  struct ServerCard {
    QByteArray etag;
    QByteArray text;
  };

  void listed(const DavAnswer& answer);
  void readNextBatch();
  void finish();

  DavConnection& connection_;
  UploadPlan plan_;
  QStringList toRead_;               // paths of cards the server has, still to read
  QHash<QString, ServerCard> read_;  // by decoded path
  QHash<QString, QByteArray> listedEtags_;
};

}  // namespace quillmere::carddav
