#include "ui/SelectPage.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTableView>
#include <QVariant>
#include <utility>

#include "source/CellReference.h"
#include "source/load/SheetPreview.h"
#include "ui/Controls.h"
#include "ui/Fonts.h"
#include "ui/PreviewModel.h"
#include "ui/SeparatorLine.h"
#include "ui/TabPage.h"
#include "ui/Twips.h"

namespace quillmere::ui {

using controls::label;
using controls::named;

namespace {

const QColor kDarkBlue(0, 0, 192);
const QColor kPreviewYellow(255, 255, 0);

}  // namespace

SelectPage::SelectPage(TabPage& page) {
  page.place(label("Label1", tr("Select Excel File :"), Fonts::tahoma(), tr("Select Excel File")),
             twipsRect(240, 670, 1335, 255));

  txtExcelPath_ = named(new QLineEdit, "txtExcelPath", tr("Select Excel File"), Fonts::tahoma());
  // The path comes from Browse... only; typing one would load nothing.
  txtExcelPath_->setReadOnly(true);
  // The box would take a dropped file's name as text; the window loads the file instead.
  txtExcelPath_->setAcceptDrops(false);
  page.place(txtExcelPath_, twipsRect(1560, 600, 6255, 375));

  cmdBrowse_ = controls::button("cmdBrowse", tr("Browse..."), tr("Browse"), Fonts::verdana());
  page.place(cmdBrowse_, twipsRect(7920, 600, 1215, 375));

  QLabel* formats = label("Label13",
                          tr("Supports Excel 2003 Files (*.xls), Excel 2007,2010, 2013 "
                             "Files (*.xlsx) & CSV Files (*.csv)"),
                          Fonts::tahoma());
  // Plain text: "&" is an ordinary character in a label without a buddy.
  formats->setTextFormat(Qt::PlainText);
  controls::setTextColour(formats, kDarkBlue);
  page.place(formats, twipsRect(1560, 1080, 7215, 255));

  page.place(label("Label6", tr("Excel File Preview"), Fonts::tahoma()),
             twipsRect(240, 1560, 1695, 255));

  // Which sheet and which row of headers, on the preview's title line they describe.
  cmbSheet_ = controls::dropDownList("cmbSheet", tr("Sheet"));
  cmbSheet_->setFont(Fonts::tahoma());
  cmbSheet_->setEnabled(false);
  QLabel* sheetLabel = label("lblSheet", tr("S&heet:"), Fonts::tahoma(), tr("Sheet"));
  sheetLabel->setBuddy(cmbSheet_);
  sheetLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  page.place(sheetLabel, twipsRect(2040, 1470, 720, 315));
  page.place(cmbSheet_, twipsRect(2820, 1470, 3000, 315));

  spnHeaderRow_ = named(new QSpinBox, "spnHeaderRow", tr("Headers in row"), Fonts::tahoma());
  // Up to the last row a sheet can have.
  spnHeaderRow_->setRange(1, static_cast<int>(source::kMaxGridRows));
  // A sheet loads once the number is entered, not at every digit typed.
  spnHeaderRow_->setKeyboardTracking(false);
  spnHeaderRow_->setEnabled(false);
  QLabel* rowLabel =
      label("lblHeaderRow", tr("Headers in &row:"), Fonts::tahoma(), tr("Headers in row"));
  rowLabel->setBuddy(spnHeaderRow_);
  rowLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  page.place(rowLabel, twipsRect(5880, 1470, 1635, 315));
  page.place(spnHeaderRow_, twipsRect(7560, 1470, 1575, 315));
  page.place(controls::line("Line1"), QRect(twips(240), twips(1800), twips(9120 - 240), 1));

  // Grid row 0 is the fixed header row that stays put while the data scroll: the table's
  // horizontal header. The fixed column 0 is the vertical header; hiding it is the grid's
  // "width 0".
  sourceExcelData_ =
      named(new QTableView, "sourceExcelData", tr("Excel File Preview"), Fonts::verdana());
  preview_ = new PreviewModel(sourceExcelData_);
  sourceExcelData_->setModel(preview_);
  sourceExcelData_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  // Tab leaves the grid for the next control; the arrow keys move inside it.
  sourceExcelData_->setTabKeyNavigation(false);
  sourceExcelData_->setWordWrap(false);
  sourceExcelData_->verticalHeader()->setVisible(false);
  sourceExcelData_->horizontalHeader()->setHighlightSections(false);
  // Rows one line of text high, as a spreadsheet shows them.
  sourceExcelData_->verticalHeader()->setMinimumSectionSize(1);
  sourceExcelData_->verticalHeader()->setDefaultSectionSize(
      QFontMetrics(Fonts::verdana()).height() + 4);
  page.place(sourceExcelData_, twipsRect(240, 1920, 8895, 2655));
}

void SelectPage::showPreview(source::SheetPreview preview) {
  const bool anyRows = preview.rowCount() > 0;
  preview_->setPreview(std::move(preview));
  // An empty sheet leaves the grid in the window's colour for boxes.
  QPalette grid = sourceExcelData_->palette();
  grid.setColor(QPalette::Base, anyRows
                                    ? kPreviewYellow
                                    : sourceExcelData_->window()->palette().color(QPalette::Base));
  sourceExcelData_->setPalette(grid);
  sourceExcelData_->scrollToTop();
}

const source::SheetPreview& SelectPage::preview() const {
  return preview_->preview();
}

QString SelectPage::path() const {
  return txtExcelPath_->text();
}

void SelectPage::setPath(const QString& path) {
  txtExcelPath_->setText(path);
}

void SelectPage::clearPath() {
  txtExcelPath_->clear();
}

void SelectPage::showSheets(const std::vector<Sheet>& sheets, std::optional<std::size_t> chosen,
                            int headerRow) {
  const QSignalBlocker quietSheets(cmbSheet_);
  const QSignalBlocker quietRow(spnHeaderRow_);
  cmbSheet_->clear();
  for (const Sheet& sheet : sheets) {
    cmbSheet_->addItem(sheet.name, QVariant::fromValue<qulonglong>(sheet.place));
    if (sheet.place == chosen) cmbSheet_->setCurrentIndex(cmbSheet_->count() - 1);
  }
  spnHeaderRow_->setValue(headerRow);
}

std::optional<std::size_t> SelectPage::chosenSheet() const {
  const QVariant sheet = cmbSheet_->currentData();
  if (!sheet.isValid()) return std::nullopt;
  return sheet.value<qulonglong>();
}

QString SelectPage::chosenSheetName() const {
  return cmbSheet_->currentText();
}

void SelectPage::nameSheetList(const QString& name) {
  cmbSheet_->setAccessibleName(name);
}

int SelectPage::headerRow() const {
  return spnHeaderRow_->value();
}

void SelectPage::setHeaderRow(int row) {
  spnHeaderRow_->setValue(row);
}

void SelectPage::enableBrowse(bool enabled) {
  cmdBrowse_->setEnabled(enabled);
}

void SelectPage::enableSheetChoice(bool enabled) {
  cmbSheet_->setEnabled(enabled);
  spnHeaderRow_->setEnabled(enabled);
}

void SelectPage::focusBrowse() {
  cmdBrowse_->setFocus();
}

void SelectPage::onBrowse(QObject& receiver, std::function<void()> handler) {
  QObject::connect(cmdBrowse_, &QPushButton::clicked, &receiver, std::move(handler));
}

void SelectPage::onSheetChosen(QObject& receiver, std::function<void()> handler) {
  QObject::connect(cmbSheet_, &QComboBox::activated, &receiver, std::move(handler));
}

void SelectPage::onHeaderRowChanged(QObject& receiver, std::function<void()> handler) {
  QObject::connect(spnHeaderRow_, &QSpinBox::valueChanged, &receiver, std::move(handler));
}

FocusOrder SelectPage::focusOrder() const {
  return {{cmdBrowse_}, {txtExcelPath_, cmbSheet_, spnHeaderRow_, sourceExcelData_}};
}

}  // namespace quillmere::ui
