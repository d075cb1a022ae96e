#include "core/CheckedRecord.h"

#include <algorithm>

#include "core/CardContent.h"
#include "core/CardDigest.h"
#include "core/VCardQuickRead.h"
#include "core/VCardReader.h"
#include "core/VCardRecord.h"

namespace quillmere::core {

RecordForm recordForm(VCardVersion version, Destination destination) {
  return {version, profileOf(destination).standardForms, destination == Destination::CardDav};
}

PhotoReading photoReading(const ExportJob& job) {
  PhotoReading reading{job.pictures, job.table.workbook.parent_path(), 0};
  for (const ColumnPair& pair : job.columns) {
    if (pair.field == Field::Photo) reading.column = std::max(reading.column, pair.header.column);
  }
  return reading;
}

namespace {

std::string differenceOf(std::string_view record, std::uint64_t expected,
                         const ContactValues& values, const RecordForm& form) {
  const std::optional<std::uint64_t> read = quickCardDigest(record, form.version);
  if (read && *read == expected) return {};
  // Read again property by property, to say how the card differs, if it does.
  thread_local CardContent written;
  thread_local std::string again;
  written.clear();
  again.clear();
  appendRecord(again, values, form, &written);
  return readBackDifference(record, form.version, written).value_or(std::string());
}

void readPhoto(ContactValues& values, Destination destination, const ExportJob& job) {
  if (!values[Field::Photo].empty())
    attachPhoto(values, photoReading(job), photoLimits(destination));
}

// The row's record, its photo read first; `expected` and `uid` as appendRecord takes them.
void buildInForm(std::string& record, ContactValues& values, Destination destination,
                 const RecordForm& form, const ExportJob& job, CardExpectation* expected,
                 const ContactUid* uid) {
  readPhoto(values, destination, job);
  appendRecord(record, values, form, expected, uid);
  if (job.alterRecord) job.alterRecord(record);
}

// How the record reads back against the digest `expected`; then the values' photo goes.
std::string differenceReleasing(std::string_view record, std::uint64_t expected,
                                ContactValues& values, const RecordForm& form) {
  std::string difference = differenceOf(record, expected, values, form);
  // Only a row with a photo is written to: another thread may read the row next.
  if (!values.photo().empty()) values.releasePhoto();
  return difference;
}

}  // namespace

void buildRecord(std::string& record, ContactValues& values, VCardVersion version,
                 Destination destination, const ExportJob& job, std::optional<ContactUid>& uid) {
  const RecordForm form = recordForm(version, destination);
  uid = form.standard ? std::optional(contactUid(values)) : std::nullopt;
  buildInForm(record, values, destination, form, job, nullptr, uid ? &*uid : nullptr);
}

std::string readBackOf(std::string_view record, ContactValues& values, VCardVersion version,
                       Destination destination, const std::optional<ContactUid>& uid) {
  const RecordForm form = recordForm(version, destination);
  thread_local CardDigest digest;
  digest.clear();
  expectRecord(values, form, digest, uid ? &*uid : nullptr);
  return differenceReleasing(record, digest.value(), values, form);
}

void buildCheckedRecord(std::string& record, std::string& readBack, ContactValues& values,
                        VCardVersion version, Destination destination, const ExportJob& job) {
  const RecordForm form = recordForm(version, destination);
  if (!job.readBack) {
    readBack.clear();
    buildInForm(record, values, destination, form, job, nullptr, nullptr);
    values.releasePhoto();
    return;
  }
  // The digest is kept as the record is written, so that the text is never written again to
  // make it.
  thread_local CardDigest digest;
  digest.clear();
  buildInForm(record, values, destination, form, job, &digest, nullptr);
  readBack = differenceReleasing(record, digest.value(), values, form);
}

void buildCheckedRecord(std::string& record, std::string& readBack, ContactValues& values,
                        const OptionAnswers& answers, const ExportJob& job) {
  buildCheckedRecord(record, readBack, values, answers.vCardVersion, answers.destination, job);
}

}  // namespace quillmere::core
