// The main window's controls: kind, caption, place, font, colour and start state of each.
// The handlers that give them behaviour are in frmMain.cpp.
#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QHeaderView>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPixmap>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSpacerItem>
#include <QStatusBar>
#include <QStyle>
#include <QTableView>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

#include "ui/Fonts.h"
#include "ui/MappingEntryDelegate.h"
#include "ui/PreviewModel.h"
#include "ui/QtText.h"
#include "ui/SeparatorLine.h"
#include "ui/StepTabWidget.h"
#include "ui/TabPage.h"
#include "ui/TransparentToolBar.h"
#include "ui/Twips.h"
#include "ui/frmMain.h"

namespace quillmere::ui {

namespace {

const QColor kLineGrey(192, 192, 192);
const QColor kDarkBlue(0, 0, 192);
const QColor kBlue(0, 0, 255);
const QColor kDarkRed(128, 0, 0);
constexpr int kTabHeightTwips = 520;

void setTextColour(QWidget* widget, const QColor& colour) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::WindowText, colour);
  palette.setColor(QPalette::Text, colour);
  widget->setPalette(palette);
}

template <typename Widget>
Widget* named(Widget* widget, const char* objectName, const QString& accessibleName,
              const QFont& font) {
  widget->setObjectName(QString::fromLatin1(objectName));
  widget->setAccessibleName(accessibleName);
  widget->setFont(font);
  return widget;
}

// Labels keep their text at the top-left, where the layout's positions expect it.
QLabel* label(const char* objectName, const QString& text, const QFont& font,
              const QString& accessibleName = QString()) {
  auto* widget = new QLabel(text);
  widget->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  return named(widget, objectName, accessibleName.isEmpty() ? text.trimmed() : accessibleName,
               font);
}

SeparatorLine* line(const char* objectName) {
  return named(new SeparatorLine(kLineGrey), objectName, QStringLiteral("Separator"),
               Fonts::verdana());
}

QPushButton* button(const char* objectName, const QString& caption, const QString& accessibleName,
                    const QFont& font) {
  auto* widget = new QPushButton(caption);
  // Outside a dialog this only lets Enter press the focused button, as Space does.
  widget->setAutoDefault(true);
  return named(widget, objectName, accessibleName, font);
}

QComboBox* dropDownList(const char* objectName, const QString& accessibleName) {
  auto* widget = new QComboBox;
  widget->setEditable(false);
  return named(widget, objectName, accessibleName, Fonts::tahoma());
}

}  // namespace

void frmMain::buildMenus() {
  QMenu* file = menuBar()->addMenu(QStringLiteral("File"));
  file->setObjectName(QStringLiteral("mnuFile"));
  file->setAccessibleName(QStringLiteral("File"));
  Exit_ = file->addAction(QStringLiteral("&Exit"));
  Exit_->setObjectName(QStringLiteral("Exit"));
  connect(Exit_, &QAction::triggered, this, &frmMain::Exit_Click);

  QMenu* about = menuBar()->addMenu(QStringLiteral("About"));
  about->setObjectName(QStringLiteral("mnuAbout"));
  about->setAccessibleName(QStringLiteral("About"));
  AboutUs_ = about->addAction(QStringLiteral("About Us"));
  AboutUs_->setObjectName(QStringLiteral("AboutUs"));
  connect(AboutUs_, &QAction::triggered, this, &frmMain::AboutUs_Click);
  Help_ = about->addAction(QStringLiteral("Help"));
  Help_->setObjectName(QStringLiteral("Help"));
  connect(Help_, &QAction::triggered, this, &frmMain::Help_Click);

  menuBar()->setAccessibleName(QStringLiteral("Menu"));
}

