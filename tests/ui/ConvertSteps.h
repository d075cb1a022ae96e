#pragma once

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QTest>
#include <vector>

#include "tests/ui/SheetFiles.h"
#include "tests/ui/WindowFixture.h"

namespace quillmere::ui::test {

inline const QString kFixtures = QStringLiteral(QUILLMERE_UI_TEST_DIR "/fixtures/");
// What 6 December 2026, 04:03:09 (the fake clock) names a run's folder.
inline const QString kDated = QStringLiteral("/Quillmere_6_12_2026_4_3_9");
// The message a run that wrote every contact ends with.
inline const QString kSuccess = QStringLiteral(
    "The contacts have been exported successfully to vCard files.\r\n"
    "Would you like to open folder containing excel file. Click Yes else click No.");

inline QByteArray contents(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<cannot read>");
}

inline QStringList filesIn(const QString& folder) {
  return QDir(folder).entryList(QDir::Files, QDir::Name);
}

// What the conversion tests share: the real window, a saving location of their own, and the
// steps that take a workbook to the export step and convert it.
class ConvertSteps {
 protected:
  WindowFixture fixture;
  TestFolder folder;
  QString base;

  // For each test's init() and cleanup().
  void openWindow() {
    QVERIFY(folder.valid());
    base = folder.path(QStringLiteral("out"));
    QVERIFY(QDir().mkpath(base));
    QVERIFY(fixture.open());
  }
  void closeWindow() {
    fixture.finish();
    QFile::setPermissions(base,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    QDir(base).removeRecursively();
  }

  // Loads a workbook, pairs its columns and moves on to the export step with `base` as the
  // saving location.
  void prepare(const QString& workbook) {
    fixture.browse(workbook);
    fixture.click("cmdNext");
    const QList<QPair<const char*, const char*>> pairs = {
        {"First Name", "FirstName"}, {"Last Name", "LastName"},    {"E-mail", "EmailAddress"},
        {"Company", "Company"},      {"Department", "Department"}, {"Mobile", "MobileNumber"},
        {"Notes", "Notes"},          {"City", "HomeAddressCity"}};
    for (const auto& [header, field] : pairs) {
      QVERIFY2(fixture.addPair(QString::fromUtf8(header), QString::fromLatin1(field)), header);
    }
    fixture.shell.defaultFolder = base;
    fixture.click("cmdNext");
    QCOMPARE(fixture.text("cmdNext"), QStringLiteral("Conver&t"));
  }

  // The same, with the columns paired by Match by Name.
  void prepareByName(const QString& workbook) {
    fixture.browse(workbook);
    fixture.click("cmdNext");
    fixture.click("cmdMatchByName");
    QVERIFY(!fixture.mappedEntries().isEmpty());
    fixture.shell.defaultFolder = base;
    fixture.click("cmdNext");
    QCOMPARE(fixture.shownTab(), QStringLiteral("3. Export"));
  }

  void convert(Prompts::Answer answer = Prompts::Answer::Yes) {
    fixture.prompts.messageAnswers.push_back(answer);
    fixture.click("cmdNext");
  }

  std::vector<QString> messageTexts() const {
    std::vector<QString> texts;
    for (const auto& message : fixture.prompts.messages)
      texts.push_back(message.text);
    return texts;
  }
};

}  // namespace quillmere::ui::test
