#include <QDir>
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

  void desktopDefaultFolderIsTheDocumentsFolderTheDesktopNamesElseHome() {
    QTemporaryDir home;
    QVERIFY(home.isValid());
    const QByteArray savedHome = qgetenv("HOME");
    const QByteArray savedConfig = qgetenv("XDG_CONFIG_HOME");
    qputenv("HOME", QFile::encodeName(home.path()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.filePath(QStringLiteral(".config"))));
    QtShell shell(QString{});
    QCOMPARE(shell.defaultSaveFolder(), home.path());

    QVERIFY(QDir(home.path()).mkpath(QStringLiteral(".config")));
    QFile dirs(home.filePath(QStringLiteral(".config/user-dirs.dirs")));
    QVERIFY(dirs.open(QIODevice::WriteOnly));
    QVERIFY(dirs.write("XDG_DOCUMENTS_DIR=\"$HOME/Dokumente\"\n") > 0);
    dirs.close();
    QCOMPARE(shell.defaultSaveFolder(), home.path());
    QVERIFY(QDir(home.path()).mkdir(QStringLiteral("Dokumente")));
    QCOMPARE(shell.defaultSaveFolder(), home.filePath(QStringLiteral("Dokumente")));

    qputenv("HOME", savedHome);
    if (savedConfig.isNull()) {
      qunsetenv("XDG_CONFIG_HOME");
    } else {
      qputenv("XDG_CONFIG_HOME", savedConfig);
    }
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
