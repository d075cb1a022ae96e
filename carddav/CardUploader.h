#pragma once

#include <QObject>

#include "carddav/CardDavError.h"
#include "carddav/DavConnection.h"
#include "carddav/UploadPlan.h"
#include "carddav/UploadReport.h"

namespace quillmere::carddav {

// Sends a plan's new and changed cards, several at a time, each over exactly what was read:
// a new card only where there is none, an update only over the ETag the plan saw. Nothing on
// the server is ever deleted.
class CardUploader : public QObject {
  Q_OBJECT

 public:
  explicit CardUploader(DavConnection& connection, QObject* parent = nullptr);

  void start(const UploadPlan& plan);
  // Sends nothing more; requests already sent finish, so every card is whole and its result
  // known. `finished` follows.
  void stop();
  bool running() const { return running_; }

 signals:
  void progress(int done, int total);
  void cardDone(const quillmere::carddav::CardResult& result);
  void finished(const quillmere::carddav::UploadReport& report);

 private:
  void sendMore();
  void send(qsizetype index);
  void answered(qsizetype index, const DavAnswer& answer);
  void lostConnection(qsizetype index, const CardDavError& error);
  void refuse(qsizetype index, const CardDavError& error, const QByteArray& body = {});
  // Tells its progress unless `quietly`: cards passed over unchanged are told as one step.
  void record(qsizetype index, CardResult::Outcome outcome, QString message = {},
              QByteArray etag = {}, bool quietly = false);
  void finishIfDone();

  DavConnection& connection_;
  UploadPlan plan_;
  UploadReport report_;
  QList<bool> resent_;  // by plan index: sent a second time after the connection dropped
  qsizetype next_ = 0;
  int inFlight_ = 0;
  int done_ = 0;
  bool running_ = false;
  bool stopping_ = false;
};

// Whether an error on one card means the others cannot go either.
bool stopsEveryCard(CardDavError::Kind kind);

}  // namespace quillmere::carddav
