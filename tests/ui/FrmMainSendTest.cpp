#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include "tests/carddav/RadicaleServer.h"
#include "tests/ui/ConvertSteps.h"

using quillmere::carddav::test::RadicaleServer;
using quillmere::ui::test::ConvertSteps;
using quillmere::ui::test::kFixtures;
using quillmere::ui::test::writeXlsx;

// Send to Address Book... on step 3, the real dialog and a real Radicale on 127.0.0.1: the
// books found from the server's root, what would change said before anything is sent, the
// cards sent, and the same cards found unchanged afterwards.
class FrmMainSendTest : public QObject, private ConvertSteps {
  Q_OBJECT

 private slots:
  void init() { openWindow(); }
  void cleanup() { closeWindow(); }

  void theCardsGoToTheAddressBookAndASecondCheckFindsThemUnchanged() {
    RadicaleServer server;
    const QUrl book = server.makeAddressBook(QStringLiteral("friends"), QStringLiteral("Friends"));
    prepare(kFixtures + QStringLiteral("contacts.csv"));
    fixture.click("cmdSendToAddressBook");
    auto* dialog = fixture.window->findChild<QDialog*>(QStringLiteral("frmSendToAddressBook"));
    QVERIFY(dialog != nullptr);
    QTRY_VERIFY(dialog->isVisible());
    const auto field = [&](const char* name) {
      return dialog->findChild<QLineEdit*>(QString::fromLatin1(name));
    };
    const auto press = [&](const char* name) {
      auto* button = dialog->findChild<QPushButton*>(QString::fromLatin1(name));
      QVERIFY2(button != nullptr && button->isEnabled(), name);
      QTest::mouseClick(button, Qt::LeftButton);
    };
    const auto status = [&] {
      return dialog->findChild<QLabel*>(QStringLiteral("lblStatus"))->text();
    };
    // Three contacts; the fourth row's e-mail is only spaces, so it makes no card.
    QCOMPARE(status(), QStringLiteral("Cards to send: 3. Give the server and your account, then "
                                      "find the address book."));
    field("txtServer")->setText(server.root().toString());
    field("txtUser")->setText(server.user());
    field("txtPassword")->setText(server.password());
    press("cmdFind");
    auto* books = dialog->findChild<QComboBox*>(QStringLiteral("cmbBook"));
    QTRY_COMPARE_WITH_TIMEOUT(books->count(), 1, 20000);
    QCOMPARE(books->currentText(), QStringLiteral("Friends"));
    press("cmdCheck");
    QTRY_VERIFY_WITH_TIMEOUT(status().startsWith(QStringLiteral("3 new, 0 to update, 0 unchanged")),
                             20000);
    QVERIFY(server.etags(book).isEmpty());
    QVERIFY(dialog->grab().save(QStringLiteral(QUILLMERE_SCREENSHOT_DIR "/send-checked.png")));
    press("cmdSend");
    QTRY_VERIFY_WITH_TIMEOUT(status().startsWith(QStringLiteral("Sent: 3 created")), 20000);
    QCOMPARE(server.etags(book).size(), 3);
    QVERIFY(dialog->grab().save(QStringLiteral(QUILLMERE_SCREENSHOT_DIR "/send-sent.png")));
    // Save Report lists each card's row and outcome.
    QTemporaryDir scratch;
    const QString reportFile = scratch.filePath(QStringLiteral("sent.csv"));
    fixture.prompts.saveAnswers.push_back(reportFile);
    press("cmdSaveUploadReport");
    QCOMPARE(status(), QStringLiteral("Report saved as sent.csv"));
    QFile saved(reportFile);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = saved.readAll().trimmed().split('\n');
    QCOMPARE(lines.size(), 4);
    QCOMPARE(lines[0], QByteArray("Row,Outcome,Card,Reason\r"));
    // Row 4 is empty and row 5's e-mail only spaces.
    const int rows[] = {2, 3, 6};
    for (int i = 0; i < 3; ++i) {
      QVERIFY2(
          lines[i + 1].startsWith(QByteArray::number(rows[i]) + ",created," + book.toEncoded()),
          lines[i + 1].constData());
    }
    press("cmdCheck");
    QTRY_VERIFY_WITH_TIMEOUT(status().startsWith(QStringLiteral("0 new, 0 to update, 3 unchanged")),
                             20000);
    dialog->close();
  }

