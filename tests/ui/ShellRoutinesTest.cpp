#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

#include "tests/ui/FakePrompts.h"
#include "tests/ui/FakeShell.h"
#include "ui/Module1.h"
#include "ui/QtShell.h"

using namespace quillmere::ui;
using quillmere::ui::test::FakePrompts;
using quillmere::ui::test::FakeShell;

class ShellRoutinesTest : public QObject {
  Q_OBJECT

 private slots:
  void browseForFolderAsksWithTheGivenPromptAndOwner_data() {
    QTest::addColumn<QString>("answer");
    QTest::newRow("chosen") << QStringLiteral("/home/user/Contacts");
    QTest::newRow("cancelled") << QString();
  }

  void browseForFolderAsksWithTheGivenPromptAndOwner() {
    QFETCH(QString, answer);
    FakePrompts prompts;
    prompts.folderAnswers = {answer};
    QWidget owner;
    QCOMPARE(BrowseForFolder(prompts, &owner, QStringLiteral("Select Folder")), answer);
    QCOMPARE(prompts.folderPrompts, std::vector<QString>{QStringLiteral("Select Folder")});
    QVERIFY(prompts.folderAnswers.empty());
  }

  void getDefaultSaveFolderIsTheShellsFolder() {
    FakeShell shell;
    shell.defaultFolder = QStringLiteral("/home/user/Documents");
    QCOMPARE(GetDefaultSaveFolder(shell), QStringLiteral("/home/user/Documents"));
  }

  void shellOpenPassesTheTargetAndIgnoresRefusal() {
    FakeShell shell;
    shell.openSucceeds = false;
    ShellOpen(shell, QStringLiteral("/home/user/Quillmere_6_12_2026_4_3_9"));
    QCOMPARE(shell.opened,
             std::vector<QString>{QStringLiteral("/home/user/Quillmere_6_12_2026_4_3_9")});
  }

  void shellOpenOfNothingDoesNothing() {
    FakeShell shell;
    ShellOpen(shell, QString());
    QVERIFY(shell.opened.empty());
  }

  void desktopDefaultFolderIsTheUsersDocuments() {
    QtShell shell(QString{});
    QCOMPARE(shell.defaultSaveFolder(),
             QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
  }

  void desktopGuideIsFoundOnlyWhereItExists() {
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString guide = folder.filePath(QStringLiteral("guide.html"));
    QCOMPARE(QtShell(guide).userGuide(), QString());
    QFile file(guide);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    QCOMPARE(QtShell(guide).userGuide(), guide);
    // A folder of that name is no guide.
    QCOMPARE(QtShell(folder.path()).userGuide(), QString());
  }

  void desktopOpenOfNothingIsRefused() { QVERIFY(!QtShell(QString{}).open(QString())); }
};

QTEST_MAIN(ShellRoutinesTest)
#include "ShellRoutinesTest.moc"
