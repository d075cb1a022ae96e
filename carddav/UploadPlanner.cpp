#include "carddav/UploadPlanner.h"

#include <QSet>

#include "carddav/CardNormal.h"
#include "carddav/DavRequests.h"
#include "carddav/Multistatus.h"

namespace quillmere::carddav {
namespace {

// Servers limit a request's size; a few hundred names keep a multiget well inside them.
constexpr qsizetype kCardsPerMultiget = 200;

QString decodedPath(const QUrl& url) {
  return url.path(QUrl::FullyDecoded);
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
  connection_.send("PROPFIND", addressBook, xmlHeaders("1"), etagPropfind(),
                   [this](const DavAnswer& answer) { listed(answer); });
}

void UploadPlanner::listed(const DavAnswer& answer) {
  if (answer.error) {
    emit failed(*answer.error);
    return;
  }
  if (answer.status != 207) {
    emit failed(statusError(answer.status, answer.url, serverWords(answer.body)));
    return;
  }
  const Multistatus status = parseMultistatus(answer.body);
  if (!status.error.isEmpty()) {
    emit failed(badAnswerError(answer.url, status.error));
    return;
  }
  const QString bookPath = decodedPath(plan_.addressBook);
  QSet<QString> onServer;
  bool bookSeen = false;
  for (const DavResource& resource : status.resources) {
    const QString path = decodedPath(answer.url.resolved(QUrl(resource.href)));
    if (path == bookPath || path + QLatin1Char('/') == bookPath ||
        path == bookPath + QLatin1Char('/')) {
      bookSeen = bookSeen || resource.isAddressBook;
    } else if (resource.status >= 200 && resource.status < 300 && !resource.isCollection) {
      onServer.insert(path);
      listedEtags_.insert(path, resource.etag);
    }
  }
  if (!bookSeen) {
    emit failed(notAddressBookError(plan_.addressBook));
    return;
  }
  for (const PlannedCard& card : std::as_const(plan_.cards)) {
    const QString path = decodedPath(card.url);
    if (onServer.contains(path)) toRead_.append(card.url.path(QUrl::FullyEncoded));
  }
  readNextBatch();
}

void UploadPlanner::readNextBatch() {
  if (toRead_.isEmpty()) {
    finish();
    return;
  }
  const QStringList batch = toRead_.mid(0, kCardsPerMultiget);
  toRead_.remove(0, batch.size());
  connection_.send(
      "REPORT", plan_.addressBook, xmlHeaders("1"), multigetReport(batch),
      [this](const DavAnswer& answer) {
        if (answer.error) {
          emit failed(*answer.error);
          return;
        }
        if (answer.status != 207) {
          emit failed(statusError(answer.status, answer.url, serverWords(answer.body)));
          return;
        }
        const Multistatus status = parseMultistatus(answer.body);
        if (!status.error.isEmpty()) {
          emit failed(badAnswerError(answer.url, status.error));
          return;
        }
        for (const DavResource& resource : status.resources) {
          // A card deleted since the listing is simply new again.
          if (resource.status < 200 || resource.status >= 300) continue;
          read_.insert(decodedPath(answer.url.resolved(QUrl(resource.href))),
                       {resource.etag, resource.addressData});
        }
        readNextBatch();
      });
}

void UploadPlanner::finish() {
  for (PlannedCard& card : plan_.cards) {
    const QString path = decodedPath(card.url);
    const auto found = read_.constFind(path);
    if (found == read_.cend()) continue;
    card.etag = found->etag.isEmpty() ? listedEtags_.value(path) : found->etag;
    card.action = normalizedCard(found->text) == normalizedCard(card.card.text)
                      ? CardAction::Unchanged
                      : CardAction::Update;
  }
  emit planned(plan_);
}

}  // namespace quillmere::carddav
