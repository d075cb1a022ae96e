#pragma once

#include <QAbstractButton>
#include <QAbstractItemModel>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QRegularExpression>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "tests/ui/FakeClock.h"
#include "tests/ui/FakePrompts.h"
#include "tests/ui/FakeShell.h"
#include "ui/frmMain.h"

namespace quillmere::ui::test {

// The real main window with scripted doubles, shown on the offscreen platform, and the
// readings a user would take of it.
struct WindowFixture {
  FakePrompts prompts;
  FakeShell shell;
  FakeClock clock;
  std::unique_ptr<frmMain> window;

  bool open() {
    keepSettingsInATestFolder();
    // Any warning is a fault, except the offscreen platform's notes on what it cannot do for
    // a window (keep size hints, raise it, grab the keyboard for an open list).
    QTest::failOnWarning(QRegularExpression(
        QStringLiteral("^(?!This plugin does not support (propagateSizeHints\\(\\)|raise\\(\\)|"
                       "grabbing the keyboard))")));
    window = std::make_unique<frmMain>(prompts, shell, clock);
    window->show();
    return QTest::qWaitForWindowExposed(window.get());
  }

  // What the window learns and keeps (pairs made by hand, options) goes to a folder of this
  // test program's own, never into the user's settings.
  static void keepSettingsInATestFolder();

  // Closes the window and forgets the doubles' scripts; a scripted answer nobody asked for
  // fails the test, as it means the window skipped a question.
  void finish();

  template <typename Widget = QWidget>
  Widget* find(const QString& name) const {
    return window->findChild<Widget*>(name);
  }

  // Clicks a button as the mouse would; a disabled button takes no click.
  void click(const char* name) const {
    auto* button = find<QAbstractButton>(QString::fromLatin1(name));
    if (button == nullptr) {
      QTest::qFail(qPrintable(QStringLiteral("no button %1").arg(QLatin1String(name))), __FILE__,
                   __LINE__);
      return;
    }
    QTest::mouseClick(button, Qt::LeftButton);
  }

  bool enabled(const char* name) const {
    auto* widget = find(QString::fromLatin1(name));
    return widget != nullptr && widget->isEnabled();
  }

  QString text(const char* name) const;

  // Browse, answered with the given file.
  void browse(const QString& file) {
    prompts.workbookAnswers.push_back(file);
    click("cmdBrowse");
  }

  // The preview grid as the user reads it: row 0 is its fixed header row, column 0 the
  // first sheet column.
  QString gridText(int row, int column) const;
  int gridDataRows() const;
  int gridColumns() const;

  QString itemsFound() const;
  // The captions their controls cut off in the fonts at hand, as "objectName: caption" (or
  // "objectName: caption (width)"): on every page, shown or not, and in the step tabs.
  QStringList clippedCaptions() const;
  QStringList comboItems(const char* name) const;
  QStringList mappedEntries() const;
  QString shownTab() const;

  // Chooses the first item with this text in a pick list, as a click in its list would.
  bool choose(const char* comboName, const QString& itemText) const;
  bool selectEntry(int row) const;
  // Chooses the header and the field and presses Add.
  bool addPair(const QString& header, const QString& field) {
    if (!choose("cmbHeader", header) || !choose("cmbOutlook", field)) return false;
    click("cmdAddMapping");
    return true;
  }
  // Loads `workbook`, ticks More Fields, pairs by name and goes on to step 3 with `folder` as
  // the saving location; the pairs Match by Name made.
  QStringList toExportMatchedByName(const QString& workbook, const QString& folder) {
    browse(workbook);
    click("cmdNext");
    QTest::mouseClick(find<QAbstractButton>(QStringLiteral("chkMoreFields")), Qt::LeftButton);
    click("cmdMatchByName");
    const QStringList pairs = mappedEntries();
    shell.defaultFolder = folder;
    click("cmdNext");
    return pairs;
  }
};

// A folder for the files one test writes, removed with it.
class TestFolder {
 public:
  QString path(const QString& name) const { return folder_.filePath(name); }
  // Writes bytes as they are; returns the file's path.
  QString write(const QString& name, const QByteArray& bytes) const;
  bool valid() const { return folder_.isValid(); }

 private:
  QTemporaryDir folder_;
};

}  // namespace quillmere::ui::test
