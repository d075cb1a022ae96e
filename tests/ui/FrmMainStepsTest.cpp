#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

#include "tests/ui/WindowFixture.h"

using quillmere::ui::Prompts;
using quillmere::ui::test::TestFolder;
using quillmere::ui::test::WindowFixture;

namespace {

const QStringList kCatalogue = {
    "FirstName",
    "LastName",
    "FullName",
    "EmailAddress",
    "EmailAddress2",
    "EmailAddress3",
    "JobTitle",
    "Company",
    "BusinessAddress",
    "BusinessAddressCity",
    "BusinessAddressCountry",
    "BusinessAddressPostalCode",
    "BusinessAddressState",
    "BusinessAddressStreet",
    "BusinessFaxNumber",
    "BusinessHomePage",
    "BusinessTelephoneNumber",
    "Department",
    "HomeAddress",
    "HomeAddressCity",
    "HomeAddressCountry",
    "HomeAddressPostalCode",
    "HomeAddressState",
    "HomeAddressStreet",
    "HomeFaxNumber",
    "HomeTelephoneNumber",
    "MiddleName",
    "MobileNumber",
    "Title",
    "Notes",
};

}  // namespace

class FrmMainStepsTest : public QObject {
  Q_OBJECT

 private:
  WindowFixture fixture;
  TestFolder folder;

  void loadContacts() {
    fixture.browse(folder.write(QStringLiteral("contacts.csv"),
                                "Name,Mail,2024\r\nAnn,ann@example.org,x\r\n"));
  }

  void toMapStep() {
    loadContacts();
    fixture.click("cmdNext");
    QCOMPARE(fixture.shownTab(), QStringLiteral("2. Map Columns"));
  }

  // Which step tabs the user could choose now.
  QList<bool> tabsOn() const {
    auto* tabs = fixture.find<QTabWidget>(QStringLiteral("ExportTab"));
    QList<bool> on;
    for (int i = 0; i < tabs->count(); ++i)
      on << tabs->isTabEnabled(i);
    return on;
  }

  QStringList messagesShown() const {
    QStringList texts;
    for (const auto& message : fixture.prompts.messages)
      texts << message.text;
    return texts;
  }

  int chosenIndex(const char* combo) const {
    return fixture.find<QComboBox>(QString::fromLatin1(combo))->currentIndex();
  }

 private slots:
  void init() { QVERIFY(fixture.open()); }
  void cleanup() { fixture.finish(); }

  void nextFillsBothListsAndShowsTheMappingStep() {
    QCOMPARE(tabsOn(), (QList<bool>{true, false, false}));
    loadContacts();
    fixture.click("cmdNext");
    QCOMPARE(fixture.window->currentStep(), 2);
    QCOMPARE(tabsOn(), (QList<bool>{false, true, false}));
    QCOMPARE(fixture.comboItems("cmbHeader"),
             (QStringList{QStringLiteral("Name"), QStringLiteral("Mail"), QStringLiteral("2024")}));
    QCOMPARE(fixture.comboItems("cmbOutlook"), kCatalogue);
    QCOMPARE(chosenIndex("cmbHeader"), -1);
    QCOMPARE(chosenIndex("cmbOutlook"), -1);
    QVERIFY(fixture.enabled("cmdPrevious"));
    QCOMPARE(fixture.text("cmdNext"), QStringLiteral("&Next >"));
  }

  void addAsksForTheFieldBeforeTheHeader() {
    toMapStep();
    fixture.prompts.messageAnswers = {Prompts::Answer::Ok, Prompts::Answer::Ok};
    fixture.click("cmdAddMapping");
    QVERIFY(fixture.choose("cmbOutlook", QStringLiteral("EmailAddress")));
    fixture.click("cmdAddMapping");
    QCOMPARE(messagesShown(), (QStringList{QStringLiteral("Please Select the Outlook Field."),
                                           QStringLiteral("Please Select the Excel Field.")}));
    for (const auto& message : fixture.prompts.messages) {
      QCOMPARE(message.caption, QStringLiteral("Quillmere"));
      QCOMPARE(message.icon, Prompts::Icon::None);
      QCOMPARE(message.buttons, Prompts::Buttons::Ok);
    }
    QCOMPARE(fixture.mappedEntries(), QStringList());
  }

