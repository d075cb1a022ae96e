#pragma once

#include <string>
#include <string_view>

#include "core/CardContent.h"
#include "core/ContactUid.h"
#include "core/ContactValues.h"
#include "core/VCardVersion.h"

namespace quillmere::core {

class CardDigest;

// How a record is written: its version, and whether in the standard forms an address book
// or a server needs (a destination's): TYPE= parameters in 3.0 and 4.0, N with all five
// components and the honorific as its prefix, an FN that is never empty, the home fax and
// whole-address fields written, a UID, and lines folded at 75 octets.
struct RecordForm {
  VCardVersion version = VCardVersion::V21;
  bool standard = false;
  // A URL's commas and semicolons as "%2C" and "%3B": servers built on vobject (Radicale) take
  // a URL for a list of texts, keep only what comes before its first comma and escape the rest.
  bool uriCommasEncoded = false;
};

// The text of one vCard record for the given version: lines joined
// by CR LF, from "BEGIN:VCARD" to "END:VCARD", with no line break before or after.
std::string buildRecord(const ContactValues& values, VCardVersion version);
std::string buildRecord(const ContactValues& values, const RecordForm& form);

// The same record appended to `out`, for loops that reuse one buffer. With `expected`, it is
// told each property the record holds as a reader should find it, to check the text against.
// `uid`, where given, is contactUid(values), made already.
void appendRecord(std::string& out, const ContactValues& values, VCardVersion version);
void appendRecord(std::string& out, const ContactValues& values, const RecordForm& form,
                  CardExpectation* expected = nullptr, const ContactUid* uid = nullptr);
// Tells `expected` what appendRecord's record would hold, without writing its text: a thread
// that reads back the text another wrote makes the digest to check it against.
void expectRecord(const ContactValues& values, const RecordForm& form, CardDigest& expected,
                  const ContactUid* uid = nullptr);

}  // namespace quillmere::core
