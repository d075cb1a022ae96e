#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/ContactValues.h"

namespace quillmere::core {

// Where every record goes when all contacts share one file.
inline constexpr std::string_view kSingleFileName = "All Contacts.vcf";

// The longest file name the common file systems take, in bytes.
inline constexpr std::size_t kMaxFileNameBytes = 255;

// The name stem of a contact's own file: last, first and middle name run together with
// every ";" removed, cleaned of characters file names cannot or should not hold.
std::string nameStem(const ContactValues& values);

// The contact's own file: stem, "_", number, ".vcf" ("SmithJohn_3.vcf"), or the number alone
// for a contact without a name ("3.vcf"). A stem too long for the file system is cut between
// characters, never the number.
std::string separateFileName(const ContactValues& values, std::int64_t number);

// The shared file's part `number` (from 1) where at most so many contacts go into each:
// "All Contacts 1.vcf", "All Contacts 2.vcf", ...
std::string splitFileName(std::int64_t number);

// Whether `fileName` is a file that several contacts share: the one file or one of its parts.
bool isSharedFileName(std::string_view fileName);

// The file the record of data row `dataRow` (from 1) goes to: the shared file, or the
// contact's own, numbered among the rows that make a record: the `droppedBefore` rows before
// it that the empty e-mail rule dropped take no number.
std::string recordFileName(const ContactValues& values, bool singleFile, std::int64_t dataRow,
                           std::int64_t droppedBefore);

}  // namespace quillmere::core
