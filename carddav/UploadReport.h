#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QUrl>
#include <optional>

#include "carddav/CardDavError.h"

namespace quillmere::carddav {

// What became of one card.
struct CardResult {
  enum class Outcome {
    Created,
    Updated,
    Unchanged,
    Refused,   // the server said no; `message` gives its reason
    Conflict,  // changed on the server since it was read, so left as it is there
    NotSent,   // stopped, by the user or by a failure, before it was sent
  };

  int row = 0;
  QString uid;
  QUrl url;
  Outcome outcome = Outcome::NotSent;
  QString message;
  QByteArray etag;  // the server's new ETag after a write, when it gave one
};

struct UploadReport {
  QList<CardResult> results;  // in the plan's order
  bool stoppedByUser = false;
  // A failure that stopped the whole upload (password, certificate, no room, no answer).
  std::optional<CardDavError> failure;

  qsizetype count(CardResult::Outcome outcome) const;
  // "N created, M updated, K unchanged", then the refusals, conflicts and cards not sent when
  // there are any.
  QString summary() const;
};

}  // namespace quillmere::carddav
