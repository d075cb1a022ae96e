#pragma once

#include <QByteArray>
#include <QStringList>

#include "carddav/DavConnection.h"

namespace quillmere::carddav {

// The request bodies and headers this program sends.

// PROPFIND for what discovery needs: resource type, display name, principal, home set.
QByteArray discoveryPropfind();
// PROPFIND for the ETags of an address book's cards.
QByteArray etagPropfind();
// REPORT addressbook-query for every card of an address book, with its ETag and text.
QByteArray allCardsQuery();
// REPORT addressbook-multiget of the cards at `hrefs` (paths), with their ETags and text.
QByteArray multigetReport(const QStringList& hrefs);

DavHeaders xmlHeaders(const QByteArray& depth);
DavHeaders cardHeaders();

}  // namespace quillmere::carddav
