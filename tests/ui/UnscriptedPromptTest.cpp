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
};

QTEST_MAIN(UnscriptedPromptTest)
#include "UnscriptedPromptTest.moc"
