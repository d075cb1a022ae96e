#pragma once

#include <QCoreApplication>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTableView;

namespace quillmere::source {
class SheetPreview;
}

namespace quillmere::ui {

class PreviewModel;
class TabPage;

// Step 1: the chosen workbook's path, Browse..., the sheet and header row to read, and the
// grid previewing that sheet.
// It keeps the controls the window's handlers work with; Qt owns them all.
class SelectPage {
  Q_DECLARE_TR_FUNCTIONS(SelectPage)

 public:
  explicit SelectPage(TabPage& page);

  // Shows a newly loaded sheet from its top, on yellow when it has rows.
  void showPreview(source::SheetPreview preview);
  // The rows the grid shows, its header row first.
  const source::SheetPreview& preview() const;

  QLineEdit* txtExcelPath = nullptr;
  QPushButton* cmdBrowse = nullptr;
  QTableView* sourceExcelData = nullptr;
  // The worksheets to choose from, each item's data its place in the workbook's tab order.
  QComboBox* cmbSheet = nullptr;
  // The row the headers are in: 1 unless the user says otherwise.
  QSpinBox* spnHeaderRow = nullptr;

 private:
  PreviewModel* preview_ = nullptr;
};

}  // namespace quillmere::ui