void frmMain::buildFrame() {
  client_ = new QWidget(this);
  client_->setObjectName(QStringLiteral("client"));
  client_->setAccessibleName(productName());
  client_->setFixedSize(kClientWidth, kClientHeight);
  setCentralWidget(client_);

  Picture2_ =
      named(new QLabel(client_), "Picture2", QStringLiteral("Quillmere banner"), Fonts::verdana());
  Picture2_->setGeometry(twipsRect(0, 40, 9615, 1215));
  Picture2_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  Picture2_->setPixmap(QPixmap(QStringLiteral(":/quillmere/banner.png")));

  // The toolbar lies over the banner's top edge; it is made after the banner so it stays on top.
  mainToolBar_ = named(new TransparentToolBar(QStringLiteral("Main Toolbar"), client_),
                       "mainToolBar", QStringLiteral("Main Toolbar"), Fonts::verdana());
  mainToolBar_->setGeometry(twipsRect(0, 0, 9600, 660));
  mainToolBar_->setMovable(false);
  mainToolBar_->setFloatable(false);
  mainToolBar_->setToolButtonStyle(Qt::ToolButtonTextOnly);
  OpenExcel_ = mainToolBar_->addAction(QStringLiteral("Open Excel"));
  OpenExcel_->setObjectName(QStringLiteral("OpenExcel"));
  if (auto* openButton = qobject_cast<QToolButton*>(mainToolBar_->widgetForAction(OpenExcel_))) {
    openButton->setObjectName(QStringLiteral("OpenExcelButton"));
    openButton->setAccessibleName(QStringLiteral("Open Excel"));
  }
  connect(OpenExcel_, &QAction::triggered, this, &frmMain::cmdBrowse_Click);

  Line3_ = line("Line3");
  Line3_->setParent(client_);
  Line3_->setGeometry(0, twips(1260), twips(9600), 1);

  ExportTab_ = named(new StepTabWidget(twips(kTabHeightTwips), client_), "ExportTab",
                     QStringLiteral("Conversion Steps"), Fonts::tahoma());
  ExportTab_->setGeometry(twipsRect(120, 1440, 9375, 4815));
  pageSelect_ = new TabPage(ExportTab_);
  pageSelect_->setObjectName(QStringLiteral("pageSelect"));
  pageMap_ = new TabPage(ExportTab_);
  pageMap_->setObjectName(QStringLiteral("pageMap"));
  pageExport_ = new TabPage(ExportTab_);
  pageExport_->setObjectName(QStringLiteral("pageExport"));
  ExportTab_->addTab(pageSelect_, QStringLiteral("1. Select"));
  ExportTab_->addTab(pageMap_, QStringLiteral("2. Map Columns"));
  ExportTab_->addTab(pageExport_, QStringLiteral("3. Export"));
  for (int index = 0; index < ExportTab_->count(); ++index) {
    ExportTab_->widget(index)->setAccessibleName(ExportTab_->tabText(index));
  }

  cmdPrevious_ = button("cmdPrevious", QStringLiteral("<  Pre&vious"), QStringLiteral("Previous"),
                        Fonts::tahoma());
  cmdPrevious_->setParent(client_);
  cmdPrevious_->setGeometry(twipsRect(5400, 6480, 1935, 495));
  cmdPrevious_->setEnabled(false);
  connect(cmdPrevious_, &QPushButton::clicked, this, &frmMain::cmdPrevious_Click);

  cmdNext_ = button("cmdNext", QStringLiteral("&Next >"), QStringLiteral("Next"), Fonts::tahoma());
  cmdNext_->setParent(client_);
  cmdNext_->setGeometry(twipsRect(7560, 6480, 1935, 495));
  connect(cmdNext_, &QPushButton::clicked, this, &frmMain::cmdNext_Click);

  statusIndicator_ =
      named(new QStatusBar(client_), "statusIndicator", QStringLiteral("Status"), Fonts::tahoma());
  statusIndicator_->setGeometry(twipsRect(0, 7095, 9600, 255));
  statusIndicator_->setSizeGripEnabled(false);
  statusIndicator_->setContentsMargins(0, 0, 0, 0);
  panelProduct_ = label("panelProduct", productName(), Fonts::tahoma());
  panelItems_ = label("panelItems", QString(), Fonts::tahoma());
  panelAbout_ = label("panelAbout", QString::fromLatin1(kAboutPanelText), Fonts::tahoma());
  for (QLabel* panel : {panelProduct_, panelItems_, panelAbout_}) {
    panel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  }
  statusIndicator_->addWidget(panelProduct_, 1);
  statusIndicator_->addWidget(panelItems_, 1);
  statusIndicator_->addWidget(panelAbout_, 2);
  // QStatusBar keeps a 3-pixel strip above its panels; in a 17-pixel bar that would clip the
  // panels' text, so it goes. The bar rebuilds its layout only when panels are added.
  if (QLayout* bar = statusIndicator_->layout(); bar != nullptr && bar->count() > 0) {
    if (QSpacerItem* strip = bar->itemAt(0)->spacerItem()) {
      strip->changeSize(0, 0, QSizePolicy::Fixed, QSizePolicy::Fixed);
      bar->invalidate();
    }
  }

  progressBar_ = new QTimer(this);
  progressBar_->setObjectName(QStringLiteral("progressBar"));
  progressBar_->setInterval(kTimerIntervalMs);

  statusMessage_ = new QTimer(this);
  statusMessage_->setObjectName(QStringLiteral("statusMessage"));
  statusMessage_->setSingleShot(true);
  statusMessage_->setInterval(kStatusMessageMs);
}

