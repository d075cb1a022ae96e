#include <QAccessible>
#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QTest>

#include "tests/ui/WindowFixture.h"
#include "ui/LinkLabel.h"

using quillmere::ui::Prompts;
using quillmere::ui::test::TestFolder;
using quillmere::ui::test::WindowFixture;

namespace {

const QString kSheets = QStringLiteral(QUILLMERE_UI_TEST_DIR "/../source/fixtures/");

QByteArray singleFileIn(const QString& folder) {
  for (const QString& dated : QDir(folder).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
    QFile file(folder + u'/' + dated + QStringLiteral("/All Contacts.vcf"));
    if (file.open(QIODevice::ReadOnly)) return file.readAll();
  }
  return "<no file>";
}

}  // namespace

// The sheet and header row chosen on step 1, what a load leaves unread, and starting again.
class FrmMainSheetChoiceTest : public QObject {
  Q_OBJECT

 private:
  WindowFixture fixture;
  TestFolder folder;

  // Whole, as it is heard and hovered; three lines may show it cut short.
  QString notice() const {
    return fixture.find<QLabel>(QStringLiteral("lblLoadNotice"))->accessibleName();
  }
  bool noticeShown() const { return fixture.find(QStringLiteral("lblLoadNotice"))->isVisible(); }

  // Pairs Name and Mail, converts into one version 4.0 file in `out` and returns it.
  QByteArray convertNameAndMail(const QString& out) {
    fixture.click("cmdNext");
    if (!fixture.addPair(QStringLiteral("Name"), QStringLiteral("FullName")) ||
        !fixture.addPair(QStringLiteral("Mail"), QStringLiteral("EmailAddress"))) {
      return "<not paired>";
    }
    QDir().mkpath(out);
    fixture.shell.defaultFolder = out;
    fixture.click("cmdNext");
    fixture.click("Opt4");
    auto* single = fixture.find<QAbstractButton>(QStringLiteral("ChkSinglevCard"));
    if (!single->isChecked()) QTest::mouseClick(single, Qt::LeftButton);
    // Yes opens the folder and keeps the window; No would close it.
    fixture.prompts.messageAnswers.push_back(Prompts::Answer::Yes);
    fixture.click("cmdNext");
    return singleFileIn(out);
  }

 private slots:
  void init() { QVERIFY(fixture.open()); }
  void cleanup() { fixture.finish(); }

  // Contacts on the fourth sheet below a title, chosen in the window, give exactly the file
  // the plain list gives; charts are not offered and hidden sheets are marked.
  void contactsOnAnotherSheetBelowATitleConvertAsThePlainList_data() {
    QTest::addColumn<QString>("workbook");
    QTest::newRow("xlsx") << kSheets + QStringLiteral("xlsx/sheets-hidden-and-chart.xlsx");
    QTest::newRow("xls") << kSheets + QStringLiteral("xls/sheets-hidden-and-chart.xls");
  }
  void contactsOnAnotherSheetBelowATitleConvertAsThePlainList() {
    QFETCH(QString, workbook);
    fixture.browse(
        folder.write(QStringLiteral("plain.csv"), "Name,Mail\r\nAnn,ann@example.org\r\n"));
    const QByteArray plain = convertNameAndMail(folder.path(QStringLiteral("plain")));
    QVERIFY2(plain.contains("ann@example.org"), plain.constData());

    fixture.window->findChild<QAction*>(QStringLiteral("NewConversion"))->trigger();
    QCOMPARE(fixture.text("txtExcelPath"), QString());
    QCOMPARE(fixture.gridDataRows(), 0);
    QCOMPARE(fixture.itemsFound(), QString());
    QVERIFY(!fixture.enabled("cmdNext"));
    QVERIFY(!fixture.enabled("cmdSaveReport"));
    QCOMPARE(fixture.shownTab(), QStringLiteral("1. Select"));

    fixture.browse(workbook);
    QCOMPARE(fixture.comboItems("cmbSheet"),
             QStringList({QStringLiteral("Notes"), QStringLiteral("Archiv \u00e4lter (hidden)"),
                          QStringLiteral("Contacts")}));
    QCOMPARE(fixture.gridText(0, 0), QStringLiteral("notes"));
    auto* sheets = fixture.find<QComboBox>(QStringLiteral("cmbSheet"));
    sheets->setCurrentIndex(2);
    emit sheets->activated(2);
    QCOMPARE(fixture.gridText(0, 0), QStringLiteral("Our contacts"));
    // The title is only suggested away, and one click on the suggestion reads the headers.
    QVERIFY(noticeShown());
    QVERIFY2(notice().contains(QStringLiteral("the headers seem to be in row 3")),
             qPrintable(notice()));
    // The link is heard as a link and followed as a screen reader's user would.
    QAccessible::setActive(true);
    QAccessibleInterface* link =
        QAccessible::queryAccessibleInterface(fixture.find(QStringLiteral("lnkLoadNotice")));
    QCOMPARE(link->role(), QAccessible::Link);
    QCOMPARE(link->text(QAccessible::Name), QStringLiteral("Read the headers from row 3"));
    link->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(fixture.find<QSpinBox>(QStringLiteral("spnHeaderRow"))->value(), 3);
    QCOMPARE(fixture.gridText(0, 0), QStringLiteral("Name"));
    QCOMPARE(fixture.gridText(1, 1), QStringLiteral("ann@example.org"));
    QCOMPARE(fixture.itemsFound(), QStringLiteral("Items Found:  1"));
    QCOMPARE(convertNameAndMail(folder.path(QStringLiteral("chosen"))), plain);
  }

