#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

#include "tests/ui/WindowFixture.h"

using quillmere::ui::Prompts;
using quillmere::ui::test::WindowFixture;

class FrmMainBehaviourTest : public QObject {
  Q_OBJECT

 private:
  WindowFixture fixture;

  QString excelPath() const {
    auto* path = fixture.find<QLineEdit>(QStringLiteral("txtExcelPath"));
    return path != nullptr ? path->text() : QStringLiteral("<no txtExcelPath>");
  }

  void pressBrowse() {
    auto* browse = fixture.find<QPushButton>(QStringLiteral("cmdBrowse"));
    QVERIFY(browse != nullptr);
    QTest::mouseClick(browse, Qt::LeftButton);
  }

  void pressOpenExcel() {
    auto* toolbar = fixture.find<QToolBar>(QStringLiteral("mainToolBar"));
    QVERIFY(toolbar != nullptr && toolbar->actions().size() == 1);
    auto* button = qobject_cast<QToolButton*>(toolbar->widgetForAction(toolbar->actions()[0]));
    QVERIFY(button != nullptr);
    QTest::mouseClick(button, Qt::LeftButton);
  }

 private slots:
  void init() { QVERIFY(fixture.open()); }
  void cleanup() {
    QVERIFY2(fixture.prompts.workbookAnswers.empty(), "a scripted file answer was not asked for");
    QVERIFY2(fixture.prompts.messageAnswers.empty(), "a scripted message answer was not used");
    fixture.window.reset();
    fixture.prompts = {};
    fixture.shell = {};
  }

  void browsePutsTheChosenWorkbookIntoThePathBox() {
    fixture.prompts.workbookAnswers = {QStringLiteral("/data/Contacts List.xlsx")};
    pressBrowse();
    QCOMPARE(excelPath(), QStringLiteral("/data/Contacts List.xlsx"));
    QCOMPARE(fixture.prompts.workbookRequests.size(), std::size_t{1});
    const auto& request = fixture.prompts.workbookRequests.front();
    QCOMPARE(request.filter, QStringLiteral("Excel File (*.xlsx *.xls *.csv)"));
    QCOMPARE(request.title, QString());
    QCOMPARE(request.owner, fixture.window.get());
  }

  void openExcelOnTheToolbarDoesWhatBrowseDoes() {
    fixture.prompts.workbookAnswers = {QStringLiteral("/data/a.csv"),
                                       QStringLiteral("/data/b.xls")};
    pressOpenExcel();
    QCOMPARE(excelPath(), QStringLiteral("/data/a.csv"));
    pressBrowse();
    QCOMPARE(excelPath(), QStringLiteral("/data/b.xls"));
    QCOMPARE(fixture.prompts.workbookRequests.size(), std::size_t{2});
    QCOMPARE(fixture.prompts.workbookRequests[0].filter,
             fixture.prompts.workbookRequests[1].filter);
  }

  void cancellingTheFileDialogKeepsTheEarlierChoice() {
    fixture.prompts.workbookAnswers = {QString(), QStringLiteral("/data/first.xlsx"), QString()};
    pressBrowse();
    QCOMPARE(excelPath(), QString());
    pressBrowse();
    QCOMPARE(excelPath(), QStringLiteral("/data/first.xlsx"));
    pressBrowse();
    QCOMPARE(excelPath(), QStringLiteral("/data/first.xlsx"));
  }

  void exitClosesTheWindow() {
    QVERIFY(fixture.window->isVisible());
    auto* exit = fixture.window->findChild<QAction*>(QStringLiteral("Exit"));
    QVERIFY(exit != nullptr);
    exit->trigger();
    QVERIFY(!fixture.window->isVisible());
  }

  void helpOpensTheInstalledGuide() {
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString guide = folder.filePath(QStringLiteral("guide.html"));
    QFile file(guide);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QVERIFY(file.write("<html></html>") > 0);
    file.close();
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

  void helpWithAGuideTheShellRefusesReportsNothing() {
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString guide = folder.filePath(QStringLiteral("guide.html"));
    QFile file(guide);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    fixture.shell.guide = guide;
    fixture.shell.openSucceeds = false;
    auto* help = fixture.window->findChild<QAction*>(QStringLiteral("Help"));
    QVERIFY(help != nullptr);
    help->trigger();
    QCOMPARE(fixture.shell.opened.size(), std::size_t{1});
    QVERIFY(fixture.prompts.messages.empty());
  }
};

QTEST_MAIN(FrmMainBehaviourTest)
#include "FrmMainBehaviourTest.moc"
