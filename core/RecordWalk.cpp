#include <string_view>

#include "core/CardDigest.h"
#include "core/RecordWriter.h"
#include "core/VCardRecord.h"

namespace quillmere::core {

namespace {

// Where the walk puts the record's text: nowhere.
struct NoText {
  NoText& operator+=(std::string_view) { return *this; }
  NoText& operator+=(char) { return *this; }
  void append(std::size_t, char) {}
  std::size_t size() const { return 0; }
};

void appendEscaped(NoText&, std::string_view, VCardDialect, ValueKind = ValueKind::Text) {}

}  // namespace

void expectRecord(const ContactValues& values, const RecordForm& form, CardDigest& expected,
                  const ContactUid* uid) {
  NoText nowhere;
  writing::writeRecord(nowhere, values, form, &expected, uid);
}

}  // namespace quillmere::core
