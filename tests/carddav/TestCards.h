#pragma once

#include <QByteArray>
#include <QList>
#include <QSet>
#include <QString>

#include "carddav/UploadPlan.h"
#include "core/VCardVersion.h"

namespace quillmere::carddav::test {

// Cards as a conversion for CardDAV writes them, from awkward contacts: names in several
// scripts, notes with line breaks, commas, semicolons and backslashes, several phones,
// e-mails and addresses. A changed row keeps its UID (names and e-mail stay) but gets a new
// phone number and note, as a corrected sheet would.
QList<OutgoingCard> makeCards(int count, const QSet<int>& changedRows = {},
                              core::VCardVersion version = core::VCardVersion::V30);

// Writes each card to `folder` as "<uid>.vcf", for the read-back script.
void writeCards(const QList<OutgoingCard>& cards, const QString& folder);

}  // namespace quillmere::carddav::test
