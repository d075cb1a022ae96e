#include "ui/ExportNotice.h"

#include <QLabel>
#include <QStringList>

#include "core/ContactSheet.h"
#include "core/DigitsShownOtherwise.h"
#include "core/ExportReport.h"
#include "core/UnpairedColumns.h"
#include "source/WorkbookError.h"
#include "ui/ExportPage.h"
#include "ui/FittedText.h"
#include "ui/LinkLabel.h"
#include "ui/QtText.h"

namespace quillmere::ui {

namespace {

const QString kToPairs = QStringLiteral("pairs");
const QString kToReport = QStringLiteral("report");

// "C (Phone) and F (Bemerkung)", or "C (Phone), F (Bemerkung), ... and 3 more".
QString columnNames(const std::vector<source::HeaderColumn>& columns) {
  constexpr std::size_t kNamed = 5;
  QStringList names;
  for (std::size_t i = 0; i < columns.size() && i < kNamed; ++i) {
    names << ExportNotice::tr("%1 (%2)").arg(fromUtf8(columns[i].letters),
                                             fromUtf8(columns[i].text));
  }
  if (columns.size() > kNamed) {
    return ExportNotice::tr("%1 and %2 more")
        .arg(names.join(QStringLiteral(", ")))
        .arg(columns.size() - kNamed);
  }
  const QString last = names.takeLast();
  if (names.isEmpty()) return last;
  return ExportNotice::tr("%1 and %2").arg(names.join(QStringLiteral(", ")), last);
}

}  // namespace

ExportNotice::ExportNotice(QLabel& text, LinkLabel& link, const ExportPage& options)
    : text_(text), link_(link), options_(options) {}

void ExportNotice::find(core::ContactSheet* sheet, const std::vector<core::ColumnPair>& pairs) {
  reset();
  if (sheet == nullptr) return;
  try {
    unpairedColumns_ = core::unpairedColumnsWithData(*sheet, pairs);
    digitsShownOtherwise_ = core::columnsShowingOtherDigits(*sheet, pairs);
  } catch (const source::WorkbookError&) {
    // Only a hint is lost: Convert reads the same rows and tells the user why it cannot.
  }
}

void ExportNotice::runEnded(const core::ExportProgress& counts) {
  QStringList parts;
  if (counts.unreadDateCount > 0) {
    parts << tr("dates not read: %1").arg(counts.unreadDateCount);
  }
  if (counts.leftOutValueCount > 0) {
    parts << tr("values without a free field: %1").arg(counts.leftOutValueCount);
  }
  if (counts.photoLeftOutCount > 0) {
    parts << tr("photos: %1").arg(counts.photoLeftOutCount);
  }
  if (counts.emptyEmailCount > 0) {
    parts << tr("rows without an e-mail address: %1").arg(counts.emptyEmailCount);
  }
  if (counts.readBackCount > 0) {
    parts << tr("cards that read back otherwise: %1").arg(counts.readBackCount);
  }
  leftOut_ =
      parts.isEmpty() ? QString() : tr("Left out: %1.").arg(parts.join(QStringLiteral("; ")));
}

void ExportNotice::show() {
  QStringList sentences;
  QString link;
  QString target;
  if (!leftOut_.isEmpty()) {
    sentences << leftOut_;
    link = tr("List them in a &report");
    target = kToReport;
  } else {
    if (!unpairedColumns_.empty()) {
      sentences << (unpairedColumns_.size() == 1 ? tr("Column %1 holds data but goes nowhere.")
                                                 : tr("Columns %1 hold data but go nowhere."))
                       .arg(columnNames(unpairedColumns_));
      link = tr("&Back to the pairs");
      target = kToPairs;
    }
    if (!digitsShownOtherwise_.empty() && !options_.numbersAsShown()) {
      sentences << (digitsShownOtherwise_.size() == 1
                        ? tr("Column %1 shows other digits than it stores: tick \"%2\" to write "
                             "them as shown.")
                        : tr("Columns %1 show other digits than they store: tick \"%2\" to "
                             "write them as shown."))
                       .arg(columnNames(digitsShownOtherwise_), options_.numbersAsShownCaption());
    }
  }
  showNotice(text_, sentences.join(QLatin1Char(' ')));
  link_.setLink(link, target);
}

ExportNotice::Link ExportNotice::linkTo(const QString& target) {
  if (target == kToReport) return Link::Report;
  if (target == kToPairs) return Link::Pairs;
  return Link::None;
}

void ExportNotice::reset() {
  unpairedColumns_.clear();
  digitsShownOtherwise_.clear();
  leftOut_.clear();
}

}  // namespace quillmere::ui
