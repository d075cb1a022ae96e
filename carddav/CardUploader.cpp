#include "carddav/CardUploader.h"

#include <QCoreApplication>
#include <QTimer>

#include "carddav/DavRequests.h"

namespace quillmere::carddav {

using Outcome = CardResult::Outcome;
using Kind = CardDavError::Kind;

bool stopsEveryCard(Kind kind) {
  switch (kind) {
    case Kind::Insecure:
    case Kind::Certificate:
    case Kind::Network:
    case Kind::Timeout:
    case Kind::Unauthorized:
    case Kind::Forbidden:
    case Kind::NotFound:
    case Kind::NotAllowed:
    case Kind::ServerFull:
    case Kind::NotAddressBook:
    case Kind::SeveralBooks:
      return true;
    case Kind::Conflict:
    case Kind::TooLarge:
    case Kind::UnsupportedCard:
    case Kind::BadAnswer:
    case Kind::Other:
      return false;
  }
  return true;
}

CardUploader::CardUploader(DavConnection& connection, QObject* parent)
    : QObject(parent), connection_(connection) {}

void CardUploader::start(const UploadPlan& plan) {
  plan_ = plan;
  report_ = UploadReport{};
  resent_ = QList<bool>(plan_.cards.size(), false);
  next_ = 0;
  inFlight_ = 0;
  done_ = 0;
  running_ = true;
  stopping_ = false;
  for (const PlannedCard& card : std::as_const(plan_.cards)) {
    report_.results.append(CardResult{card.card.row,
                                      card.card.uid,
                                      card.url,
                                      Outcome::NotSent,
                                      {},
                                      card.etag,
                                      card.card.hasPhoto,
                                      card.card.photoLeftOut});
  }
  // Started from the caller's event loop, so a plan with nothing to send still ends later.
  QTimer::singleShot(0, this, [this] { sendMore(); });
}

void CardUploader::stop() {
  if (!running_) return;
  stopping_ = true;
  report_.stoppedByUser = report_.stoppedByUser || !report_.failure;
  QTimer::singleShot(0, this, [this] { finishIfDone(); });
}

void CardUploader::sendMore() {
  const int limit = std::max(1, connection_.account().requestsInFlight);
  const int doneBefore = done_;
  while (!stopping_ && next_ < plan_.cards.size() && inFlight_ < limit) {
    const qsizetype index = next_++;
    const PlannedCard& card = plan_.cards[index];
    if (card.action == CardAction::Unchanged) {
      record(index, Outcome::Unchanged, {}, card.etag, true);
      continue;
    }
    send(index);
  }
  if (done_ != doneBefore) emit progress(done_, static_cast<int>(plan_.cards.size()));
  finishIfDone();
}

void CardUploader::send(qsizetype index) {
  const PlannedCard& card = plan_.cards[index];
  DavHeaders headers = cardHeaders();
  if (card.action == CardAction::Create) {
    headers.emplaceBack("If-None-Match", "*");
  } else {
    headers.emplaceBack("If-Match", card.etag);
  }
  ++inFlight_;
  connection_.send("PUT", card.url, headers, card.card.text,
                   [this, index](const DavAnswer& answer) { answered(index, answer); });
}

void CardUploader::answered(qsizetype index, const DavAnswer& answer) {
  --inFlight_;
  const PlannedCard& card = plan_.cards[index];
  if (answer.ok()) {
    record(index, card.action == CardAction::Create ? Outcome::Created : Outcome::Updated, {},
           answer.etag);
  } else if (answer.error && answer.error->kind == Kind::Network && !stopping_) {
    lostConnection(index, *answer.error);
    return;
  } else {
    const CardDavError error =
        answer.error ? *answer.error
                     : statusError(answer.status, answer.url, serverWords(answer.body));
    if (error.kind == Kind::Conflict) {
      record(index, Outcome::Conflict, error.message);
    } else {
      refuse(index, error, answer.body);
    }
  }
  sendMore();
}

// A server may answer a card it will not take (too large, say) and hang up before reading it
// all; the client then sees only a dropped connection. One more try may bring the answer; if
// not, a request without a card tells a dropped card from a server that is gone.
void CardUploader::lostConnection(qsizetype index, const CardDavError& error) {
  if (!resent_[index]) {
    resent_[index] = true;
    send(index);
    return;
  }
  ++inFlight_;
  connection_.send("OPTIONS", plan_.addressBook, {}, {},
                   [this, index, error](const DavAnswer& probe) {
                     --inFlight_;
                     if (probe.status != 0) {
                       const PlannedCard& card = plan_.cards[index];
                       refuse(index, closedOnCardError(card.url, card.card.text.size()));
                     } else {
                       refuse(index, error);
                     }
                     sendMore();
                   });
}

void CardUploader::refuse(qsizetype index, const CardDavError& error, const QByteArray& body) {
  QString message = error.message;
  const QString words = serverWords(body);
  if (error.kind != Kind::Other && !words.isEmpty()) {
    message += QCoreApplication::translate("CardDavError", " The server said: \"%1\".").arg(words);
  }
  record(index, Outcome::Refused, message);
  if (stopsEveryCard(error.kind) && !report_.failure) {
    report_.failure = error;
    report_.stoppedByUser = false;
    stopping_ = true;
  }
}

void CardUploader::record(qsizetype index, Outcome outcome, QString message, QByteArray etag,
                          bool quietly) {
  CardResult& result = report_.results[index];
  result.outcome = outcome;
  result.message = std::move(message);
  if (!etag.isEmpty()) result.etag = std::move(etag);
  ++done_;
  emit cardDone(result);
  if (!quietly) emit progress(done_, static_cast<int>(plan_.cards.size()));
}

void CardUploader::finishIfDone() {
  if (!running_ || inFlight_ > 0) return;
  if (!stopping_ && next_ < plan_.cards.size()) return;
  running_ = false;
  emit finished(report_);
}

}  // namespace quillmere::carddav