  // A row whose picture cannot be read still goes, without its photo; the result says how many
  // did and why the first did, as a conversion's message counts its photos.
  void cardsSentWithoutTheirPhotoAreCountedWithTheFirstReason() {
    RadicaleServer server;
    const QUrl book = server.makeAddressBook(QStringLiteral("friends"), QStringLiteral("Friends"));
    QImage picture(300, 200, QImage::Format_RGB32);
    picture.fill(Qt::darkCyan);
    QVERIFY(picture.save(folder.path(QStringLiteral("ann.png"))));
    const QString workbook = folder.path(QStringLiteral("people.xlsx"));
    QVERIFY(writeXlsx(workbook, {{"Name", "E-mail", "Photo"},
                                 {"Ann Lee", "ann@example.org", "ann.png"},
                                 {"Bo Berg", "bo@example.org", "gone.jpg"},
                                 {"Cy Ray", "cy@example.org", ""}}));
    QCOMPARE(fixture.toExportMatchedByName(workbook, base).size(), 3);
    fixture.click("cmdSendToAddressBook");
    auto* dialog = fixture.window->findChild<QDialog*>(QStringLiteral("frmSendToAddressBook"));
    QVERIFY(dialog != nullptr);
    dialog->findChild<QLineEdit*>(QStringLiteral("txtServer"))->setText(book.toString());
    dialog->findChild<QLineEdit*>(QStringLiteral("txtUser"))->setText(server.user());
    dialog->findChild<QLineEdit*>(QStringLiteral("txtPassword"))->setText(server.password());
    const auto press = [&](const char* name) {
      auto* button = dialog->findChild<QPushButton*>(QString::fromLatin1(name));
      QVERIFY2(button != nullptr && button->isEnabled(), name);
      QTest::mouseClick(button, Qt::LeftButton);
    };
    auto* status = dialog->findChild<QLabel*>(QStringLiteral("lblStatus"));
    press("cmdFind");
    QTRY_COMPARE_WITH_TIMEOUT(dialog->findChild<QComboBox*>(QStringLiteral("cmbBook"))->count(), 1,
                              20000);
    press("cmdCheck");
    QTRY_VERIFY_WITH_TIMEOUT(status->text().startsWith(QStringLiteral("3 new")), 20000);
    press("cmdSend");
    QTRY_VERIFY_WITH_TIMEOUT(status->text().startsWith(QStringLiteral("Sent:")), 20000);
    QCOMPARE(status->text(),
             QStringLiteral("Sent: 3 created, 0 updated, 0 unchanged. Photos sent: 1; left out: 1. "
                            "First left out: row 3, Photo \"gone.jpg\" in column C names %1, "
                            "which does not exist, so the card has no photo.")
                 .arg(folder.path(QStringLiteral("gone.jpg"))));
    QCOMPARE(server.etags(book).size(), 3);
    QVERIFY(
        dialog->grab().save(QStringLiteral(QUILLMERE_SCREENSHOT_DIR "/send-photo-left-out.png")));
    dialog->close();
  }

