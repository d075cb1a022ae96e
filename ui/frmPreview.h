#pragma once

#include <QDialog>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/ColumnMapping.h"
#include "core/ContactSheet.h"
#include "core/ExportOptions.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace quillmere::core {
class RecordPreview;
}

namespace quillmere::ui {

// A small modeless window showing the record a conversion would write for one data row, in
// a fixed-width font, with buttons to step through the rows. It keeps a cursor on the loaded
// sheet's rows while it is shown, so a step onwards reads on from where it stands. Closing
// it destroys it.
class frmPreview : public QDialog {
  Q_OBJECT

 public:
  // Shows the first data row of `sheet` with the mapped columns; `sheet` and `options` must
  // outlive the window, which asks the options each time it shows a card.
  frmPreview(QWidget* owner, core::ContactSheet& sheet, std::vector<core::ColumnPair> columns,
             core::ExportOptions& options);
  ~frmPreview() override;

  // Shows the current row's card again, for options that have changed.
  void refresh();

  // The record shown, byte for byte as the conversion writes it before its line end; empty
  // when no card is shown.
  const std::string& recordText() const { return record_; }

  // Escape and the close box close the window for good.
  void reject() override;

 private slots:
  void cmdPreviousRow_Click();
  void cmdNextRow_Click();
  void cmdClose_Click();

 private:
  void open(core::ContactSheet& sheet, std::vector<core::ColumnPair> columns);
  void moveTo(int index);
  void showProblem(const QString& problem);
  void showButtons();

  core::ExportOptions& options_;
  std::optional<core::SheetRows> rows_;
  std::unique_ptr<core::RecordPreview> preview_;
  std::string record_;
  bool walking_ = false;  // reading on to a row, with events let through meanwhile
  bool closing_ = false;  // closed during a walk; goes once the walk has stopped
  bool failed_ = false;   // a problem is shown in place of a card

  QLabel* lblRow_;
  QLabel* lblFile_;
  QPlainTextEdit* txtRecord_;
  QPushButton* cmdPreviousRow_;
  QPushButton* cmdNextRow_;
  QPushButton* cmdClose_;
};

}  // namespace quillmere::ui
