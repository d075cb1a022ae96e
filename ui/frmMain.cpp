#include "ui/frmMain.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QFontMetrics>
#include <QHeaderView>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolBar>
#include <QUrl>
#include <algorithm>
#include <exception>

#include "core/CounterText.h"
#include "core/MatchByName.h"
#include "core/RowReport.h"
#include "source/WorkbookError.h"
#include "source/load/SheetLoader.h"
#include "ui/Accessibility.h"
#include "ui/EventPump.h"
#include "ui/Fonts.h"
#include "ui/LocaleNumbers.h"
#include "ui/MappingEntryDelegate.h"
#include "ui/Module1.h"
#include "ui/PreviewModel.h"
#include "ui/ProgramIcon.h"
#include "ui/Prompts.h"
#include "ui/QtText.h"
#include "ui/Shell.h"
#include "ui/StepTabWidget.h"
#include "ui/WindowOptions.h"
#include "ui/frmAbout.h"
#include "ui/frmPreview.h"

namespace quillmere::ui {

namespace {

const QString kWorkbookFilter = QStringLiteral("Excel File (*.xlsx *.xls *.csv)");
const QColor kPreviewYellow(255, 255, 0);
// What Browse offers is what a drop may bring; the readers tell the format from the bytes.
const QStringList kWorkbookSuffixes = {QStringLiteral("xlsx"), QStringLiteral("xls"),
                                       QStringLiteral("csv")};

}  // namespace

// Keeps the window answering while a workbook loads, shows the count as it grows, and stops
// the load when the window closes.
class frmMain::LoadProgress : public source::LoadObserver {
 public:
  explicit LoadProgress(frmMain& window) : window_(window) {}

  bool rowTaken(std::int32_t rowsFound) override {
    if (pump_.pumpIfDue() || rowsFound == 1) {
      if (rowsFound > 0) window_.showItemsFound(rowsFound);
    }
    return !window_.closing_;
  }

