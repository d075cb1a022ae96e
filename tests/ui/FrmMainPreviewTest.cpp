#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFontMetricsF>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include "tests/ui/ConvertSteps.h"
#include "ui/frmPreview.h"

using quillmere::ui::frmPreview;
using quillmere::ui::Prompts;
using quillmere::ui::test::contactRows;
using quillmere::ui::test::contents;
using quillmere::ui::test::ConvertSteps;
using quillmere::ui::test::kDated;
using quillmere::ui::test::kFixtures;
using quillmere::ui::test::SheetCell;
using quillmere::ui::test::writeFormattedXlsx;
using quillmere::ui::test::writeXlsx;

namespace {

const QString kExpected = QStringLiteral(QUILLMERE_UI_TEST_DIR "/expected/");

void flushDeletes() {
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// One card as the preview window shows it.
struct Card {
  QString row;
  QString file;
  QByteArray record;
};

}  // namespace

class FrmMainPreviewTest : public QObject, private ConvertSteps {
  Q_OBJECT

 private:
  frmPreview* openPreview() {
    fixture.click("cmdPreview");
    return fixture.window->findChild<frmPreview*>();
  }

  static QString text(frmPreview* preview, const char* name) {
    if (auto* label = preview->findChild<QLabel*>(QString::fromLatin1(name))) return label->text();
    if (auto* edit = preview->findChild<QPlainTextEdit*>(QString::fromLatin1(name))) {
      return edit->toPlainText();
    }
    return QStringLiteral("<no control %1>").arg(QLatin1String(name));
  }

  static bool enabled(frmPreview* preview, const char* name) {
    auto* button = preview->findChild<QPushButton*>(QString::fromLatin1(name));
    return button != nullptr && button->isEnabled();
  }

  static void press(frmPreview* preview, const char* name) {
    auto* button = preview->findChild<QPushButton*>(QString::fromLatin1(name));
    QVERIFY2(button != nullptr, name);
    QTest::mouseClick(button, Qt::LeftButton);
  }

  static Card card(frmPreview* preview) {
    return {text(preview, "lblRow"), text(preview, "lblFile"),
            QByteArray::fromStdString(preview->recordText())};
  }

 private slots:
  void init() { openWindow(); }
  void cleanup() { closeWindow(); }

  void eachCardIsByteForByteTheRecordTheConversionWrites() {
    prepareByName(kFixtures + QStringLiteral("contacts.xlsx"));
    fixture.click("Opt3");
    frmPreview* preview = openPreview();
    QVERIFY(preview != nullptr);
    QVERIFY(QTest::qWaitForWindowExposed(preview));
    QCOMPARE(preview->parentWidget(), fixture.window.get());
    QVERIFY(!preview->isModal());
    QCOMPARE(preview->windowTitle(), QStringLiteral("Card Preview"));
    QCOMPARE(preview->minimumSize(), preview->maximumSize());
    auto* record = preview->findChild<QPlainTextEdit*>(QStringLiteral("txtRecord"));
    QVERIFY(record != nullptr && record->isReadOnly());
    // The card's columns line up: a narrow and a wide letter take the same room. Measured, as
    // some monospace fonts do not call themselves fixed-pitch.
    const QFontMetricsF metrics(record->font());
    QCOMPARE(metrics.horizontalAdvance(QLatin1Char('i')),
             metrics.horizontalAdvance(QLatin1Char('M')));
    QVERIFY(!enabled(preview, "cmdPreviousRow"));

    std::vector<Card> cards{card(preview)};
    while (enabled(preview, "cmdNextRow")) {
      press(preview, "cmdNextRow");
      cards.push_back(card(preview));
      // The window shows the lines of the record the file will hold, or why there is none.
      if (cards.back().record.isEmpty()) {
        QVERIFY2(text(preview, "txtRecord").contains(QStringLiteral("would not be converted")),
                 qPrintable(text(preview, "txtRecord")));
      } else {
        QCOMPARE(text(preview, "txtRecord").toUtf8(),
                 QByteArray(cards.back().record).replace("\r\n", "\n"));
      }
    }
    QCOMPARE(cards.size(), std::size_t{4});
    // At either end the keyboard stays on the way through the rows, never on Close.
    QVERIFY(preview->findChild<QPushButton*>(QStringLiteral("cmdPreviousRow"))->hasFocus());
    while (enabled(preview, "cmdPreviousRow"))
      press(preview, "cmdPreviousRow");
    QCOMPARE(text(preview, "lblRow"), QStringLiteral("Row 2 (1 of 4)"));
    QVERIFY(preview->findChild<QPushButton*>(QStringLiteral("cmdNextRow"))->hasFocus());
    QCOMPARE(cards[0].row, QStringLiteral("Row 2 (1 of 4)"));
    QCOMPARE(cards[1].row, QStringLiteral("Row 3 (2 of 4)"));
    QCOMPARE(cards[2].row, QStringLiteral("Row 5 (3 of 4)"));
    QCOMPARE(cards[3].row, QStringLiteral("Row 6 (4 of 4)"));
    // Ana's e-mail address is only spaces, so her row makes no card.
    QCOMPARE(cards[2].file, QStringLiteral("No file"));
    QVERIFY(cards[2].record.isEmpty());
    // The first card is the record written by hand for this workbook.
    QCOMPARE(cards[0].file, QStringLiteral("File: MüllerZoë_1.vcf"));
    QCOMPARE(cards[0].record + "\r\n",
             contents(kExpected + QStringLiteral("xlsx-3.0-separate/MüllerZoë_1.vcf")));

    fixture.prompts.messageAnswers.push_back(Prompts::Answer::Yes);
    fixture.click("cmdNext");
    int compared = 0;
    for (const Card& shown : cards) {
      if (shown.record.isEmpty()) continue;
      const QString file = shown.file.mid(QStringLiteral("File: ").size());
      QCOMPARE(contents(base + kDated + u'/' + file), shown.record + "\r\n");
      ++compared;
    }
    QCOMPARE(compared, 3);
  }

