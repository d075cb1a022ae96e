#include "carddav/BlockingCardDav.h"

#include <QEventLoop>

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

DavResult<UploadPlan> planUpload(const ServerAccount& account, const QUrl& addressBook,
                                 const QList<OutgoingCard>& cards) {
  DavConnection connection(account);
  UploadPlanner planner(connection);
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
