#pragma once

#include <QList>
#include <QMainWindow>
#include <QPointer>
#include <QString>
#include <memory>
#include <optional>
#include <vector>

#include "carddav/UploadPlan.h"
#include "core/ColumnMapping.h"
#include "core/ContactSheet.h"
#include "core/ExportReport.h"
#include "core/VCardVersion.h"
#include "source/SheetList.h"
#include "source/load/SheetTable.h"
#include "ui/SelectStep.h"
#include "ui/WizardSteps.h"

class QLabel;
class QMimeData;
class QTimer;

namespace quillmere::imaging {
class QtPictureShrinker;
}

namespace quillmere::ui {

class Clock;
class ExportPage;
class ExportStep;
class MainFrame;
class MapPage;
class MapStep;
class Prompts;
class SelectPage;
class Shell;
class frmAbout;
class frmSendToAddressBook;

// The program's one main window: the three-step wizard with its menu, toolbar and status
// bar. MainFrame and the three step pages build its controls, frmMainWiring.cpp connects them;
// its handlers are in frmMain.cpp, frmMainLoad.cpp and frmMainSheet.cpp (step 1), MapStep (step
// 2), ExportStep with frmMainExport.cpp (step 3, which hands the run itself to a Conversion) and
// frmMainHelp.cpp (the Help menu). It shows what core's ContactSheet and ExportSession hold and do.
// Every dialog, desktop action and reading of the clock goes through the Prompts, Shell and Clock
// it is given, which must outlive it.
class frmMain : public QMainWindow {
  Q_OBJECT

 public:
  // Loads a workbook named on the command line (the desktop's "Open with"), as a drop does.
  void loadWorkbook(const QString& path) { loadChosenWorkbook(path); }
  static constexpr int kTimerIntervalMs = 400;
  // How long a passing message stays in the last status panel.
  static constexpr int kStatusMessageMs = 10000;
  // No web address belongs to this program, so the last status panel says what it does.
  static constexpr char kAboutPanelText[] = QT_TR_NOOP("Convert Excel Contacts to vCard Files");

  frmMain(Prompts& prompts, Shell& shell, Clock& clock, QWidget* parent = nullptr);
  ~frmMain() override;

  // The vCard version the export writes.
  core::VCardVersion vCardVersion() const;
  int currentStep() const { return steps_.currentStep(); }
  // What the last load found; an empty table before the first.
  const source::SheetTable& sheetTable() const;
  const core::ColumnMapping& columnMapping() const;
  // The dated folder the last conversion wrote into; empty before the first.
  const QString& exportFolder() const { return exportFolder_; }

 public slots:
  void cmdBrowse_Click();
  void cmdNext_Click();
  void cmdPrevious_Click();
  void cmdAddMapping_Click();
  void cmdRemove_Click();
  void cmdMatchByName_Click();
  void Opt2_Click();
  void Opt3_Click();
  void Opt4_Click();
  // Sets the version, the file mode and numbers as shown to what the destination reads best.
  void cmbDestination_Click();
  void CmdChangevCardPath_Click();
  void cmdPreview_Click();
  void cmdSaveReport_Click();
  void progressBar_Timer();
  void NewConversion_Click();
  void cmbSheet_Click();
  void spnHeaderRow_Change();
  void Exit_Click();
  void AboutUs_Click();
  void Help_Click();

 protected:
  void closeEvent(QCloseEvent* event) override;
  // A workbook dropped from the file manager loads as Browse would.
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  class LoadProgress;

  void Form_Initialize();
  void Form_Load();

  void connectHandlers();
  void setFocusOrder();
  void centreOnScreen();

  // Loading, in frmMainLoad.cpp. What Browse does once a file is chosen (or the dialog was
  // cancelled: empty).
  void loadChosenWorkbook(const QString& chosen);
  // The workbook a drop carries, when it may be loaded now; empty otherwise.
  QString droppedWorkbook(const QMimeData* mime) const;
  // Accepts a drag or drop of a workbook as a copy, or ignores it; true when accepted.
  bool takeDrop(QDropEvent* event) const;
  // Loads the part of the workbook `choice` names (the first worksheet by default); false when
  // it could not be read (the user has been told) or the window closed meanwhile. Nothing of
  // the earlier load changes unless it succeeds.
  bool extractExcelData(const QString& path, const SheetChoice& choice = {});

  // The sheet and header row, in frmMainSheet.cpp. Loads the shown workbook again as `choice`
  // says, when it says anything; the controls go back to the loaded sheet's on failure.
  void reloadSheet(const std::optional<SheetChoice>& choice);
  // The notice's link: reads the headers from the row it suggests, or the columns after an
  // empty header cell too.
  void followLoadNotice(const QString& link);

  void showItemsFound(std::int32_t rowsFound);
  void setStatusPanel(QLabel* panel, const QString& text);
  // Shows a passing message in the last status panel, which then says what it always says.
  void showStatusMessage(const QString& text);
  void showAboutPanel();
  void showSteps();
  void setBusy(bool busy);
  void showMessage(const QString& text);
  void showMessageIfAny(const QString& text) {
    if (!text.isEmpty()) showMessage(text);
  }

  // The conversion, in frmMainExport.cpp.
  void exportContacts();
  void reportExport(const core::ExportReport& report);
  // The link of step 3's notice: back to the pairs, or the report.
  void followExportNotice(const QString& target);
  // Sending to an address book, in frmMainAddressBook.cpp: the cards the conversion as set up
  // now would write for a CardDAV server, and the dialog that sends them.
  QList<carddav::OutgoingCard> addressBookCards();
  void cmdSendToAddressBook_Click();
  // An option of step 3 changed: the open card preview follows it, and after a run Convert is on.
  void optionChanged();

  Prompts& prompts_;
  Shell& shell_;
  Clock& clock_;
  // Makes the Photo column's pictures into photos for every run, preview and upload of this
  // window; it holds nothing between pictures.
  std::unique_ptr<imaging::QtPictureShrinker> pictures_;

  WizardSteps steps_;
  // Set when the window closes during a long piece of work, which then stops at its next
  // pause for events.
  bool closing_ = false;
  QString exportFolder_;
  QPointer<frmAbout> about_;
  QPointer<frmSendToAddressBook> sendDialog_;

  std::unique_ptr<MainFrame> frame_;
  std::unique_ptr<SelectPage> selectPage_;
  std::unique_ptr<SelectStep> selectStep_;
  std::unique_ptr<MapPage> mapPage_;
  std::unique_ptr<MapStep> mapStep_;
  std::unique_ptr<ExportPage> exportPage_;
  std::unique_ptr<ExportStep> exportStep_;
  QTimer* statusMessage_ = nullptr;
  // The timer that moves the progress bar while a run goes on.
  QTimer* progressBar_ = nullptr;
};

}  // namespace quillmere::ui
