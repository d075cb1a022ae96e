#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QTest>

#include "tests/ui/WindowFixture.h"

using quillmere::ui::test::TestFolder;
using quillmere::ui::test::WindowFixture;

class FrmMainAccessibilityTest : public QObject {
  Q_OBJECT

 private:
  WindowFixture fixture;
  TestFolder folder;

  QAccessibleInterface* spoken(const QString& name) const {
    return QAccessible::queryAccessibleInterface(fixture.find(name));
  }

 private slots:
  void initTestCase() { QAccessible::setActive(true); }
  void init() { QVERIFY(fixture.open()); }
  void cleanup() { fixture.finish(); }

  void switchedOffStepTabsAreHeardAsDisabled() {
    auto* tabs = fixture.find<QTabWidget>(QStringLiteral("ExportTab"));
    QAccessibleInterface* bar = QAccessible::queryAccessibleInterface(tabs->tabBar());
    QVERIFY(bar != nullptr);
    QCOMPARE(bar->role(), QAccessible::PageTabList);
    QCOMPARE(bar->childCount(), 3);
    const QStringList names = {QStringLiteral("1. Select"), QStringLiteral("2. Map Columns"),
                               QStringLiteral("3. Export")};
    for (int i = 0; i < 3; ++i) {
      QAccessibleInterface* tab = bar->child(i);
      QVERIFY(tab != nullptr);
      QCOMPARE(tab->role(), QAccessible::PageTab);
      QCOMPARE(tab->text(QAccessible::Name), names[i]);
      QCOMPARE(tab->state().disabled, i != 0);
      QCOMPARE(tab->state().selected, i == 0);
      QCOMPARE(bar->indexOfChild(tab), i);
    }
    fixture.browse(folder.write(QStringLiteral("a.csv"), "Name\r\nAnn\r\n"));
    fixture.click("cmdNext");
    QVERIFY(bar->child(0)->state().disabled);
    QVERIFY(!bar->child(1)->state().disabled);
    QVERIFY(bar->child(1)->state().selected);
  }

  void separatorLinesAreHeardAsSeparators() {
    for (const char* name : {"Line1", "Line2", "Line3"}) {
      QAccessibleInterface* line = spoken(QString::fromLatin1(name));
      QVERIFY2(line != nullptr, name);
      QCOMPARE(line->role(), QAccessible::Separator);
    }
  }

  void statusPanelsAreHeardAsWhatTheyShow() {
    QCOMPARE(spoken(QStringLiteral("panelProduct"))->text(QAccessible::Name),
             QStringLiteral("Quillmere"));
    fixture.browse(folder.write(QStringLiteral("a.csv"), "Name\r\nAnn\r\nBob\r\n"));
    QCOMPARE(spoken(QStringLiteral("panelItems"))->text(QAccessible::Name),
             QStringLiteral("Items Found:  2"));
  }

  void theGridExposesOnlyTheCellsTheSheetHas() {
    QAccessibleInterface* grid = spoken(QStringLiteral("sourceExcelData"));
    QVERIFY(grid != nullptr);
    QVERIFY2(grid->childCount() < 10, qPrintable(QString::number(grid->childCount())));
    fixture.browse(folder.write(QStringLiteral("a.csv"), "Name,Mail\r\nAnn,a@x\r\nBob,b@x\r\n"));
    QAccessibleTableInterface* table = grid->tableInterface();
    QVERIFY(table != nullptr);
    QCOMPARE(table->rowCount(), 2);
    QCOMPARE(table->columnCount(), 2);
    QCOMPARE(table->cellAt(1, 1)->text(QAccessible::Name), QStringLiteral("b@x"));
  }

  void tabLeavesThePreviewGridInBothDirections() {
    fixture.browse(folder.write(QStringLiteral("a.csv"), "Name,Mail\r\nAnn,a@x\r\nBob,b@x\r\n"));
    auto* grid = fixture.find<QTableView>(QStringLiteral("sourceExcelData"));
    grid->setFocus();
    grid->setCurrentIndex(grid->model()->index(0, 0));
    QTest::keyClick(grid, Qt::Key_Tab);
    QVERIFY(QApplication::focusWidget() != grid);
    grid->setFocus();
    QTest::keyClick(grid, Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(QApplication::focusWidget(), fixture.find(QStringLiteral("spnHeaderRow")));
    // The arrows still move inside it.
    grid->setFocus();
    grid->setCurrentIndex(grid->model()->index(0, 0));
    QTest::keyClick(grid, Qt::Key_Right);
    QCOMPARE(grid->currentIndex().column(), 1);
  }
};

QTEST_MAIN(FrmMainAccessibilityTest)
#include "FrmMainAccessibilityTest.moc"