  void itsControlsFitTheFixedWindowWithoutOverlapping() {
    prepareByName(kFixtures + QStringLiteral("contacts.csv"));
    frmPreview* preview = openPreview();
    QVERIFY(preview != nullptr);
    QVERIFY(QTest::qWaitForWindowExposed(preview));
    QCOMPARE(preview->size(), QSize(400, 329));
    const QList<QWidget*> controls = preview->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    QCOMPARE(controls.size(), 6);
    for (const QWidget* control : controls) {
      const QString name = control->objectName();
      QVERIFY2(preview->rect().contains(control->geometry()), qPrintable(name));
      QVERIFY2(!control->accessibleName().isEmpty(), qPrintable(name));
      for (const QWidget* other : controls) {
        QVERIFY2(other == control || !control->geometry().intersects(other->geometry()),
                 qPrintable(name + QStringLiteral(" overlaps ") + other->objectName()));
      }
      if (const auto* button = qobject_cast<const QPushButton*>(control)) {
        QCOMPARE(button->font().family(), QStringLiteral("Tahoma"));
        QVERIFY2(button->sizeHint().width() <= button->width(), qPrintable(name));
      }
    }
    // The row and the file are heard as they are shown.
    QCOMPARE(preview->findChild<QLabel*>(QStringLiteral("lblRow"))->accessibleName(),
             QStringLiteral("Row 2 (1 of 4)"));
    QCOMPARE(preview->findChild<QLabel*>(QStringLiteral("lblFile"))->accessibleName(),
             QStringLiteral("File: MüllerZoë_1.vcf"));
  }

  void theCardFollowsTheVersionAndTheBoxesWhileOpen() {
    prepareByName(kFixtures + QStringLiteral("contacts.csv"));
    frmPreview* preview = openPreview();
    QVERIFY(preview != nullptr);
    press(preview, "cmdNextRow");
    press(preview, "cmdNextRow");
    QCOMPARE(text(preview, "lblRow"), QStringLiteral("Row 5 (3 of 4)"));
    QVERIFY2(text(preview, "txtRecord").contains(QStringLiteral("would not be converted")),
             qPrintable(text(preview, "txtRecord")));
    QVERIFY(preview->recordText().empty());

    QTest::mouseClick(fixture.find<QCheckBox>(QStringLiteral("chkNotNull")), Qt::LeftButton);
    fixture.click("Opt4");
    QCOMPARE(text(preview, "lblFile"), QStringLiteral("File: Ana_3.vcf"));
    QCOMPARE(QByteArray::fromStdString(preview->recordText()) + "\r\n",
             contents(kExpected + QStringLiteral("csv-4.0-separate-allow-empty/Ana_3.vcf")));

    QTest::mouseClick(fixture.find<QCheckBox>(QStringLiteral("ChkSinglevCard")), Qt::LeftButton);
    QCOMPARE(text(preview, "lblFile"), QStringLiteral("File: All Contacts.vcf"));
    fixture.click("Opt2");
    QVERIFY(preview->recordText().starts_with("BEGIN:VCARD\r\nVERSION:2.1\r\n"));
    QVERIFY(text(preview, "txtRecord").startsWith(QStringLiteral("BEGIN:VCARD\nVERSION:2.1\n")));

    press(preview, "cmdPreviousRow");
    QCOMPARE(text(preview, "lblRow"), QStringLiteral("Row 3 (2 of 4)"));
    QVERIFY(preview->recordText().find("FN:John O'Brien\r\n") != std::string::npos);
  }

