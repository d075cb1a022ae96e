#pragma once

#include <string>

#include "core/ContactValues.h"
#include "core/ExportJob.h"
#include "core/ExportOptions.h"
#include "core/VCardRecord.h"

namespace quillmere::core {

// How a record for `destination` is written in `version`.
RecordForm recordForm(std::string_view version, Destination destination);

// Builds the record of a row with the answers' version and destination into `record`, then
// reads it back as its version's reader would: `readBack` says how the card differs from the
// row, and is empty when every value reads back as written.
void buildCheckedRecord(std::string& record, std::string& readBack, const ContactValues& values,
                        const OptionAnswers& answers, const ExportJob& job);
void buildCheckedRecord(std::string& record, std::string& readBack, const ContactValues& values,
                        std::string_view version, Destination destination, const ExportJob& job);

// The two halves of buildCheckedRecord, for a run that reads back on another thread so that
// its own thread only builds: the record alone, then how it reads back otherwise (empty when
// it does not), which builds the record's digest again from the values.
void buildRecord(std::string& record, const ContactValues& values, std::string_view version,
                 Destination destination, const ExportJob& job);
std::string readBackOf(std::string_view record, const ContactValues& values,
                       std::string_view version, Destination destination);

}  // namespace quillmere::core