void frmMain::buildSelectPage() {
  Label1_ = label("Label1", QStringLiteral("Select Excel File :"), Fonts::tahoma(),
                  QStringLiteral("Select Excel File"));
  pageSelect_->place(Label1_, twipsRect(240, 670, 1335, 255));

  txtExcelPath_ =
      named(new QLineEdit, "txtExcelPath", QStringLiteral("Select Excel File"), Fonts::tahoma());
  // The path comes from Browse... only; typing one would load nothing.
  txtExcelPath_->setReadOnly(true);
  pageSelect_->place(txtExcelPath_, twipsRect(1560, 600, 6255, 375));

  cmdBrowse_ =
      button("cmdBrowse", QStringLiteral("Browse..."), QStringLiteral("Browse"), Fonts::verdana());
  pageSelect_->place(cmdBrowse_, twipsRect(7920, 600, 1215, 375));
  connect(cmdBrowse_, &QPushButton::clicked, this, &frmMain::cmdBrowse_Click);

  Label13_ = label("Label13",
                   QStringLiteral("Supports Excel 2003 Files (*.xls), Excel 2007,2010, 2013 Files "
                                  "(*.xlsx) & CSV Files (*.csv)"),
                   Fonts::tahoma());
  // Plain text: "&" is an ordinary character in a label without a buddy.
  Label13_->setTextFormat(Qt::PlainText);
  setTextColour(Label13_, kDarkBlue);
  pageSelect_->place(Label13_, twipsRect(1560, 1080, 7215, 255));

  Label6_ = label("Label6", QStringLiteral("Excel File Preview"), Fonts::tahoma());
  pageSelect_->place(Label6_, twipsRect(240, 1560, 1695, 255));

  Line1_ = line("Line1");
  pageSelect_->place(Line1_, QRect(twips(240), twips(1800), twips(9120 - 240), 1));

  // Grid row 0 is the fixed header row that stays put while the data scroll: the table's
  // horizontal header. Column 0 is the vertical header, hidden by Form_Load.
  sourceExcelData_ = named(new QTableView, "sourceExcelData", QStringLiteral("Excel File Preview"),
                           Fonts::verdana());
  preview_ = new PreviewModel(sourceExcelData_);
  sourceExcelData_->setModel(preview_);
  sourceExcelData_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  // Tab leaves the grid for the next control; the arrow keys move inside it.
  sourceExcelData_->setTabKeyNavigation(false);
  sourceExcelData_->setWordWrap(false);
  sourceExcelData_->horizontalHeader()->setHighlightSections(false);
  // Rows one line of text high, as a spreadsheet shows them.
  sourceExcelData_->verticalHeader()->setMinimumSectionSize(1);
  sourceExcelData_->verticalHeader()->setDefaultSectionSize(
      QFontMetrics(Fonts::verdana()).height() + 4);
  pageSelect_->place(sourceExcelData_, twipsRect(240, 1920, 8895, 2655));
}

