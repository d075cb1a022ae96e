#include <QAction>
#include <QProcess>
#include <QTest>

#include "tests/ui/ConvertSteps.h"

using quillmere::ui::Prompts;
using quillmere::ui::test::ConvertSteps;

namespace {

const QString kExports = QStringLiteral(QUILLMERE_UI_TEST_DIR "/../tools/real-exports.py");

}  // namespace

// The exports people bring, through the window as a user takes them: a Google Contacts export
// in UTF-16 and a German Outlook export in Windows-1252 with semicolons, each paired by Match by
// Name with More Fields; vobject then finds every value of every row in its card.
class FrmMainRealExportsTest : public QObject, private ConvertSteps {
  Q_OBJECT

 private slots:
  void init() { openWindow(); }
  void cleanup() { closeWindow(); }

  void everyValueOfGoogleAndOutlookExportsReachesItsCard() {
    const QString sheets = folder.path(QStringLiteral("sheets"));
    QVERIFY(QDir().mkpath(sheets));
    QCOMPARE(QProcess::execute(QStringLiteral(QUILLMERE_SYSTEM_PYTHON),
                               {kExports, QStringLiteral("--write"), sheets}),
             0);
    for (const char* name : {"google.csv", "outlook.csv"}) {
      fixture.toExportMatchedByName(sheets + u'/' + QString::fromLatin1(name), base);
      QCOMPARE(fixture.shownTab(), QStringLiteral("3. Export"));
      // Nothing of either export goes nowhere.
      QVERIFY2(!fixture.find(QStringLiteral("lblExportNotice"))->isVisible(), name);
      fixture.click("Opt3");
      convert(Prompts::Answer::No);
      QVERIFY2(fixture.prompts.messages.back().text.contains(QStringLiteral("successfully")),
               qPrintable(fixture.prompts.messages.back().text));
      fixture.window->findChild<QAction*>(QStringLiteral("NewConversion"))->trigger();
    }
    QProcess check;
    check.start(QStringLiteral(QUILLMERE_SYSTEM_PYTHON),
                {kExports, QStringLiteral("--check"), base});
    QVERIFY(check.waitForFinished(60000));
    QVERIFY2(check.exitCode() == 0, check.readAllStandardOutput() + check.readAllStandardError());
  }
};

QTEST_MAIN(FrmMainRealExportsTest)
#include "FrmMainRealExportsTest.moc"
