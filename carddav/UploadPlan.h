#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QUrl>

namespace quillmere::carddav {

// A card as the conversion wrote it: the sheet row it came from, its UID and its text; and
// whether it holds the photo its row names or, as the conversion's note says, why it does not.
struct OutgoingCard {
  int row = 0;
  QString uid;
  QByteArray text;
  bool hasPhoto = false;
  QString photoLeftOut;  // empty when it has its photo or the row names none
};

enum class CardAction { Create, Update, Unchanged };

struct PlannedCard {
  OutgoingCard card;
  CardAction action = CardAction::Create;
  QUrl url;         // the card's resource, named from its UID
  QByteArray etag;  // the server's when it has the card; an update is sent only over it
};

// What sending would do, read from the server before anything is written.
struct UploadPlan {
  QUrl addressBook;
  QList<PlannedCard> cards;

  qsizetype count(CardAction action) const;
  // "N new, M to update, K unchanged"
  QString summary() const;
};

// The card's resource in the address book: "<uid>.vcf", the UID percent-encoded.
QUrl cardUrl(const QUrl& addressBook, const QString& uid);

}  // namespace quillmere::carddav
