#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFontMetrics>
#include <QLabel>
#include <QTest>
#include <QTimer>

#include "tests/ui/ConvertSteps.h"

using quillmere::ui::Prompts;
using quillmere::ui::test::contents;
using quillmere::ui::test::ConvertSteps;
using quillmere::ui::test::kDated;
using quillmere::ui::test::kFixtures;
using quillmere::ui::test::kLongListRows;
using quillmere::ui::test::longContactList;

namespace {

const QByteArray kHeader = "Row,Outcome,File,Reason,Same Contact As Rows\r\n";

}  // namespace

class FrmMainReportTest : public QObject, private ConvertSteps {
  Q_OBJECT

 private:
  // Saves the report through the dialog, answered with `file`.
  void saveReport(const QString& file) {
    fixture.prompts.saveAnswers.push_back(file);
    fixture.click("cmdSaveReport");
  }

 private slots:
  void init() { openWindow(); }
  void cleanup() {
    QVERIFY2(fixture.prompts.saveAnswers.empty(), "a scripted save answer was not asked for");
    closeWindow();
  }

  void afterARunTheReportListsEveryDataRowAsTheCountersDo() {
    prepareByName(kFixtures + QStringLiteral("contacts.csv"));
    QVERIFY(!fixture.enabled("cmdSaveReport"));
    convert();
    QVERIFY(fixture.enabled("cmdSaveReport"));

    const QString report = folder.path(QStringLiteral("report.csv"));
    saveReport(report);
    QCOMPARE(fixture.prompts.saveRequests.size(), std::size_t{1});
    QCOMPARE(fixture.prompts.saveRequests[0].title, QStringLiteral("Save Report"));
    QCOMPARE(fixture.prompts.saveRequests[0].suggested,
             base + kDated + QStringLiteral(" report.csv"));
    QCOMPARE(fixture.prompts.saveRequests[0].filter, QStringLiteral("CSV File (*.csv)"));
    // Three contacts and one e-mail of spaces, as the counters " 3/4" and " 1/4" say.
    QCOMPARE(fixture.text("lblContactCount"), QStringLiteral(" 3/4"));
    QCOMPARE(fixture.text("lblNotNullCount"), QStringLiteral(" 1/4"));
    QCOMPARE(contents(report), kHeader +
                                   "2,written,MüllerZoë_1.vcf,,\r\n"
                                   "3,written,O'BrienJohn_2.vcf,,\r\n"
                                   "5,dropped: empty e-mail,,,\r\n"
                                   "6,written,王李_3.vcf,,\r\n");
    QCOMPARE(fixture.text("panelAbout"), QStringLiteral("Report saved as report.csv"));
    QCOMPARE(fixture.find(QStringLiteral("panelAbout"))->accessibleName(),
             QStringLiteral("Report saved as report.csv"));
    QVERIFY(fixture.prompts.messages.size() == 1);
  }

  void rowsThatLookLikeTheSameContactAreNamedButAllAreConverted() {
    prepareByName(folder.write(QStringLiteral("alike.csv"),
                               "First Name,Last Name,E-mail,Mobile\r\n"
                               "Ann,Lee,ann@x.org,0151 1\r\n"
                               "Bob,Ray,bob@x.org,0151 2\r\n"
                               "ANN,LEE,,01511\r\n"
                               "Bob,Ray, Bob@X.org ,\r\n"
                               "Cy,Lee,,0151 1\r\n"));
    convert();
    QCOMPARE(QDir(base + kDated).entryList(QDir::Files).size(), 5);
    const QString report = folder.path(QStringLiteral("alike report.csv"));
    saveReport(report);
    QCOMPARE(contents(report), kHeader +
                                   "2,written,LeeAnn_1.vcf,,\r\n"
                                   "3,written,RayBob_2.vcf,,\r\n"
                                   "4,written,LEEANN_3.vcf,,2\r\n"
                                   "5,written,RayBob_4.vcf,,3\r\n"
                                   "6,written,LeeCy_5.vcf,,\r\n");
  }

  void contactsThatFailedCarryTheirReason() {
    prepareByName(kFixtures + QStringLiteral("contacts.csv"));
    QVERIFY(QDir(base).removeRecursively());
    convert(Prompts::Answer::Ok);
    QVERIFY(
        fixture.prompts.messages.back().text.startsWith(QStringLiteral("No contact was written")));
    QVERIFY(fixture.enabled("cmdSaveReport"));
    const QString report = folder.path(QStringLiteral("failed.csv"));
    saveReport(report);
    const QList<QByteArray> lines = contents(report).split('\n');
    QCOMPARE(lines.size(), 6);  // the header, four rows and the empty rest after the last CR LF
    QCOMPARE(lines[0], QByteArray("Row,Outcome,File,Reason,Same Contact As Rows\r"));
    const QByteArray reason = "\"The folder \"\"" + QFile::encodeName(base + kDated) +
                              "\"\" could not be made in \"\"" + QFile::encodeName(base) +
                              "\"\": the folder does not exist (any more).\",\r";
    QCOMPARE(lines[1], "2,failed,MüllerZoë_1.vcf," + reason);
    QCOMPARE(lines[2], "3,failed,O'BrienJohn_2.vcf," + reason);
    QCOMPARE(lines[3], QByteArray("5,dropped: empty e-mail,,,\r"));
    QCOMPARE(lines[4], "6,failed,王李_3.vcf," + reason);
    QVERIFY(lines[5].isEmpty());
  }

