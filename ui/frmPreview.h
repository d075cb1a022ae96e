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
class PictureShrinker;
struct PreviewCard;
class RecordPreview;
}  // namespace quillmere::core

namespace quillmere::ui {

// A small modeless window showing the record a conversion would write for one data row, in
// a fixed-width font, with buttons to step through the rows. It keeps a cursor on the loaded
// sheet's rows while it is shown, so a step onwards reads on from where it stands. Closing
// it destroys it.
class frmPreview : public QDialog {
  Q_OBJECT

 public:
  // Shows the first data row of `sheet` with the mapped columns; `sheet` and `options` must
  // outlive the window, which asks the options each time it shows a card. With a Photo column
  // the window is wider: the card's photo, made by `pictures`, and the row's notes stand
  // beside the text.
  frmPreview(QWidget* owner, core::ContactSheet& sheet, std::vector<core::ColumnPair> columns,
             core::ExportOptions& options, const core::PictureShrinker* pictures);
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
  // The photo and notes beside the text, when the window has them; none for no card.
  void showPhoto(const core::PreviewCard* card);
  void showButtons();

  core::ExportOptions& options_;
  const core::PictureShrinker* pictures_;
  std::optional<core::SheetRows> rows_;
  std::unique_ptr<core::RecordPreview> preview_;
  std::string record_;
  bool walking_ = false;  // reading on to a row, with events let through meanwhile
  bool closing_ = false;  // closed during a walk; goes once the walk has stopped
  bool failed_ = false;   // a problem is shown in place of a card

  QLabel* lblRow_;
  QLabel* lblFile_;
  QPlainTextEdit* txtRecord_;
  QLabel* lblPhoto_ = nullptr;  // only with a Photo column, as is lblNotes_
  QLabel* lblNotes_ = nullptr;
  QPushButton* cmdPreviousRow_;
  QPushButton* cmdNextRow_;
  QPushButton* cmdClose_;
};

}  // namespace quillmere::ui
