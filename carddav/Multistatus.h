#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

namespace quillmere::carddav {

// One <response> of a WebDAV multistatus, with the properties this program asks for. Only
// properties the server reported found (2xx) are kept.
struct DavResource {
  QString href;      // as the server wrote it; resolve against the request's address
  int status = 200;  // the response's own status, or that of its found properties
  QByteArray etag;
  QString displayName;
  bool isCollection = false;
  bool isAddressBook = false;
  QString principal;  // current-user-principal
  QString homeSet;    // addressbook-home-set
  QByteArray addressData;
};

struct Multistatus {
  QList<DavResource> resources;
  QString error;  // why the text is no multistatus; empty when it is one
};

Multistatus parseMultistatus(const QByteArray& xml);

// The status code of an HTTP status line such as "HTTP/1.1 404 Not Found"; 0 when none.
int statusOfLine(QStringView line);

}  // namespace quillmere::carddav
