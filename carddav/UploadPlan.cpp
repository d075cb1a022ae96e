#include "carddav/UploadPlan.h"

#include <QCoreApplication>
#include <algorithm>

namespace quillmere::carddav {

qsizetype UploadPlan::count(CardAction action) const {
  return std::count_if(cards.cbegin(), cards.cend(),
                       [action](const PlannedCard& card) { return card.action == action; });
}

QString UploadPlan::summary() const {
  return QCoreApplication::translate("UploadPlan", "%1 new, %2 to update, %3 unchanged")
      .arg(count(CardAction::Create))
      .arg(count(CardAction::Update))
      .arg(count(CardAction::Unchanged));
}

QUrl cardUrl(const QUrl& addressBook, const QString& uid) {
  QUrl book = addressBook;
  if (!book.path().endsWith(QLatin1Char('/'))) book.setPath(book.path() + QLatin1Char('/'));
  return book.resolved(QUrl::fromEncoded(QUrl::toPercentEncoding(uid) + ".vcf"));
}

}  // namespace quillmere::carddav
