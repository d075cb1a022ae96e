#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QRadioButton>
#include <QTest>

#include "tests/ui/ConvertSteps.h"
#include "ui/LinkLabel.h"

using quillmere::ui::Prompts;
using quillmere::ui::test::contents;
using quillmere::ui::test::ConvertSteps;
using quillmere::ui::test::filesIn;
using quillmere::ui::test::kDated;
using quillmere::ui::test::kFixtures;
using quillmere::ui::test::kSuccess;
using quillmere::ui::test::SheetCell;
using quillmere::ui::test::writeFormattedXlsx;

// Step 3's options as the run follows them however they change, and what step 3 tells of
// the data before and after a run.
class FrmMainExportOptionsTest : public QObject, private ConvertSteps {
  Q_OBJECT

 private slots:
  void init() { openWindow(); }
  void cleanup() { closeWindow(); }

  // Options changed through a screen reader's actions or by the program are the ones the run
  // follows, as if clicked: one file, empty e-mails kept, version 2.1.
  void optionsChangedThroughAccessibleActionsAreTheOnesWritten() {
    prepare(kFixtures + QStringLiteral("contacts.csv"));
    const auto act = [&](const char* name, const QString& action) {
      QAccessibleInterface* control =
          QAccessible::queryAccessibleInterface(fixture.find<QWidget>(QString::fromLatin1(name)));
      QVERIFY(control != nullptr && control->actionInterface() != nullptr);
      control->actionInterface()->doAction(action);
    };
    fixture.click("Opt4");
    act("ChkSinglevCard", QAccessibleActionInterface::toggleAction());
    act("chkNotNull", QAccessibleActionInterface::toggleAction());
    fixture.find<QRadioButton>(QStringLiteral("Opt2"))->setChecked(true);
    convert();
    QCOMPARE(filesIn(base + kDated), QStringList{QStringLiteral("All Contacts.vcf")});
    const QByteArray cards = contents(base + kDated + QStringLiteral("/All Contacts.vcf"));
    QCOMPARE(cards.count("BEGIN:VCARD\r\nVERSION:2.1\r\n"), 4);
    QCOMPARE(cards.count("VERSION:"), 4);
  }

  // A destination sets the version, the file mode and numbers as shown, and says so; a version
  // checked afterwards through the accessibility interface is the one written, in the
  // destination's standard forms.
  void aDestinationSetsItsChoicesAndTheVersionCheckedLastIsWritten() {
    prepare(kFixtures + QStringLiteral("contacts.csv"));
    auto* destination = fixture.find<QComboBox>(QStringLiteral("cmbDestination"));
    QVERIFY(destination != nullptr);
    QCOMPARE(destination->currentText(), QStringLiteral("Any app"));
    destination->setCurrentIndex(destination->findData(QStringLiteral("carddav")));
    QVERIFY(fixture.find<QRadioButton>(QStringLiteral("Opt3"))->isChecked());
    QVERIFY(fixture.find<QCheckBox>(QStringLiteral("ChkSinglevCard"))->isChecked());
    QVERIFY(fixture.find<QCheckBox>(QStringLiteral("chkNumbersAsShown"))->isChecked());
    QCOMPARE(fixture.text("panelAbout"),
             QStringLiteral("Nextcloud and CardDAV: vCard 3.0, one file."));
    QAccessibleInterface* opt4 =
        QAccessible::queryAccessibleInterface(fixture.find<QRadioButton>(QStringLiteral("Opt4")));
    QVERIFY(opt4 != nullptr && opt4->actionInterface() != nullptr);
    opt4->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    QVERIFY(fixture.find<QRadioButton>(QStringLiteral("Opt4"))->isChecked());
    convert();
    QCOMPARE(fixture.prompts.messages.back().text, kSuccess);
    const QByteArray cards = contents(base + kDated + QStringLiteral("/All Contacts.vcf"));
    QVERIFY2(cards.startsWith("BEGIN:VCARD\r\nVERSION:4.0\r\nN:Müller;Zoë;;;\r\n"), cards);
    QVERIFY2(cards.contains("\r\nTEL;TYPE=cell,voice:"), cards);
    QCOMPARE(cards.count("\r\nUID:"), cards.count("BEGIN:VCARD"));
  }

