#include <QPushButton>
#include <QTest>

#include "tests/ui/WindowFixture.h"

// Expected to fail: ctest passes it only when the fake reports the prompt nobody scripted.
class UnscriptedPromptTest : public QObject {
  Q_OBJECT

 private slots:
  void browseWithoutScriptedAnswer() {
    quillmere::ui::test::WindowFixture fixture;
    QVERIFY(fixture.open());
    auto* browse = fixture.find<QPushButton>(QStringLiteral("cmdBrowse"));
    QVERIFY(browse != nullptr);
    QTest::mouseClick(browse, Qt::LeftButton);
  }

  void saveWithoutScriptedAnswer() {
    quillmere::ui::test::FakePrompts prompts;
    const QString chosen = prompts.chooseSaveFile(nullptr, QStringLiteral("Save Report"),
                                                  QStringLiteral("/tmp/report.csv"),
                                                  QStringLiteral("CSV File (*.csv)"));
    QVERIFY(chosen.isEmpty());
  }
};

QTEST_MAIN(UnscriptedPromptTest)
#include "UnscriptedPromptTest.moc"
