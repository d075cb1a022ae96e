#pragma once

class QLineEdit;
class QPushButton;
class QTableView;

namespace quillmere::source {
class SheetPreview;
}

namespace quillmere::ui {

class PreviewModel;
class TabPage;

// Step 1: the chosen workbook's path, Browse..., and the grid previewing its first sheet.
// It keeps the controls the window's handlers work with; Qt owns them all.
class SelectPage {
 public:
  explicit SelectPage(TabPage& page);

  // Shows a newly loaded sheet from its top, on yellow when it has rows.
  void showPreview(source::SheetPreview preview);

  QLineEdit* txtExcelPath = nullptr;
  QPushButton* cmdBrowse = nullptr;
  QTableView* sourceExcelData = nullptr;

 private:
  PreviewModel* preview_ = nullptr;
};

}  // namespace quillmere::ui
