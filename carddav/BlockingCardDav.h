#pragma once

#include <QList>
#include <QUrl>
#include <functional>
#include <optional>

#include "carddav/AddressBookFinder.h"
#include "carddav/CardDavError.h"
#include "carddav/ServerAccount.h"
#include "carddav/UploadPlan.h"
#include "carddav/UploadPlanner.h"
#include "carddav/UploadReport.h"

namespace quillmere::carddav {

// The steps one after the other for the command line, each waiting in an event loop of its
// own; a QCoreApplication must exist. The window drives the classes themselves instead.

template <typename T>
struct DavResult {
  std::optional<T> value;
  std::optional<CardDavError> error;  // set exactly when value is not
};

DavResult<QList<AddressBook>> findAddressBooks(const ServerAccount& account);

// The one address book at the account's address, for a caller that cannot ask which; when
// there are several, an error that names each with its address.
DavResult<AddressBook> onlyAddressBook(const ServerAccount& account);

DavResult<UploadPlan> planUpload(const ServerAccount& account, const QUrl& addressBook,
                                 const QList<OutgoingCard>& cards,
                                 UploadPlanner::Reading reading = UploadPlanner::Reading::OneQuery);

// `progress` is told each card as it is done; returning false stops the upload there.
UploadReport uploadCards(const ServerAccount& account, const UploadPlan& plan,
                         const std::function<bool(int done, int total)>& progress = {});

}  // namespace quillmere::carddav
