#include <QCheckBox>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

#include "carddav/CardDavError.h"
#include "tests/ui/WindowFixture.h"
#include "ui/LinkLabel.h"
#include "ui/Translations.h"

using quillmere::ui::Prompts;
using quillmere::ui::test::TestFolder;
using quillmere::ui::test::WindowFixture;

namespace {

// What the user reads first in a language: each step's tab, Next, Convert, the first line of
// the message a conversion ends with, the Yes of Qt's own message box, how step 1's notice
// of an unread column begins, Germany in the list of countries, how the message about a
// damaged workbook (%1) begins, and why a folder could not be made where it was missing.
struct Captions {
  QStringList tabs;
  QString next, convert, done, yes, unread, germany, damaged, noFolder;
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
            "„%1“ ist beschädigt und kann nicht gelesen werden.",
            "konnte nicht angelegt werden: der Ordner existiert nicht (mehr)."};
  }
  if (language == "fr") {
    return {{"1. Sélectionner", "2. Associer les colonnes", "3. Exporter"},
            "&Suivant >",
            "Conver&tir",
            "Les contacts ont été exportés avec succès dans des fichiers vCard.",
            "&Oui",
            "La colonne D contient des données mais n'est pas lue : ",
            "Allemagne (+49)",
            "« %1 » est endommagé et ne peut pas être lu.",
            "n'a pas pu être créé : le dossier n'existe pas (ou plus)."};
  }
  if (language == "es") {
    return {{"1. Seleccionar", "2. Asignar columnas", "3. Exportar"},
            "&Siguiente >",
            "Conver&tir",
            "Los contactos se exportaron correctamente a archivos vCard.",
            "&Sí",
            "La columna D contiene datos pero no se lee: ",
            "Alemania (+49)",
            "«%1» está dañado y no se puede leer.",
            ": la carpeta no existe (o ya no existe)."};
  }
  if (language == "it") {
    return {{"1. Seleziona", "2. Associa colonne", "3. Esporta"},
            "&Avanti >",
            "Conver&ti",
            "I contatti sono stati esportati correttamente in file vCard.",
            "&Sì",
            "La colonna D contiene dati ma non viene letta: ",
            "Germania (+49)",
            "«%1» è danneggiato e non può essere letto.",
            ": la cartella non esiste (più)."};
  }
  if (language == "nl") {
    return {{"1. Selecteren", "2. Kolommen koppelen", "3. Exporteren"},
            "&Volgende >",
            "Conver&teren",
            "De contacten zijn met succes geëxporteerd naar vCard-bestanden.",
            "&Ja",
            "Kolom D bevat gegevens maar wordt niet gelezen: ",
            "Duitsland (+49)",
            "„%1” is beschadigd en kan niet worden gelezen.",
            "kon niet worden gemaakt: de map bestaat niet (meer)."};
  }
  if (language == "pl") {
    return {{"1. Wybierz", "2. Przypisz kolumny", "3. Eksportuj"},
            "&Dalej >",
            "Konwer&tuj",
            "Kontakty zostały wyeksportowane do plików vCard.",
            "&Tak",
            "Kolumna D zawiera dane, ale nie jest odczytywana: ",
            "Niemcy (+49)",
            "„%1” jest uszkodzony i nie można go odczytać.",
            ": folder nie istnieje (już)."};
  }
  if (language == "pt") {
    return {{"1. Selecionar", "2. Mapear colunas", "3. Exportar"},
            "&Próximo >",
            "Conver&ter",
            "Os contatos foram exportados para arquivos vCard com sucesso.",
            "&Sim",
            "A coluna D contém dados, mas não é lida: ",
            "Alemanha (+49)",
            "“%1” está danificado e não pode ser lido.",
            ": a pasta não existe (mais)."};
  }
  return {{"1. Select", "2. Map Columns", "3. Export"},
          "&Next >",
          "Conver&t",
          "The contacts have been exported successfully to vCard files.",
          "&Yes",
          "Column D holds data but is not read: ",
          "Germany (+49)",
          "\"%1\" is damaged",
          "could not be made in"};
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

  // A server's refusal reaches the send dialog in the language, still naming the server.
  void aServersRefusalIsWordedInTheLanguage() {
    const QString said =
        quillmere::carddav::statusError(401, QUrl(QStringLiteral("https://dav.example.org/")))
            .message;
    QVERIFY2(said.startsWith(QStringLiteral("dav.example.org ")), qPrintable(said));
    QCOMPARE(said == QStringLiteral("dav.example.org did not accept the user name or password. "
                                    "Check both; accounts with two-step sign-in need an app "
                                    "password."),
             language == "C");
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
    // A saving location that is not there: the run's failure is worded in the language too.
    auto* saving = fixture.find<QLineEdit>(QStringLiteral("txtvCardSavePath"));
    const QString savingLocation = saving->text();
    saving->setText(folder.path(QStringLiteral("gone")));
    fixture.prompts.messageAnswers.push_back(Prompts::Answer::Ok);
    fixture.click("cmdNext");
    QVERIFY2(fixture.prompts.messages.back().text.contains(want.noFolder),
             qPrintable(fixture.prompts.messages.back().text));
    saving->setText(savingLocation);
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
