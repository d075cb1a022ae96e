#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include "tests/ui/SheetFiles.h"
#include "tests/ui/WindowFixture.h"

using quillmere::ui::Prompts;
using quillmere::ui::test::kLongListRows;
using quillmere::ui::test::longContactList;
using quillmere::ui::test::TestFolder;
using quillmere::ui::test::WindowFixture;

namespace {

const QString kFixtures = QStringLiteral(QUILLMERE_UI_TEST_DIR "/fixtures/");

std::unique_ptr<QMimeData> filesData(const QStringList& paths) {
  auto data = std::make_unique<QMimeData>();
  QList<QUrl> urls;
  for (const QString& path : paths)
    urls << QUrl::fromLocalFile(path);
  data->setUrls(urls);
  return data;
}

}  // namespace

class FrmMainDropTest : public QObject {
  Q_OBJECT

 private:
  WindowFixture fixture;
  TestFolder folder;

  // A point inside the preview grid, where a user would let go of a file.
  QPoint dropPoint() const { return QPoint(320, 300); }

  // Drags `data` over the window as the file manager would; true when the window takes it.
  bool dragOver(const QMimeData& data, Qt::DropActions actions = Qt::CopyAction) const {
    QDragEnterEvent enter(dropPoint(), actions, &data, Qt::LeftButton, Qt::NoModifier);
    enter.ignore();
    QCoreApplication::sendEvent(fixture.window.get(), &enter);
    return enter.isAccepted() && enter.dropAction() == Qt::CopyAction;
  }

  // Drags and lets go; true when the window took the drop as a copy.
  bool drop(const QMimeData& data, Qt::DropActions actions = Qt::CopyAction) const {
    if (!dragOver(data, actions)) return false;
    QDropEvent dropped(dropPoint(), actions, &data, Qt::LeftButton, Qt::NoModifier);
    dropped.ignore();
    QCoreApplication::sendEvent(fixture.window.get(), &dropped);
    return dropped.isAccepted() && dropped.dropAction() == Qt::CopyAction;
  }

 private slots:
  void init() {
    QVERIFY(folder.valid());
    QVERIFY(fixture.open());
    QVERIFY(fixture.window->acceptDrops());
  }
  void cleanup() {
    QVERIFY2(fixture.prompts.messageAnswers.empty(), "a scripted message answer was not used");
    QVERIFY2(fixture.prompts.workbookAnswers.empty(), "a scripted file answer was not asked for");
    fixture.window.reset();
    fixture.prompts = {};
  }

  void aDroppedWorkbookLoadsAsBrowseWould() {
    const QString workbook = kFixtures + QStringLiteral("contacts.xlsx");
    QVERIFY(drop(*filesData({workbook})));
    QTRY_COMPARE(fixture.text("txtExcelPath"), workbook);
    QCOMPARE(fixture.itemsFound(), QStringLiteral("Items Found:  4"));
    QCOMPARE(fixture.gridText(0, 0), QStringLiteral("First Name"));
    QCOMPARE(fixture.gridText(1, 1), QStringLiteral("Müller"));
    QCOMPARE(fixture.window->currentStep(), 1);
    QVERIFY(fixture.enabled("cmdNext"));
    QVERIFY(fixture.prompts.workbookRequests.empty());
    fixture.click("cmdNext");
    QCOMPARE(fixture.comboItems("cmbHeader").size(), 8);

    // Back on step 1 a second workbook replaces the first, in any letter case of its name.
    // Offered as a move (the file manager's Shift), it is taken as a copy all the same.
    fixture.click("cmdPrevious");
    const QString upper = folder.write(QStringLiteral("OTHER.CSV"), "Name\r\nAnn\r\nBob\r\n");
    QVERIFY(drop(*filesData({upper}), Qt::MoveAction | Qt::CopyAction));
    QVERIFY(QFile::exists(upper));
    QTRY_COMPARE(fixture.text("txtExcelPath"), upper);
    QCOMPARE(fixture.itemsFound(), QStringLiteral("Items Found:  2"));
  }

