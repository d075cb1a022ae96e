#pragma once

#include <QCoreApplication>
#include <QString>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>

#include "core/ContactSheet.h"

namespace quillmere::ui {

class MainFrame;
class SelectPage;

// Which part of a workbook a load reads.
struct SheetChoice {
  std::size_t sheet = 0;
  std::uint32_t headerRow = 1;
  bool allColumns = false;  // the columns after an empty header cell too
};

// Step 1: the loaded sheet, and its page and notice showing it: the sheets to choose from, the
// header row, and what the load left unread or suggests. The window does the loading.
class SelectStep {
  Q_DECLARE_TR_FUNCTIONS(SelectStep)

 public:
  SelectStep(SelectPage& page, MainFrame& frame);
  ~SelectStep();

  // The sheet the last load gave; null before the first and after a reset.
  core::ContactSheet* sheet() const { return sheet_.get(); }
  // Keeps a newly loaded sheet in place of the one there was, and shows it.
  void take(std::unique_ptr<core::ContactSheet> loaded);

  // The load the sheet list and header row now ask for; none while they show what is loaded.
  std::optional<SheetChoice> chosen() const;
  // The load the notice's link asks for; none when it only sets the header row (whose change
  // then asks for the load) or there is nothing to load.
  std::optional<SheetChoice> follow(const QString& link);

  // Sets the sheet list and header row to what the loaded sheet is, and the notice to what it
  // left unread or suggests; after a failed load, they say the loaded sheet's again.
  void showLoadedSheet();
  // The workbook the path box shows: the one loaded, or the one loading.
  QString path() const;
  void showPath(const QString& path);
  // Browse goes on and off as loading may; the sheet list and header row also need a sheet.
  void allowLoading(bool allowed);
  void focusBrowse();

  // As before the first load.
  void reset();

 private:
  SelectPage& page_;
  MainFrame& frame_;
  std::unique_ptr<core::ContactSheet> sheet_;
};

}  // namespace quillmere::ui
