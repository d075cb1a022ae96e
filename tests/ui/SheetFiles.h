#pragma once

#include <QString>
#include <QStringList>
#include <vector>

namespace quillmere::ui::test {

// Writes an .xlsx of text cells with a shared-string table, as spreadsheet applications
// save them; row 0 of `rows` is sheet row 1. False when the library could not write it.
bool writeXlsx(const QString& path, const std::vector<QStringList>& rows);

// A cell of a sheet written by writeFormattedXlsx: text, or a number under a format code.
struct SheetCell {
  QString text;
  double number = 0;
  const char* format = nullptr;  // a number cell when set; "General" for no format
};

// Writes an .xlsx whose first sheet holds `rows` and whose second holds `otherStrings`
// different texts, written first: the first sheet's strings come last in the shared table, as
// in a workbook whose contacts sit beside a large sheet of other data.
bool writeXlsxBesideManyStrings(const QString& path, const std::vector<QStringList>& rows,
                                int otherStrings);

// Writes an .xlsx whose cells are text or numbers under their number formats, as spreadsheet
// applications save a list of phone numbers they were told to show with leading zeros.
bool writeFormattedXlsx(const QString& path, const std::vector<std::vector<SheetCell>>& rows);

// Rows of contacts for loads that must take a while: a header, then `count` data rows.
std::vector<QStringList> contactRows(int count);

// A workbook of kLongListRows contacts (Name, Mail, Phone), written once per test program:
// long enough that loading or converting it spans many pauses for events however fast the
// reader gets. Actions a test wants to happen mid-way go on a zero-time timer, which fires at
// the first pause.
inline constexpr int kLongListRows = 300000;
const QString& longContactList();

}  // namespace quillmere::ui::test
