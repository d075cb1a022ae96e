#include "ui/SelectPage.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
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

  txtExcelPath = named(new QLineEdit, "txtExcelPath", tr("Select Excel File"), Fonts::tahoma());
  // The path comes from Browse... only; typing one would load nothing.
  txtExcelPath->setReadOnly(true);
  // The box would take a dropped file's name as text; the window loads the file instead.
  txtExcelPath->setAcceptDrops(false);
  page.place(txtExcelPath, twipsRect(1560, 600, 6255, 375));

  cmdBrowse = controls::button("cmdBrowse", tr("Browse..."), tr("Browse"), Fonts::verdana());
  page.place(cmdBrowse, twipsRect(7920, 600, 1215, 375));

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
  cmbSheet = controls::dropDownList("cmbSheet", tr("Sheet"));
  cmbSheet->setFont(Fonts::tahoma());
  cmbSheet->setEnabled(false);
  QLabel* sheetLabel = label("lblSheet", tr("S&heet:"), Fonts::tahoma(), tr("Sheet"));
  sheetLabel->setBuddy(cmbSheet);
  sheetLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  page.place(sheetLabel, twipsRect(2040, 1470, 720, 315));
  page.place(cmbSheet, twipsRect(2820, 1470, 3000, 315));

  spnHeaderRow = named(new QSpinBox, "spnHeaderRow", tr("Headers in row"), Fonts::tahoma());
  // Up to the last row a sheet can have.
  spnHeaderRow->setRange(1, static_cast<int>(source::kMaxGridRows));
  // A sheet loads once the number is entered, not at every digit typed.
  spnHeaderRow->setKeyboardTracking(false);
  spnHeaderRow->setEnabled(false);
  QLabel* rowLabel =
      label("lblHeaderRow", tr("Headers in &row:"), Fonts::tahoma(), tr("Headers in row"));
  rowLabel->setBuddy(spnHeaderRow);
  rowLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  page.place(rowLabel, twipsRect(5880, 1470, 1635, 315));
  page.place(spnHeaderRow, twipsRect(7560, 1470, 1575, 315));
  page.place(controls::line("Line1"), QRect(twips(240), twips(1800), twips(9120 - 240), 1));

  // Grid row 0 is the fixed header row that stays put while the data scroll: the table's
  // horizontal header. Column 0 is the vertical header, hidden by frmMain's Form_Load.
  sourceExcelData =
      named(new QTableView, "sourceExcelData", tr("Excel File Preview"), Fonts::verdana());
  preview_ = new PreviewModel(sourceExcelData);
  sourceExcelData->setModel(preview_);
  sourceExcelData->setEditTriggers(QAbstractItemView::NoEditTriggers);
  // Tab leaves the grid for the next control; the arrow keys move inside it.
  sourceExcelData->setTabKeyNavigation(false);
  sourceExcelData->setWordWrap(false);
  sourceExcelData->horizontalHeader()->setHighlightSections(false);
  // Rows one line of text high, as a spreadsheet shows them.
  sourceExcelData->verticalHeader()->setMinimumSectionSize(1);
  sourceExcelData->verticalHeader()->setDefaultSectionSize(QFontMetrics(Fonts::verdana()).height() +
                                                           4);
  page.place(sourceExcelData, twipsRect(240, 1920, 8895, 2655));
}

void SelectPage::showPreview(source::SheetPreview preview) {
  const bool anyRows = preview.rowCount() > 0;
  preview_->setPreview(std::move(preview));
  // An empty sheet leaves the grid in the window's colour for boxes.
  QPalette grid = sourceExcelData->palette();
  grid.setColor(QPalette::Base, anyRows
                                    ? kPreviewYellow
                                    : sourceExcelData->window()->palette().color(QPalette::Base));
  sourceExcelData->setPalette(grid);
  sourceExcelData->scrollToTop();
}

const source::SheetPreview& SelectPage::preview() const {
  return preview_->preview();
}

}  // namespace quillmere::ui
