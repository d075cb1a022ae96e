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
  bool hasPhoto = false;
  QString photoLeftOut;  // why the card goes without the photo its row names; empty otherwise

  // Whether the address book now holds the card as it was written.
  bool inAddressBook() const;
};

struct UploadReport {
  QList<CardResult> results;  // in the plan's order
  bool stoppedByUser = false;
  // A failure that stopped the whole upload (password, certificate, no room, no answer).
  std::optional<CardDavError> failure;

  qsizetype count(CardResult::Outcome outcome) const;
  // Of the cards the address book now holds as written, those with their photo and those
  // that went without the one their row names: the photos a conversion counts, as sent.
  qsizetype photosSent() const;
  qsizetype photosLeftOut() const;
  // The first card that went without its photo, to say why; null when none did.
  const CardResult* firstWithoutPhoto() const;
  // "N created, M updated, K unchanged", then the refusals, conflicts and cards not sent when
  // there are any.
  QString summary() const;
  // What became of each card, a line each in the plan's order under a header line, as CSV:
  // its sheet row, the outcome in English, the card's resource and why it is not there.
  QByteArray csv() const;
  // Writes csv() to `path`, replacing a file there only once the whole report is written;
  // empty on success, else the system's reason.
  QString saveCsv(const QString& path) const;
};

}  // namespace quillmere::carddav
