#include "core/CheckedRecord.h"

#include "core/CardContent.h"
#include "core/VCardReader.h"
#include "core/VCardRecord.h"

namespace quillmere::core {

RecordForm recordForm(std::string_view version, Destination destination) {
  return {version, profileOf(destination).standardForms, destination == Destination::CardDav};
}

void buildCheckedRecord(std::string& record, std::string& readBack, const ContactValues& values,
                        std::string_view version, Destination destination, const ExportJob& job) {
  // One per thread, its entries' room kept from row to row.
  thread_local CardContent written;
  appendRecord(record, values, recordForm(version, destination), &written);
  if (job.alterRecord) job.alterRecord(record);
  readBack.clear();
  if (auto difference = readBackDifference(record, version, written)) readBack = *difference;
}

void buildCheckedRecord(std::string& record, std::string& readBack, const ContactValues& values,
                        const OptionAnswers& answers, const ExportJob& job) {
  buildCheckedRecord(record, readBack, values, answers.vCardVersion, answers.destination, job);
}

}  // namespace quillmere::core
