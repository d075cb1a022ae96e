#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QTest>
#include <QTimer>

#include "tests/ui/WindowFixture.h"

using quillmere::ui::frmMain;
using quillmere::ui::Prompts;
using quillmere::ui::test::TestFolder;
using quillmere::ui::test::WindowFixture;

namespace {

const QString kFixtures = QStringLiteral(QUILLMERE_UI_TEST_DIR "/fixtures/");

QString entry(const char* header, const char* field) {
  return QString::fromUtf8(header) + QStringLiteral("\t->\t") + QString::fromLatin1(field);
}

// Every card a run wrote into the dated folder the fake clock names, one after another.
QString writtenCards(const QString& base) {
  const QDir dated(base + QStringLiteral("/Quillmere_6_12_2026_4_3_9"));
  QString cards;
  for (const QString& name : dated.entryList(QDir::Files, QDir::Name)) {
    QFile file(dated.filePath(name));
    if (file.open(QIODevice::ReadOnly)) cards += QString::fromUtf8(file.readAll());
  }
  return cards;
}

}  // namespace

class FrmMainMatchByNameTest : public QObject {
  Q_OBJECT

 private:
  WindowFixture fixture;
  TestFolder folder;

  void toMapStep(const QString& workbook) {
    fixture.browse(workbook);
    fixture.click("cmdNext");
    QCOMPARE(fixture.shownTab(), QStringLiteral("2. Map Columns"));
  }

  QString statusMessage() const { return fixture.text("panelAbout"); }

  // Matches by name, converts into a folder of the test's own and gives the cards written.
  QString matchAndConvert() {
    fixture.click("cmdMatchByName");
    fixture.shell.defaultFolder = folder.path(QStringLiteral("out"));
    fixture.click("cmdNext");
    fixture.prompts.messageAnswers.push_back(Prompts::Answer::Yes);
    fixture.click("cmdNext");
    return writtenCards(folder.path(QStringLiteral("out")));
  }