  void aSaveThatFailsSaysWhyAndACancelledOneDoesNothing() {
    prepareByName(kFixtures + QStringLiteral("contacts.csv"));
    convert();
    const std::size_t messages = fixture.prompts.messages.size();
    const QStringList before = QDir(folder.path(QString())).entryList(QDir::AllEntries);
    saveReport(QString());
    QCOMPARE(fixture.prompts.messages.size(), messages);
    QCOMPARE(QDir(folder.path(QString())).entryList(QDir::AllEntries), before);

    const QString gone = folder.path(QStringLiteral("gone/report.csv"));
    fixture.prompts.messageAnswers.push_back(Prompts::Answer::Ok);
    saveReport(gone);
    const auto& shown = fixture.prompts.messages.back();
    QCOMPARE(shown.text, QStringLiteral("The report could not be saved as \"%1\": the folder "
                                        "does not exist (any more).")
                             .arg(gone));
    QCOMPARE(shown.icon, Prompts::Icon::Warning);
    QCOMPARE(shown.buttons, Prompts::Buttons::Ok);
    QVERIFY(!QFile::exists(gone));
    // The report is still there to be saved elsewhere.
    saveReport(folder.path(QStringLiteral("report.csv")));
    QVERIFY(contents(folder.path(QStringLiteral("report.csv"))).startsWith(kHeader));
  }

  void aRunRefusedBeforeItBeganKeepsTheLastReport() {
    const QString csv = folder.write(QStringLiteral("list.csv"),
                                     contents(kFixtures + QStringLiteral("contacts.csv")));
    prepareByName(csv);
    convert();
    folder.write(QStringLiteral("list.csv"), "Vorname,Nachname\r\nAnna,Schmidt\r\n");
    fixture.prompts.folderAnswers.push_back(base);
    fixture.click("CmdChangevCardPath");
    convert(Prompts::Answer::Ok);
    QVERIFY(fixture.prompts.messages.back().text.contains(
        QStringLiteral("has changed since it was loaded")));
    QVERIFY(fixture.enabled("cmdSaveReport"));
    const QString report = folder.path(QStringLiteral("kept.csv"));
    saveReport(report);
    QCOMPARE(contents(report), kHeader +
                                   "2,written,MüllerZoë_1.vcf,,\r\n"
                                   "3,written,O'BrienJohn_2.vcf,,\r\n"
                                   "5,dropped: empty e-mail,,,\r\n"
                                   "6,written,王李_3.vcf,,\r\n");
    QCOMPARE(fixture.prompts.saveRequests.back().suggested,
             base + kDated + QStringLiteral(" report.csv"));
  }

  void theReportIsOffDuringARunAndHoldsOnlyTheLastRun() {
    prepareByName(longContactList());
    QTest::mouseClick(fixture.find<QCheckBox>(QStringLiteral("ChkSinglevCard")), Qt::LeftButton);
    convert();
    QVERIFY(fixture.enabled("cmdSaveReport"));

    fixture.prompts.folderAnswers.push_back(base);
    fixture.click("CmdChangevCardPath");
    bool offDuringRun = false;
    QTimer::singleShot(0, fixture.window.get(),
                       [&] { offDuringRun = !fixture.enabled("cmdSaveReport"); });
    convert();
    QVERIFY(offDuringRun);
    QVERIFY(fixture.enabled("cmdSaveReport"));
    const QString report = folder.path(QStringLiteral("big report.csv"));
    saveReport(report);
    const QByteArray saved = contents(report);
    QCOMPARE(saved.count("\r\n"), kLongListRows + 1);
    QVERIFY(
        saved.endsWith(QByteArray::number(kLongListRows + 1) + ",written,All Contacts.vcf,,\r\n"));
    // A name too long for the status panel is shortened there, and heard whole.
    auto* panel = fixture.find<QLabel>(QStringLiteral("panelAbout"));
    const QString name = QString(80, u'r') + QStringLiteral(".csv");
    saveReport(folder.path(name));
    QCOMPARE(panel->accessibleName(), QStringLiteral("Report saved as ") + name);
    QVERIFY(panel->text().startsWith(QStringLiteral("Report saved as ")));
    QVERIFY(panel->text().contains(QChar(0x2026)));
    QVERIFY(QFontMetrics(panel->font()).horizontalAdvance(panel->text()) <= panel->width());
    QCOMPARE(fixture.prompts.saveRequests.back().suggested,
             base + kDated + QStringLiteral(" (2) report.csv"));
  }
};

QTEST_MAIN(FrmMainReportTest)
#include "FrmMainReportTest.moc"
