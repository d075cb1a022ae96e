#include <QCoreApplication>
#include <QDirIterator>
#include <QFile>
#include <QTest>

#include "ui/KeyringPasswords.h"

using quillmere::ui::KeyringPasswords;

// The desktop's real keyring (a gnome-keyring started for the test on its own session bus):
// a password kept is read back for its account alone, forgotten on request, and written to no
// file as text.
class KeyringPasswordsTest : public QObject {
  Q_OBJECT

 private slots:
  void aKeptPasswordIsReadBackForItsAccountAloneUntilForgotten() {
    KeyringPasswords keyring;
    const QString account = QStringLiteral("ann@https://dav.example.org:8443");
    const QString password = QStringLiteral("pässwörd-%1").arg(QCoreApplication::applicationPid());

    QCOMPARE(keyring.read(account), QString());
    QCOMPARE(keyring.keep(account, password), QString());
    QCOMPARE(keyring.read(account), password);
    QCOMPARE(keyring.read(QStringLiteral("bob@https://dav.example.org:8443")), QString());

    QDirIterator files(QDir::homePath(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (files.hasNext()) {
      QFile file(files.next());
      QVERIFY(file.open(QIODevice::ReadOnly));
      QVERIFY2(!file.readAll().contains(password.toUtf8()), qPrintable(file.fileName()));
    }

    QCOMPARE(keyring.forget(account), QString());
    QCOMPARE(keyring.read(account), QString());
    // Forgetting what is not kept is no failure.
    QCOMPARE(keyring.forget(account), QString());
  }
};

QTEST_GUILESS_MAIN(KeyringPasswordsTest)
#include "KeyringPasswordsTest.moc"
