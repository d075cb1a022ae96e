// The window's wiring: which handler each control's signal reaches, and the order Tab visits
// the controls in, which runs across the three pages.
#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <vector>

#include "ui/ExportPage.h"
#include "ui/ExportStep.h"
#include "ui/FocusOrder.h"
#include "ui/LinkLabel.h"
#include "ui/MainFrame.h"
#include "ui/MapPage.h"
#include "ui/MapStep.h"
#include "ui/SelectPage.h"
#include "ui/StepTabWidget.h"
#include "ui/frmMain.h"

namespace quillmere::ui {

void frmMain::connectHandlers() {
  connect(frame_->NewConversion, &QAction::triggered, this, &frmMain::NewConversion_Click);
  connect(frame_->Exit, &QAction::triggered, this, &frmMain::Exit_Click);
  connect(frame_->lnkLoadNotice, &QLabel::linkActivated, this, &frmMain::followLoadNotice);
  connect(frame_->lnkExportNotice, &QLabel::linkActivated, this, &frmMain::followExportNotice);
  connect(frame_->cmdSendToAddressBook, &QPushButton::clicked, this,
          &frmMain::cmdSendToAddressBook_Click);
  connect(frame_->AboutUs, &QAction::triggered, this, &frmMain::AboutUs_Click);
  connect(frame_->Help, &QAction::triggered, this, &frmMain::Help_Click);
  connect(frame_->OpenExcel, &QAction::triggered, this, &frmMain::cmdBrowse_Click);
  connect(frame_->cmdPrevious, &QPushButton::clicked, this, &frmMain::cmdPrevious_Click);
  connect(frame_->cmdNext, &QPushButton::clicked, this, &frmMain::cmdNext_Click);
  connect(progressBar_, &QTimer::timeout, this, &frmMain::progressBar_Timer);
  connect(statusMessage_, &QTimer::timeout, this, &frmMain::showAboutPanel);

  SelectPage& select = *selectPage_;
  select.onBrowse(*this, [this] { cmdBrowse_Click(); });
  select.onSheetChosen(*this, [this] { cmbSheet_Click(); });
  select.onHeaderRowChanged(*this, [this] { spnHeaderRow_Change(); });

  MapPage& map = *mapPage_;
  map.onAdd(*this, [this] { cmdAddMapping_Click(); });
  map.onRemove(*this, [this] { cmdRemove_Click(); });
  map.onMatchByName(*this, [this] { cmdMatchByName_Click(); });
  // Delete removes the selected entry as Remove does; with none selected there is nothing to ask.
  map.onDelete(*this, [this] {
    if (mapStep_->mapping().selectedEntry()) cmdRemove_Click();
  });

  ExportPage& options = *exportPage_;
  // Checked by the mouse, the keyboard, an assistive technology or the program alike.
  options.onVersionChosen(*this, [this](core::VCardVersion version) {
    exportStep_->chooseVersion(version);
    optionChanged();
  });
  options.onDestinationChosen(*this, [this] {
    cmbDestination_Click();
    optionChanged();
  });
  options.onOptionChanged(*this, [this] { optionChanged(); });
  options.onChangeFolder(*this, [this] { CmdChangevCardPath_Click(); });
  options.onPreview(*this, [this] { cmdPreview_Click(); });
  options.onSaveReport(*this, [this] { cmdSaveReport_Click(); });
}

void frmMain::setFocusOrder() {
  const FocusOrder select = selectPage_->focusOrder();
  const FocusOrder map = mapPage_->focusOrder();
  const FocusOrder options = exportPage_->focusOrder();
  std::vector<QWidget*> order;
  for (const std::vector<QWidget*>& run :
       {select.lead,
        {frame_->ExportTab, frame_->cmdNext},
        select.rest,
        {frame_->lnkLoadNotice},
        map.lead,
        {frame_->lnkExportNotice, frame_->cmdSendToAddressBook, frame_->cmdPrevious},
        options.lead,
        map.rest,
        options.rest}) {
    order.insert(order.end(), run.begin(), run.end());
  }
  for (std::size_t i = 1; i < order.size(); ++i) {
    QWidget::setTabOrder(order[i - 1], order[i]);
  }
}

}  // namespace quillmere::ui
