#include <QAction>
#include <QComboBox>
#include <QPalette>
#include <QTableView>
#include <QTest>
#include <QTimer>

#include "tests/ui/SheetFiles.h"
#include "tests/ui/WindowFixture.h"

using quillmere::ui::Prompts;
using quillmere::ui::test::contactRows;
using quillmere::ui::test::kLongListRows;
using quillmere::ui::test::longContactList;
using quillmere::ui::test::TestFolder;
using quillmere::ui::test::WindowFixture;
using quillmere::ui::test::writeXlsx;
using quillmere::ui::test::writeXlsxBesideManyStrings;

namespace {

QString corpus(const char* name) {
  return QStringLiteral(QUILLMERE_CORPUS_DIR "/files/") + QLatin1String(name);
}

QByteArray rows(int count, const QByteArray& header = "Name,Mail,Phone") {
  QByteArray csv = header + "\r\n";
  for (int r = 1; r <= count; ++r) {
    csv += "Name " + QByteArray::number(r) + ",m" + QByteArray::number(r) + "@example.org," +
           QByteArray::number(1000 + r) + "\r\n";
  }
  return csv;
}

}  // namespace

class FrmMainLoadTest : public QObject {
  Q_OBJECT

 private:
  WindowFixture fixture;
  TestFolder folder;

  // Loads a first workbook, pairs Name with FullName and comes back to step 1.
  void loadAndMapName(const QString& file) {
    fixture.browse(file);
    fixture.click("cmdNext");
    QVERIFY(fixture.addPair(QStringLiteral("Name"), QStringLiteral("FullName")));
    fixture.click("cmdPrevious");
    QCOMPARE(fixture.window->currentStep(), 1);
  }

 private slots:
  void init() { QVERIFY(fixture.open()); }
  void cleanup() { fixture.finish(); }

  void aLoadShowsTheSheetInTheGridAndCountsItsDataRows() {
    QByteArray csv = rows(12);
    csv += "\r\n,,\r\n";  // two empty rows inside the data
    csv += rows(13).mid(QByteArray("Name,Mail,Phone\r\n").size()).replace("Name ", "Later ");
    fixture.browse(folder.write(QStringLiteral("contacts.csv"), csv));
    QCOMPARE(fixture.itemsFound(), QStringLiteral("Items Found:  25"));
    QCOMPARE(fixture.gridText(0, 0), QStringLiteral("Name"));
    QCOMPARE(fixture.gridText(0, 2), QStringLiteral("Phone"));
    QCOMPARE(fixture.gridText(12, 1), QStringLiteral("m12@example.org"));
    // The rows after the empty ones move up.
    QCOMPARE(fixture.gridText(13, 0), QStringLiteral("Later 1"));
    QCOMPARE(fixture.gridText(25, 2), QStringLiteral("1013"));
    QCOMPARE(fixture.gridDataRows(), 25);
    QCOMPARE(fixture.gridColumns(), 3);
    auto* grid = fixture.find<QTableView>(QStringLiteral("sourceExcelData"));
    QCOMPARE(grid->palette().color(QPalette::Base), QColor(255, 255, 0));
    QCOMPARE(fixture.window->sheetTable().rowsFound, 26);
  }