  void addAndRemoveMovePairsBetweenTheListsAndTheEntries() {
    toMapStep();
    QVERIFY(fixture.addPair(QStringLiteral("Mail"), QStringLiteral("EmailAddress")));
    QVERIFY(fixture.addPair(QStringLiteral("2024"), QStringLiteral("FirstName")));
    QCOMPARE(fixture.mappedEntries(), (QStringList{QStringLiteral("Mail\t->\tEmailAddress"),
                                                   QStringLiteral("2024\t->\tFirstName")}));
    QCOMPARE(fixture.comboItems("cmbHeader"), QStringList{QStringLiteral("Name")});
    QCOMPARE(fixture.comboItems("cmbOutlook").size(), 28);
    QCOMPARE(chosenIndex("cmbHeader"), -1);

    // The last header switches the lists and Add off.
    QVERIFY(fixture.addPair(QStringLiteral("Name"), QStringLiteral("FullName")));
    QVERIFY(!fixture.enabled("cmbHeader"));
    QVERIFY(!fixture.enabled("cmbOutlook"));
    QVERIFY(!fixture.enabled("cmdAddMapping"));

    QVERIFY(fixture.selectEntry(1));
    fixture.click("cmdRemove");
    QVERIFY(fixture.enabled("cmbHeader") && fixture.enabled("cmdAddMapping"));
    QCOMPARE(fixture.comboItems("cmbHeader"), QStringList{QStringLiteral("2024")});
    QCOMPARE(fixture.comboItems("cmbOutlook").back(), QStringLiteral("FirstName"));
    QCOMPARE(fixture.mappedEntries(), (QStringList{QStringLiteral("Mail\t->\tEmailAddress"),
                                                   QStringLiteral("Name\t->\tFullName")}));
    QVERIFY(!fixture.window->columnMapping().lookupField(2));
  }

  void theFieldsOfTheEntriesLineUpWhateverTheHeadersWidths() {
    const QString longHeader = QStringLiteral(
        "A header so long that it would run across the "
        "whole list and push its field out of sight");
    fixture.browse(folder.write(QStringLiteral("widths.csv"),
                                "N,Street of the business address,Business Address City,Another " +
                                    longHeader.toUtf8().mid(1) + "\r\nx,y,z,w\r\n"));
    fixture.click("cmdNext");
    QVERIFY(fixture.addPair(QStringLiteral("N"), QStringLiteral("BusinessAddressCity")));
    QVERIFY(fixture.addPair(QStringLiteral("Street of the business address"),
                            QStringLiteral("BusinessAddressStreet")));
    QVERIFY(fixture.addPair(QStringLiteral("Business Address City"),
                            QStringLiteral("BusinessAddressState")));
    auto* list = fixture.find<QListWidget>(QStringLiteral("mappedList"));
    QCOMPARE(list->count(), 3);
    // Add selects its entry; unselected, every entry is drawn on the list's paper.
    const auto unselect = [list] {
      for (QListWidgetItem* item : list->selectedItems()) {
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::ControlModifier,
                          list->visualItemRect(item).center());
      }
    };
    unselect();

    // Where each row's last word (its field, written without spaces) begins on the screen.
    list->doItemsLayout();
    const QImage shot = list->viewport()->grab().toImage();
    const QColor paper = list->palette().color(QPalette::Base);
    QList<int> fieldStarts;
    for (int row = 0; row < list->count(); ++row) {
      const QRect rect = list->visualItemRect(list->item(row));
      QList<bool> ink(rect.width(), false);
      for (int x = 0; x < rect.width(); ++x) {
        for (int y = rect.top(); y <= rect.bottom() && !ink[x]; ++y) {
          const QColor pixel = shot.pixelColor(rect.left() + x, y);
          ink[x] = qAbs(pixel.lightness() - paper.lightness()) > 80;
        }
      }
      int start = static_cast<int>(ink.lastIndexOf(true));
      QVERIFY2(start > 0, "an entry drew nothing");
      // Letters of one word stand closer than a space's width.
      for (int gap = 0; start - gap - 1 >= 0 && gap < 4;) {
        if (ink[start - gap - 1]) {
          start -= gap + 1;
          gap = 0;
        } else {
          ++gap;
        }
      }
      fieldStarts << start;
    }
    QCOMPARE(fieldStarts[1], fieldStarts[0]);
    QCOMPARE(fieldStarts[2], fieldStarts[0]);