  // What the rules leave unread is said on step 1 in plain words, and only there.
  void dataTheRulesLeaveUnreadIsToldOnStepOne() {
    fixture.browse(folder.write(QStringLiteral("gap.csv"),
                                "Name,,Mail\r\nAnn,x,a@x\r\n\r\n\r\n\r\n\r\n\r\nLate\r\n"));
    QVERIFY(noticeShown());
    QCOMPARE(notice(),
             QStringLiteral("Columns B and C hold data but are not read: the headers end at the "
                            "first empty cell of row 1, B1. Fill in the missing headers to read "
                            "them. Row 8 holds data but is not read: five empty rows in a row end "
                            "the list of contacts. Remove the empty rows to read it."));
    fixture.click("cmdNext");
    QVERIFY(!noticeShown());
    fixture.click("cmdPrevious");
    QVERIFY(noticeShown());
    // Asked to, the load reads the columns past the gap, the empty header named by its letter.
    auto* link = fixture.find<quillmere::ui::LinkLabel>(QStringLiteral("lnkLoadNotice"));
    QVERIFY(link->isVisible());
    QCOMPARE(link->linkText(), QStringLiteral("Read them too, headed by their letters"));
    link->follow();
    QCOMPARE(fixture.gridText(1, 2), QStringLiteral("a@x"));
    QVERIFY2(!notice().contains(QStringLiteral("Columns B")), qPrintable(notice()));
    QVERIFY(!link->isVisible());
    fixture.click("cmdNext");
    QCOMPARE(fixture.comboItems("cmbHeader"),
             QStringList({QStringLiteral("Name"), QStringLiteral("B"), QStringLiteral("Mail")}));
    fixture.click("cmdPrevious");
    fixture.browse(folder.write(QStringLiteral("clean.csv"), "Name\r\nAnn\r\n"));
    QVERIFY(!noticeShown());
  }

  // Convert is heard as "Convert", the counters as what they show, the path box as read-only.
  void assistiveTechnologyHearsWhatTheScreenShows() {
    QAccessible::setActive(true);
    fixture.browse(folder.write(QStringLiteral("a.csv"), "Name,Mail\r\nAnn,ann@example.org\r\n"));
    QCOMPARE(fixture.find(QStringLiteral("cmdNext"))->accessibleName(), QStringLiteral("Next"));
    QVERIFY(QAccessible::queryAccessibleInterface(fixture.find(QStringLiteral("txtExcelPath")))
                ->state()
                .readOnly);
    convertNameAndMail(folder.path(QStringLiteral("out")));
    QCOMPARE(fixture.find(QStringLiteral("cmdNext"))->accessibleName(), QStringLiteral("Convert"));
    for (const char* counter : {"lblContactCount", "lblNotNullCount"}) {
      auto* label = fixture.find<QLabel>(QString::fromLatin1(counter));
      QVERIFY2(label->accessibleName().endsWith(QStringLiteral(": ") + label->text().trimmed()),
               qPrintable(label->accessibleName()));
    }
    QCOMPARE(fixture.find<QLabel>(QStringLiteral("lblContactCount"))->accessibleName(),
             QStringLiteral("Number of Contacts Added: 1/1"));
  }
};

QTEST_MAIN(FrmMainSheetChoiceTest)
#include "FrmMainSheetChoiceTest.moc"
