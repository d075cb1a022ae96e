#include "ui/QtShell.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QUrl>
#include <utility>

namespace quillmere::ui {

QtShell::QtShell(QString guideFile) : guideFile_(std::move(guideFile)) {}

bool QtShell::open(const QString& target) {
  if (target.isEmpty()) return false;
  // A web address keeps its scheme; anything else is a local path, even one with a drive colon.
  const QUrl asUrl(target, QUrl::StrictMode);
  const bool isWebAddress = asUrl.isValid() && asUrl.scheme().size() > 1 &&
                            (asUrl.scheme() == u"http" || asUrl.scheme() == u"https");
  return QDesktopServices::openUrl(isWebAddress ? asUrl : QUrl::fromLocalFile(target));
}

QString QtShell::defaultSaveFolder() {
  // The documents folder under the name the desktop gives it ("Dokumente", ...); a home
  // without one offers the home folder itself.
  const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  if (!documents.isEmpty() && QFileInfo(documents).isDir()) return documents;
  return QDir::homePath();
}

QString QtShell::userGuide() {
  const QFileInfo guide(guideFile_);
  return guide.isFile() ? guide.absoluteFilePath() : QString();
}

}  // namespace quillmere::ui
