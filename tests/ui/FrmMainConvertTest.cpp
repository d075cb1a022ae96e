#include <QCheckBox>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QProgressBar>
#include <QRadioButton>
#include <QSettings>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <cerrno>
#include <csignal>
#include <cstring>

#include "tests/ui/ConvertSteps.h"
#include "ui/frmPreview.h"

using quillmere::ui::Prompts;
using quillmere::ui::test::contents;
using quillmere::ui::test::ConvertSteps;
using quillmere::ui::test::filesIn;
using quillmere::ui::test::kDated;
using quillmere::ui::test::kFixtures;
using quillmere::ui::test::kLongListRows;
using quillmere::ui::test::kSuccess;
using quillmere::ui::test::longContactList;
using quillmere::ui::test::TestFolder;
using quillmere::ui::test::WindowFixture;
using quillmere::ui::test::writeXlsx;

namespace {

const QString kExpected = QStringLiteral(QUILLMERE_UI_TEST_DIR "/expected/");

}  // namespace

class FrmMainConvertTest : public QObject, private ConvertSteps {
  Q_OBJECT

 private:
  // A long list of contacts whose Name goes to FullName, into one file: a run that lasts.
  void prepareLongList() {
    fixture.browse(longContactList());
    fixture.click("cmdNext");
    QVERIFY(fixture.addPair(QStringLiteral("Name"), QStringLiteral("FullName")));
    fixture.shell.defaultFolder = base;
    fixture.click("cmdNext");
    QTest::mouseClick(fixture.find<QCheckBox>(QStringLiteral("ChkSinglevCard")), Qt::LeftButton);
  }

  // The written folder holds exactly the expected files, byte for byte, and a vCard parser
  // reads back every contact's values from them.
  void compareWithExpected(const QString& written, const QString& expectedCase,
                           const QString& values) {
    const QString expected = kExpected + expectedCase;
    QCOMPARE(filesIn(written), filesIn(expected));
    for (const QString& name : filesIn(expected)) {
      QCOMPARE(contents(written + u'/' + name), contents(expected + u'/' + name));
    }
    QProcess check;
    check.start(
        QStringLiteral(QUILLMERE_SYSTEM_PYTHON),
        {QStringLiteral(QUILLMERE_UI_TEST_DIR "/check_vcards.py"), written, kExpected + values});
    QVERIFY(check.waitForFinished(60000));
    QVERIFY2(check.exitCode() == 0, check.readAllStandardOutput() + check.readAllStandardError());
  }

 private slots:
  void init() { openWindow(); }
  void cleanup() { closeWindow(); }

  void anXlsxBecomesSeparateVersion30Files() {
    prepare(kFixtures + QStringLiteral("contacts.xlsx"));
    fixture.click("Opt3");
    convert();
    QCOMPARE(fixture.prompts.messages.back().text, kSuccess);
    QCOMPARE(fixture.prompts.messages.back().caption, QStringLiteral("Open Destination Folder"));
    QCOMPARE(fixture.prompts.messages.back().buttons, Prompts::Buttons::YesNo);
    QCOMPARE(fixture.prompts.messages.back().icon, Prompts::Icon::None);
    // Yes opens the run's own dated folder.
    QCOMPARE(fixture.shell.opened, std::vector<QString>{base + kDated});
    QCOMPARE(fixture.window->exportFolder(), base + kDated);
    compareWithExpected(base + kDated, QStringLiteral("xlsx-3.0-separate"),
                        QStringLiteral("contacts.json"));
    QVERIFY(fixture.window->isVisible());
  }

  // The same sheet saved as OpenDocument gives, through the window, the very files the .xlsx
  // gives.
  void anOdsBecomesTheFilesItsXlsxBecomes() {
    prepare(kFixtures + QStringLiteral("contacts.ods"));
    fixture.click("Opt3");
    convert();
    QCOMPARE(fixture.prompts.messages.back().text, kSuccess);
    compareWithExpected(base + kDated, QStringLiteral("xlsx-3.0-separate"),
                        QStringLiteral("contacts.json"));
  }

  void anXlsBecomesOneVersion21File() {
    prepare(kFixtures + QStringLiteral("contacts.xls"));
    QTest::mouseClick(fixture.find<QCheckBox>(QStringLiteral("ChkSinglevCard")), Qt::LeftButton);
    convert();
    compareWithExpected(base + kDated, QStringLiteral("xls-2.1-single"),
                        QStringLiteral("contacts.json"));
  }

  void aCsvWithEmptyEmailsAllowedBecomesSeparateVersion40Files() {
    prepare(kFixtures + QStringLiteral("contacts.csv"));
    fixture.click("Opt4");
    QTest::mouseClick(fixture.find<QCheckBox>(QStringLiteral("chkNotNull")), Qt::LeftButton);
    convert();
    compareWithExpected(base + kDated, QStringLiteral("csv-4.0-separate-allow-empty"),
                        QStringLiteral("contacts-allow-empty.json"));
  }

