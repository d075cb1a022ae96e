// Step 1's choice of sheet and header row, and starting a new conversion.
#include "ui/ExportStep.h"
#include "ui/MainFrame.h"
#include "ui/MapStep.h"
#include "ui/SelectStep.h"
#include "ui/frmMain.h"

namespace quillmere::ui {

void frmMain::cmbSheet_Click() {
  reloadSheet(selectStep_->chosen());
}

void frmMain::spnHeaderRow_Change() {
  reloadSheet(selectStep_->chosen());
}

void frmMain::followLoadNotice(const QString& link) {
  if (!steps_.browseEnabled()) return;
  reloadSheet(selectStep_->follow(link));
}

void frmMain::reloadSheet(const std::optional<SheetChoice>& choice) {
  if (!choice || !steps_.browseEnabled()) return;
  // A load that fails leaves the sheet that was there, and the controls say so again.
  if (!extractExcelData(selectStep_->path(), *choice) && !closing_) {
    selectStep_->showLoadedSheet();
  }
  steps_.browsed(selectStep_->sheet() != nullptr);
  showSteps();
}

void frmMain::NewConversion_Click() {
  if (steps_.busy()) return;
  exportStep_->closePreview();
  selectStep_->reset();
  mapStep_->reset();
  steps_ = WizardSteps();
  setStatusPanel(frame_->panelItems, QString());
  showAboutPanel();
  exportStep_->reset();
  exportFolder_.clear();
  showSteps();
  selectStep_->focusBrowse();
}

}  // namespace quillmere::ui
