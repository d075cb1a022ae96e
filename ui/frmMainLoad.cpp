// Step 1's loading of a workbook, chosen with Browse... or dropped on the window.
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMimeData>
#include <QTimer>
#include <QUrl>
#include <exception>

#include "core/ContactSheet.h"
#include "source/WorkbookError.h"
#include "source/load/SheetLoader.h"
#include "ui/EventPump.h"
#include "ui/LocaleNumbers.h"
#include "ui/MainFrame.h"
#include "ui/MapStep.h"
#include "ui/Prompts.h"
#include "ui/QtText.h"
#include "ui/RefusalText.h"
#include "ui/frmMain.h"

namespace quillmere::ui {

namespace {

// What Browse offers is what a drop may bring; the readers tell the format from the bytes.
const QStringList kWorkbookSuffixes = {QStringLiteral("xlsx"), QStringLiteral("xls"),
                                       QStringLiteral("ods"), QStringLiteral("fods"),
                                       QStringLiteral("csv")};

}  // namespace

// Keeps the window answering while a workbook loads, shows the count as it grows, and stops
// the load when the window closes.
class frmMain::LoadProgress : public source::LoadObserver {
 public:
  explicit LoadProgress(frmMain& window) : window_(window) {}

  bool rowTaken(std::int32_t rowsFound) override {
    if ((rowsFound % EventPump::kStepsPerClockRead == 0 && pump_.pumpIfDue()) || rowsFound == 1) {
      if (rowsFound > 0) window_.showItemsFound(rowsFound);
    }
    return !window_.closing_;
  }
  void waiting() override { pump_.pumpIfDue(); }

 private:
  frmMain& window_;
  EventPump pump_;
};

void frmMain::cmdBrowse_Click() {
  if (!steps_.browseEnabled()) return;
  loadChosenWorkbook(
      prompts_.chooseWorkbookFile(this, QString(), tr("Spreadsheets (*.xlsx *.xls *.ods *.csv)")));
}

void frmMain::loadChosenWorkbook(const QString& chosen) {
  // A cancelled dialog loads nothing and keeps the workbook, preview and mapping there are.
  if (!chosen.isEmpty()) {
    const QString before = selectStep_->path();
    selectStep_->showPath(chosen);
    const bool loaded = extractExcelData(chosen);
    if (closing_) return;
    if (!loaded) selectStep_->showPath(before);
  }
  steps_.browsed(selectStep_->sheet() != nullptr);
  showSteps();
}

bool frmMain::extractExcelData(const QString& path, const SheetChoice& choice) {
  const QString panelBefore = frame_->panelItems->text();
  QWidget* focusBefore = focusWidget();
  setBusy(true);
  LoadProgress progress(*this);
  source::LoadOptions options;
  options.decimalSeparator = localeDecimalSeparator();
  options.sheet = choice.sheet;
  options.headerRow = choice.headerRow;
  options.allColumns = choice.allColumns;
  std::unique_ptr<core::ContactSheet> loaded;
  QString problem;
  try {
    loaded = core::ContactSheet::load(QFile::encodeName(path).toStdString(), progress, options);
  } catch (const source::WorkbookError& error) {
    problem = refusalText(error);
  } catch (const std::exception& error) {
    problem = tr("\"%1\" could not be read: %2").arg(path, QString::fromUtf8(error.what()));
  }
  setBusy(false);
  if (closing_) {
    close();
    return false;
  }
  if (focusBefore != nullptr && focusBefore->isEnabled()) focusBefore->setFocus();
  if (!loaded) {
    setStatusPanel(frame_->panelItems, panelBefore);
    if (!problem.isEmpty()) {
      static_cast<void>(prompts_.message(this, problem, productName(), Prompts::Buttons::Ok,
                                         Prompts::Icon::Warning));
    }
    return false;
  }

  const bool readAsText = loaded->readAsText();
  mapStep_->clearPairs();
  selectStep_->take(std::move(loaded));
  showItemsFound(selectStep_->sheet()->table().rowsFound);
  // A passing message told of the earlier workbook.
  showAboutPanel();
  // A workbook's name that promises a spreadsheet it is not, the user hears about.
  if (readAsText && QFileInfo(path).suffix().compare(u"csv", Qt::CaseInsensitive) != 0) {
    showStatusMessage(tr("%1 is a text file, not an Excel workbook: it was read as text")
                          .arg(QFileInfo(path).fileName()));
  }
  steps_.workbookLoaded();
  return true;
}

QString frmMain::droppedWorkbook(const QMimeData* mime) const {
  if (!steps_.browseEnabled() || mime == nullptr || !mime->hasUrls()) return QString();
  const QList<QUrl> urls = mime->urls();
  if (urls.size() != 1 || !urls.front().isLocalFile()) return QString();
  const QString path = urls.front().toLocalFile();
  const QFileInfo file(path);
  if (!file.isFile() || !kWorkbookSuffixes.contains(file.suffix(), Qt::CaseInsensitive)) {
    return QString();
  }
  return path;
}

bool frmMain::takeDrop(QDropEvent* event) const {
  // The workbook is only read: taking a drop as a move would let the file manager delete it.
  if (!(event->possibleActions() & Qt::CopyAction) ||
      droppedWorkbook(event->mimeData()).isEmpty()) {
    event->ignore();
    return false;
  }
  event->setDropAction(Qt::CopyAction);
  event->accept();
  return true;
}

void frmMain::dragEnterEvent(QDragEnterEvent* event) {
  takeDrop(event);
}

void frmMain::dragMoveEvent(QDragMoveEvent* event) {
  takeDrop(event);
}

void frmMain::dropEvent(QDropEvent* event) {
  if (!takeDrop(event)) return;
  const QString path = droppedWorkbook(event->mimeData());
  // The file manager waits for the drop to end; the load, which may take a while, follows.
  QTimer::singleShot(0, this, [this, path] {
    if (steps_.browseEnabled()) loadChosenWorkbook(path);
  });
}

}  // namespace quillmere::ui