  void theCardTakesNumbersAsShownWhileTheBoxIsChecked() {
    const QString workbook = folder.path(QStringLiteral("phones.xlsx"));
    QVERIFY(writeFormattedXlsx(workbook,
                               {{{QStringLiteral("Name")}, {QStringLiteral("Mobile")}},
                                {{QStringLiteral("Ann Lee")}, {{}, 1512345678, "0000 0000000"}}}));
    prepareByName(workbook);
    frmPreview* preview = openPreview();
    QVERIFY(preview != nullptr);
    const std::string stored = "TEL;CELL;VOICE:1512345678\r\n";
    const std::string shown = "TEL;CELL;VOICE:0151 2345678\r\n";
    QVERIFY2(preview->recordText().find(stored) != std::string::npos,
             preview->recordText().c_str());
    auto* box = fixture.find<QCheckBox>(QStringLiteral("chkNumbersAsShown"));
    QTest::mouseClick(box, Qt::LeftButton);
    QVERIFY2(preview->recordText().find(shown) != std::string::npos, preview->recordText().c_str());
    QTest::mouseClick(box, Qt::LeftButton);
    QVERIFY(preview->recordText().find(stored) != std::string::npos);
  }

  void oneWindowOwnedByTheMainWindowThatGoesWithTheExportStep() {
    prepareByName(kFixtures + QStringLiteral("contacts.csv"));
    QPointer<frmPreview> preview = openPreview();
    QVERIFY(preview != nullptr);
    QCOMPARE(openPreview(), preview.data());
    QCOMPARE(fixture.window->findChildren<frmPreview*>().size(), 1);

    press(preview, "cmdClose");
    flushDeletes();
    QVERIFY(preview.isNull());

    preview = openPreview();
    QVERIFY(preview != nullptr);
    QTest::keyClick(preview.data(), Qt::Key_Escape);
    flushDeletes();
    QVERIFY(preview.isNull());

    // Back on step 2 the mapping may change, so the preview of the old one closes.
    preview = openPreview();
    fixture.click("cmdPrevious");
    flushDeletes();
    QVERIFY(preview.isNull());
    fixture.click("cmdNext");

    preview = openPreview();
    fixture.window->close();
    flushDeletes();
    QVERIFY(preview.isNull());
  }

  void aWorkbookGoneOrChangedSinceLoadingIsSaidInThePreview() {
    const QString copy = folder.path(QStringLiteral("contacts.xlsx"));
    QVERIFY(QFile::copy(kFixtures + QStringLiteral("contacts.xlsx"), copy));
    prepareByName(copy);
    QVERIFY(QFile::remove(copy));
    frmPreview* preview = openPreview();
    QVERIFY(preview != nullptr);
    QCOMPARE(text(preview, "lblRow"), QStringLiteral("The card cannot be shown"));
    QVERIFY2(text(preview, "txtRecord").contains(copy) &&
                 text(preview, "txtRecord").contains(QStringLiteral("does not exist")),
             qPrintable(text(preview, "txtRecord")));
    QVERIFY(!enabled(preview, "cmdNextRow"));
    QVERIFY(!enabled(preview, "cmdPreviousRow"));
    QVERIFY(preview->recordText().empty());
    // A change of options shows no card over the message.
    fixture.click("Opt3");
    QCOMPARE(text(preview, "lblRow"), QStringLiteral("The card cannot be shown"));
    press(preview, "cmdClose");
    flushDeletes();

    const QString csv = folder.write(QStringLiteral("list.csv"),
                                     contents(kFixtures + QStringLiteral("contacts.csv")));
    fixture.click("cmdPrevious");
    fixture.click("cmdPrevious");
    fixture.browse(csv);
    fixture.click("cmdNext");
    fixture.click("cmdMatchByName");
    fixture.click("cmdNext");
    folder.write(QStringLiteral("list.csv"), "Vorname,Nachname\r\nAnna,Schmidt\r\n");
    preview = openPreview();
    QVERIFY(preview != nullptr);
    QVERIFY2(text(preview, "txtRecord").contains(QStringLiteral("has changed since it was loaded")),
             qPrintable(text(preview, "txtRecord")));
  }

  void steppingBackInALongSheetShowsTheRowBefore() {
    const QString big = folder.path(QStringLiteral("big.xlsx"));
    QVERIFY(writeXlsx(big, contactRows(3000)));
    prepareByName(big);
    frmPreview* preview = openPreview();
    QVERIFY(preview != nullptr);
    QCOMPARE(text(preview, "lblRow"), QStringLiteral("Row 2 (1 of 3000)"));
    for (int step = 0; step < 5; ++step)
      press(preview, "cmdNextRow");
    QCOMPARE(text(preview, "lblRow"), QStringLiteral("Row 7 (6 of 3000)"));
    QVERIFY(preview->recordText().find("FN:Name 6\r\n") != std::string::npos);
    press(preview, "cmdPreviousRow");
    QCOMPARE(text(preview, "lblRow"), QStringLiteral("Row 6 (5 of 3000)"));
    QVERIFY(preview->recordText().find("FN:Name 5\r\n") != std::string::npos);
    QVERIFY(preview->recordText().find("EMAIL;PREF;INTERNET:m5@example.org\r\n") !=
            std::string::npos);
  }
};

QTEST_MAIN(FrmMainPreviewTest)
#include "FrmMainPreviewTest.moc"
