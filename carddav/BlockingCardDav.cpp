#include "carddav/BlockingCardDav.h"

#include <QEventLoop>
#include <QStringList>

#include "carddav/CardUploader.h"
#include "carddav/DavConnection.h"
#include "carddav/UploadPlanner.h"

namespace quillmere::carddav {

DavResult<QList<AddressBook>> findAddressBooks(const ServerAccount& account) {
  DavConnection connection(account);
  AddressBookFinder finder(connection);
  DavResult<QList<AddressBook>> result;
  QEventLoop loop;
  QObject::connect(&finder, &AddressBookFinder::found, &loop, [&](const QList<AddressBook>& books) {
    result.value = books;
    loop.quit();
  });
  QObject::connect(&finder, &AddressBookFinder::failed, &loop, [&](const CardDavError& error) {
    result.error = error;
    loop.quit();
  });
  finder.start();
  loop.exec();
  return result;
}

DavResult<AddressBook> onlyAddressBook(const ServerAccount& account) {
  const DavResult<QList<AddressBook>> found = findAddressBooks(account);
  if (found.error) return {std::nullopt, found.error};
  if (found.value->size() == 1) return {found.value->front(), std::nullopt};
  QStringList books;
  for (const AddressBook& book : *found.value) {
    books << QStringLiteral("\"%1\" at %2").arg(book.displayName, book.url.toDisplayString());
  }
  CardDavError error;
  error.kind = CardDavError::Kind::SeveralBooks;
  error.url = account.url;
  error.message = QStringLiteral(
                      "%1 has %2 address books: %3. Give the address of the one to "
                      "send to.")
                      .arg(account.url.host())
                      .arg(books.size())
                      .arg(books.join(QStringLiteral(", ")));
  return {std::nullopt, error};
}

DavResult<UploadPlan> planUpload(const ServerAccount& account, const QUrl& addressBook,
                                 const QList<OutgoingCard>& cards, UploadPlanner::Reading reading) {
  DavConnection connection(account);
  UploadPlanner planner(connection);
  planner.readBy(reading);
  DavResult<UploadPlan> result;
  QEventLoop loop;
  QObject::connect(&planner, &UploadPlanner::planned, &loop, [&](const UploadPlan& plan) {
    result.value = plan;
    loop.quit();
  });
  QObject::connect(&planner, &UploadPlanner::failed, &loop, [&](const CardDavError& error) {
    result.error = error;
    loop.quit();
  });
  planner.start(addressBook, cards);
  loop.exec();
  return result;
}

UploadReport uploadCards(const ServerAccount& account, const UploadPlan& plan,
                         const std::function<bool(int done, int total)>& progress) {
  DavConnection connection(account);
  CardUploader uploader(connection);
  UploadReport report;
  QEventLoop loop;
  QObject::connect(&uploader, &CardUploader::progress, &loop, [&](int done, int total) {
    if (progress && !progress(done, total)) uploader.stop();
  });
  QObject::connect(&uploader, &CardUploader::finished, &loop, [&](const UploadReport& done) {
    report = done;
    loop.quit();
  });
  uploader.start(plan);
  loop.exec();
  return report;
}

}  // namespace quillmere::carddav