void frmMain::buildMapPage() {
  const QFont bold = Fonts::tahoma(true);
  Label2_ = label("Label2", QStringLiteral("Excel Fields"), bold);
  pageMap_->place(Label2_, twipsRect(120, 600, 1695, 255));

  cmbHeader_ = dropDownList("cmbHeader", QStringLiteral("Excel Fields"));
  pageMap_->place(cmbHeader_, twipsRect(120, 840, 2415, 315));

  Label5_ = label("Label5", QStringLiteral("vCard Fields"), bold);
  pageMap_->place(Label5_, twipsRect(6480, 600, 1815, 255));

  cmbOutlook_ = dropDownList("cmbOutlook", QStringLiteral("vCard Fields"));
  pageMap_->place(cmbOutlook_, twipsRect(6480, 840, 2775, 315));

  cmdAddMapping_ =
      button("cmdAddMapping", QStringLiteral("Add"), QStringLiteral("Add"), Fonts::tahoma());
  pageMap_->place(cmdAddMapping_, twipsRect(7800, 1320, 1455, 375));
  connect(cmdAddMapping_, &QPushButton::clicked, this, &frmMain::cmdAddMapping_Click);

  cmdRemove_ =
      button("cmdRemove", QStringLiteral("Remove"), QStringLiteral("Remove"), Fonts::tahoma());
  pageMap_->place(cmdRemove_, twipsRect(7800, 1800, 1455, 375));
  connect(cmdRemove_, &QPushButton::clicked, this, &frmMain::cmdRemove_Click);

  // Under the header list it works on, in the free space left of Add.
  cmdMatchByName_ = button("cmdMatchByName", QStringLiteral("&Match by Name"),
                           QStringLiteral("Match by Name"), Fonts::tahoma());
  cmdMatchByName_->setToolTip(
      QStringLiteral("Pairs every column whose header names a vCard field with that field. "
                     "Pairs you have made stay as they are."));
  cmdMatchByName_->setEnabled(false);
  pageMap_->place(cmdMatchByName_, twipsRect(120, 1320, 1455, 375));
  connect(cmdMatchByName_, &QPushButton::clicked, this, &frmMain::cmdMatchByName_Click);

  Label9_ = label("Label9", QStringLiteral("Selected Fileds ( Excel --> vCard )"), bold,
                  QStringLiteral("Selected Fields, Excel to vCard"));
  pageMap_->place(Label9_, twipsRect(120, 2040, 4935, 255));

  Line2_ = line("Line2");
  pageMap_->place(Line2_, QRect(twips(120), twips(2280), twips(9240 - 120), 1));

  mappedList_ = named(new QListWidget, "mappedList",
                      QStringLiteral("Selected Fields, Excel to vCard"), Fonts::verdana());
  mappedEntries_ = new MappingEntryDelegate(mappedList_);
  mappedList_->setItemDelegate(mappedEntries_);
  pageMap_->place(mappedList_, twipsRect(120, 2400, 9135, 1980));
}

