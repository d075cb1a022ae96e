#pragma once

#include <QRegularExpression>
#include <QTest>
#include <memory>

#include "tests/ui/FakePrompts.h"
#include "tests/ui/FakeShell.h"
#include "ui/frmMain.h"

namespace quillmere::ui::test {

// The real main window with scripted doubles, shown on the offscreen platform.
struct WindowFixture {
  FakePrompts prompts;
  FakeShell shell;
  std::unique_ptr<frmMain> window;

  bool open() {
    // Any warning is a fault, except the offscreen platform's notes on what it cannot do for
    // a window (keep size hints, raise it).
    QTest::failOnWarning(QRegularExpression(
        QStringLiteral("^(?!This plugin does not support (propagateSizeHints|raise)\\(\\))")));
    window = std::make_unique<frmMain>(prompts, shell);
    window->show();
    return QTest::qWaitForWindowExposed(window.get());
  }

  template <typename Widget = QWidget>
  Widget* find(const QString& name) const {
    return window->findChild<Widget*>(name);
  }
};

}  // namespace quillmere::ui::test