    // A header wider than half the list is cut short; its field still shows, in line.
    QVERIFY(fixture.addPair(QStringLiteral("Another ") + longHeader.mid(1),
                            QStringLiteral("BusinessFaxNumber")));
    const QListWidgetItem* last = list->item(3);
    QCOMPARE(last->toolTip(), QStringLiteral("Another ") + longHeader.mid(1));
    QVERIFY(list->visualItemRect(last).width() <
            2 * list->fontMetrics().horizontalAdvance(last->toolTip()));
    unselect();
    list->doItemsLayout();
    const QImage again = list->viewport()->grab().toImage();
    const QRect rect = list->visualItemRect(last);
    bool fieldShown = false;
    for (int y = rect.top(); y <= rect.bottom() && !fieldShown; ++y) {
      const QColor pixel = again.pixelColor(rect.left() + fieldStarts[0] + 1, y);
      fieldShown = qAbs(pixel.lightness() - paper.lightness()) > 80;
    }
    QVERIFY2(fieldShown, "the long header's field does not begin where the others do");
  }

  void removeWithoutASelectedEntryAsksForOne() {
    toMapStep();
    QVERIFY(fixture.addPair(QStringLiteral("Mail"), QStringLiteral("EmailAddress")));
    QVERIFY(fixture.addPair(QStringLiteral("Name"), QStringLiteral("FullName")));
    // Remove leaves no entry selected.
    fixture.click("cmdRemove");
    fixture.prompts.messageAnswers = {Prompts::Answer::Ok};
    fixture.click("cmdRemove");
    QCOMPARE(messagesShown(),
             QStringList{QStringLiteral("Select the item from the added fields.")});
    QCOMPARE(fixture.mappedEntries().size(), 1);
  }

  void addSelectsTheNewEntryAndScrollsItIntoView_data() {
    QTest::addColumn<int>("before");
    QTest::addColumn<int>("selected");
    QTest::newRow("the first pair") << 0 << -1;
    QTest::newRow("a pair below the list's end") << 20 << -1;
    QTest::newRow("a pair while the first is selected") << 20 << 0;
  }

  void addSelectsTheNewEntryAndScrollsItIntoView() {
    QFETCH(int, before);
    QFETCH(int, selected);
    QByteArray headers = "H1";
    for (int column = 2; column <= before + 1; ++column)
      headers += ",H" + QByteArray::number(column);
    fixture.browse(folder.write(QStringLiteral("wide.csv"), headers + "\r\nx\r\n"));
    fixture.click("cmdNext");
    const auto pair = [&](int n) {
      return fixture.addPair(QStringLiteral("H%1").arg(n), kCatalogue[n - 1]);
    };
    for (int n = 1; n <= before; ++n)
      QVERIFY(pair(n));
    if (selected >= 0) QVERIFY(fixture.selectEntry(selected));
    QVERIFY(pair(before + 1));

    QCOMPARE(fixture.window->columnMapping().selectedEntry(), std::optional<std::size_t>(before));
    auto* list = fixture.find<QListWidget>(QStringLiteral("mappedList"));
    const QList<QListWidgetItem*> chosen = list->selectedItems();
    QCOMPARE(chosen.size(), 1);
    QCOMPARE(chosen.front()->text(),
             QStringLiteral("H%1\t->\t%2").arg(before + 1).arg(kCatalogue[before]));
    QVERIFY(list->viewport()->rect().contains(list->visualItemRect(chosen.front())));
  }

  void deleteInTheListRemovesTheSelectedEntry_data() {
    QTest::addColumn<int>("selected");  // -1: the entry Add selected
    QTest::addColumn<int>("presses");
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QString>("offered");
    const QString name = QStringLiteral("Name\t->\tFullName");
    const QString mail = QStringLiteral("Mail\t->\tEmailAddress");
    const QString year = QStringLiteral("2024\t->\tFirstName");
    QTest::newRow("the entry Add selected") << -1 << 1 << QStringList{name, mail} << "2024";
    QTest::newRow("a chosen entry") << 1 << 1 << QStringList{name, year} << "Mail";
    QTest::newRow("again, with none selected") << 1 << 2 << QStringList{name, year} << "Mail";
  }

  void deleteInTheListRemovesTheSelectedEntry() {
    QFETCH(int, selected);
    QFETCH(int, presses);
    QFETCH(QStringList, entries);
    QFETCH(QString, offered);
    toMapStep();
    QVERIFY(fixture.addPair(QStringLiteral("Name"), QStringLiteral("FullName")));
    QVERIFY(fixture.addPair(QStringLiteral("Mail"), QStringLiteral("EmailAddress")));
    QVERIFY(fixture.addPair(QStringLiteral("2024"), QStringLiteral("FirstName")));
    if (selected >= 0) QVERIFY(fixture.selectEntry(selected));
    // Keys go to the focused control of the active window.
    fixture.window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(fixture.window.get()));
    auto* list = fixture.find<QListWidget>(QStringLiteral("mappedList"));
    list->setFocus();
    for (int press = 0; press < presses; ++press)
      QTest::keyClick(list, Qt::Key_Delete);
    QCOMPARE(fixture.mappedEntries(), entries);
    QCOMPARE(fixture.comboItems("cmbHeader"), QStringList{offered});
    QVERIFY(messagesShown().isEmpty());
  }

  void nextRefusesAnEmptyMappingAndThenEntersTheExportStepWithTheDefaultFolder() {
    toMapStep();
    fixture.prompts.messageAnswers = {Prompts::Answer::Ok};
    fixture.click("cmdNext");
    QCOMPARE(messagesShown(),
             QStringList{QStringLiteral("Please Map Excel Column to Outlook Attribute.")});
    QCOMPARE(fixture.window->currentStep(), 2);

    QVERIFY(fixture.addPair(QStringLiteral("Name"), QStringLiteral("FullName")));
    fixture.shell.defaultFolder = QStringLiteral("/home/user/Documents");
    fixture.click("cmdNext");
    QCOMPARE(fixture.window->currentStep(), 3);
    QCOMPARE(tabsOn(), (QList<bool>{false, false, true}));
    QCOMPARE(fixture.text("cmdNext"), QStringLiteral("Conver&t"));
    QCOMPARE(fixture.text("txtvCardSavePath"), QStringLiteral("/home/user/Documents"));

    fixture.click("cmdPrevious");
    QCOMPARE(fixture.window->currentStep(), 2);
    QCOMPARE(fixture.text("cmdNext"), QStringLiteral("Next"));
    QCOMPARE(tabsOn(), (QList<bool>{false, true, false}));

    // A folder already in the box, even one of spaces, stays as it is.
    fixture.find<QLineEdit>(QStringLiteral("txtvCardSavePath"))->setText(QStringLiteral("   "));
    fixture.shell.defaultFolder.reset();
    fixture.click("cmdNext");
    QCOMPARE(fixture.text("cmdNext"), QStringLiteral("Conver&t"));
    QCOMPARE(fixture.text("txtvCardSavePath"), QStringLiteral("   "));
  }

  void goingBackToTheFirstStepNeverFillsTheListsTwice() {
    toMapStep();
    QVERIFY(fixture.addPair(QStringLiteral("Mail"), QStringLiteral("EmailAddress")));
    fixture.click("cmdPrevious");
    QCOMPARE(fixture.window->currentStep(), 1);
    QCOMPARE(tabsOn(), (QList<bool>{true, false, false}));
    QVERIFY(!fixture.enabled("cmdPrevious"));
    fixture.click("cmdNext");
    QCOMPARE(fixture.comboItems("cmbHeader"),
             (QStringList{QStringLiteral("Name"), QStringLiteral("2024")}));
    QCOMPARE(fixture.comboItems("cmbOutlook").size(), 29);
    QCOMPARE(fixture.mappedEntries(), QStringList{QStringLiteral("Mail\t->\tEmailAddress")});
  }

  // With nothing loaded there is nothing to map: Next does not lead to an empty page.
  void aCancelledFirstDialogLeavesNothingToGoOnTo() {
    fixture.browse(QString());
    QVERIFY(!fixture.enabled("cmdNext"));
    fixture.click("cmdNext");
    QCOMPARE(fixture.window->currentStep(), 1);
    QCOMPARE(fixture.comboItems("cmbHeader"), QStringList());
  }

  void theVersionOptionsSetTheVersionTheExportWrites() {
    QCOMPARE(fixture.window->vCardVersion(), quillmere::core::VCardVersion::V21);
    toMapStep();
    QVERIFY(fixture.addPair(QStringLiteral("Name"), QStringLiteral("FullName")));
    fixture.shell.defaultFolder = QStringLiteral("/tmp");
    fixture.click("cmdNext");
    fixture.click("Opt4");
    QCOMPARE(fixture.window->vCardVersion(), quillmere::core::VCardVersion::V40);
    fixture.click("Opt2");
    QCOMPARE(fixture.window->vCardVersion(), quillmere::core::VCardVersion::V21);
    fixture.click("Opt3");
    QCOMPARE(fixture.window->vCardVersion(), quillmere::core::VCardVersion::V30);
    QVERIFY(fixture.find<QRadioButton>(QStringLiteral("Opt3"))->isChecked());
    QVERIFY(!fixture.find<QRadioButton>(QStringLiteral("Opt2"))->isChecked());
  }

  void enterPressesTheFocusedButton() {
    loadContacts();
    auto* next = fixture.find<QPushButton>(QStringLiteral("cmdNext"));
    next->setFocus();
    QTest::keyClick(next, Qt::Key_Return);
    QCOMPARE(fixture.window->currentStep(), 2);
    auto* previous = fixture.find<QPushButton>(QStringLiteral("cmdPrevious"));
    previous->setFocus();
    QTest::keyClick(previous, Qt::Key_Enter);
    QCOMPARE(fixture.window->currentStep(), 1);
  }
};

QTEST_MAIN(FrmMainStepsTest)
#include "FrmMainStepsTest.moc"
