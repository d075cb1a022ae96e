#pragma once

#include <QString>
#include <QStringList>
#include <vector>

namespace quillmere::ui::test {

// Writes an .xlsx of text cells with a shared-string table, as spreadsheet applications
// save them; row 0 of `rows` is sheet row 1. False when the library could not write it.
bool writeXlsx(const QString& path, const std::vector<QStringList>& rows);

// Rows of contacts for loads that must take a while: a header, then `count` data rows.
std::vector<QStringList> contactRows(int count);

}  // namespace quillmere::ui::test