void frmMain::buildExportPage() {
  const QFont verdana = Fonts::verdana();
  const QFont tahoma = Fonts::tahoma();
  const QString allowEmpty = QStringLiteral("Allow Empty Email Addresses to be Imported");
  const QString singleFile = QStringLiteral("Single vCard File for All Contacts");
  const QString numbersAsShown = QStringLiteral("Keep Numbers as Shown in the Sheet");

  // The boxes carry no text; their labels beside them do, and clicking a label does not
  // toggle its box.
  chkNotNull_ = named(new QCheckBox, "chkNotNull", allowEmpty, verdana);
  pageExport_->place(chkNotNull_, twipsRect(360, 720, 200, 375));
  Label10_ = label("Label10", allowEmpty, verdana);
  setTextColour(Label10_, kBlue);
  pageExport_->place(Label10_, twipsRect(670, 795, 4695, 375));

  ChkSinglevCard_ = named(new QCheckBox, "ChkSinglevCard", singleFile, verdana);
  pageExport_->place(ChkSinglevCard_, twipsRect(360, 1200, 200, 375));
  Label11_ = label("Label11", singleFile, verdana);
  setTextColour(Label11_, kBlue);
  pageExport_->place(Label11_, twipsRect(670, 1275, 2895, 375));

  // Below the version options, in the row the counters and the progress bar leave free.
  chkNumbersAsShown_ = named(new QCheckBox, "chkNumbersAsShown", numbersAsShown, verdana);
  pageExport_->place(chkNumbersAsShown_, twipsRect(360, 2160, 200, 375));
  lblNumbersAsShown_ = label("lblNumbersAsShown", numbersAsShown, verdana);
  setTextColour(lblNumbersAsShown_, kBlue);
  pageExport_->place(lblNumbersAsShown_, twipsRect(670, 2235, 3495, 375));
  const QString asShownAdvice = QStringLiteral(
      "Takes phone numbers, postal codes and dates as the sheet shows them (0151 2345678) "
      "rather than as stored (1512345678).");
  chkNumbersAsShown_->setToolTip(asShownAdvice);
  chkNumbersAsShown_->setAccessibleDescription(asShownAdvice);
  lblNumbersAsShown_->setToolTip(asShownAdvice);

  Label12_ =
      label("Label12", QStringLiteral("(by default Separate vCards are saved for every Contact )"),
            tahoma, QStringLiteral("By default separate vCards are saved for every contact"));
  setTextColour(Label12_, kDarkRed);
  pageExport_->place(Label12_, twipsRect(3960, 1275, 4575, 375));

  versionGroup_ = new QButtonGroup(this);
  versionGroup_->setObjectName(QStringLiteral("versionGroup"));
  versionGroup_->setExclusive(true);
  const auto option = [&](const char* objectName, const QString& caption, int left) {
    auto* widget = named(new QRadioButton(caption), objectName, caption.trimmed(), verdana);
    versionGroup_->addButton(widget);
    pageExport_->place(widget, twipsRect(left, 1680, 2175, 375));
    return widget;
  };
  Opt2_ = option("Opt2", QStringLiteral(" vCard 2.1 Version"), 360);
  Opt3_ = option("Opt3", QStringLiteral(" vCard 3.0 Version"), 2760);
  Opt4_ = option("Opt4", QStringLiteral(" vCard 4.0 Version"), 5040);
  // Where each version is taken, from what the address books accept.
  const auto advise = [](QRadioButton* button, const QString& advice) {
    button->setToolTip(advice);
    button->setAccessibleDescription(advice);
  };
  advise(Opt2_, QStringLiteral("vCard 2.1 suits older phones and some desktop mail programs. "
                               "CardDAV servers refuse it."));
  advise(Opt3_, QStringLiteral("vCard 3.0 suits most address books and both phone platforms, "
                               "Android and iPhone."));
  advise(Opt4_, QStringLiteral("vCard 4.0 suits the newest apps. The stock Android contacts app "
                               "refuses it."));
  Opt2_->setChecked(true);
  connect(Opt2_, &QRadioButton::clicked, this, &frmMain::Opt2_Click);
  connect(Opt3_, &QRadioButton::clicked, this, &frmMain::Opt3_Click);
  connect(Opt4_, &QRadioButton::clicked, this, &frmMain::Opt4_Click);

  lblNotNullLabel_ =
      label("lblNotNullLabel", QStringLiteral("Number of Empty Email Contact(s)       :"), tahoma,
            QStringLiteral("Number of Empty Email Contacts"));
  pageExport_->place(lblNotNullLabel_, twipsRect(360, 2760, 2895, 375));
  lblNotNullCount_ = label("lblNotNullCount", QStringLiteral("0"), tahoma,
                           QStringLiteral("Empty Email Contacts Count"));
  setTextColour(lblNotNullCount_, kBlue);
  pageExport_->place(lblNotNullCount_, twipsRect(3480, 2760, 2055, 255));

  contactCountLabel_ =
      label("contactCountLabel", QStringLiteral("Number of Contacts Added                  :"),
            tahoma, QStringLiteral("Number of Contacts Added"));
  pageExport_->place(contactCountLabel_, twipsRect(360, 3120, 3015, 255));
  lblContactCount_ =
      label("lblContactCount", QStringLiteral("0"), tahoma, QStringLiteral("Contacts Added Count"));
  setTextColour(lblContactCount_, kBlue);
  pageExport_->place(lblContactCount_, twipsRect(3480, 3120, 1935, 255));
  for (QLabel* counter :
       {lblNotNullLabel_, lblNotNullCount_, contactCountLabel_, lblContactCount_}) {
    counter->setVisible(false);
  }

  statusBar_ = named(new QProgressBar, "statusBar", QStringLiteral("Export Progress"), verdana);
  statusBar_->setRange(0, 100);
  statusBar_->setValue(0);
  statusBar_->setTextVisible(false);
  statusBar_->setVisible(false);
  pageExport_->place(statusBar_, twipsRect(360, 3600, 8655, 375));

  Label7_ = label("Label7", QStringLiteral("Saving Location :"), tahoma,
                  QStringLiteral("Saving Location"));
  pageExport_->place(Label7_, twipsRect(360, 4155, 1335, 255));

  txtvCardSavePath_ =
      named(new QLineEdit, "txtvCardSavePath", QStringLiteral("Saving Location"), tahoma);
  pageExport_->place(txtvCardSavePath_, twipsRect(1680, 4080, 6015, 375));

  CmdChangevCardPath_ = button("CmdChangevCardPath", QStringLiteral("Change..."),
                               QStringLiteral("Change Saving Location"), verdana);
  pageExport_->place(CmdChangevCardPath_, twipsRect(7800, 4080, 1215, 375));

  // Right of the version options it shows the card of, under Label12's end.
  cmdPreview_ =
      button("cmdPreview", QStringLiteral("&Preview..."), QStringLiteral("Preview Card"), verdana);
  cmdPreview_->setToolTip(
      QStringLiteral("Shows the card a conversion would write for each row, with the mapping and "
                     "options as they are now."));
  pageExport_->place(cmdPreview_, twipsRect(7800, 1680, 1215, 375));
  connect(cmdPreview_, &QPushButton::clicked, this, &frmMain::cmdPreview_Click);

  // Right of the counters it reports on; their captions end left of 5535 twips.
  cmdSaveReport_ = button("cmdSaveReport", QStringLiteral("&Save Report..."),
                          QStringLiteral("Save Report"), verdana);
  cmdSaveReport_->setToolTip(
      QStringLiteral("Saves what happened to every row of the last conversion as a CSV file."));
  cmdSaveReport_->setEnabled(false);
  pageExport_->place(cmdSaveReport_, twipsRect(7320, 2760, 1695, 375));
  connect(cmdSaveReport_, &QPushButton::clicked, this, &frmMain::cmdSaveReport_Click);
}

void frmMain::setFocusOrder() {
  QWidget* const order[] = {cmdBrowse_,
                            ExportTab_,
                            cmdNext_,
                            txtExcelPath_,
                            sourceExcelData_,
                            cmbHeader_,
                            cmbOutlook_,
                            cmdAddMapping_,
                            mappedList_,
                            cmdPrevious_,
                            chkNotNull_,
                            cmdRemove_,
                            cmdMatchByName_,
                            CmdChangevCardPath_,
                            txtvCardSavePath_,
                            ChkSinglevCard_,
                            chkNumbersAsShown_,
                            Opt2_,
                            Opt3_,
                            Opt4_,
                            cmdPreview_,
                            cmdSaveReport_};
  for (std::size_t i = 1; i < std::size(order); ++i) {
    QWidget::setTabOrder(order[i - 1], order[i]);
  }
}

void frmMain::centreOnScreen() {
  const QScreen* target = screen();
  if (target == nullptr) return;
  adjustSize();
  setGeometry(
      QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(), target->availableGeometry()));
}

}  // namespace quillmere::ui
