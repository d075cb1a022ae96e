#include "ui/SelectStep.h"

#include <QLabel>
#include <QStringList>
#include <string>
#include <vector>

#include "core/SkippedDataText.h"
#include "source/CellReference.h"
#include "source/load/DataRowWalk.h"
#include "source/load/SheetPreview.h"
#include "ui/FittedText.h"
#include "ui/LinkLabel.h"
#include "ui/MainFrame.h"
#include "ui/QtText.h"
#include "ui/SelectPage.h"

namespace quillmere::ui {

namespace {

// The suggestion's link sets the header row to the number after this prefix.
const QString kUseRowLink = QStringLiteral("row:");
// The link that reads the columns after an empty header cell too.
const QString kReadAllColumnsLink = QStringLiteral("columns");

// "B, C and D", or "B, C, ... and 3 more", in the window's language.
QString columnList(const std::vector<std::uint32_t>& columns) {
  const core::NamedColumns named = core::namedColumns(columns);
  QStringList letters;
  for (const std::string& letter : named.letters)
    letters << fromUtf8(letter);
  if (named.more > 0) {
    return QCoreApplication::translate("LoadNotice", "%1 and %2 more")
        .arg(letters.join(QStringLiteral(", ")))
        .arg(named.more);
  }
  const QString last = letters.takeLast();
  if (letters.isEmpty()) return last;
  return QCoreApplication::translate("LoadNotice", "%1 and %2")
      .arg(letters.join(QStringLiteral(", ")), last);
}

// What the rules leave unread, each in one sentence that says why and what would read it.
QStringList unreadDataSentences(const source::SheetTable& table) {
  const source::SkippedData& skipped = table.skipped;
  QStringList sentences;
  if (!skipped.columnsPastHeaders.empty()) {
    const QString row = QString::number(table.headerRow);
    const QString gap =
        fromUtf8(source::columnLetters(static_cast<std::uint32_t>(table.headers.size()))) + row;
    const bool one = skipped.columnsPastHeaders.size() == 1;
    sentences << (one ? QCoreApplication::translate(
                            "LoadNotice",
                            "Column %1 holds data but is not read: the headers end at the "
                            "first empty cell of row %2, %3. Fill in the missing headers "
                            "to read it.")
                      : QCoreApplication::translate(
                            "LoadNotice",
                            "Columns %1 hold data but are not read: the headers end at "
                            "the first empty cell of row %2, %3. Fill in the missing "
                            "headers to read them."))
                     .arg(columnList(skipped.columnsPastHeaders), row, gap);
  }
  static_assert(source::kEmptyRowsEndingData == 5, "the sentences spell the number out");
  if (skipped.rowsAfterEnd == 1) {
    sentences << QCoreApplication::translate(
                     "LoadNotice",
                     "Row %1 holds data but is not read: five empty rows in a row end "
                     "the list of contacts. Remove the empty rows to read it.")
                     .arg(skipped.firstRowAfterEnd);
  } else if (skipped.rowsAfterEnd > 1) {
    sentences << QCoreApplication::translate(
                     "LoadNotice",
                     "%1 rows (%2 to %3) hold data but are not read: five empty rows in "
                     "a row end the list of contacts. Remove the empty rows to read them.")
                     .arg(skipped.rowsAfterEnd)
                     .arg(skipped.firstRowAfterEnd)
                     .arg(skipped.lastRowAfterEnd);
  }
  return sentences;
}

}  // namespace

SelectStep::SelectStep(SelectPage& page, MainFrame& frame) : page_(page), frame_(frame) {}

SelectStep::~SelectStep() = default;

void SelectStep::take(std::unique_ptr<core::ContactSheet> loaded) {
  page_.showPreview(loaded->takePreview());
  sheet_ = std::move(loaded);
  showLoadedSheet();
}

std::optional<SheetChoice> SelectStep::chosen() const {
  if (sheet_ == nullptr) return std::nullopt;
  const source::SheetTable& table = sheet_->table();
  const SheetChoice choice{page_.chosenSheet().value_or(table.sheet),
                           static_cast<std::uint32_t>(page_.headerRow()), table.allColumns};
  if (choice.sheet == table.sheet && choice.headerRow == table.headerRow) return std::nullopt;
  return choice;
}

std::optional<SheetChoice> SelectStep::follow(const QString& link) {
  if (link.startsWith(kUseRowLink)) {
    page_.setHeaderRow(link.mid(kUseRowLink.size()).toInt());
    return std::nullopt;
  }
  if (link != kReadAllColumnsLink || sheet_ == nullptr) return std::nullopt;
  const source::SheetTable& table = sheet_->table();
  return SheetChoice{table.sheet, table.headerRow, true};
}

void SelectStep::showLoadedSheet() {
  if (sheet_ == nullptr) {
    page_.showSheets({}, std::nullopt, 1);
    showNotice(*frame_.lblLoadNotice, QString());
    frame_.lnkLoadNotice->setLink(QString(), QString());
    return;
  }
  const source::SheetTable& table = sheet_->table();
  // Chart, macro and dialog sheets hold no rows to read, so they are not offered.
  const auto& all = sheet_->sheets();
  std::vector<SelectPage::Sheet> offered;
  for (std::size_t i = 0; i < all.size(); ++i) {
    if (all[i].kind != source::SheetKind::Worksheet) continue;
    QString name = fromUtf8(all[i].name);
    if (all[i].hidden) name = tr("%1 (hidden)").arg(name);
    offered.push_back({name, i});
  }
  page_.showSheets(offered, table.sheet, static_cast<int>(table.headerRow));
  page_.nameSheetList(tr("Sheet: %1").arg(page_.chosenSheetName()));

  QStringList sentences;
  const auto suggested = sheet_->suggestedHeaderRow();
  // A title above the headers explains the rest, so it is told first.
  if (suggested) {
    sentences << tr("Row 1 looks like a title: the headers seem to be in row %1.").arg(*suggested);
  }
  sentences << unreadDataSentences(table);
  // A title explains the columns past it too, so its link comes first.
  const bool columnsUnread = !table.skipped.columnsPastHeaders.empty() && !table.allColumns;
  frame_.fitNotice(suggested.has_value() || columnsUnread);
  showNotice(*frame_.lblLoadNotice, sentences.join(QLatin1Char(' ')));
  if (suggested) {
    frame_.lnkLoadNotice->setLink(tr("R&ead the headers from row %1").arg(*suggested),
                                  kUseRowLink + QString::number(*suggested));
  } else if (columnsUnread) {
    frame_.lnkLoadNotice->setLink(tr("R&ead them too, headed by their letters"),
                                  kReadAllColumnsLink);
  } else {
    frame_.lnkLoadNotice->setLink(QString(), QString());
  }
}

QString SelectStep::path() const {
  return page_.path();
}

void SelectStep::showPath(const QString& path) {
  page_.setPath(path);
}

void SelectStep::allowLoading(bool allowed) {
  page_.enableBrowse(allowed);
  // The sheet and header row change only what step 1 loads, and only while it may load.
  page_.enableSheetChoice(allowed && sheet_ != nullptr);
}

void SelectStep::focusBrowse() {
  page_.focusBrowse();
}

void SelectStep::reset() {
  sheet_.reset();
  page_.clearPath();
  page_.showPreview(source::SheetPreview());
  showLoadedSheet();
}

}  // namespace quillmere::ui