 private slots:
  void initTestCase() {
    // The pairs this run makes by hand are learned into the test's folder, not the user's.
    QVERIFY(folder.valid());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                       folder.path(QStringLiteral("settings")));
  }
  void init() {
    QVERIFY(folder.valid());
    QSettings().clear();
    QVERIFY(QDir().mkpath(folder.path(QStringLiteral("out"))));
    QVERIFY(fixture.open());
  }
  void cleanup() {
    QVERIFY2(fixture.prompts.messageAnswers.empty(), "a scripted message answer was not used");
    fixture.window.reset();
    fixture.prompts = {};
    QDir(folder.path(QStringLiteral("out"))).removeRecursively();
  }

  void googleTypeColumnsDecideTheirValuesFieldsAndSeveralValuesFillFreeFields() {
    toMapStep(folder.write(
        QStringLiteral("google.csv"),
        "Name,Given Name,Family Name,E-mail 1 - Type,E-mail 1 - Value,Phone 1 - Type,"
        "Phone 1 - Value,Phone 2 - Type,Phone 2 - Value,Address 1 - Type,Address 1 - Street,"
        "Address 1 - City\r\n"
        "Ann Lee,Ann,Lee,* Home,ann@x.org ::: ann@y.org,Mobile,111 ::: 222,Work,333,Home,"
        "1 Main St,Springfield\r\n"
        "Bo Ray,Bo,Ray,* Work,bo@x.org,Mobile,444,Work,555 ::: 666,Home,2 Elm St,Shelbyville\r\n"));
    const QString cards = matchAndConvert();
    QCOMPARE(
        fixture.mappedEntries(),
        QStringList({entry("Name", "FullName"), entry("Given Name", "FirstName"),
                     entry("Family Name", "LastName"), entry("E-mail 1 - Value", "EmailAddress"),
                     entry("Phone 1 - Value", "MobileNumber"),
                     entry("Phone 2 - Value", "BusinessTelephoneNumber"),
                     entry("Address 1 - Street", "HomeAddressStreet"),
                     entry("Address 1 - City", "HomeAddressCity")}));
    QVERIFY(!cards.contains(QStringLiteral(":::")));
    for (const char* line :
         {"EMAIL;PREF;INTERNET:ann@x.org", "EMAIL;INTERNET:ann@y.org", "TEL;CELL;VOICE:111",
          "TEL;WORK;VOICE:333", "TEL;HOME;VOICE:222", "ADR;HOME:;;1 Main St;Springfield;;;",
          "TEL;WORK;VOICE:555", "TEL;HOME;VOICE:666", "TEL;CELL;VOICE:444"}) {
      QVERIFY2(cards.contains(QString::fromLatin1(line) + QStringLiteral("\r\n")), line);
    }
  }

  void aGermanThunderbirdExportPairsItsStreetsAndPairsMadeByHandAreLearned() {
    const QString workbook = folder.write(
        QStringLiteral("thunderbird.csv"),
        "Vorname,Nachname,Spitzname,Primäre E-Mail-Adresse,Tel. dienstlich,Mobil-Tel.-Nr.,"
        "Privat: Adresse,Privat: Adresse 2,Privat: Ort,Privat: PLZ,Dienstlich: Adresse,"
        "Dienstlich: Ort\r\n"
        "Jan,Maier,Jo,jm@x.de,030 1,0151 2,Hauptstr. 1,Hinterhaus,Berlin,10115,Am Markt 2,"
        "Potsdam\r\n");
    toMapStep(workbook);
    QVERIFY(fixture.addPair(QStringLiteral("Spitzname"), QStringLiteral("MiddleName")));
    fixture.window.reset();
    QVERIFY(fixture.open());
    toMapStep(workbook);
    const QString cards = matchAndConvert();
    QCOMPARE(
        fixture.mappedEntries(),
        QStringList(
            {entry("Vorname", "FirstName"), entry("Nachname", "LastName"),
             entry("Spitzname", "MiddleName"), entry("Primäre E-Mail-Adresse", "EmailAddress"),
             entry("Tel. dienstlich", "BusinessTelephoneNumber"),
             entry("Mobil-Tel.-Nr.", "MobileNumber"), entry("Privat: Adresse", "HomeAddressStreet"),
             entry("Privat: Ort", "HomeAddressCity"), entry("Privat: PLZ", "HomeAddressPostalCode"),
             entry("Dienstlich: Adresse", "BusinessAddressStreet"),
             entry("Dienstlich: Ort", "BusinessAddressCity")}));
    for (const char* line :
         {"N:Maier;Jan;Jo", "ADR;HOME:;;Hauptstr. 1;Berlin;;10115;",
          "ADR;WORK:;;Am Markt 2;Potsdam;;;", "TEL;WORK;VOICE:030 1", "TEL;CELL;VOICE:0151 2"}) {
      QVERIFY2(cards.contains(QString::fromUtf8(line) + QStringLiteral("\r\n")), line);
    }
  }

  void pairsEveryNamedColumnAsAddWouldAndSaysHowMany() {
    toMapStep(kFixtures + QStringLiteral("contacts.xlsx"));
    QVERIFY(fixture.enabled("cmdMatchByName"));
    fixture.click("cmdMatchByName");
    QCOMPARE(fixture.mappedEntries(),
             QStringList({entry("First Name", "FirstName"), entry("Last Name", "LastName"),
                          entry("E-mail", "EmailAddress"), entry("Company", "Company"),
                          entry("Department", "Department"), entry("Mobile", "MobileNumber"),
                          entry("Notes", "Notes"), entry("City", "HomeAddressCity")}));
    QCOMPARE(statusMessage(), QStringLiteral("8 of 8 columns matched by name"));
    QCOMPARE(fixture.find(QStringLiteral("panelAbout"))->accessibleName(), statusMessage());
    // The last header went, so the lists, Add and the button itself are off, as after Add.
    QCOMPARE(fixture.comboItems("cmbHeader"), QStringList());
    QCOMPARE(fixture.comboItems("cmbOutlook").size(), 22);
    QVERIFY(!fixture.comboItems("cmbOutlook").contains(QStringLiteral("HomeAddressCity")));
    QVERIFY(!fixture.enabled("cmbHeader"));
    QVERIFY(!fixture.enabled("cmbOutlook"));
    QVERIFY(!fixture.enabled("cmdAddMapping"));
    QVERIFY(!fixture.enabled("cmdMatchByName"));
    QCOMPARE(fixture.window->columnMapping().pairs().size(), std::size_t{8});

    // Remove gives a header back and the button comes on again; a second match pairs it.
    QVERIFY(fixture.selectEntry(6));
    fixture.click("cmdRemove");
    QVERIFY(fixture.enabled("cmdMatchByName"));
    fixture.click("cmdMatchByName");
    QCOMPARE(fixture.mappedEntries().last(), entry("Notes", "Notes"));
    QCOMPARE(statusMessage(), QStringLiteral("1 of 1 column matched by name"));
  }

  void theUsersPairsStayAndASecondPressChangesNothing() {
    toMapStep(kFixtures + QStringLiteral("contacts.csv"));
    QVERIFY(fixture.addPair(QStringLiteral("E-mail"), QStringLiteral("EmailAddress2")));
    QVERIFY(fixture.addPair(QStringLiteral("Notes"), QStringLiteral("FirstName")));
    fixture.click("cmdMatchByName");
    // "First Name" names a field the user gave to Notes, so it stays to be paired by hand.
    QCOMPARE(fixture.mappedEntries(),
             QStringList({entry("E-mail", "EmailAddress2"), entry("Notes", "FirstName"),
                          entry("Last Name", "LastName"), entry("Company", "Company"),
                          entry("Department", "Department"), entry("Mobile", "MobileNumber"),
                          entry("City", "HomeAddressCity")}));
    QCOMPARE(statusMessage(), QStringLiteral("5 of 6 columns matched by name"));
    QCOMPARE(fixture.comboItems("cmbHeader"), QStringList{QStringLiteral("First Name")});
    QVERIFY(fixture.comboItems("cmbOutlook").contains(QStringLiteral("EmailAddress")));

    QVERIFY(fixture.choose("cmbOutlook", QStringLiteral("MiddleName")));
    const QStringList entries = fixture.mappedEntries();
    const QStringList fields = fixture.comboItems("cmbOutlook");
    fixture.click("cmdMatchByName");
    QCOMPARE(fixture.mappedEntries(), entries);
    QCOMPARE(fixture.comboItems("cmbOutlook"), fields);
    QCOMPARE(fixture.comboItems("cmbHeader"), QStringList{QStringLiteral("First Name")});
    QCOMPARE(fixture.find<QComboBox>(QStringLiteral("cmbOutlook"))->currentText(),
             QStringLiteral("MiddleName"));
    QCOMPARE(statusMessage(), QStringLiteral("0 of 1 column matched by name"));

    // The mapping matched by name converts like one made by hand: Next goes on to step 3.
    fixture.shell.defaultFolder = folder.path(QStringLiteral("out"));
    fixture.click("cmdNext");
    QCOMPARE(fixture.shownTab(), QStringLiteral("3. Export"));
  }

  void aSheetWithoutContactHeadersPairsNothing() {
    toMapStep(folder.write(QStringLiteral("invoices.csv"), "ID,Amount,Due\r\n1,20,today\r\n"));
    fixture.click("cmdMatchByName");
    QCOMPARE(fixture.mappedEntries(), QStringList());
    QCOMPARE(fixture.comboItems("cmbHeader").size(), 3);
    QVERIFY(fixture.enabled("cmdAddMapping"));
    QCOMPARE(statusMessage(), QStringLiteral("0 of 3 columns matched by name"));
  }

  void offOnlyWhenThereIsNoHeaderToPair() {
    // Before any workbook the header list is empty.
    QVERIFY(!fixture.enabled("cmdMatchByName"));
    fixture.prompts.workbookAnswers.push_back(QString());
    fixture.click("cmdBrowse");
    fixture.click("cmdNext");
    QCOMPARE(fixture.comboItems("cmbHeader"), QStringList());
    QVERIFY(!fixture.enabled("cmdMatchByName"));
  }

  void theAccessKeyPressesItAndTheMessagePassesAfterAWhile() {
    toMapStep(kFixtures + QStringLiteral("contacts.csv"));
    // Access keys act in the active window.
    fixture.window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(fixture.window.get()));
    QTest::keyClick(fixture.window->windowHandle(), Qt::Key_M, Qt::AltModifier);
    // An access key presses the button visibly, releasing it a moment later.
    QTRY_COMPARE(fixture.mappedEntries().size(), 8);
    QCOMPARE(statusMessage(), QStringLiteral("8 of 8 columns matched by name"));
    auto* timer = fixture.window->findChild<QTimer*>(QStringLiteral("statusMessage"));
    QVERIFY(timer != nullptr && timer->isActive());
    QCOMPARE(timer->interval(), frmMain::kStatusMessageMs);
    timer->start(0);
    QTRY_COMPARE(statusMessage(), QString::fromLatin1(frmMain::kAboutPanelText));
    QCOMPARE(fixture.find(QStringLiteral("panelAbout"))->accessibleName(), statusMessage());
  }

  void aWorkbookLoadedAfterwardsPutsTheLastPanelBack_data() {
    QTest::addColumn<QString>("workbook");
    QTest::addColumn<bool>("loads");
    QTest::newRow("another workbook") << QStringLiteral("contacts.xls") << true;
    QTest::newRow("a missing workbook") << QStringLiteral("gone.xlsx") << false;
    QTest::newRow("a cancelled dialog") << QString() << false;
  }

  void aWorkbookLoadedAfterwardsPutsTheLastPanelBack() {
    QFETCH(QString, workbook);
    QFETCH(bool, loads);
    toMapStep(kFixtures + QStringLiteral("contacts.csv"));
    fixture.click("cmdMatchByName");
    const QString matched = statusMessage();
    fixture.click("cmdPrevious");
    // A workbook that cannot be read is named in a message; the sheet before it stays.
    if (!loads && !workbook.isEmpty()) fixture.prompts.messageAnswers = {Prompts::Answer::Ok};
    fixture.browse(workbook.isEmpty() ? QString() : kFixtures + workbook);
    const QString expected = loads ? QString::fromLatin1(frmMain::kAboutPanelText) : matched;
    QCOMPARE(statusMessage(), expected);
    QCOMPARE(fixture.find(QStringLiteral("panelAbout"))->accessibleName(), expected);
  }
};

QTEST_MAIN(FrmMainMatchByNameTest)
#include "FrmMainMatchByNameTest.moc"
