#include "carddav/UploadPlanner.h"

#include <QSet>

#include "carddav/CardNormal.h"
#include "carddav/DavRequests.h"
#include "carddav/Multistatus.h"
#include "carddav/OffThread.h"

namespace quillmere::carddav {
namespace {

// Servers limit a request's size; a few hundred names keep a multiget well inside them.
constexpr qsizetype kCardsPerMultiget = 200;
// Radicale lists 10,000 cards' ETags in about 18 s before its first byte, a cold cache takes
// longer still, and a book may hold many more.
constexpr int kWholeBookPatience = 10;

QString decodedPath(const QUrl& url) {
  return url.path(QUrl::FullyDecoded);
}

bool sameCollection(const QString& path, const QString& bookPath) {
  return path == bookPath || path + QLatin1Char('/') == bookPath ||
         path == bookPath + QLatin1Char('/');
}

using ServerCards = QHash<QString, UploadPlanner::ServerCard>;

// Each planned card the server has is unchanged or an update, sent over the ETag read.
void decide(UploadPlan& plan, const ServerCards& read, const QHash<QString, QByteArray>& etags) {
  for (PlannedCard& card : plan.cards) {
    const QString path = decodedPath(card.url);
    const auto found = read.constFind(path);
    if (found == read.cend()) continue;
    card.etag = found->etag.isEmpty() ? etags.value(path) : found->etag;
    card.action = normalizedCard(found->text) == normalizedCard(card.card.text)
                      ? CardAction::Unchanged
                      : CardAction::Update;
  }
}

// What the query's answer gave: the plan decided, or why it could not be.
struct QueryOutcome {
  QString notMultistatus;  // the answer was no multistatus
  bool whole =
      true;  // false when the server cut the answer short, left cards' text out or gave none
  UploadPlan plan;
};

QueryOutcome planFromQuery(const DavAnswer& answer, UploadPlan plan) {
  QueryOutcome outcome;
  const Multistatus status = parseMultistatus(answer.body);
  if (!status.error.isEmpty()) {
    outcome.notMultistatus = status.error;
    return outcome;
  }
  const QString bookPath = decodedPath(plan.addressBook);
  ServerCards read;
  for (const DavResource& resource : status.resources) {
    const QString path = decodedPath(answer.url.resolved(QUrl(resource.href)));
    if (sameCollection(path, bookPath)) {
      // 507 on the book itself is how a server says it listed only some of its cards.
      if (resource.status == 507) outcome.whole = false;
    } else if (resource.status >= 200 && resource.status < 300 && !resource.isCollection) {
      if (resource.addressData.isEmpty()) outcome.whole = false;
      read.insert(path, {resource.etag, resource.addressData});
    }
  }
  // An empty filter should match every card; a server that took it to match none would make
  // every card look new, so an empty answer is checked by the listing, cheap on an empty book.
  if (read.isEmpty()) outcome.whole = false;
  if (!outcome.whole) return outcome;
  decide(plan, read, {});
  outcome.plan = std::move(plan);
  return outcome;
}

}  // namespace

UploadPlanner::UploadPlanner(DavConnection& connection, QObject* parent)
    : QObject(parent), connection_(connection) {}

void UploadPlanner::start(const QUrl& addressBook, const QList<OutgoingCard>& cards) {
  plan_ = UploadPlan{addressBook, {}};
  toRead_.clear();
  read_.clear();
  listedEtags_.clear();
  for (const OutgoingCard& card : cards) {
    plan_.cards.append(PlannedCard{card, CardAction::Create, cardUrl(addressBook, card.uid), {}});
  }
  connection_.send("PROPFIND", addressBook, xmlHeaders("0"), etagPropfind(),
                   [this](const DavAnswer& answer) { checked(answer); });
}

std::optional<Multistatus> UploadPlanner::multistatusOf(const DavAnswer& answer) {
  if (const auto failure = multistatusFailure(answer)) {
    emit failed(*failure);
    return std::nullopt;
  }
  Multistatus status = parseMultistatus(answer.body);
  if (!status.error.isEmpty()) {
    emit failed(badAnswerError(answer.url, status.error));
    return std::nullopt;
  }
  return status;
}

void UploadPlanner::checked(const DavAnswer& answer) {
  const std::optional<Multistatus> status = multistatusOf(answer);
  if (!status) return;
  const QString bookPath = decodedPath(plan_.addressBook);
  bool isAddressBook = false;
  for (const DavResource& resource : status->resources) {
    const QString path = decodedPath(answer.url.resolved(QUrl(resource.href)));
    if (sameCollection(path, bookPath)) isAddressBook = isAddressBook || resource.isAddressBook;
  }
  if (!isAddressBook) {
    emit failed(notAddressBookError(plan_.addressBook));
    return;
  }
  if (reading_ == Reading::ListingThenCards) {
    list();
    return;
  }
  connection_.send(
      "REPORT", plan_.addressBook, xmlHeaders("1"), allCardsQuery(),
      [this](const DavAnswer& reply) { queried(reply); }, kWholeBookPatience);
}

void UploadPlanner::queried(const DavAnswer& answer) {
  if (answer.error) {
    emit failed(*answer.error);
    return;
  }
  // A server without the query, or refusing it, is read card by card.
  if (answer.status != 207) {
    list();
    return;
  }
  runOffThread<QueryOutcome>(
      *this, [answer, plan = plan_] { return planFromQuery(answer, plan); },
      [this, url = answer.url](QueryOutcome& outcome) {
        if (!outcome.notMultistatus.isEmpty()) {
          emit failed(badAnswerError(url, outcome.notMultistatus));
        } else if (!outcome.whole) {
          list();
        } else {
          plan_ = std::move(outcome.plan);
          emit planned(plan_);
        }
      });
}

void UploadPlanner::list() {
  connection_.send(
      "PROPFIND", plan_.addressBook, xmlHeaders("1"), etagPropfind(),
      [this](const DavAnswer& answer) { listed(answer); }, kWholeBookPatience);
}

void UploadPlanner::listed(const DavAnswer& answer) {
  if (const auto failure = multistatusFailure(answer)) {
    emit failed(*failure);
    return;
  }
  runOffThread<Multistatus>(
      *this, [body = answer.body] { return parseMultistatus(body); },
      [this, url = answer.url](Multistatus& status) {
        if (!status.error.isEmpty()) {
          emit failed(badAnswerError(url, status.error));
          return;
        }
        const QString bookPath = decodedPath(plan_.addressBook);
        QSet<QString> onServer;
        for (const DavResource& resource : std::as_const(status.resources)) {
          const QString path = decodedPath(url.resolved(QUrl(resource.href)));
          if (!sameCollection(path, bookPath) && resource.status >= 200 && resource.status < 300 &&
              !resource.isCollection) {
            onServer.insert(path);
            listedEtags_.insert(path, resource.etag);
          }
        }
        for (const PlannedCard& card : std::as_const(plan_.cards)) {
          if (onServer.contains(decodedPath(card.url))) {
            toRead_.append(card.url.path(QUrl::FullyEncoded));
          }
        }
        readNextBatch();
      });
}

void UploadPlanner::readNextBatch() {
  if (toRead_.isEmpty()) {
    finish();
    return;
  }
  const QStringList batch = toRead_.mid(0, kCardsPerMultiget);
  toRead_.remove(0, batch.size());
  connection_.send("REPORT", plan_.addressBook, xmlHeaders("1"), multigetReport(batch),
                   [this](const DavAnswer& answer) {
                     const std::optional<Multistatus> status = multistatusOf(answer);
                     if (!status) return;
                     for (const DavResource& resource : status->resources) {
                       // A card deleted since the listing is simply new again.
                       if (resource.status < 200 || resource.status >= 300) continue;
                       read_.insert(decodedPath(answer.url.resolved(QUrl(resource.href))),
                                    {resource.etag, resource.addressData});
                     }
                     readNextBatch();
                   });
}

void UploadPlanner::finish() {
  runOffThread<UploadPlan>(
      *this,
      [plan = plan_, read = read_, etags = listedEtags_]() mutable {
        decide(plan, read, etags);
        return plan;
      },
      [this](UploadPlan& plan) {
        plan_ = std::move(plan);
        emit planned(plan_);
      });
}

}  // namespace quillmere::carddav
