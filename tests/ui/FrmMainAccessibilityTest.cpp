#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <vector>

#include "tests/ui/WindowFixture.h"

using quillmere::ui::Prompts;
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

  // A screen reader's walk through the three steps: each control by role and the name it
  // says now, the notice's link as a link that acts, a pair in words.
  void eachStepIsHeardAsItShows() {
    struct Heard {
      const char* object;
      QAccessible::Role role;
      QString name;
    };
    const auto check = [&](const std::vector<Heard>& table) {
      for (const Heard& want : table) {
        QAccessibleInterface* control = spoken(QString::fromLatin1(want.object));
        QVERIFY2(control != nullptr, want.object);
        QCOMPARE(control->role(), want.role);
        QCOMPARE(control->text(QAccessible::Name), want.name);
        QVERIFY2(!control->state().invisible, want.object);
      }
    };
    fixture.browse(folder.write(QStringLiteral("titled.csv"),
                                "Our friends\r\nFirst Name,E-mail\r\nAnn,ann@example.org\r\n"));
    check({{"lblLoadNotice", QAccessible::StaticText,
            QStringLiteral("Row 1 looks like a title: the headers seem to be in row 2. Column B "
                           "holds data but is not read: the headers end at the first empty cell "
                           "of row 1, B1. Fill in the missing headers to read it.")},
           {"lnkLoadNotice", QAccessible::Link, QStringLiteral("Read the headers from row 2")},
           {"cmdNext", QAccessible::Button, QStringLiteral("Next")}});
    QVERIFY(spoken(QStringLiteral("lnkLoadNotice"))->state().focusable);
    spoken(QStringLiteral("lnkLoadNotice"))
        ->actionInterface()
        ->doAction(QAccessibleActionInterface::pressAction());
    QVERIFY(spoken(QStringLiteral("lblLoadNotice"))->state().invisible);

    fixture.click("cmdNext");
    fixture.click("cmdMatchByName");
    QAccessibleInterface* list = spoken(QStringLiteral("mappedList"));
    QCOMPARE(list->role(), QAccessible::List);
    QStringList entries;
    for (int i = 0; i < list->childCount(); ++i)
      entries << list->child(i)->text(QAccessible::Name);
    QCOMPARE(entries, QStringList({QStringLiteral("First Name to FirstName"),
                                   QStringLiteral("E-mail to EmailAddress")}));
    check({{"cmdAddMapping", QAccessible::Button, QStringLiteral("Add")},
           {"cmdMatchByName", QAccessible::Button, QStringLiteral("Match by Name")}});
    auto* pairs = fixture.find<QListWidget>(QStringLiteral("mappedList"));
    pairs->setFocus();
    pairs->setCurrentRow(1);
    QVERIFY(list->child(1)->state().focused);

    fixture.shell.defaultFolder = folder.path(QString());
    fixture.click("cmdNext");
    check({{"cmdNext", QAccessible::Button, QStringLiteral("Convert")},
           {"cmbDestination", QAccessible::ComboBox, QStringLiteral("Any app")}});
    // Step 2's list, hidden now, holds no focus and shows nothing; nor does a closed list of
    // countries.
    for (int i = 0; i < list->childCount(); ++i) {
      QVERIFY2(!list->child(i)->state().focused,
               qPrintable(list->child(i)->text(QAccessible::Name)));
    }
    QAccessibleInterface* countries = spoken(QStringLiteral("cmbPhoneCountry"));
    int showing = 0;
    for (int i = 0; i < countries->childCount(); ++i) {
      QAccessibleInterface* popup = countries->child(i);
      for (int j = 0; popup != nullptr && j < popup->childCount(); ++j)
        showing += popup->child(j)->state().invisible ? 0 : 1;
    }
    QCOMPARE(showing, 0);
    // Back on step 2 the pair chosen is still the one chosen.
    fixture.click("cmdPrevious");
    QVERIFY(list->child(1)->state().focused && list->child(1)->state().selected);
    fixture.click("cmdNext");
    // Open, it shows the entries in its room; closed again, none.
    auto* combo = fixture.find<QComboBox>(QStringLiteral("cmbDestination"));
    QAccessibleInterface* destinations = spoken(QStringLiteral("cmbDestination"));
    const auto shown = [&] {
      int count = 0;
      for (int i = 0; i < destinations->childCount(); ++i) {
        QAccessibleInterface* popup = destinations->child(i);
        for (int j = 0; popup != nullptr && j < popup->childCount(); ++j)
          count += popup->child(j)->state().invisible ? 0 : 1;
      }
      return count;
    };
    for (int opened = 0; opened < 2; ++opened) {
      combo->showPopup();
      QTRY_COMPARE(shown(), combo->count());
      combo->hidePopup();
      QTRY_COMPARE(shown(), 0);
    }
    fixture.prompts.messageAnswers.push_back(Prompts::Answer::Yes);
    fixture.click("cmdNext");
    check({{"lblContactCount", QAccessible::StaticText,
            QStringLiteral("Number of Contacts Added: 1/1")}});
  }

  void focusFollowsTheLayoutsOrder() {
    const QStringList order = {QStringLiteral("cmdBrowse"),
                               QStringLiteral("ExportTab"),
                               QStringLiteral("cmdNext"),
                               QStringLiteral("txtExcelPath"),
                               QStringLiteral("sourceExcelData"),
                               QStringLiteral("cmbHeader"),
                               QStringLiteral("cmbOutlook"),
                               QStringLiteral("cmdAddMapping"),
                               QStringLiteral("mappedList"),
                               QStringLiteral("cmdPrevious"),
                               QStringLiteral("chkNotNull"),
                               QStringLiteral("cmdRemove"),
                               QStringLiteral("cmdMatchByName"),
                               QStringLiteral("chkMoreFields"),
                               QStringLiteral("CmdChangevCardPath"),
                               QStringLiteral("txtvCardSavePath"),
                               QStringLiteral("ChkSinglevCard"),
                               QStringLiteral("chkNumbersAsShown"),
                               QStringLiteral("chkInternationalPhones"),
                               QStringLiteral("cmbPhoneCountry"),
                               QStringLiteral("Opt2"),
                               QStringLiteral("Opt3"),
                               QStringLiteral("Opt4"),
                               QStringLiteral("cmdPreview"),
                               QStringLiteral("cmdSaveReport")};
    QWidget* first = fixture.find(order.front());
    QVERIFY(first != nullptr);
    // Walk the focus chain once round and note where each control (or the widget it hands
    // its focus to) comes.
    QStringList seen;
    QWidget* widget = first;
    do {
      for (const QString& name : order) {
        QWidget* control = fixture.find(name);
        if (control != nullptr && (widget == control || widget == control->focusProxy()) &&
            !seen.contains(name)) {
          seen << name;
        }
      }
      widget = widget->nextInFocusChain();
    } while (widget != first && widget != nullptr);
    QCOMPARE(seen, order);
    QCOMPARE(QApplication::focusWidget(), first);
  }

  void everyControlHasASpokenName() {
    const QList<QWidget*> widgets = fixture.window->findChildren<QWidget*>();
    int named = 0;
    for (QWidget* widget : widgets) {
      if (widget->objectName().isEmpty() || widget->objectName().startsWith(QLatin1String("qt_")))
        continue;
      QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(widget);
      QVERIFY2(spoken != nullptr, qPrintable(widget->objectName()));
      // A status panel is heard as what it shows, which may be nothing yet.
      const auto* panel = qobject_cast<QLabel*>(widget);
      if (panel != nullptr &&
          panel->parentWidget() == fixture.find(QStringLiteral("statusIndicator")) &&
          panel->text().isEmpty())
        continue;
      QVERIFY2(!spoken->text(QAccessible::Name).trimmed().isEmpty(),
               qPrintable(widget->objectName()));
      ++named;
    }
    QVERIFY(named >= 40);
  }

  void spokenNamesComeFromTheVisibleLabels_data() {
    QTest::addColumn<QString>("name");
    QTest::newRow("cmbHeader") << QStringLiteral("Excel Fields");
    QTest::newRow("cmbOutlook") << QStringLiteral("vCard Fields");
    QTest::newRow("txtvCardSavePath") << QStringLiteral("Saving Location");
    QTest::newRow("txtExcelPath") << QStringLiteral("Select Excel File");
    QTest::newRow("sourceExcelData") << QStringLiteral("Excel File Preview");
    QTest::newRow("chkNotNull") << QStringLiteral("Allow Empty Email Addresses to be Imported");
    QTest::newRow("ChkSinglevCard") << QStringLiteral("Single vCard File for All Contacts");
    QTest::newRow("chkNumbersAsShown") << QStringLiteral("Keep Numbers as Shown in the Sheet");
    QTest::newRow("Opt3") << QStringLiteral("vCard 3.0 Version");
    QTest::newRow("cmdBrowse") << QStringLiteral("Browse");
    QTest::newRow("cmdPrevious") << QStringLiteral("Previous");
    QTest::newRow("cmdMatchByName") << QStringLiteral("Match by Name");
    QTest::newRow("cmdPreview") << QStringLiteral("Preview Card");
    QTest::newRow("cmdSaveReport") << QStringLiteral("Save Report");
  }

  void spokenNamesComeFromTheVisibleLabels() {
    QFETCH(QString, name);
    QWidget* widget = fixture.find(QString::fromLatin1(QTest::currentDataTag()));
    QVERIFY(widget != nullptr);
    QCOMPARE(widget->accessibleName(), name);
  }
};

QTEST_MAIN(FrmMainAccessibilityTest)
#include "FrmMainAccessibilityTest.moc"