  void otherDropsAreRefused() {
    const QString text = folder.write(QStringLiteral("notes.txt"), "Name\r\nAnn\r\n");
    const QString csv = folder.write(QStringLiteral("list.csv"), "Name\r\nAnn\r\n");
    QVERIFY(!dragOver(*filesData({text})));
    QVERIFY(!dragOver(*filesData({csv, csv})));
    QVERIFY(!dragOver(*filesData({folder.path(QStringLiteral("missing.xlsx"))})));
    QVERIFY(!dragOver(*filesData({folder.path(QString())})));
    QMimeData remote;
    remote.setUrls({QUrl(QStringLiteral("https://example.org/contacts.xlsx"))});
    QVERIFY(!dragOver(remote));
    QMimeData words;
    words.setText(csv);
    QVERIFY(!dragOver(words));
    // A drag that can only move the file is not taken.
    QVERIFY(!dragOver(*filesData({csv}), Qt::MoveAction));
    QTest::qWait(20);
    QCOMPARE(fixture.text("txtExcelPath"), QString());
    QCOMPARE(fixture.window->currentStep(), 0);
  }

  void onlyTheFirstStepTakesADrop() {
    const QString csv = folder.write(QStringLiteral("list.csv"), "Name\r\nAnn\r\n");
    fixture.browse(csv);
    fixture.click("cmdNext");
    const QString other = folder.write(QStringLiteral("other.csv"), "Mail\r\nx@y\r\n");
    const auto data = filesData({other});
    QVERIFY(!dragOver(*data));
    // Even a drop that comes without the drag first is refused.
    QDropEvent dropped(dropPoint(), Qt::CopyAction, data.get(), Qt::LeftButton, Qt::NoModifier);
    dropped.ignore();
    QCoreApplication::sendEvent(fixture.window.get(), &dropped);
    QVERIFY(!dropped.isAccepted());
    QTest::qWait(20);
    QCOMPARE(fixture.text("txtExcelPath"), csv);
    QCOMPARE(fixture.shownTab(), QStringLiteral("2. Map Columns"));
  }

  void noDropWhileALoadIsBusy() {
    const QString& big = longContactList();
    const QString csv = folder.write(QStringLiteral("list.csv"), "Name\r\nAnn\r\n");
    bool takenDuringLoad = true;
    QTimer::singleShot(0, fixture.window.get(),
                       [&] { takenDuringLoad = dragOver(*filesData({csv})); });
    fixture.browse(big);
    QVERIFY(!takenDuringLoad);
    QCOMPARE(fixture.text("txtExcelPath"), big);
    QCOMPARE(fixture.itemsFound(), QStringLiteral("Items Found:  %1").arg(kLongListRows));
  }

  void aDroppedFileThatCannotBeReadIsReportedAsBrowseWould() {
    const QString good = kFixtures + QStringLiteral("contacts.csv");
    QVERIFY(drop(*filesData({good})));
    QTRY_COMPARE(fixture.text("txtExcelPath"), good);
    const QString broken = folder.write(QStringLiteral("broken.xlsx"), "PK\x03\x04 not a zip");
    fixture.prompts.messageAnswers.push_back(Prompts::Answer::Ok);
    QVERIFY(drop(*filesData({broken})));
    QTRY_COMPARE(fixture.prompts.messages.size(), std::size_t{1});
    QVERIFY2(fixture.prompts.messages[0].text.contains(broken),
             qPrintable(fixture.prompts.messages[0].text));
    QCOMPARE(fixture.prompts.messages[0].icon, Prompts::Icon::Warning);
    // The workbook loaded before stays, as after a Browse that failed.
    QCOMPARE(fixture.text("txtExcelPath"), good);
    QCOMPARE(fixture.itemsFound(), QStringLiteral("Items Found:  4"));
  }
};

QTEST_MAIN(FrmMainDropTest)
#include "FrmMainDropTest.moc"