  // A text file under a spreadsheet's name loads, and the status bar says it was read as text;
  // a real workbook or a .csv says nothing of the kind.
  void aTextFileNamedAsAWorkbookIsSaidToBeReadAsText_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("said");
    const TestFolder& files = folder;
    const QByteArray text = rows(2);
    QTest::newRow("text named .xls")
        << files.write(QStringLiteral("list.xls"), text)
        << QStringLiteral("list.xls is a text file, not an Excel workbook: it was read as text");
    QTest::newRow("text named .XLSX")
        << files.write(QStringLiteral("list.XLSX"), text)
        << QStringLiteral("list.XLSX is a text file, not an Excel workbook: it was read as text");
    QTest::newRow("a .csv") << files.write(QStringLiteral("list.csv"), text) << QString();
    QTest::newRow("a real .xls") << corpus("xlrd__biff4_no_format_no_window2.xls") << QString();
  }
  void aTextFileNamedAsAWorkbookIsSaidToBeReadAsText() {
    QFETCH(QString, file);
    QFETCH(QString, said);
    fixture.browse(file);
    QCOMPARE(fixture.window->currentStep(), 1);
    QVERIFY(fixture.enabled("cmdNext"));
    const QString usual = QStringLiteral("Convert Excel Contacts to vCard Files");
    QCOMPARE(fixture.find(QStringLiteral("panelAbout"))->accessibleName(),
             said.isEmpty() ? usual : said);
  }

  void loadsAnXlsxAndAnXlsFromOtherPrograms() {
    fixture.browse(corpus("edr__Test_Issue_NoStyles_NoRAttribute.xlsx"));
    QCOMPARE(fixture.gridText(0, 0), QStringLiteral("AddressLine1"));
    QCOMPARE(fixture.gridText(0, 17), QStringLiteral("Zipcode"));
    // Sheet rows 2 to 4 are empty; grid row 1 is sheet row 5.
    QCOMPARE(fixture.gridText(1, 4), QStringLiteral("ROW NUMBER 5"));
    QCOMPARE(fixture.gridText(1, 7), QStringLiteral("s@gmail.com"));
    QCOMPARE(fixture.itemsFound(), QStringLiteral("Items Found:  35"));

    fixture.browse(corpus("xlrd__biff4_no_format_no_window2.xls"));
    QCOMPARE(fixture.gridColumns(), 4);
    QCOMPARE(fixture.gridText(0, 3), QStringLiteral("SUB"));
    QCOMPARE(fixture.gridText(1, 1), QStringLiteral("DOG & CAT PRODUCTS"));
    QCOMPARE(fixture.gridText(26, 0), QStringLiteral("Z"));
    QCOMPARE(fixture.itemsFound(), QStringLiteral("Items Found:  26"));
  }

  void theGridShowsTheFirstThousandRowsWhileAllAreCounted() {
    fixture.browse(folder.write(QStringLiteral("long.csv"), rows(1499)));
    QCOMPARE(fixture.itemsFound(), QStringLiteral("Items Found:  1499"));
    QCOMPARE(fixture.gridDataRows(), 999);
    QCOMPARE(fixture.gridText(999, 0), QStringLiteral("Name 999"));
  }

  void everyHeaderColumnIsShownAndOffered() {
    QByteArray header;
    for (int c = 1; c <= 120; ++c)
      header += QByteArray(c > 1 ? ",H" : "H") + QByteArray::number(c);
    fixture.browse(folder.write(QStringLiteral("wide.csv"), header + "\r\nfirst\r\n"));
    QCOMPARE(fixture.gridColumns(), 120);
    QCOMPARE(fixture.gridText(0, 119), QStringLiteral("H120"));
    fixture.click("cmdNext");
    const QStringList offered = fixture.comboItems("cmbHeader");
    QCOMPARE(offered.size(), 120);
    QCOMPARE(offered.back(), QStringLiteral("H120"));
  }

  void eachHeaderNamesItsColumnInItsTooltip_data() {
    QTest::addColumn<QStringList>("headers");
    QTest::addColumn<QString>("givenBack");  // paired and removed again, so offered last
    QTest::addColumn<QStringList>("sheetColumns");
    QTest::addColumn<QStringList>("offeredColumns");
    const auto columns = [](const QString& letters) {
      QStringList names;
      for (const QChar letter : letters)
        names << QStringLiteral("Column ") + letter;
      return names;
    };
    const QStringList alike = {"Name", "Mail", "Phone", "Company", "Notes", "Phone"};
    QTest::newRow("two columns headed alike")
        << alike << QString() << columns("ABCDEF") << columns("ABCDEF");
    QTest::newRow("a header given back by Remove")
        << alike << "Mail" << columns("ABCDEF") << columns("ACDEFB");
    QStringList wide;
    for (int column = 1; column <= 28; ++column)
      wide << QStringLiteral("H%1").arg(column);
    const QStringList pastZ =
        columns("ABCDEFGHIJKLMNOPQRSTUVWXYZ") + QStringList{"Column AA", "Column AB"};
    QTest::newRow("columns past Z") << wide << QString() << pastZ << pastZ;
  }

  void eachHeaderNamesItsColumnInItsTooltip() {
    QFETCH(QStringList, headers);
    QFETCH(QString, givenBack);
    QFETCH(QStringList, sheetColumns);
    QFETCH(QStringList, offeredColumns);
    const QString workbook = folder.path(QStringLiteral("columns.xlsx"));
    QVERIFY(writeXlsx(workbook, {headers, {QStringLiteral("x")}}));
    fixture.browse(workbook);
    QStringList shown;
    QStringList tips;
    const QAbstractItemModel* grid =
        fixture.find<QTableView>(QStringLiteral("sourceExcelData"))->model();
    for (int column = 0; column < fixture.gridColumns(); ++column) {
      shown << fixture.gridText(0, column);
      tips << grid->headerData(column, Qt::Horizontal, Qt::ToolTipRole).toString();
    }
    QCOMPARE(shown, headers);
    QCOMPARE(tips, sheetColumns);

    fixture.click("cmdNext");
    if (!givenBack.isEmpty()) {
      QVERIFY(fixture.addPair(givenBack, QStringLiteral("Notes")));
      fixture.click("cmdRemove");
    }
    auto* offered = fixture.find<QComboBox>(QStringLiteral("cmbHeader"));
    QStringList names;
    for (int item = 0; item < offered->count(); ++item) {
      names << offered->itemData(item, Qt::ToolTipRole).toString();
      // Assistive technology, which cannot hover, hears the column with the item.
      QCOMPARE(offered->itemData(item, Qt::AccessibleDescriptionRole).toString(), names.last());
    }
    QCOMPARE(names, offeredColumns);
  }

  void aWorkbookThatCannotBeReadIsNamedAndChangesNothing() {
    const QString good = folder.write(QStringLiteral("good.csv"), rows(3));
    loadAndMapName(good);
    const QString broken = corpus("edr__EmptyZipFile.xlsx");
    fixture.prompts.messageAnswers = {Prompts::Answer::Ok};
    fixture.browse(broken);
    QCOMPARE(fixture.prompts.messages.size(), std::size_t{1});
    const auto& shown = fixture.prompts.messages.front();
    QVERIFY2(shown.text.contains(broken), qPrintable(shown.text));
    QCOMPARE(shown.caption, QStringLiteral("Quillmere"));
    QCOMPARE(shown.icon, Prompts::Icon::Warning);
    QCOMPARE(shown.buttons, Prompts::Buttons::Ok);
    // The earlier workbook is still the one shown, counted and mapped.
    QCOMPARE(fixture.text("txtExcelPath"), good);
    QCOMPARE(fixture.itemsFound(), QStringLiteral("Items Found:  3"));
    QCOMPARE(fixture.gridText(1, 0), QStringLiteral("Name 1"));
    QCOMPARE(fixture.mappedEntries(), QStringList{QStringLiteral("Name\t->\tFullName")});
    QCOMPARE(fixture.window->sheetTable().workbook.string(), good.toStdString());
    QVERIFY(fixture.enabled("cmdNext"));
    fixture.click("cmdNext");
    QCOMPARE(fixture.comboItems("cmbHeader"),
             (QStringList{QStringLiteral("Mail"), QStringLiteral("Phone")}));
  }

  void aMissingWorkbookIsNamedWithWhatToDo() {
    fixture.prompts.messageAnswers = {Prompts::Answer::Ok};
    const QString missing = folder.path(QStringLiteral("gone.xlsx"));
    fixture.browse(missing);
    QCOMPARE(fixture.prompts.messages.size(), std::size_t{1});
    QVERIFY(fixture.prompts.messages.front().text.contains(missing));
    QVERIFY(fixture.prompts.messages.front().text.contains(QStringLiteral("does not exist")));
    QCOMPARE(fixture.text("txtExcelPath"), QString());
    QCOMPARE(fixture.itemsFound(), QString());
    // Nothing is loaded, so there is nothing to map.
    QVERIFY(!fixture.enabled("cmdNext"));
    fixture.browse(QString());
    QVERIFY(!fixture.enabled("cmdNext"));
  }

  void aCancelledDialogKeepsTheWorkbookAndItsMapping() {
    loadAndMapName(folder.write(QStringLiteral("good.csv"), rows(3)));
    fixture.browse(QString());
    QCOMPARE(fixture.mappedEntries(), QStringList{QStringLiteral("Name\t->\tFullName")});
    QCOMPARE(fixture.itemsFound(), QStringLiteral("Items Found:  3"));
    QVERIFY(fixture.enabled("cmdNext"));
    fixture.click("cmdNext");
    QCOMPARE(fixture.shownTab(), QStringLiteral("2. Map Columns"));
    QCOMPARE(fixture.window->columnMapping().lookupField(0), quillmere::core::Field::FullName);
  }

  void aSecondWorkbookReplacesTheGridTheListsAndTheMapping() {
    loadAndMapName(folder.write(QStringLiteral("first.csv"), rows(30)));
    fixture.browse(folder.write(QStringLiteral("second.csv"), "Vorname,E-Mail\r\nAnna,a@x.de\r\n"));
    QCOMPARE(fixture.mappedEntries(), QStringList());
    QCOMPARE(fixture.gridDataRows(), 1);
    QCOMPARE(fixture.gridColumns(), 2);
    QCOMPARE(fixture.gridText(0, 1), QStringLiteral("E-Mail"));
    QCOMPARE(fixture.itemsFound(), QStringLiteral("Items Found:  1"));
    fixture.click("cmdNext");
    QCOMPARE(fixture.comboItems("cmbHeader"),
             (QStringList{QStringLiteral("Vorname"), QStringLiteral("E-Mail")}));
    QCOMPARE(fixture.comboItems("cmbOutlook").size(), 30);
    QVERIFY(fixture.addPair(QStringLiteral("E-Mail"), QStringLiteral("EmailAddress")));
    QCOMPARE(fixture.window->columnMapping().lookupField(1), quillmere::core::Field::EmailAddress);
  }

  void columnsHeadedAlikeAreOfferedOncePerColumn() {
    fixture.browse(corpus("edr__Test_Excel_Dataset.xls"));
    fixture.click("cmdNext");
    QCOMPARE(fixture.comboItems("cmbHeader"),
             (QStringList{QStringLiteral("column a"), QStringLiteral(" column b"),
                          QStringLiteral(" column b")}));
    QVERIFY(fixture.addPair(QStringLiteral(" column b"), QStringLiteral("FirstName")));
    QVERIFY(fixture.addPair(QStringLiteral(" column b"), QStringLiteral("LastName")));
    const auto& mapping = fixture.window->columnMapping();
    QCOMPARE(mapping.lookupField(1), quillmere::core::Field::FirstName);
    QCOMPARE(mapping.lookupField(2), quillmere::core::Field::LastName);
  }

  void aSheetWithoutHeadersShowsNothingAndCountsNothing() {
    fixture.browse(folder.write(QStringLiteral("first.csv"), rows(3)));
    fixture.browse(folder.write(QStringLiteral("noheader.csv"), ",Mail\r\nAnn,a@x\r\n"));
    QCOMPARE(fixture.gridDataRows(), 0);
    QCOMPARE(fixture.gridColumns(), 0);
    QCOMPARE(fixture.itemsFound(), QStringLiteral("Items Found:  0"));
    fixture.click("cmdNext");
    QCOMPARE(fixture.comboItems("cmbHeader"), QStringList());
  }

  void theWindowAnswersWhileALargeWorkbookLoadsAndNothingReenters() {
    const QString& big = longContactList();
    int ticks = 0;
    QStringList countsSeen;
    bool startersOff = true;
    QTimer ticker;
    ticker.setInterval(10);
    connect(&ticker, &QTimer::timeout, this, [&] {
      ++ticks;
      countsSeen << fixture.itemsFound();
      startersOff = startersOff && !fixture.enabled("cmdBrowse") && !fixture.enabled("cmdNext") &&
                    !fixture.window->findChild<QAction*>(QStringLiteral("OpenExcel"))->isEnabled();
    });
    ticker.start();
    fixture.browse(big);
    ticker.stop();
    QCOMPARE(fixture.itemsFound(), QStringLiteral("Items Found:  %1").arg(kLongListRows));
    QVERIFY2(ticks >= 2, qPrintable(QStringLiteral("the timer ticked %1 times").arg(ticks)));
    QVERIFY(startersOff);
    // The count moved while the workbook was read.
    bool sawPartialCount = false;
    for (const QString& seen : countsSeen) {
      sawPartialCount = sawPartialCount || (seen.startsWith(QStringLiteral("Items Found: ")) &&
                                            seen != fixture.itemsFound());
    }
    QVERIFY(sawPartialCount);
    QVERIFY(fixture.enabled("cmdBrowse"));
    QVERIFY(fixture.enabled("cmdNext"));
  }

  void theWindowAnswersWhileASmallSheetWaitsForItsStringsAtTheEndOfALargeTable() {
    const QString file = folder.path(QStringLiteral("beside.xlsx"));
    QVERIFY(writeXlsxBesideManyStrings(file, contactRows(3), 2000000));
    int ticks = 0;
    QTimer ticker;
    ticker.setInterval(10);
    connect(&ticker, &QTimer::timeout, this, [&] { ++ticks; });
    ticker.start();
    fixture.browse(file);
    ticker.stop();
    QCOMPARE(fixture.itemsFound(), QStringLiteral("Items Found:  3"));
    QCOMPARE(fixture.gridText(1, 0), QStringLiteral("Name 1"));
    // The load spent nearly all its time waiting for the table; the window answered meanwhile.
    QVERIFY2(ticks >= 2, qPrintable(QStringLiteral("the timer ticked %1 times").arg(ticks)));
  }

  void closingTheWindowStopsALoad() {
    const QString& big = longContactList();
    QTimer::singleShot(0, fixture.window.get(), [&] { fixture.window->close(); });
    fixture.browse(big);
    QVERIFY(!fixture.window->isVisible());
    QCOMPARE(fixture.window->sheetTable().rowsFound, 0);
    QCOMPARE(fixture.gridDataRows(), 0);
    QCOMPARE(fixture.text("txtExcelPath"), big);
  }
};

QTEST_MAIN(FrmMainLoadTest)
#include "FrmMainLoadTest.moc"
