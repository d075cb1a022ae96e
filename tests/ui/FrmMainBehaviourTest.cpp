#include <QAction>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

#include "tests/ui/WindowFixture.h"

using quillmere::ui::Prompts;
using quillmere::ui::test::TestFolder;
using quillmere::ui::test::WindowFixture;

class FrmMainBehaviourTest : public QObject {
  Q_OBJECT

 private:
  WindowFixture fixture;
  TestFolder folder;

  QString excelPath() const { return fixture.text("txtExcelPath"); }

  void pressOpenExcel() {
    auto* toolbar = fixture.find<QToolBar>(QStringLiteral("mainToolBar"));
    QVERIFY(toolbar != nullptr && toolbar->actions().size() == 1);
    auto* button = qobject_cast<QToolButton*>(toolbar->widgetForAction(toolbar->actions()[0]));
    QVERIFY(button != nullptr);
    QTest::mouseClick(button, Qt::LeftButton);
  }

 private slots:
  void init() { QVERIFY(fixture.open()); }
  void cleanup() { fixture.finish(); }

  void browsePutsTheChosenWorkbookIntoThePathBoxAndEnablesNext() {
    const QString csv = folder.write(QStringLiteral("Contacts List.csv"), "Name\r\nAnn\r\n");
    QVERIFY(!fixture.enabled("cmdNext"));
    fixture.browse(csv);
    QCOMPARE(excelPath(), csv);
    QCOMPARE(fixture.prompts.workbookRequests.size(), std::size_t{1});
    const auto& request = fixture.prompts.workbookRequests.front();
    QCOMPARE(request.filter, QStringLiteral("Spreadsheets (*.xlsx *.xls *.ods *.csv)"));
    QCOMPARE(request.title, QString());
    QCOMPARE(request.owner, fixture.window.get());
    QVERIFY(fixture.enabled("cmdNext"));
    QCOMPARE(fixture.window->currentStep(), 1);
  }

  void openExcelOnTheToolbarDoesWhatBrowseDoes() {
    const QString a = folder.write(QStringLiteral("a.csv"), "First\r\nAnn\r\n");
    const QString b = folder.write(QStringLiteral("b.csv"), "Second\r\nBob\r\n");
    fixture.prompts.workbookAnswers = {a};
    pressOpenExcel();
    QCOMPARE(excelPath(), a);
    QCOMPARE(fixture.gridText(0, 0), QStringLiteral("First"));
    fixture.browse(b);
    QCOMPARE(excelPath(), b);
    QCOMPARE(fixture.gridText(0, 0), QStringLiteral("Second"));
    QCOMPARE(fixture.prompts.workbookRequests.size(), std::size_t{2});
    QCOMPARE(fixture.prompts.workbookRequests[0].filter,
             fixture.prompts.workbookRequests[1].filter);
  }

  void openExcelIsOnlyOfferedOnTheFirstStep() {
    const QString csv = folder.write(QStringLiteral("a.csv"), "Name\r\nAnn\r\n");
    fixture.browse(csv);
    auto* open = fixture.window->findChild<QAction*>(QStringLiteral("OpenExcel"));
    QVERIFY(open != nullptr && open->isEnabled());
    fixture.click("cmdNext");
    QVERIFY(!open->isEnabled());
    fixture.click("cmdPrevious");
    QVERIFY(open->isEnabled());
  }

  void cancellingTheFileDialogLoadsNothingAndKeepsTheEarlierChoice() {
    const QString first = folder.write(QStringLiteral("first.csv"), "Name\r\nAnn\r\n");
    fixture.browse(QString());
    QCOMPARE(excelPath(), QString());
    QVERIFY(!fixture.enabled("cmdNext"));
    QCOMPARE(fixture.window->currentStep(), 1);
    fixture.browse(first);
    QCOMPARE(excelPath(), first);
    fixture.browse(QString());
    QCOMPARE(excelPath(), first);
    QCOMPARE(fixture.itemsFound(), QStringLiteral("Items Found:  1"));
  }

  void exitClosesTheWindow() {
    QVERIFY(fixture.window->isVisible());
    auto* exit = fixture.window->findChild<QAction*>(QStringLiteral("Exit"));
    QVERIFY(exit != nullptr);
    exit->trigger();
    QVERIFY(!fixture.window->isVisible());
  }

  void helpOpensTheInstalledGuide() {
    const QString guide = folder.write(QStringLiteral("guide.html"), "<html></html>");
    fixture.shell.guide = guide;
    auto* help = fixture.window->findChild<QAction*>(QStringLiteral("Help"));
    QVERIFY(help != nullptr);
    help->trigger();
    QCOMPARE(fixture.shell.opened, std::vector<QString>{guide});
    QVERIFY(fixture.prompts.messages.empty());
  }

  void helpNamesAMissingGuideInsteadOfOpeningNothing() {
    fixture.shell.guide = QStringLiteral("/nowhere/share/doc/quillmere/guide.html");
    fixture.prompts.messageAnswers = {Prompts::Answer::Ok};
    auto* help = fixture.window->findChild<QAction*>(QStringLiteral("Help"));
    QVERIFY(help != nullptr);
    help->trigger();
    QVERIFY(fixture.shell.opened.empty());
    QCOMPARE(fixture.prompts.messages.size(), std::size_t{1});
    const auto& shown = fixture.prompts.messages.front();
    QVERIFY(shown.text.contains(QStringLiteral("/nowhere/share/doc/quillmere/guide.html")));
    QVERIFY(shown.text.contains(QStringLiteral("missing")));
    QCOMPARE(shown.caption, QStringLiteral("Quillmere"));
    QCOMPARE(shown.buttons, Prompts::Buttons::Ok);
  }

  void helpWhereNothingCanShowTheGuideSaysWhereItIs() {
    const QString guide = folder.write(QStringLiteral("guide.html"), "");
    fixture.shell.guide = guide;
    fixture.shell.openSucceeds = false;
    fixture.prompts.messageAnswers = {Prompts::Answer::Ok};
    fixture.window->findChild<QAction*>(QStringLiteral("Help"))->trigger();
    QCOMPARE(fixture.shell.opened, std::vector<QString>{guide});
    QCOMPARE(fixture.prompts.messages.size(), std::size_t{1});
    QCOMPARE(fixture.prompts.messages.front().text,
             QStringLiteral("No program to show the user guide was found. Open \"%1\" with a "
                            "web browser.")
                 .arg(guide));
  }
};

QTEST_MAIN(FrmMainBehaviourTest)
#include "FrmMainBehaviourTest.moc"
