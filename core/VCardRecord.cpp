#include "core/VCardRecord.h"

#include "core/CardDigest.h"
#include "core/RecordWriter.h"

namespace quillmere::core {

void appendRecord(std::string& out, const ContactValues& values, const RecordForm& form,
                  CardExpectation* expected, const ContactUid* uid) {
  // The digest kept of every card as a run writes it is called directly, its steps inlined.
  if (auto* digest = dynamic_cast<CardDigest*>(expected)) {
    writing::writeRecord(out, values, form, digest, uid);
  } else {
    writing::writeRecord(out, values, form, expected, uid);
  }
}

void appendRecord(std::string& out, const ContactValues& values, VCardVersion version) {
  appendRecord(out, values, RecordForm{version, false});
}

std::string buildRecord(const ContactValues& values, const RecordForm& form) {
  std::string record;
  appendRecord(record, values, form);
  return record;
}

std::string buildRecord(const ContactValues& values, VCardVersion version) {
  return buildRecord(values, RecordForm{version, false});
}

}  // namespace quillmere::core
