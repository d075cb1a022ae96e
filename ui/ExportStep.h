#pragma once

#include <QCoreApplication>
#include <QPointer>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

#include "core/ColumnMapping.h"
#include "core/ContactSheet.h"
#include "core/PictureShrinker.h"
#include "core/VCardVersion.h"
#include "ui/ExportNotice.h"

class QLabel;
class QWidget;

namespace quillmere::ui {

class Conversion;
class ExportPage;
class LinkLabel;
class MapPage;
class WindowOptions;
class frmPreview;

// Step 3: the conversion's options as its page shows them, the folder it writes into, the
// card preview, the notice beside the buttons and the last run. The window asks it to act and tells
// the user the outcome.
class ExportStep {
  Q_DECLARE_TR_FUNCTIONS(ExportStep)

 public:
  // `map` is step 2's page, whose More Fields the options read too; `notice` and `noticeLink`
  // sit beside the buttons. They and `pictures` must outlive the step.
  ExportStep(ExportPage& page, QLabel& notice, LinkLabel& noticeLink, const MapPage& map,
             const core::PictureShrinker* pictures);
  ~ExportStep();

  // The vCard version the export writes.
  core::VCardVersion version() const { return version_; }
  WindowOptions& options() { return *options_; }
  Conversion& conversion() { return *conversion_; }
  ExportNotice& notice() { return notice_; }

  // A version button was checked, however it came to be.
  void chooseVersion(core::VCardVersion version);
  // Sets the version, the file mode and numbers as shown to what the chosen destination reads
  // best. What was set, in the few words the status bar holds; empty when the destination
  // asks for nothing of its own.
  QString applyDestination();
  // On entering the step, an empty box gets the default folder, asked for only then; one
  // holding spaces is the user's.
  void enter(const std::function<QString()>& defaultFolder);
  // What Change... brought back; empty when the dialog was cancelled.
  void folderChosen(const QString& chosen);
  // The folder to convert into, spaces around it trimmed as everywhere a folder or an e-mail
  // is tested for emptiness; empty when there is none.
  QString baseFolder() const;
  // Save Report goes off while a run goes and comes back when there is a report to save.
  void runStarting();
  void runEnded();

  // Opens, or brings forward, the card preview of the sheet's rows as the pairs write them.
  void showPreview(QWidget& owner, core::ContactSheet& sheet,
                   const std::vector<core::ColumnPair>& pairs);
  // The open card preview follows the options.
  void refreshPreview();
  void closePreview();

  // As before the first conversion; the options stay as the user set them.
  void reset();

 private:
  ExportPage& page_;
  const core::PictureShrinker* pictures_;
  core::VCardVersion version_ = core::VCardVersion::V21;
  std::unique_ptr<WindowOptions> options_;
  std::unique_ptr<Conversion> conversion_;
  ExportNotice notice_;
  QPointer<frmPreview> preview_;
};

}  // namespace quillmere::ui
