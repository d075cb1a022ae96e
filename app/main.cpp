#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QString>
#include <QStringList>
#include <QTimer>

#include "ui/Clock.h"
#include "ui/ProgramIcon.h"
#include "ui/QtPrompts.h"
#include "ui/QtShell.h"
#include "ui/Translations.h"
#include "ui/frmMain.h"

namespace {

// The guide sits beside the program in the build tree and under share/doc once installed.
QString guideFile() {
  const QDir programDir(QCoreApplication::applicationDirPath());
  const QString beside = programDir.filePath(QStringLiteral("guide.html"));
  if (QFileInfo(beside).isFile()) return beside;
  return QDir::cleanPath(programDir.filePath(QStringLiteral(QUILLMERE_GUIDE_FROM_BINDIR)));
}

// The translations, as the guide, are beside the program in the build tree and under share once
// installed.
QStringList translationFolders() {
  const QDir programDir(QCoreApplication::applicationDirPath());
  return {programDir.filePath(QStringLiteral("translations")),
          QDir::cleanPath(programDir.filePath(QStringLiteral(QUILLMERE_TRANSLATIONS_FROM_BINDIR)))};
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Quillmere"));
  QApplication::setApplicationVersion(QStringLiteral(QUILLMERE_SHOWN_VERSION));
  QApplication::setDesktopFileName(QStringLiteral("quillmere"));
  QApplication::setWindowIcon(quillmere::ui::ProgramIcon::icon());
  quillmere::ui::installTranslations(application, translationFolders());

  quillmere::ui::QtPrompts prompts;
  quillmere::ui::QtShell shell(guideFile());
  quillmere::ui::SystemClock clock;
  quillmere::ui::frmMain window(prompts, shell, clock);
  window.show();
  // A file the desktop opens with Quillmere loads once the window is up.
  const QStringList arguments = QApplication::arguments();
  if (arguments.size() > 1) {
    QTimer::singleShot(0, &window,
                       [&window, path = arguments.at(1)] { window.loadWorkbook(path); });
  }
  return QApplication::exec();
}