  void aWrongPasswordIsSaidAndNothingIsFound() {
    RadicaleServer server;
    server.makeAddressBook(QStringLiteral("friends"), QStringLiteral("Friends"));
    prepare(kFixtures + QStringLiteral("contacts.csv"));
    fixture.click("cmdSendToAddressBook");
    auto* dialog = fixture.window->findChild<QDialog*>(QStringLiteral("frmSendToAddressBook"));
    QVERIFY(dialog != nullptr);
    dialog->findChild<QLineEdit*>(QStringLiteral("txtServer"))->setText(server.root().toString());
    dialog->findChild<QLineEdit*>(QStringLiteral("txtUser"))->setText(server.user());
    dialog->findChild<QLineEdit*>(QStringLiteral("txtPassword"))->setText(QStringLiteral("wrong"));
    QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("cmdFind")), Qt::LeftButton);
    auto* status = dialog->findChild<QLabel*>(QStringLiteral("lblStatus"));
    QTRY_VERIFY_WITH_TIMEOUT(status->text().contains(QStringLiteral("password")), 20000);
    QCOMPARE(dialog->findChild<QComboBox*>(QStringLiteral("cmbBook"))->count(), 0);
    QVERIFY(!dialog->findChild<QPushButton*>(QStringLiteral("cmdSend"))->isEnabled());
    dialog->close();
  }

  // Remember the password keeps it in the keyring only once the server took it, a new dialog
  // for the same account finds it there, and unticking forgets it; no settings file holds it.
  void aRememberedPasswordIsKeptOnceTakenRecalledAndForgottenWhenUnticked() {
    RadicaleServer server;
    server.makeAddressBook(QStringLiteral("friends"), QStringLiteral("Friends"));
    prepare(kFixtures + QStringLiteral("contacts.csv"));
    const auto& kept = fixture.shell.keyring.kept;
    const QString account =
        QStringLiteral("%1@http://127.0.0.1:%2").arg(server.user()).arg(server.root().port());
    const auto openDialog = [&] {
      fixture.click("cmdSendToAddressBook");
      auto* dialog = fixture.window->findChild<QDialog*>(QStringLiteral("frmSendToAddressBook"));
      dialog->findChild<QLineEdit*>(QStringLiteral("txtServer"))->setText(server.root().toString());
      dialog->findChild<QLineEdit*>(QStringLiteral("txtUser"))->setText(server.user());
      return dialog;
    };
    // On the box itself: a click beyond the caption's end is no click on a check box.
    const auto tick = [](QCheckBox* box) {
      QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(4, box->height() / 2));
    };
    const auto find = [](QDialog* dialog, const QString& words) {
      QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("cmdFind")), Qt::LeftButton);
      auto* status = dialog->findChild<QLabel*>(QStringLiteral("lblStatus"));
      QTRY_VERIFY_WITH_TIMEOUT(status->text().contains(words), 20000);
    };

    QDialog* dialog = openDialog();
    auto* password = dialog->findChild<QLineEdit*>(QStringLiteral("txtPassword"));
    auto* remember = dialog->findChild<QCheckBox*>(QStringLiteral("chkRememberPassword"));
    QVERIFY(!remember->isChecked());
    tick(remember);
    password->setText(QStringLiteral("wrong"));
    find(dialog, QStringLiteral("password"));
    QVERIFY(kept.empty());
    password->setText(server.password());
    find(dialog, QStringLiteral("Address books found: 1"));
    QCOMPARE(kept.size(), std::size_t{1});
    QCOMPARE(kept.begin()->first, account);
    QCOMPARE(kept.begin()->second, server.password());
    // Closed, it goes later; the next one found must be the new one.
    const QPointer<QDialog> first(dialog);
    dialog->close();
    QTRY_VERIFY(first.isNull());

    dialog = openDialog();
    password = dialog->findChild<QLineEdit*>(QStringLiteral("txtPassword"));
    remember = dialog->findChild<QCheckBox*>(QStringLiteral("chkRememberPassword"));
    find(dialog, QStringLiteral("Address books found: 1"));
    QCOMPARE(password->text(), server.password());
    QVERIFY(remember->isChecked());
    tick(remember);
    QVERIFY(kept.empty());
    dialog->close();

    QSettings settings;
    settings.sync();
    QFile file(settings.fileName());
    if (file.open(QIODevice::ReadOnly)) QVERIFY(!file.readAll().contains("pässword"));
  }

  // A certificate the server made for itself stops the search with its fingerprint; trusting
  // that one lets it go on, and another server's address takes the trust back.
  void aCertificateThatDoesNotVerifyIsTrustedOnlyWhenTheUserTicksIt() {
    RadicaleServer server(true);
    server.makeAddressBook(QStringLiteral("friends"), QStringLiteral("Friends"));
    prepare(kFixtures + QStringLiteral("contacts.csv"));
    fixture.click("cmdSendToAddressBook");
    auto* dialog = fixture.window->findChild<QDialog*>(QStringLiteral("frmSendToAddressBook"));
    QVERIFY(dialog != nullptr);
    QTRY_VERIFY(dialog->isVisible());
    auto* address = dialog->findChild<QLineEdit*>(QStringLiteral("txtServer"));
    address->setText(server.root().toString());
    dialog->findChild<QLineEdit*>(QStringLiteral("txtUser"))->setText(server.user());
    dialog->findChild<QLineEdit*>(QStringLiteral("txtPassword"))->setText(server.password());
    auto* find = dialog->findChild<QPushButton*>(QStringLiteral("cmdFind"));
    auto* trust = dialog->findChild<QCheckBox*>(QStringLiteral("chkTrustCertificate"));
    auto* status = dialog->findChild<QLabel*>(QStringLiteral("lblStatus"));
    auto* books = dialog->findChild<QComboBox*>(QStringLiteral("cmbBook"));
    QVERIFY(!trust->isVisible());

    QTest::mouseClick(find, Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(status->text().contains(QStringLiteral("could not be verified")),
                             20000);
    QVERIFY2(status->text().contains(QString::fromLatin1(server.fingerprint())),
             qPrintable(status->text()));
    QVERIFY(status->text().endsWith(QStringLiteral(
        "If it is, tick \"Trust this server's certificate with the fingerprint shown\" and find "
        "the address books again.")));
    QCOMPARE(books->count(), 0);
    QVERIFY(trust->isVisible() && !trust->isChecked());
    QCOMPARE(trust->accessibleDescription(), QString::fromLatin1(server.fingerprint()));
    QVERIFY(dialog->grab().save(QStringLiteral(QUILLMERE_SCREENSHOT_DIR "/send-certificate.png")));

    QTest::mouseClick(trust, Qt::LeftButton);
    QTest::mouseClick(find, Qt::LeftButton);
    QTRY_COMPARE_WITH_TIMEOUT(books->count(), 1, 20000);
    QCOMPARE(books->currentText(), QStringLiteral("Friends"));

    address->setText(server.root().toString() + QStringLiteral("ann/"));
    QVERIFY(!trust->isVisible() && !trust->isChecked());
    dialog->close();
  }
};

QTEST_MAIN(FrmMainSendTest)
#include "FrmMainSendTest.moc"
