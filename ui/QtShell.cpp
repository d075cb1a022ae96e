#include "ui/QtShell.h"

#include <QDesktopServices>
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
  return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

QString QtShell::userGuide() {
  const QFileInfo guide(guideFile_);
  return guide.isFile() ? guide.absoluteFilePath() : QString();
}

}  // namespace quillmere::ui
