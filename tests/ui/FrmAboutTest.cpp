#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "tests/ui/WindowFixture.h"
#include "ui/frmAbout.h"

using quillmere::ui::frmAbout;
using quillmere::ui::test::WindowFixture;

class FrmAboutTest : public QObject {
  Q_OBJECT

 private:
  WindowFixture fixture;

  frmAbout* showAbout() {
    auto* about = fixture.window->findChild<QAction*>(QStringLiteral("AboutUs"));
    if (about == nullptr) return nullptr;
    about->trigger();
    return fixture.window->findChild<frmAbout*>();
  }

  static void flushDeletes() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }

  // How many About dialogs exist, shown or not.
  int aboutCount() const {
    return static_cast<int>(fixture.window->findChildren<frmAbout*>().size());
  }

 private slots:
  void init() { QVERIFY(fixture.open()); }
  void cleanup() { fixture.window.reset(); }

  void showsProductVersionAndOkInAFixedOwnedModelessBox() {
    frmAbout* about = showAbout();
    QVERIFY(about != nullptr);
    QVERIFY(QTest::qWaitForWindowExposed(about));
    QCOMPARE(about->objectName(), QStringLiteral("frmAbout"));
    QCOMPARE(about->windowTitle(), QStringLiteral("About Us"));
    QCOMPARE(about->parentWidget(), fixture.window.get());
    QVERIFY(!about->isModal());
    QCOMPARE(about->windowModality(), Qt::NonModal);
    QCOMPARE(about->size(), QSize(244, 91));
    QCOMPARE(about->minimumSize(), about->maximumSize());
    QVERIFY(!(about->windowFlags() & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(about->windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(!about->windowIcon().isNull());
    QVERIFY2(
        (about->geometry().center() - fixture.window->geometry().center()).manhattanLength() <= 2,
        "the dialog is not centred on the main window");
    QCOMPARE(about->font().family(), QStringLiteral("Verdana"));

    auto* title = about->findChild<QLabel*>(QStringLiteral("lblTitle"));
    auto* version = about->findChild<QLabel*>(QStringLiteral("lblVersion"));
    auto* ok = about->findChild<QPushButton*>(QStringLiteral("cmdOK"));
    QVERIFY(title && version && ok);
    QCOMPARE(title->text(), QStringLiteral("Quillmere"));
    QCOMPARE(title->geometry(), QRect(8, 8, 227, 16));
    QVERIFY(title->alignment() & Qt::AlignHCenter);
    QCOMPARE(version->text(), QStringLiteral("v2.0"));
    QCOMPARE(version->geometry(), QRect(104, 32, 27, 15));
    QCOMPARE(ok->text(), QStringLiteral("OK"));
    QCOMPARE(ok->geometry(), QRect(80, 56, 84, 23));
    QCOMPARE(ok->font().family(), QStringLiteral("MS Sans Serif"));
    QVERIFY(ok->isDefault());
    QCOMPARE(about->focusWidget(), ok);
    QVERIFY(QFontMetrics(title->font()).horizontalAdvance(title->text()) <= title->width());
    QVERIFY(QFontMetrics(version->font()).horizontalAdvance(version->text()) <= version->width());
  }

  void showingItAgainRaisesTheOneDialog() {
    frmAbout* first = showAbout();
    QVERIFY(first != nullptr);
    frmAbout* second = showAbout();
    QCOMPARE(second, first);
    QCOMPARE(aboutCount(), 1);
    QVERIFY(first->isVisible());
    // The main window stays usable meanwhile.
    QVERIFY(QApplication::activeModalWidget() == nullptr);
  }

  void enterEscapeAndOkEachPressOkAndUnloadTheDialog_data() {
    QTest::addColumn<int>("key");
    QTest::newRow("Enter") << int(Qt::Key_Return);
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter);
    QTest::newRow("Escape") << int(Qt::Key_Escape);
    QTest::newRow("OK clicked") << 0;
  }

  void enterEscapeAndOkEachPressOkAndUnloadTheDialog() {
    QFETCH(int, key);
    QPointer<frmAbout> about = showAbout();
    QVERIFY(about != nullptr);
    QVERIFY(QTest::qWaitForWindowExposed(about.data()));
    auto* ok = about->findChild<QPushButton*>(QStringLiteral("cmdOK"));
    QVERIFY(ok != nullptr);
    QSignalSpy pressed(ok, &QPushButton::clicked);
    if (key == 0) {
      QTest::mouseClick(ok, Qt::LeftButton);
    } else {
      QTest::keyClick(about.data(), static_cast<Qt::Key>(key));
    }
    QCOMPARE(pressed.count(), 1);
    QVERIFY(!about->isVisible());
    flushDeletes();
    QVERIFY(about.isNull());
    QCOMPARE(aboutCount(), 0);

    // The next About command loads it afresh.
    frmAbout* again = showAbout();
    QVERIFY(again != nullptr);
    QVERIFY(again->isVisible());
  }

  void closeBoxPressesOkToo() {
    QPointer<frmAbout> about = showAbout();
    QVERIFY(about != nullptr);
    auto* ok = about->findChild<QPushButton*>(QStringLiteral("cmdOK"));
    QVERIFY(ok != nullptr);
    QSignalSpy pressed(ok, &QPushButton::clicked);
    QVERIFY(about->close());
    QCOMPARE(pressed.count(), 1);
    flushDeletes();
    QVERIFY(about.isNull());
  }

  void closingTheMainWindowTakesTheDialogAlong() {
    QPointer<frmAbout> about = showAbout();
    QVERIFY(about != nullptr);
    QVERIFY(fixture.window->close());
    flushDeletes();
    QVERIFY(about.isNull() || !about->isVisible());
  }
};

QTEST_MAIN(FrmAboutTest)
#include "FrmAboutTest.moc"
