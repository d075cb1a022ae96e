#include <sys/mount.h>
#include <sys/resource.h>

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QProgressBar>
#include <QTest>
#include <csignal>
#include <string>
#include <vector>

#include "tests/ui/ConvertSteps.h"

using quillmere::ui::Prompts;
using quillmere::ui::test::contents;
using quillmere::ui::test::ConvertSteps;
using quillmere::ui::test::kDated;
using quillmere::ui::test::kFixtures;
using quillmere::ui::test::writeXlsx;

// A conversion whose saving location or workbook fails it: the user hears what went wrong and
// what to do, nothing claims success, and what was written is whole.
class FrmMainSavingProblemsTest : public QObject, private ConvertSteps {
  Q_OBJECT

 private:
  // A small file system of its own at the saving location where this process may mount one
  // (as root, as in CI); otherwise the nearest a user can make, so the case always runs: a
  // folder the user may not write, or a limit on how large a file may grow.
  void makeSavingLocationReadOnly() {
    if (::mount("tmpfs", QFile::encodeName(base).constData(), "tmpfs", MS_RDONLY, "size=64k") ==
        0) {
      mounted = true;
      return;
    }
    QFile::setPermissions(base, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
  }
  void makeSavingLocationSmall(rlim_t bytes) {
    const std::string size = "size=" + std::to_string(bytes);
    if (::mount("tmpfs", QFile::encodeName(base).constData(), "tmpfs", 0, size.c_str()) == 0) {
      mounted = true;
      return;
    }
    std::signal(SIGXFSZ, SIG_IGN);
    ::getrlimit(RLIMIT_FSIZE, &fileSizeBefore);
    rlimit small = fileSizeBefore;
    small.rlim_cur = bytes;
    limited = ::setrlimit(RLIMIT_FSIZE, &small) == 0;
  }
  // What the window says when the dated folder could not be made in the saving location.
  QString folderNotMade(const QString& reason) const {
    return QStringLiteral(
               "No contact was written.\r\nThe reason: The folder \"%1\" could not be "
               "made in \"%2\": %3.\r\nChoose another saving location with Change... "
               "and convert again.")
        .arg(base + kDated, base, reason);
  }
  bool mounted = false;
  bool limited = false;
  rlimit fileSizeBefore{};

 private slots:
  void init() { openWindow(); }
  void cleanup() {
    if (mounted) ::umount2(QFile::encodeName(base).constData(), MNT_DETACH);
    if (limited) ::setrlimit(RLIMIT_FSIZE, &fileSizeBefore);
    mounted = limited = false;
    closeWindow();
  }

  void aSavingLocationOfSpacesIsAskedFor() {
    prepare(kFixtures + QStringLiteral("contacts.csv"));
    fixture.find<QLineEdit>(QStringLiteral("txtvCardSavePath"))->setText(QStringLiteral("   "));
    convert(Prompts::Answer::Ok);
    QCOMPARE(messageTexts().back(), QStringLiteral("Please Choose Saving Location"));
    QCOMPARE(fixture.prompts.messages.back().icon, Prompts::Icon::Information);
    QVERIFY(fixture.enabled("cmdNext"));
    QVERIFY(!fixture.find(QStringLiteral("lblContactCount"))->isVisibleTo(fixture.window.get()));
    QCOMPARE(QDir(base).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
  }

  void aRemovedSavingLocationIsReportedAndNothingClaimsSuccess() {
    prepare(kFixtures + QStringLiteral("contacts.csv"));
    QVERIFY(QDir(base).removeRecursively());
    convert(Prompts::Answer::Ok);
    const auto& shown = fixture.prompts.messages.back();
    // No folder was made, so none is named as if it held contacts; each sentence comes once.
    QCOMPARE(shown.text, folderNotMade(QStringLiteral("the folder does not exist (any more)")));
    // The bar shows that nothing was done.
    QCOMPARE(fixture.find<QProgressBar>(QStringLiteral("statusBar"))->value(), 0);
    QVERIFY(!shown.text.contains(QStringLiteral("successfully")));
    QCOMPARE(shown.icon, Prompts::Icon::Warning);
    QVERIFY(fixture.window->isVisible());
    QVERIFY(!QDir(base).exists());
  }

  void aReadOnlyDiskIsReportedAndNothingClaimsSuccess() {
    makeSavingLocationReadOnly();
    prepare(kFixtures + QStringLiteral("contacts.csv"));
    convert(Prompts::Answer::Ok);
    const auto& shown = fixture.prompts.messages.back();
    QCOMPARE(shown.text, folderNotMade(mounted ? QStringLiteral("the disk can only be read")
                                               : QStringLiteral("you may not write there")));
    QCOMPARE(fixture.find<QProgressBar>(QStringLiteral("statusBar"))->value(), 0);
  }

  void aFullDiskKeepsWholeContactsAndSaysHowManyWereNotWritten() {
    makeSavingLocationSmall(16 * 1024);
    // Big contacts: each Notes cell is 3 KiB, so a 16 KiB disk takes only a few of them.
    std::vector<QStringList> rows = {{QStringLiteral("Name"), QStringLiteral("Notes")}};
    for (int r = 1; r <= 20; ++r)
      rows.push_back({QStringLiteral("Person %1").arg(r), QString(3000, u'n')});
    const QString workbook = folder.path(QStringLiteral("big-notes.xlsx"));
    QVERIFY(writeXlsx(workbook, rows));
    fixture.browse(workbook);
    fixture.click("cmdNext");
    QVERIFY(fixture.addPair(QStringLiteral("Name"), QStringLiteral("FullName")));
    QVERIFY(fixture.addPair(QStringLiteral("Notes"), QStringLiteral("Notes")));
    fixture.shell.defaultFolder = base;
    fixture.click("cmdNext");
    QTest::mouseClick(fixture.find<QCheckBox>(QStringLiteral("ChkSinglevCard")), Qt::LeftButton);
    convert(Prompts::Answer::No);
    const auto& shown = fixture.prompts.messages.back();
    QVERIFY2(shown.text.contains(mounted ? QStringLiteral("the disk is full")
                                         : QStringLiteral("too large")),
             qPrintable(shown.text));
    QVERIFY(!shown.text.contains(QStringLiteral("successfully")));
    QCOMPARE(shown.buttons, Prompts::Buttons::YesNo);
    // No keeps the window open to choose another folder.
    QVERIFY(fixture.window->isVisible());
    // The run took every row, so its folder has its dated name.
    const QByteArray all = contents(base + kDated + QStringLiteral("/All Contacts.vcf"));
    const qsizetype whole = all.count("END:VCARD\r\n");
    QVERIFY(whole > 0 && whole < 20);
    QVERIFY(all.endsWith("END:VCARD\r\n"));
    QVERIFY2(shown.text.contains(QStringLiteral("%1 of 20 contacts were written").arg(whole)),
             qPrintable(shown.text));
  }

  void aWorkbookGoneSinceLoadingIsNamedAndNothingIsMade() {
    const QString copy = folder.path(QStringLiteral("contacts.xlsx"));
    QVERIFY(QFile::copy(kFixtures + QStringLiteral("contacts.xlsx"), copy));
    prepare(copy);
    QVERIFY(QFile::remove(copy));
    convert(Prompts::Answer::Ok);
    const auto& shown = fixture.prompts.messages.back();
    QVERIFY2(shown.text.contains(copy) && shown.text.contains(QStringLiteral("does not exist")),
             qPrintable(shown.text));
    QCOMPARE(QDir(base).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
    // Convert and the way back to another workbook are open again.
    QVERIFY(fixture.enabled("cmdNext"));
    QVERIFY(fixture.enabled("cmdPrevious"));
  }

  void aWorkbookWithOtherHeadersSinceLoadingIsRefused() {
    const QString csv = folder.write(QStringLiteral("list.csv"),
                                     contents(kFixtures + QStringLiteral("contacts.csv")));
    prepare(csv);
    folder.write(QStringLiteral("list.csv"), "Vorname,Nachname\r\nAnna,Schmidt\r\n");
    convert(Prompts::Answer::Ok);
    QVERIFY2(fixture.prompts.messages.back().text.contains(
                 QStringLiteral("has changed since it was loaded")),
             qPrintable(fixture.prompts.messages.back().text));
    QCOMPARE(QDir(base).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
  }
};

QTEST_MAIN(FrmMainSavingProblemsTest)
#include "FrmMainSavingProblemsTest.moc"
