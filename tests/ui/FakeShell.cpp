#include "tests/ui/FakeShell.h"

#include <QTest>

namespace quillmere::ui::test {

// Out of line: inlined into a test, GCC's flow analysis takes the optionals for uninitialized.
FakeShell::FakeShell() = default;
FakeShell::~FakeShell() = default;

bool FakeShell::open(const QString& target) {
  opened.push_back(target);
  return openSucceeds;
}

QString FakeShell::defaultSaveFolder() {
  if (!defaultFolder) {
    QTest::qFail("Unscripted prompt: default save folder", __FILE__, __LINE__);
    return QString();
  }
  return *defaultFolder;
}

QString FakeShell::userGuide() {
  if (!guide) {
    QTest::qFail("Unscripted prompt: user guide location", __FILE__, __LINE__);
    return QString();
  }
  return *guide;
}

}  // namespace quillmere::ui::test
