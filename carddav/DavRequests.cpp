#include "carddav/DavRequests.h"

namespace quillmere::carddav {

QByteArray discoveryPropfind() {
  return R"(<?xml version="1.0" encoding="utf-8"?>)"
         R"(<d:propfind xmlns:d="DAV:" xmlns:c="urn:ietf:params:xml:ns:carddav"><d:prop>)"
         R"(<d:resourcetype/><d:displayname/><d:current-user-principal/>)"
         R"(<c:addressbook-home-set/></d:prop></d:propfind>)";
}

QByteArray etagPropfind() {
  return R"(<?xml version="1.0" encoding="utf-8"?>)"
         R"(<d:propfind xmlns:d="DAV:"><d:prop><d:getetag/><d:resourcetype/></d:prop>)"
         R"(</d:propfind>)";
}

QByteArray allCardsQuery() {
  // An empty filter matches every card.
  return R"(<?xml version="1.0" encoding="utf-8"?>)"
         R"(<c:addressbook-query xmlns:d="DAV:" xmlns:c="urn:ietf:params:xml:ns:carddav">)"
         R"(<d:prop><d:getetag/><c:address-data/></d:prop><c:filter/></c:addressbook-query>)";
}

QByteArray multigetReport(const QStringList& hrefs) {
  QByteArray body =
      R"(<?xml version="1.0" encoding="utf-8"?>)"
      R"(<c:addressbook-multiget xmlns:d="DAV:" xmlns:c="urn:ietf:params:xml:ns:carddav">)"
      R"(<d:prop><d:getetag/><c:address-data/></d:prop>)";
  for (const QString& href : hrefs) {
    body += "<d:href>" + href.toHtmlEscaped().toUtf8() + "</d:href>";
  }
  body += "</c:addressbook-multiget>";
  return body;
}

DavHeaders xmlHeaders(const QByteArray& depth) {
  return {{"Content-Type", "application/xml; charset=utf-8"}, {"Depth", depth}};
}

DavHeaders cardHeaders() {
  return {{"Content-Type", "text/vcard; charset=utf-8"}};
}

}  // namespace quillmere::carddav
