#include "carddav/AddressBookFinder.h"

#include "carddav/DavRequests.h"

namespace quillmere::carddav {
namespace {

QString withSlash(QString path) {
  if (!path.endsWith(QLatin1Char('/'))) path += QLatin1Char('/');
  return path;
}

// The response about `url` itself: the one whose path matches, else the first.
const DavResource* responseFor(const Multistatus& status, const QUrl& url) {
  const QString path = withSlash(url.path(QUrl::FullyDecoded));
  for (const DavResource& resource : status.resources) {
    if (withSlash(url.resolved(QUrl(resource.href)).path(QUrl::FullyDecoded)) == path) {
      return &resource;
    }
  }
  return status.resources.isEmpty() ? nullptr : &status.resources.front();
}

QString lastSegment(const QUrl& url) {
  const QStringList parts =
      url.path(QUrl::FullyDecoded).split(QLatin1Char('/'), Qt::SkipEmptyParts);
  return parts.isEmpty() ? url.host() : parts.back();
}

}  // namespace

QUrl serverAddress(const QString& typed) {
  const QString text = typed.trimmed();
  return QUrl(text.contains(QLatin1String("://")) ? text : QStringLiteral("https://") + text);
}

AddressBookFinder::AddressBookFinder(DavConnection& connection, QObject* parent)
    : QObject(parent), connection_(connection) {}

void AddressBookFinder::start() {
  principalAsked_ = false;
  const QUrl url = connection_.account().url;
  const QString path = url.path();
  if (path.isEmpty() || path == QLatin1String("/")) {
    ask(url.resolved(QUrl(QStringLiteral("/.well-known/carddav"))), true);
  } else {
    ask(url, false);
  }
}

void AddressBookFinder::ask(const QUrl& url, bool wellKnown) {
  connection_.send(
      "PROPFIND", url, xmlHeaders("0"), discoveryPropfind(),
      [this, url, wellKnown](const DavAnswer& answer) {
        if (answer.error) {
          emit failed(*answer.error);
          return;
        }
        if (answer.status != 207) {
          // A server without the well-known address may still be CardDAV at its root.
          const bool tryRoot = wellKnown && answer.status != 401 && answer.status >= 400;
          if (tryRoot) {
            ask(connection_.account().url, false);
          } else {
            emit failed(statusError(answer.status, answer.url, serverWords(answer.body)));
          }
          return;
        }
        const Multistatus status = parseMultistatus(answer.body);
        const DavResource* resource = responseFor(status, answer.url);
        if (!status.error.isEmpty() || resource == nullptr) {
          emit failed(badAnswerError(
              url, status.error.isEmpty() ? QStringLiteral("empty answer") : status.error));
          return;
        }
        examine(answer.url, *resource);
      });
}

void AddressBookFinder::examine(const QUrl& url, const DavResource& resource) {
  if (resource.isAddressBook) {
    const QString name = resource.displayName.isEmpty() ? lastSegment(url) : resource.displayName;
    emit found({AddressBook{url, name}});
  } else if (!resource.homeSet.isEmpty()) {
    list(url.resolved(QUrl(resource.homeSet)));
  } else if (!resource.principal.isEmpty() && !principalAsked_) {
    principalAsked_ = true;
    ask(url.resolved(QUrl(resource.principal)), false);
  } else if (resource.isCollection) {
    list(url);
  } else {
    emit failed(notAddressBookError(url));
  }
}

void AddressBookFinder::list(const QUrl& home) {
  connection_.send("PROPFIND", home, xmlHeaders("1"), discoveryPropfind(),
                   [this, home](const DavAnswer& answer) {
                     if (const auto failure = multistatusFailure(answer)) {
                       emit failed(*failure);
                       return;
                     }
                     const Multistatus status = parseMultistatus(answer.body);
                     if (!status.error.isEmpty()) {
                       emit failed(badAnswerError(home, status.error));
                       return;
                     }
                     QList<AddressBook> books;
                     for (const DavResource& resource : status.resources) {
                       if (!resource.isAddressBook) continue;
                       const QUrl url = answer.url.resolved(QUrl(resource.href));
                       books.append({url, resource.displayName.isEmpty() ? lastSegment(url)
                                                                         : resource.displayName});
                     }
                     if (books.isEmpty()) {
                       emit failed(notAddressBookError(home));
                     } else {
                       emit found(books);
                     }
                   });
}

}  // namespace quillmere::carddav
