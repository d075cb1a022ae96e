#pragma once

#include <optional>
#include <string>

#include "core/CardPhoto.h"
#include "core/ContactUid.h"
#include "core/ContactValues.h"
#include "core/ExportJob.h"
#include "core/ExportOptions.h"
#include "core/VCardRecord.h"

namespace quillmere::core {

// How a record for `destination` is written in `version`.
RecordForm recordForm(VCardVersion version, Destination destination);

// Builds the record of a row with the answers' version and destination into `record`, then
// reads it back as its version's reader would: `readBack` says how the card differs from the
// row, and is empty when every value reads back as written. A Photo cell's picture is read
// into `values` first, or noted there as left out.
void buildCheckedRecord(std::string& record, std::string& readBack, ContactValues& values,
                        const OptionAnswers& answers, const ExportJob& job);
void buildCheckedRecord(std::string& record, std::string& readBack, ContactValues& values,
                        VCardVersion version, Destination destination, const ExportJob& job);

// The two halves of buildCheckedRecord, for a run that reads back on another thread so that
// its own thread only builds: the record alone (its photo read first) and the UID it got (none
// outside the standard forms); then how it reads back otherwise (empty when it does not), the
// digest made there from the values and that UID, which then lets the values' photo go.
void buildRecord(std::string& record, ContactValues& values, VCardVersion version,
                 Destination destination, const ExportJob& job, std::optional<ContactUid>& uid);
std::string readBackOf(std::string_view record, ContactValues& values, VCardVersion version,
                       Destination destination, const std::optional<ContactUid>& uid);

// Where the job's Photo cells are read from: the workbook's folder and the right-most column
// paired with Photo.
PhotoReading photoReading(const ExportJob& job);

}  // namespace quillmere::core
