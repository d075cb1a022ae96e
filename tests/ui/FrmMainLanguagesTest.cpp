#include <QCheckBox>
#include <QFileInfo>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

#include "tests/ui/WindowFixture.h"
#include "ui/LinkLabel.h"
#include "ui/Translations.h"

using quillmere::ui::Prompts;
using quillmere::ui::test::TestFolder;
using quillmere::ui::test::WindowFixture;

namespace {

// What the user reads first in a language: each step's tab, Next, Convert, the first line of
// the message a conversion ends with, the Yes of Qt's own message box, how step 1's notice
// of an unread column begins, Germany in the list of countries, and how the message about a
// damaged workbook (%1) begins.
struct Captions {
  QStringList tabs;
  QString next, convert, done, yes, unread, germany, damaged;
};

// ctest starts this program under a desktop's LANG and names the language it must then see.
Captions expected(const QByteArray& language) {
  if (language == "de") {
    return {{"1. Auswählen", "2. Spalten zuordnen", "3. Exportieren"},
            "&Weiter >",
            "Konver&tieren",
            "Die Kontakte wurden erfolgreich in vCard-Dateien exportiert.",
            "&Ja",
            "Spalte D enthält Daten, wird aber nicht gelesen: ",
            "Deutschland (+49)",
            "„%1“ ist beschädigt und kann nicht gelesen werden."};
  }
  if (language == "fr") {
    return {{"1. Sélectionner", "2. Associer les colonnes", "3. Exporter"},
            "&Suivant >",
            "Conver&tir",
            "Les contacts ont été exportés avec succès dans des fichiers vCard.",
            "&Oui",
            "La colonne D contient des données mais n'est pas lue : ",
            "Allemagne (+49)",
            "« %1 » est endommagé et ne peut pas être lu."};
  }
  return {{"1. Select", "2. Map Columns", "3. Export"},
          "&Next >",
          "Conver&t",
          "The contacts have been exported successfully to vCard files.",
          "&Yes",
          "Column D holds data but is not read: ",
          "Germany (+49)",
          "\"%1\" is damaged"};
}

}  // namespace

class FrmMainLanguagesTest : public QObject {
  Q_OBJECT

 private:
  WindowFixture fixture;
  TestFolder folder;
  QByteArray language = qgetenv("QUILLMERE_TEST_LANGUAGE");

  // The step's tab is in the language, no caption is cut off, and a picture of the step is
  // left beside the test for a person to look at.
  void look(int step, const char* name) {
    QCOMPARE(fixture.shownTab(), expected(language).tabs.value(step));
    const QStringList clipped = fixture.clippedCaptions();
    QVERIFY2(clipped.isEmpty(), qPrintable(QStringLiteral("cut off: ") + clipped.join(u'|')));
    QVERIFY(
        fixture.window->grab().save(QStringLiteral(QUILLMERE_SCREENSHOT_DIR "/language-%1-%2.png")
                                        .arg(QString::fromLatin1(language), QLatin1String(name))));
  }

 private slots:
  void initTestCase() {
    QVERIFY2(!language.isEmpty(), "QUILLMERE_TEST_LANGUAGE names the language to expect");
    // The first folder is missing, as the build tree's is beside an installed program.
    QCOMPARE(quillmere::ui::installTranslations(
                 *QCoreApplication::instance(),
                 {QStringLiteral("/nonexistent"), QStringLiteral(QUILLMERE_TRANSLATIONS_DIR)}),
             language != "C");
  }

  void stepsSpeakTheDesktopsLanguageAndFitTheirPlaces() {
    const Captions want = expected(language);
    QVERIFY(folder.valid());
    QVERIFY(fixture.open());
    QCOMPARE(fixture.text("cmdNext"), want.next);
    // The reader's refusal reaches the window in its language.
    const QString damaged =
        folder.write(QStringLiteral("damaged.xlsx"), QByteArray("PK\x03\x04").append(200, 'x'));
    fixture.prompts.messageAnswers.push_back(Prompts::Answer::Ok);
    fixture.browse(damaged);
    QVERIFY(!fixture.prompts.messages.empty());
    QVERIFY2(fixture.prompts.messages.back().text.startsWith(want.damaged.arg(damaged)),
             qPrintable(fixture.prompts.messages.back().text));
    // Enough rows for a thousands separator, which the count must never take from the desktop;
    // a column past an empty header, which step 1 must tell of in the language too.
    // A title above the headers, which step 1 offers to skip with a link that must show whole.
    const QString workbook = folder.write(
        QStringLiteral("contacts.csv"),
        "Our contacts\r\nName,Mail,,Note\r\n" + QByteArray("Ann,a@b.org,,x\r\n").repeated(1500));
    fixture.browse(workbook);
    QVERIFY(fixture.find(QStringLiteral("lnkLoadNotice"))->isVisible());
    look(0, "select-title");
    fixture.find<quillmere::ui::LinkLabel>(QStringLiteral("lnkLoadNotice"))->follow();
    QCOMPARE(fixture.find<QSpinBox>(QStringLiteral("spnHeaderRow"))->value(), 2);
    QVERIFY2(fixture.itemsFound().endsWith(QStringLiteral(" 1500")),
             qPrintable(fixture.itemsFound()));
    const QString notice = fixture.find<QLabel>(QStringLiteral("lblLoadNotice"))->text();
    QVERIFY2(notice.startsWith(want.unread.toHtmlEscaped()), qPrintable(notice));
    look(0, "select");

    fixture.click("cmdNext");
    QVERIFY(fixture.addPair(QStringLiteral("Mail"), QStringLiteral("EmailAddress")));
    look(1, "map");

    fixture.shell.defaultFolder = QFileInfo(workbook).absolutePath();
    fixture.click("cmdNext");
    QCOMPARE(fixture.text("cmdNext"), want.convert);
    QVERIFY2(fixture.comboItems("cmbPhoneCountry").contains(want.germany),
             qPrintable(fixture.comboItems("cmbPhoneCountry").mid(70, 20).join(u'|')));
    QTest::mouseClick(fixture.find<QCheckBox>(QStringLiteral("ChkSinglevCard")), Qt::LeftButton);
    fixture.prompts.messageAnswers.push_back(Prompts::Answer::Yes);
    fixture.click("cmdNext");
    QCOMPARE(fixture.text("lblContactCount"), QStringLiteral(" 1500/1500"));
    QVERIFY(!fixture.prompts.messages.empty());
    QCOMPARE(fixture.prompts.messages.back().text.section(QStringLiteral("\r\n"), 0, 0), want.done);
    look(2, "export");
    fixture.finish();

    QMessageBox box;
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    QCOMPARE(box.button(QMessageBox::Yes)->text(), want.yes);
  }
};

QTEST_MAIN(FrmMainLanguagesTest)
#include "FrmMainLanguagesTest.moc"
