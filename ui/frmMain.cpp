#include "ui/frmMain.h"

#include <QAction>
#include <QCloseEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTimer>

#include "core/CounterText.h"
#include "imaging/QtPictureShrinker.h"
#include "ui/Accessibility.h"
#include "ui/Conversion.h"
#include "ui/ExportPage.h"
#include "ui/ExportStep.h"
#include "ui/Fonts.h"
#include "ui/LinkLabel.h"
#include "ui/LocaleNumbers.h"
#include "ui/MainFrame.h"
#include "ui/MapPage.h"
#include "ui/MapStep.h"
#include "ui/Module1.h"
#include "ui/ProgramIcon.h"
#include "ui/Prompts.h"
#include "ui/QtText.h"
#include "ui/SelectPage.h"
#include "ui/Shell.h"
#include "ui/StepTabWidget.h"
#include "ui/frmAbout.h"
#include "ui/frmSendToAddressBook.h"

namespace quillmere::ui {

frmMain::frmMain(Prompts& prompts, Shell& shell, Clock& clock, QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      prompts_(prompts),
      shell_(shell),
      clock_(clock),
      pictures_(std::make_unique<imaging::QtPictureShrinker>()) {
  Form_Initialize();

  setObjectName(QStringLiteral("frmMain"));
  setWindowTitle(QStringLiteral("Quillmere v" QUILLMERE_SHOWN_VERSION));
  setWindowIcon(ProgramIcon::icon());
  setFont(Fonts::verdana());
  QPalette white = palette();
  white.setColor(QPalette::Window, Qt::white);
  setPalette(white);
  setAutoFillBackground(true);

  frame_ = std::make_unique<MainFrame>(*this, tr(kAboutPanelText));
  progressBar_ = new QTimer(this);
  progressBar_->setObjectName(QStringLiteral("progressBar"));
  progressBar_->setInterval(kTimerIntervalMs);
  statusMessage_ = new QTimer(this);
  statusMessage_->setObjectName(QStringLiteral("statusMessage"));
  statusMessage_->setSingleShot(true);
  statusMessage_->setInterval(kStatusMessageMs);

  selectPage_ = std::make_unique<SelectPage>(*frame_->pageSelect);
  selectStep_ = std::make_unique<SelectStep>(*selectPage_, *frame_);
  mapPage_ = std::make_unique<MapPage>(*frame_->pageMap);
  mapStep_ = std::make_unique<MapStep>(*mapPage_, *this);
  exportPage_ = std::make_unique<ExportPage>(*frame_->pageExport);
  exportStep_ = std::make_unique<ExportStep>(*exportPage_, *frame_->lblExportNotice,
                                             *frame_->lnkExportNotice, *mapPage_, pictures_.get());
  setFocusOrder();
  setAcceptDrops(true);
  connectHandlers();

  // The window's size is its menu bar plus the fixed client area, and never anything else.
  layout()->setSizeConstraint(QLayout::SetFixedSize);
  Form_Load();
  centreOnScreen();
}

frmMain::~frmMain() = default;

const source::SheetTable& frmMain::sheetTable() const {
  static const source::SheetTable kNothingLoaded;
  return selectStep_->sheet() != nullptr ? selectStep_->sheet()->table() : kNothingLoaded;
}

void frmMain::centreOnScreen() {
  const QScreen* target = screen();
  if (target == nullptr) return;
  adjustSize();
  setGeometry(
      QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(), target->availableGeometry()));
}

void frmMain::Form_Initialize() {
  // Qt draws every control in the platform's current style by itself, so unlike a
  // common-controls program there is no control library to initialise first.
  installAccessibility();
}

void frmMain::Form_Load() {
  showSteps();
  selectStep_->focusBrowse();
}

void frmMain::showItemsFound(std::int32_t rowsFound) {
  const std::int32_t dataRows = rowsFound > 0 ? rowsFound - 1 : 0;
  setStatusPanel(frame_->panelItems,
                 tr("Items Found: %1").arg(fromLatin(core::withSignPlace(dataRows))));
}

void frmMain::setStatusPanel(QLabel* panel, const QString& text) {
  panel->setText(text);
  // Assistive technology hears what the panel shows.
  panel->setAccessibleName(text);
}

void frmMain::showStatusMessage(const QString& text) {
  QLabel* panel = frame_->panelAbout;
  // A long file name is shortened in its middle to fit the panel; the spoken text is whole.
  const QFontMetrics metrics(panel->font());
  panel->setText(metrics.elidedText(text, Qt::ElideMiddle, panel->contentsRect().width()));
  panel->setAccessibleName(text);
  statusMessage_->start();
}

core::VCardVersion frmMain::vCardVersion() const {
  return exportStep_->version();
}

const core::ColumnMapping& frmMain::columnMapping() const {
  return mapStep_->mapping();
}

void frmMain::showAboutPanel() {
  statusMessage_->stop();
  setStatusPanel(frame_->panelAbout, tr(kAboutPanelText));
}

void frmMain::cmdNext_Click() {
  switch (steps_.next(mapStep_->mapping().empty())) {
    case WizardSteps::NextAction::None:
      return;
    case WizardSteps::NextAction::FillLists:
      mapStep_->fillLists(sheetTable().headers);
      steps_.listsWereFilled();
      break;
    case WizardSteps::NextAction::EnterMap:
      break;
    case WizardSteps::NextAction::RefuseEmptyMap:
      showMessage(tr("Please Map Excel Column to Outlook Attribute."));
      return;
    case WizardSteps::NextAction::EnterExport:
      exportStep_->enter([this] { return GetDefaultSaveFolder(shell_); });
      exportStep_->notice().find(selectStep_->sheet(), mapStep_->pairs());
      exportStep_->notice().show();
      break;
    case WizardSteps::NextAction::Convert:
      exportStep_->conversion().showCounterLabels(true);
      steps_.conversionStarted();
      showSteps();
      exportContacts();
      return;
  }
  showSteps();
}

void frmMain::cmdPrevious_Click() {
  steps_.previous();
  showSteps();
}

void frmMain::showSteps() {
  StepTabWidget* tabs = frame_->ExportTab;
  const int shown = steps_.shownTab();
  // The shown tab is switched on before the others go off, or the tab bar would move its
  // selection onto a switched-off tab.
  tabs->setTabEnabled(shown, true);
  tabs->setCurrentIndex(shown);
  for (int tab = 0; tab < tabs->count(); ++tab) {
    if (tab != shown) tabs->setTabEnabled(tab, false);
  }
  const QString caption = WizardSteps::tr(std::string(steps_.nextCaption()).c_str());
  frame_->cmdNext->setText(caption);
  // Heard as the caption reads: "Next", or "Convert" on step 3.
  frame_->cmdNext->setAccessibleName(
      QString(caption).remove(QLatin1Char('&')).remove(QLatin1Char('>')).trimmed());
  frame_->cmdNext->setEnabled(steps_.nextEnabled());
  frame_->cmdPrevious->setEnabled(steps_.previousEnabled());
  selectStep_->allowLoading(steps_.browseEnabled());
  frame_->OpenExcel->setEnabled(steps_.browseEnabled());
  frame_->lblLoadNotice->setVisible(steps_.browseEnabled() &&
                                    !frame_->lblLoadNotice->text().isEmpty());
  frame_->lnkLoadNotice->setVisible(steps_.browseEnabled() &&
                                    !frame_->lnkLoadNotice->target().isEmpty());
  const bool onExport = steps_.step() == WizardSteps::Step::Export && !steps_.busy();
  frame_->lblExportNotice->setVisible(onExport && !frame_->lblExportNotice->text().isEmpty());
  frame_->lnkExportNotice->setVisible(onExport && !frame_->lnkExportNotice->target().isEmpty());
  frame_->cmdSendToAddressBook->setVisible(steps_.step() == WizardSteps::Step::Export);
  frame_->cmdSendToAddressBook->setEnabled(!steps_.busy());
  frame_->NewConversion->setEnabled(!steps_.busy());
  // The card preview shows the mapping of step 3; away from it the mapping may change.
  if (steps_.step() != WizardSteps::Step::Export) exportStep_->closePreview();
}

void frmMain::setBusy(bool busy) {
  steps_.setBusy(busy);
  showSteps();
}

void frmMain::showMessage(const QString& text) {
  static_cast<void>(
      prompts_.message(this, text, productName(), Prompts::Buttons::Ok, Prompts::Icon::None));
}

void frmMain::Opt2_Click() {
  exportStep_->chooseVersion(core::VCardVersion::V21);
}

void frmMain::Opt3_Click() {
  exportStep_->chooseVersion(core::VCardVersion::V30);
}

void frmMain::Opt4_Click() {
  exportStep_->chooseVersion(core::VCardVersion::V40);
}

void frmMain::cmdPreview_Click() {
  exportStep_->showPreview(*this, *selectStep_->sheet(), mapStep_->pairs());
}

void frmMain::optionChanged() {
  exportStep_->refreshPreview();
  exportStep_->notice().show();
  // After a run, other options make another run worth having.
  if (steps_.step() == WizardSteps::Step::Export && !steps_.busy()) {
    steps_.optionChanged();
    showSteps();
  }
}

void frmMain::followExportNotice(const QString& target) {
  switch (ExportNotice::linkTo(target)) {
    case ExportNotice::Link::Report:
      cmdSaveReport_Click();
      break;
    case ExportNotice::Link::Pairs:
      cmdPrevious_Click();
      break;
    case ExportNotice::Link::None:
      break;
  }
}

void frmMain::Exit_Click() {
  close();
}

void frmMain::closeEvent(QCloseEvent* event) {
  // A conversion stops only when the user says so: what it has written stays, in a folder
  // whose name says it is incomplete.
  if (exportStep_->conversion().running() && !closing_ &&
      prompts_.message(this, tr("A conversion is running. Stop it?"), productName(),
                       Prompts::Buttons::YesNo, Prompts::Icon::Question) != Prompts::Answer::Yes) {
    event->ignore();
    return;
  }
  // A load or export in progress stops at its next pause for events, and the window goes once
  // it has: closed inside that pause, the program would stay on with no window.
  if (steps_.busy()) {
    closing_ = true;
    event->ignore();
    return;
  }
  // An open About box or card preview belongs to this window and goes with it.
  if (about_ != nullptr) about_->close();
  exportStep_->closePreview();
  if (sendDialog_ != nullptr) sendDialog_->close();
  QMainWindow::closeEvent(event);
}

}  // namespace quillmere::ui
