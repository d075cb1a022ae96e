#pragma once

#include <QCoreApplication>
#include <QString>
#include <cstddef>
#include <functional>
#include <optional>
#include <vector>

#include "ui/FocusOrder.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QObject;
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
// grid previewing that sheet. It shows what the step gives it and tells the window when the
// user acts on its controls; Qt owns them all.
class SelectPage {
  Q_DECLARE_TR_FUNCTIONS(SelectPage)

 public:
  // A worksheet to choose: its name as the list shows it and its place in the workbook's tab
  // order.
  struct Sheet {
    QString name;
    std::size_t place = 0;
  };

  explicit SelectPage(TabPage& page);

  // The workbook's path as the box shows it.
  QString path() const;
  void setPath(const QString& path);
  void clearPath();

  // Offers `sheets`, the one at place `chosen` current, and `headerRow`; the controls signal
  // nothing meanwhile.
  void showSheets(const std::vector<Sheet>& sheets, std::optional<std::size_t> chosen,
                  int headerRow);
  // The place of the sheet the list shows; none while it offers none.
  std::optional<std::size_t> chosenSheet() const;
  QString chosenSheetName() const;
  // What a screen reader calls the sheet list.
  void nameSheetList(const QString& name);
  int headerRow() const;
  // The row the headers are in, as if the user had entered it.
  void setHeaderRow(int row);

  void enableBrowse(bool enabled);
  void enableSheetChoice(bool enabled);
  void focusBrowse();

  // Shows a newly loaded sheet from its top, on yellow when it has rows.
  void showPreview(source::SheetPreview preview);
  // The rows the grid shows, its header row first.
  const source::SheetPreview& preview() const;

  // Each runs its handler, on `receiver` while it lives, when the user acts.
  void onBrowse(QObject& receiver, std::function<void()> handler);
  void onSheetChosen(QObject& receiver, std::function<void()> handler);
  void onHeaderRowChanged(QObject& receiver, std::function<void()> handler);
  FocusOrder focusOrder() const;

 private:
  QLineEdit* txtExcelPath_ = nullptr;
  QPushButton* cmdBrowse_ = nullptr;
  QTableView* sourceExcelData_ = nullptr;
  // The worksheets to choose from, each item's data its place in the workbook's tab order.
  QComboBox* cmbSheet_ = nullptr;
  // The row the headers are in: 1 unless the user says otherwise.
  QSpinBox* spnHeaderRow_ = nullptr;
  PreviewModel* preview_ = nullptr;
};

}  // namespace quillmere::ui
