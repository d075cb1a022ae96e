#pragma once

#include <QByteArray>

namespace quillmere::carddav {

// A card's text in a form where two cards are equal when a server's rewriting is all that
// tells them apart: lines unfolded and sorted, names and parameter names in upper case,
// parameters and TYPE values sorted and merged, quotes dropped, empty trailing components and
// PRODID left out. Servers built on vobject (Radicale) reorder the lines, refold them and drop
// ORG's empty department; the values are otherwise kept as written.
QByteArray normalizedCard(const QByteArray& card);

}  // namespace quillmere::carddav