  // Each box's caption is a label of its own beside it, level with it; a click on the label
  // leaves the box as it is.
  void clickingALabelBesideABoxDoesNotToggleIt_data() {
    QTest::addColumn<QString>("label");
    QTest::newRow("chkNotNull") << QStringLiteral("Label10");
    QTest::newRow("ChkSinglevCard") << QStringLiteral("Label11");
    QTest::newRow("chkNumbersAsShown") << QStringLiteral("lblNumbersAsShown");
  }

  void clickingALabelBesideABoxDoesNotToggleIt() {
    QFETCH(QString, label);
    auto* box = fixture.find<QCheckBox>(QString::fromLatin1(QTest::currentDataTag()));
    auto* caption = fixture.find<QLabel>(label);
    QVERIFY(box != nullptr && caption != nullptr);
    prepare(kFixtures + QStringLiteral("contacts.csv"));
    QVERIFY(caption->isVisible() && box->isEnabled());
    QCOMPARE(caption->y() - box->y(), 5);
    QVERIFY(caption->x() > box->geometry().right());
    QCOMPARE(caption->buddy(), nullptr);
    QTest::mouseClick(caption, Qt::LeftButton, {}, QPoint(4, 4));
    QVERIFY(!box->isChecked());
    QTest::mouseClick(box, Qt::LeftButton);
    QVERIFY(box->isChecked());
    QTest::mouseClick(caption, Qt::LeftButton, {}, QPoint(4, 4));
    QVERIFY(box->isChecked());
  }

  // Phone numbers typed with their leading zero are stored as numbers; the sheet shows them
  // as typed through a format. Birthdays are day numbers under a date format.
  void phoneNumbersKeepTheirLeadingZeroOnlyWithTheBoxChecked_data() {
    QTest::addColumn<bool>("checked");
    QTest::addColumn<QByteArray>("written");
    QTest::newRow("checked") << true
                             << QByteArray(
                                    "BEGIN:VCARD\r\nVERSION:2.1\r\nN:Smith;John;\r\n"
                                    "FN:John Smith\r\nTEL;CELL;VOICE:0151 2345678\r\n"
                                    "NOTE:13 March 1985\r\nEND:VCARD\r\n"
                                    "BEGIN:VCARD\r\nVERSION:2.1\r\nN:Lee;Ann;\r\n"
                                    "FN:Ann Lee\r\nTEL;CELL;VOICE:0170 1234567\r\n"
                                    "NOTE:1 March 2024\r\nEND:VCARD\r\n");
    QTest::newRow("unchecked") << false
                               << QByteArray(
                                      "BEGIN:VCARD\r\nVERSION:2.1\r\nN:Smith;John;\r\n"
                                      "FN:John Smith\r\nTEL;CELL;VOICE:1512345678\r\n"
                                      "NOTE:31119\r\nEND:VCARD\r\n"
                                      "BEGIN:VCARD\r\nVERSION:2.1\r\nN:Lee;Ann;\r\n"
                                      "FN:Ann Lee\r\nTEL;CELL;VOICE:1701234567\r\n"
                                      "NOTE:45352\r\nEND:VCARD\r\n");
  }