 private:
  frmMain& window_;
  EventPump pump_;
};

frmMain::frmMain(Prompts& prompts, Shell& shell, Clock& clock, QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      prompts_(prompts),
      shell_(shell),
      clock_(clock) {
  Form_Initialize();

  setObjectName(QStringLiteral("frmMain"));
  setWindowTitle(QStringLiteral("Quillmere v2.0"));
  setWindowIcon(ProgramIcon::icon());
  setFont(Fonts::verdana());
  QPalette white = palette();
  white.setColor(QPalette::Window, Qt::white);
  setPalette(white);
  setAutoFillBackground(true);

  buildMenus();
  buildFrame();
  buildSelectPage();
  buildMapPage();
  buildExportPage();
  setFocusOrder();
  options_ = std::make_unique<WindowOptions>(vCardVersion_, *ChkSinglevCard_, *chkNotNull_,
                                             *chkNumbersAsShown_);
  setAcceptDrops(true);
  // The path box would take a dropped file's name as text; the window loads it instead.
  txtExcelPath_->setAcceptDrops(false);

  connect(cmbHeader_, &QComboBox::currentIndexChanged, this, [this](int index) {
    mapping_.chooseHeader(index < 0 ? std::nullopt : std::optional<std::size_t>(index));
  });
  connect(cmbOutlook_, &QComboBox::currentIndexChanged, this, [this](int index) {
    mapping_.chooseField(index < 0 ? std::nullopt : std::optional<std::size_t>(index));
  });
  connect(CmdChangevCardPath_, &QPushButton::clicked, this, &frmMain::CmdChangevCardPath_Click);
  connect(progressBar_, &QTimer::timeout, this, &frmMain::progressBar_Timer);
  connect(statusMessage_, &QTimer::timeout, this,
          [this] { setStatusPanel(panelAbout_, QString::fromLatin1(kAboutPanelText)); });
  connect(ChkSinglevCard_, &QCheckBox::toggled, this, &frmMain::refreshPreview);
  connect(chkNotNull_, &QCheckBox::toggled, this, &frmMain::refreshPreview);
  connect(chkNumbersAsShown_, &QCheckBox::toggled, this, &frmMain::refreshPreview);
  connect(mappedList_, &QListWidget::itemSelectionChanged, this, [this] {
    const QModelIndexList selected = mappedList_->selectionModel()->selectedRows();
    mapping_.selectEntry(selected.isEmpty() ? std::nullopt
                                            : std::optional<std::size_t>(selected.front().row()));
  });

  // The window's size is its menu bar plus the fixed client area, and never anything else.
  layout()->setSizeConstraint(QLayout::SetFixedSize);
  Form_Load();
  centreOnScreen();
}

frmMain::~frmMain() = default;

void frmMain::Form_Initialize() {
  // Qt draws every control in the platform's current style by itself, so unlike a
  // common-controls program there is no control library to initialise first.
  installAccessibility();
  vCardVersion_ = QStringLiteral("2.1");
}

void frmMain::Form_Load() {
  // The fixed column 0 is the vertical header; hiding it is the grid's "width 0".
  sourceExcelData_->verticalHeader()->setVisible(false);
  showSteps();
  cmdBrowse_->setFocus();
}

void frmMain::cmdBrowse_Click() {
  if (!steps_.browseEnabled()) return;
  loadChosenWorkbook(prompts_.chooseWorkbookFile(this, QString(), kWorkbookFilter));
}

void frmMain::loadChosenWorkbook(const QString& chosen) {
  // A cancelled dialog loads nothing and keeps the workbook, preview and mapping there are.
  if (!chosen.isEmpty()) {
    const QString before = txtExcelPath_->text();
    txtExcelPath_->setText(chosen);
    const bool loaded = extractExcelData(chosen);
    if (closing_) return;
    if (!loaded) txtExcelPath_->setText(before);
  }
  steps_.browsed();
  showSteps();
}

bool frmMain::extractExcelData(const QString& path) {
  const QString panelBefore = panelItems_->text();
  QWidget* focusBefore = focusWidget();
  setBusy(true);
  LoadProgress progress(*this);
  source::LoadOptions options;
  options.decimalSeparator = localeDecimalSeparator();
  std::optional<source::LoadedSheet> loaded;
  QString problem;
  try {
    loaded = source::extractExcelData(QFile::encodeName(path).toStdString(), progress, options);
  } catch (const source::WorkbookError& error) {
    problem = QString::fromUtf8(error.what());
  } catch (const std::exception& error) {
    problem =
        QStringLiteral("\"%1\" could not be read: %2").arg(path, QString::fromUtf8(error.what()));
  }
  setBusy(false);
  if (closing_) return false;
  if (focusBefore != nullptr && focusBefore->isEnabled()) focusBefore->setFocus();
  if (!loaded) {
    setStatusPanel(panelItems_, panelBefore);
    if (!problem.isEmpty()) {
      static_cast<void>(prompts_.message(this, problem, productName(), Prompts::Buttons::Ok,
                                         Prompts::Icon::Warning));
    }
    return false;
  }

  sheet_ = std::move(loaded->table);
  const bool anyRows = loaded->preview.rowCount() > 0;
  preview_->setPreview(std::move(loaded->preview));
  QPalette grid = sourceExcelData_->palette();
  grid.setColor(QPalette::Base, anyRows ? kPreviewYellow : palette().color(QPalette::Base));
  sourceExcelData_->setPalette(grid);
  sourceExcelData_->scrollToTop();
  showItemsFound(sheet_.rowsFound);
  mapping_.clearMapping();
  showMapping();
  steps_.workbookLoaded();
  return true;
}

void frmMain::showItemsFound(std::int32_t rowsFound) {
  const std::int32_t dataRows = rowsFound > 0 ? rowsFound - 1 : 0;
  setStatusPanel(panelItems_,
                 QStringLiteral("Items Found: ") + fromLatin(core::withSignPlace(dataRows)));
}

void frmMain::setStatusPanel(QLabel* panel, const QString& text) {
  panel->setText(text);
  // Assistive technology hears what the panel shows.
  panel->setAccessibleName(text);
}

void frmMain::showStatusMessage(const QString& text) {
  // A long file name is shortened in its middle to fit the panel; the spoken text is whole.
  const QFontMetrics metrics(panelAbout_->font());
  panelAbout_->setText(
      metrics.elidedText(text, Qt::ElideMiddle, panelAbout_->contentsRect().width()));
  panelAbout_->setAccessibleName(text);
  statusMessage_->start();
}

void frmMain::cmdNext_Click() {
  switch (steps_.next(mapping_.empty())) {
    case WizardSteps::NextAction::None:
      return;
    case WizardSteps::NextAction::FillLists:
      fillLists();
      steps_.listsWereFilled();
      break;
    case WizardSteps::NextAction::EnterMap:
      break;
    case WizardSteps::NextAction::RefuseEmptyMap:
      showMessage(QStringLiteral("Please Map Excel Column to Outlook Attribute."));
      return;
    case WizardSteps::NextAction::EnterExport:
      // Only a box of length 0 gets the default; one holding spaces is the user's.
      if (txtvCardSavePath_->text().isEmpty()) {
        txtvCardSavePath_->setText(GetDefaultSaveFolder(shell_));
      }
      break;
    case WizardSteps::NextAction::Convert:
      for (QLabel* label :
           {contactCountLabel_, lblContactCount_, lblNotNullCount_, lblNotNullLabel_}) {
        label->setVisible(true);
      }
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

void frmMain::fillLists() {
  std::vector<core::HeaderItem> headers;
  headers.reserve(sheet_.headers.size());
  for (const source::HeaderColumn& header : sheet_.headers) {
    headers.push_back({header.column, header.text});
  }
  mapping_.fillLists(headers);
  showMapping();
}

void frmMain::cmdAddMapping_Click() {
  const core::MappingMessage message = mapping_.addMapping();
  if (message != core::MappingMessage::None) {
    showMessage(fromLatin(core::messageText(message)));
    return;
  }
  showMapping();
}

void frmMain::cmdRemove_Click() {
  const core::MappingMessage message = mapping_.removeMapping();
  if (message != core::MappingMessage::None) {
    showMessage(fromLatin(core::messageText(message)));
    return;
  }
  showMapping();
}

void frmMain::cmdMatchByName_Click() {
  const core::NameMatch match = core::matchByName(mapping_);
  showMapping();
  showStatusMessage(
      QStringLiteral("%1 of %2 %3 matched by name")
          .arg(match.paired)
          .arg(match.offered)
          .arg(match.offered == 1 ? QStringLiteral("column") : QStringLiteral("columns")));
}

void frmMain::showMapping() {
  const QSignalBlocker blockHeaders(cmbHeader_);
  const QSignalBlocker blockFields(cmbOutlook_);
  const QSignalBlocker blockEntries(mappedList_);

  cmbHeader_->clear();
  for (const core::HeaderItem& header : mapping_.headerList()) {
    cmbHeader_->addItem(fromUtf8(header.text));
  }
  cmbHeader_->setCurrentIndex(mapping_.headerChoice() ? static_cast<int>(*mapping_.headerChoice())
                                                      : -1);

  cmbOutlook_->clear();
  for (const core::Field field : mapping_.fieldList()) {
    cmbOutlook_->addItem(fromLatin(core::fieldName(field)));
  }
  cmbOutlook_->setCurrentIndex(mapping_.fieldChoice() ? static_cast<int>(*mapping_.fieldChoice())
                                                      : -1);

  mappedList_->clear();
  const QFontMetrics metrics(mappedList_->font());
  int widestHeader = 0;
  for (const std::string& entry : mapping_.entries()) {
    auto* item = new QListWidgetItem(fromUtf8(entry), mappedList_);
    const QString header = item->text().section(QLatin1Char('\t'), 0, 0);
    widestHeader = std::max(widestHeader, metrics.horizontalAdvance(header));
    item->setToolTip(header);
  }
  mappedEntries_->setWidestHeader(widestHeader);
  if (mapping_.selectedEntry()) {
    mappedList_->setCurrentRow(static_cast<int>(*mapping_.selectedEntry()));
  }

  const bool enabled = mapping_.listsEnabled();
  cmbHeader_->setEnabled(enabled);
  cmbOutlook_->setEnabled(enabled);
  cmdAddMapping_->setEnabled(enabled);
  cmdMatchByName_->setEnabled(enabled && !mapping_.headerList().empty());
}

void frmMain::showSteps() {
  const int shown = steps_.shownTab();
  // The shown tab is switched on before the others go off, or the tab bar would move its
  // selection onto a switched-off tab.
  ExportTab_->setTabEnabled(shown, true);
  ExportTab_->setCurrentIndex(shown);
  for (int tab = 0; tab < ExportTab_->count(); ++tab) {
    if (tab != shown) ExportTab_->setTabEnabled(tab, false);
  }
  cmdNext_->setText(fromLatin(steps_.nextCaption()));
  cmdNext_->setEnabled(steps_.nextEnabled());
  cmdPrevious_->setEnabled(steps_.previousEnabled());
  cmdBrowse_->setEnabled(steps_.browseEnabled());
  OpenExcel_->setEnabled(steps_.browseEnabled());
  // The card preview shows the mapping of step 3; away from it the mapping may change.
  if (cardPreview_ != nullptr && steps_.step() != WizardSteps::Step::Export) {
    cardPreview_->close();
  }
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
  vCardVersion_ = QStringLiteral("2.1");
  refreshPreview();
}

void frmMain::Opt3_Click() {
  vCardVersion_ = QStringLiteral("3.0");
  refreshPreview();
}

void frmMain::Opt4_Click() {
  vCardVersion_ = QStringLiteral("4.0");
  refreshPreview();
}

void frmMain::cmdPreview_Click() {
  if (cardPreview_ == nullptr) {
    cardPreview_ =
        new frmPreview(this, sheet_, mappedColumns(), localeDecimalSeparator(), *options_);
    QRect box(QPoint(), cardPreview_->size());
    box.moveCenter(geometry().center());
    cardPreview_->setGeometry(box);
  }
  cardPreview_->show();
  cardPreview_->raise();
  cardPreview_->activateWindow();
}

void frmMain::refreshPreview() {
  if (cardPreview_ != nullptr) cardPreview_->refresh();
}

void frmMain::Exit_Click() {
  close();
}

void frmMain::AboutUs_Click() {
  if (about_ == nullptr) {
    about_ = new frmAbout(this);
    // Placed by hand: Qt's own placement guesses at window frames and lands off centre on
    // some desktops.
    QRect box(QPoint(), about_->size());
    box.moveCenter(geometry().center());
    about_->setGeometry(box);
  }
  about_->show();
  about_->raise();
  about_->activateWindow();
}

void frmMain::Help_Click() {
  const QString guide = shell_.userGuide();
  if (guide.isEmpty() || !QFileInfo(guide).isFile()) {
    const QString where = guide.isEmpty() ? QStringLiteral("guide.html") : guide;
    static_cast<void>(prompts_.message(
        this,
        QStringLiteral("The user guide \"%1\" is missing. Installing Quillmere again puts it back.")
            .arg(where),
        productName(), Prompts::Buttons::Ok, Prompts::Icon::Information));
    return;
  }
  ShellOpen(shell_, guide);
}

void frmMain::closeEvent(QCloseEvent* event) {
  // A load or export in progress stops at its next pause for events.
  if (steps_.busy()) closing_ = true;
  // An open About box or card preview belongs to this window and goes with it.
  if (about_ != nullptr) about_->close();
  if (cardPreview_ != nullptr) cardPreview_->close();
  QMainWindow::closeEvent(event);
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