  // More Fields pairs by name only once ticked; every version of every kind of workbook then
  // reads back as the sheet has it, numbers in international form, and the card preview and
  // the report show what was written and what could not be read.
  void moreFieldsAndInternationalNumbersReadBackAsTheSheetHasThem_data() {
    QTest::addColumn<QString>("workbook");
    for (const char* name :
         {"more-fields.xlsx", "more-fields-1904.xlsx", "more-fields.xls", "more-fields.csv"}) {
      QTest::newRow(name) << QString::fromLatin1(name);
    }
  }

  void moreFieldsAndInternationalNumbersReadBackAsTheSheetHasThem() {
    QFETCH(QString, workbook);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                       folder.path(QStringLiteral("settings")));
    QSettings().clear();
    fixture.browse(kFixtures + workbook);
    fixture.click("cmdNext");
    QCOMPARE(fixture.comboItems("cmbOutlook").size(), 30);
    fixture.click("cmdMatchByName");
    QCOMPARE(fixture.mappedEntries().size(), 3);
    QTest::mouseClick(fixture.find<QCheckBox>(QStringLiteral("chkMoreFields")), Qt::LeftButton);
    QCOMPARE(fixture.comboItems("cmbOutlook").mid(27),
             QStringLiteral("Birthday,Anniversary,Nickname,Categories,OtherTelephoneNumber,"
                            "PagerNumber,PersonalHomePage,Photo")
                 .split(u','));
    fixture.click("cmdMatchByName");
    QCOMPARE(fixture.mappedEntries().size(), 10);
    // Unticked, its pairs give their headers back; ticked again, they pair again.
    auto* moreFields = fixture.find<QCheckBox>(QStringLiteral("chkMoreFields"));
    QTest::mouseClick(moreFields, Qt::LeftButton);
    QCOMPARE(fixture.mappedEntries().size(), 3);
    QCOMPARE(fixture.comboItems("cmbHeader").size(), 7);
    QTest::mouseClick(moreFields, Qt::LeftButton);
    fixture.click("cmdMatchByName");
    QCOMPARE(fixture.mappedEntries().size(), 10);
    fixture.shell.defaultFolder = base;
    fixture.click("cmdNext");
    QTest::mouseClick(fixture.find<QCheckBox>(QStringLiteral("chkInternationalPhones")),
                      Qt::LeftButton);
    QVERIFY(fixture.choose("cmbPhoneCountry", QStringLiteral("Germany (+49)")));
    fixture.click("cmdPreview");
    auto* preview = fixture.window->findChild<quillmere::ui::frmPreview*>();
    QVERIFY(preview != nullptr);
    QVERIFY2(
        preview->recordText().find("\r\nTEL;CELL;VOICE:+49 170 1234567\r\n") != std::string::npos,
        preview->recordText().c_str());
    preview->close();
    for (const char* version : {"Opt2", "Opt3", "Opt4"}) {
      const QString out = folder.path(QString::fromLatin1(version));
      QVERIFY(QDir().mkpath(out));
      fixture.prompts.folderAnswers = {out};
      fixture.click("CmdChangevCardPath");
      fixture.click(version);
      convert();
      QCOMPARE(fixture.prompts.messages.back().text, kSuccess);
      QProcess check;
      check.start(QStringLiteral(QUILLMERE_SYSTEM_PYTHON),
                  {QStringLiteral(QUILLMERE_UI_TEST_DIR "/check_vcards.py"), out + kDated,
                   kExpected + QStringLiteral("more-fields.json")});
      QVERIFY(check.waitForFinished(60000));
      QVERIFY2(check.exitCode() == 0,
               version + check.readAllStandardOutput() + check.readAllStandardError());
      QDir(out).removeRecursively();
    }
    const QString report = folder.path(QStringLiteral("report.csv"));
    fixture.prompts.saveAnswers.push_back(report);
    fixture.click("cmdSaveReport");
    // The row of the contact with a date and numbers that could not be read names each.
    const QStringList lines = QString::fromUtf8(contents(report)).split(QStringLiteral("\r\n"));
    const QStringList fourth = lines.filter(QRegularExpression(QStringLiteral("^4,written,")));
    QCOMPARE(fourth.size(), 1);
    for (const QString& note :
         {QStringLiteral("Birthday \"\"13/03/1985\"\" in column C is not a date"),
          QStringLiteral("Anniversary \"\"2010-02-30\"\" in column D is not a date"),
          QStringLiteral("MobileNumber \"\"12\"\" in column G is not a phone number of DE"),
          QStringLiteral("PagerNumber \"\"call me\"\" in column I is not a phone number of DE")}) {
      QVERIFY2(fourth.front().contains(note), qPrintable(fourth.front()));
    }
  }

  void theCountersTheBarAndNoCloseTheWindow() {
    prepare(kFixtures + QStringLiteral("contacts.xlsx"));
    convert(Prompts::Answer::No);
    // Four data rows: three contacts and one e-mail of spaces.
    QCOMPARE(fixture.text("lblContactCount"), QStringLiteral(" 3/4"));
    QCOMPARE(fixture.text("lblNotNullCount"), QStringLiteral(" 1/4"));
    for (const char* label :
         {"lblContactCount", "lblNotNullCount", "contactCountLabel", "lblNotNullLabel"}) {
      QVERIFY2(fixture.find(QString::fromLatin1(label))->isVisibleTo(fixture.window.get()), label);
    }
    auto* bar = fixture.find<QProgressBar>(QStringLiteral("statusBar"));
    QVERIFY(bar->isVisibleTo(fixture.window.get()));
    QCOMPARE(bar->value(), 100);
    QVERIFY(!fixture.window->isVisible());
    QTest::qWait(500);
    QCOMPARE(bar->value(), 100);
    QVERIFY(fixture.shell.opened.empty());
  }

  void afterAConversionAChangeMakesAnotherRunOfItsOwn() {
    prepare(kFixtures + QStringLiteral("contacts.csv"));
    convert(Prompts::Answer::Yes);
    // The same run again would only repeat its files; Previous leads to the pairs.
    QVERIFY(!fixture.enabled("cmdNext"));
    QVERIFY(fixture.enabled("cmdPrevious"));
    fixture.find<QRadioButton>(QStringLiteral("Opt4"))->setChecked(true);
    QVERIFY(fixture.enabled("cmdNext"));
    convert(Prompts::Answer::Yes);
    const QString second = base + kDated + QStringLiteral(" (2)");
    QCOMPARE(filesIn(second).size(), 3);
    QVERIFY(contents(second + QLatin1Char('/') + filesIn(second).front()).contains("VERSION:4.0"));
    // Back to the pairs and on again: Convert is there for them as they are now.
    fixture.click("cmdPrevious");
    QCOMPARE(fixture.find<QTabWidget>(QStringLiteral("ExportTab"))->currentIndex(), 1);
    fixture.click("cmdNext");
    QVERIFY(fixture.enabled("cmdNext"));
    QCOMPARE(fixture.text("cmdNext"), QStringLiteral("Conver&t"));
    const QString other = folder.path(QStringLiteral("other"));
    QVERIFY(QDir().mkpath(other));
    fixture.prompts.folderAnswers = {other};
    fixture.click("CmdChangevCardPath");
    QCOMPARE(fixture.prompts.folderPrompts, std::vector<QString>{QStringLiteral("Select Folder")});
    QCOMPARE(fixture.text("txtvCardSavePath"), other);
    QVERIFY(fixture.enabled("cmdNext"));
    QCOMPARE(fixture.text("cmdNext"), QStringLiteral("Conver&t"));
    // Choosing makes no folder of its own.
    QCOMPARE(QDir(other).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
    convert(Prompts::Answer::Yes);
    QCOMPARE(filesIn(other + kDated).size(), 3);
  }

  void cancellingChangeKeepsTheFolderAndHidesTheCounters() {
    prepare(kFixtures + QStringLiteral("contacts.csv"));
    fixture.prompts.folderAnswers = {QString()};
    fixture.click("CmdChangevCardPath");
    QCOMPARE(fixture.text("txtvCardSavePath"), base);
    QVERIFY(!fixture.find(QStringLiteral("lblContactCount"))->isVisibleTo(fixture.window.get()));
    QVERIFY(fixture.enabled("cmdNext"));
  }

  void twoRunsInTheSameSecondWriteTwoFolders() {
    prepare(kFixtures + QStringLiteral("contacts.csv"));
    convert(Prompts::Answer::Yes);
    fixture.prompts.folderAnswers = {base};
    fixture.click("CmdChangevCardPath");
    convert(Prompts::Answer::Yes);
    QCOMPARE(fixture.window->exportFolder(), base + kDated + QStringLiteral(" (2)"));
    QCOMPARE(filesIn(base + kDated).size(), 3);
    QCOMPARE(filesIn(base + kDated + QStringLiteral(" (2)")).size(), 3);
    QCOMPARE(contents(base + kDated + QStringLiteral("/MüllerZoë_1.vcf")),
             contents(base + kDated + QStringLiteral(" (2)/MüllerZoë_1.vcf")));
  }

  void optionsChangedDuringARunApplyFromTheNextRecord() {
    prepareLongList();
    bool convertOffDuringRun = true;
    QTimer::singleShot(0, fixture.window.get(), [&] {
      fixture.click("Opt3");
      // "Change..." during a run does not open a second run.
      fixture.prompts.folderAnswers.push_back(base);
      fixture.click("CmdChangevCardPath");
      convertOffDuringRun = !fixture.enabled("cmdNext");
    });
    convert(Prompts::Answer::Yes);
    QVERIFY(convertOffDuringRun);
    const QByteArray all = contents(base + kDated + QStringLiteral("/All Contacts.vcf"));
    QCOMPARE(all.count("END:VCARD\r\n"), kLongListRows);
    const qsizetype lastOld = all.lastIndexOf("VERSION:2.1\r\n");
    const qsizetype firstNew = all.indexOf("VERSION:3.0\r\n");
    QVERIFY2(lastOld > 0 && firstNew > lastOld, "the version did not change once, mid-run");
    QVERIFY(!fixture.enabled("cmdNext"));
  }

  void closingTheWindowAsksFirstAndAStoppedRunSaysWhatItLeft() {
    prepareLongList();
    // No keeps the run going; Yes stops it.
    bool stillOpen = false;
    QTimer::singleShot(0, fixture.window.get(), [&] {
      fixture.prompts.messageAnswers.push_back(Prompts::Answer::No);
      fixture.window->close();
      stillOpen = fixture.window->isVisible();
      fixture.prompts.messageAnswers.push_back(Prompts::Answer::Yes);
      fixture.prompts.messageAnswers.push_back(Prompts::Answer::Ok);
      fixture.window->close();
    });
    fixture.click("cmdNext");
    QVERIFY(stillOpen);
    QVERIFY(!fixture.window->isVisible());
    const std::vector<QString> texts = messageTexts();
    QCOMPARE(texts.size(), 3u);
    QCOMPARE(texts[0], QStringLiteral("A conversion is running. Stop it?"));
    QCOMPARE(fixture.prompts.messages[0].buttons, Prompts::Buttons::YesNo);
    // What was written stays, in a folder whose name says it is incomplete.
    const QString unfinished = base + kDated + QStringLiteral(" (incomplete)");
    QVERIFY(!QDir(base + kDated).exists());
    const QByteArray all = contents(unfinished + QStringLiteral("/All Contacts.vcf.part"));
    const qsizetype records = all.count("END:VCARD\r\n");
    QVERIFY2(records > 0 && records < kLongListRows, qPrintable(QString::number(records)));
    QVERIFY(all.endsWith("END:VCARD\r\n"));
    QCOMPARE(all.count("BEGIN:VCARD\r\n"), records);
    QCOMPARE(texts[2], QStringLiteral("The conversion was stopped. %1 of %2 contacts were written "
                                      "to \"%3\".")
                           .arg(records)
                           .arg(kLongListRows)
                           .arg(unfinished));
  }

  void aHeaderOnlyWorkbookMakesAnEmptyFolderAndSucceeds() {
    fixture.browse(folder.write(QStringLiteral("header.csv"), "First Name,Last Name\r\n"));
    fixture.click("cmdNext");
    QVERIFY(fixture.addPair(QStringLiteral("First Name"), QStringLiteral("FirstName")));
    fixture.shell.defaultFolder = base;
    fixture.click("cmdNext");
    // A tick with no data rows at all shows nothing done, and does not fail.
    fixture.window->progressBar_Timer();
    QCOMPARE(fixture.find<QProgressBar>(QStringLiteral("statusBar"))->value(), 0);
    convert(Prompts::Answer::Yes);
    QCOMPARE(fixture.prompts.messages.back().text, kSuccess);
    QVERIFY(QDir(base + kDated).exists());
    QCOMPARE(filesIn(base + kDated), QStringList());
  }

  void theBarShowsTheShareOfDataRowsDoneDuringARun() {
    prepareLongList();
    auto* bar = fixture.find<QProgressBar>(QStringLiteral("statusBar"));
    // Looked at in every pause of the run: on a busy machine the first pauses may come before
    // half a percent of the rows is done.
    int partway = -1;
    QTimer probe;
    probe.setInterval(0);
    connect(&probe, &QTimer::timeout, fixture.window.get(), [&] {
      fixture.window->progressBar_Timer();
      if (bar->value() > 0 && bar->value() < 100) partway = bar->value();
    });
    probe.start();
    convert(Prompts::Answer::Yes);
    probe.stop();
    QVERIFY2(partway > 0 && partway < 100, qPrintable(QString::number(partway)));
    QCOMPARE(bar->value(), 100);
    // The timer has stopped, so nothing moves the bar back from full.
    QVERIFY(!fixture.window->findChild<QTimer*>(QStringLiteral("progressBar"))->isActive());
  }
};

QTEST_MAIN(FrmMainConvertTest)
#include "FrmMainConvertTest.moc"
