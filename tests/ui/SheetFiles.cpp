#include "tests/ui/SheetFiles.h"

#include <xlsxwriter.h>

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace quillmere::ui::test {

bool writeXlsx(const QString& path, const std::vector<QStringList>& rows) {
  lxw_workbook* book = workbook_new(QFile::encodeName(path).constData());
  if (book == nullptr) return false;
  lxw_worksheet* sheet = workbook_add_worksheet(book, nullptr);
  bool written = sheet != nullptr;
  for (std::size_t r = 0; written && r < rows.size(); ++r) {
    for (int c = 0; c < rows[r].size(); ++c) {
      if (rows[r][c].isEmpty()) continue;
      written = worksheet_write_string(sheet, static_cast<lxw_row_t>(r), static_cast<lxw_col_t>(c),
                                       rows[r][c].toUtf8().constData(), nullptr) == LXW_NO_ERROR;
    }
  }
  return workbook_close(book) == LXW_NO_ERROR && written;
}

bool writeXlsxBesideManyStrings(const QString& path, const std::vector<QStringList>& rows,
                                int otherStrings) {
  lxw_workbook* book = workbook_new(QFile::encodeName(path).constData());
  if (book == nullptr) return false;
  lxw_worksheet* contacts = workbook_add_worksheet(book, "Contacts");
  lxw_worksheet* data = workbook_add_worksheet(book, "Data");
  bool written = contacts != nullptr && data != nullptr;
  for (int r = 0; written && r < otherStrings; ++r) {
    // Four columns, as a sheet has fewer rows than the strings asked for.
    written = worksheet_write_string(
                  data, static_cast<lxw_row_t>(r / 4), static_cast<lxw_col_t>(r % 4),
                  QByteArray::number(r).prepend("data ").constData(), nullptr) == LXW_NO_ERROR;
  }
  for (std::size_t r = 0; written && r < rows.size(); ++r) {
    for (int c = 0; written && c < rows[r].size(); ++c) {
      written =
          worksheet_write_string(contacts, static_cast<lxw_row_t>(r), static_cast<lxw_col_t>(c),
                                 rows[r][c].toUtf8().constData(), nullptr) == LXW_NO_ERROR;
    }
  }
  return workbook_close(book) == LXW_NO_ERROR && written;
}

bool writeFormattedXlsx(const QString& path, const std::vector<std::vector<SheetCell>>& rows) {
  lxw_workbook* book = workbook_new(QFile::encodeName(path).constData());
  if (book == nullptr) return false;
  lxw_worksheet* sheet = workbook_add_worksheet(book, nullptr);
  bool written = sheet != nullptr;
  for (std::size_t r = 0; written && r < rows.size(); ++r) {
    for (std::size_t c = 0; written && c < rows[r].size(); ++c) {
      const SheetCell& cell = rows[r][c];
      const auto row = static_cast<lxw_row_t>(r);
      const auto column = static_cast<lxw_col_t>(c);
      if (cell.format == nullptr) {
        if (cell.text.isEmpty()) continue;
        written = worksheet_write_string(sheet, row, column, cell.text.toUtf8().constData(),
                                         nullptr) == LXW_NO_ERROR;
        continue;
      }
      lxw_format* format = workbook_add_format(book);
      written = format != nullptr;
      if (!written) break;
      format_set_num_format(format, cell.format);
      written = worksheet_write_number(sheet, row, column, cell.number, format) == LXW_NO_ERROR;
    }
  }
  return workbook_close(book) == LXW_NO_ERROR && written;
}

const QString& longContactList() {
  static QTemporaryDir folder;
  static const QString file = [] {
    const QString path = folder.filePath(QStringLiteral("long-list.xlsx"));
    if (!writeXlsx(path, contactRows(kLongListRows))) {
      QTest::qFail("could not write the long contact list", __FILE__, __LINE__);
    }
    return path;
  }();
  return file;
}

std::vector<QStringList> contactRows(int count) {
  std::vector<QStringList> rows;
  rows.reserve(static_cast<std::size_t>(count) + 1);
  rows.push_back({QStringLiteral("Name"), QStringLiteral("Mail"), QStringLiteral("Phone")});
  for (int r = 1; r <= count; ++r) {
    const QString n = QString::number(r);
    rows.push_back({QStringLiteral("Name ") + n, QStringLiteral("m%1@example.org").arg(n),
                    QStringLiteral("0151 %1").arg(1000000 + r)});
  }
  return rows;
}

}  // namespace quillmere::ui::test
