#pragma once

#include <QCoreApplication>
#include <QString>
#include <vector>

#include "core/ColumnMapping.h"
#include "source/load/SheetTable.h"

class QLabel;

namespace quillmere::core {
class ContactSheet;
struct ExportProgress;
}  // namespace quillmere::core

namespace quillmere::ui {

class ExportPage;
class LinkLabel;

// Step 3's notice beside the buttons: before a run, what the pairs and options leave out;
// after one, what the run left out, with a link that acts on it.
class ExportNotice {
  Q_DECLARE_TR_FUNCTIONS(ExportNotice)

 public:
  // Where the notice's link leads.
  enum class Link { None, Pairs, Report };

  // `options` holds numbers as shown, the option the notice suggests; all three must outlive
  // the notice.
  ExportNotice(QLabel& text, LinkLabel& link, const ExportPage& options);

  // On entering the step: the columns holding data that no pair writes, and those whose shown
  // digits differ from the stored ones. Forgets what a run left out.
  void find(core::ContactSheet* sheet, const std::vector<core::ColumnPair>& pairs);
  // Once a run has ended: what it left out, which the notice says from then on.
  void runEnded(const core::ExportProgress& counts);
  // Words the notice as things are now, the options included.
  void show();
  static Link linkTo(const QString& target);
  // As before the first conversion.
  void reset();

 private:
  QLabel& text_;
  LinkLabel& link_;
  const ExportPage& options_;
  std::vector<source::HeaderColumn> unpairedColumns_;
  std::vector<source::HeaderColumn> digitsShownOtherwise_;
  QString leftOut_;
};

}  // namespace quillmere::ui