  void phoneNumbersKeepTheirLeadingZeroOnlyWithTheBoxChecked() {
    QFETCH(bool, checked);
    QFETCH(QByteArray, written);
    const QString workbook = folder.path(QStringLiteral("phones.xlsx"));
    const auto text = [](const char* t) { return SheetCell{QString::fromUtf8(t)}; };
    const auto phone = [](double n) { return SheetCell{{}, n, "0000 0000000"}; };
    const auto day = [](double n) { return SheetCell{{}, n, "d mmmm yyyy"}; };
    QVERIFY(writeFormattedXlsx(
        workbook, {{text("First Name"), text("Last Name"), text("Mobile"), text("Born")},
                   {text("John"), text("Smith"), phone(1512345678), day(31119)},
                   {text("Ann"), text("Lee"), phone(1701234567), day(45352)}}));
    fixture.browse(workbook);
    // The preview grid and the header list keep the text form.
    QCOMPARE(fixture.gridText(1, 2), QStringLiteral("1512345678"));
    QCOMPARE(fixture.gridText(2, 3), QStringLiteral("45352"));
    fixture.click("cmdNext");
    for (const auto& [header, field] : {std::pair{"First Name", "FirstName"},
                                        {"Last Name", "LastName"},
                                        {"Mobile", "MobileNumber"},
                                        {"Born", "Notes"}}) {
      QVERIFY2(fixture.addPair(QString::fromUtf8(header), QString::fromLatin1(field)), header);
    }
    fixture.shell.defaultFolder = base;
    fixture.click("cmdNext");
    auto* box = fixture.find<QCheckBox>(QStringLiteral("chkNumbersAsShown"));
    QVERIFY(box != nullptr);
    QVERIFY(!box->isChecked());
    if (checked) QTest::mouseClick(box, Qt::LeftButton);
    QCOMPARE(box->isChecked(), checked);
    QTest::mouseClick(fixture.find<QCheckBox>(QStringLiteral("ChkSinglevCard")), Qt::LeftButton);
    convert();
    QCOMPARE(fixture.prompts.messages.back().text, kSuccess);
    QCOMPARE(filesIn(base + kDated), QStringList{QStringLiteral("All Contacts.vcf")});
    QCOMPARE(contents(base + kDated + QStringLiteral("/All Contacts.vcf")), written);
  }

  // Step 3 tells what goes nowhere and which numbers only show their digits, leads back to
  // the pairs, and after the run tells what was left out, with the report a click away.
  void stepThreeTellsWhatIsLeftOutBeforeAndAfterTheRun() {
    fixture.browse(kFixtures + QStringLiteral("more-fields.xlsx"));
    fixture.click("cmdNext");
    QTest::mouseClick(fixture.find<QCheckBox>(QStringLiteral("chkMoreFields")), Qt::LeftButton);
    for (const auto& [header, field] :
         {std::pair{"First Name", "FirstName"}, std::pair{"Birthday", "Birthday"},
          std::pair{"Mobile Phone", "HomeAddressPostalCode"},
          std::pair{"Categories", "PagerNumber"}}) {
      QVERIFY2(fixture.addPair(QString::fromUtf8(header), QString::fromLatin1(field)), header);
    }
    fixture.shell.defaultFolder = base;
    fixture.click("cmdNext");
    const auto notice = [&] {
      return fixture.find<QLabel>(QStringLiteral("lblExportNotice"))->accessibleName();
    };
    auto* link = fixture.find<quillmere::ui::LinkLabel>(QStringLiteral("lnkExportNotice"));
    QCOMPARE(notice(), QStringLiteral(
                           "Columns B (Last Name), D (Anniversary), E (Nickname), H (Other Phone), "
                           "I (Pager) and 1 more hold data but go nowhere. Column G "
                           "(Mobile Phone) shows other digits than it stores: tick \"Keep "
                           "Numbers as Shown in the Sheet\" to write them as shown."));
    QVERIFY(fixture.find(QStringLiteral("lblExportNotice"))->isVisible());
    link->follow();
    QCOMPARE(fixture.shownTab(), QStringLiteral("2. Map Columns"));
    fixture.click("cmdNext");
    QTest::mouseClick(fixture.find<QCheckBox>(QStringLiteral("chkNumbersAsShown")), Qt::LeftButton);
    QVERIFY2(!notice().contains(QStringLiteral("digits")), qPrintable(notice()));

    convert(Prompts::Answer::Yes);
    // Cleo's 13/03/1985 sits in a column of ISO dates, so it is not read as a date; Ann's
    // second pager number finds no second pager field.
    QCOMPARE(notice(),
             QStringLiteral("Left out: dates not read: 1; values without a free field: 1."));
    QCOMPARE(link->linkText(), QStringLiteral("List them in a report"));
    fixture.prompts.saveAnswers.push_back(QString());
    link->follow();
    QCOMPARE(fixture.prompts.saveRequests.size(), 1u);
  }
};

QTEST_MAIN(FrmMainExportOptionsTest)
#include "FrmMainExportOptionsTest.moc"
