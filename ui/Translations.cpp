#include "ui/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace quillmere::ui {

bool installTranslations(QCoreApplication& application, const QStringList& folders) {
  // The system locale, not QLocale(): its UI languages are read from LANGUAGE and LC_MESSAGES.
  const QLocale desktop = QLocale::system();
  auto* own = new QTranslator(&application);
  bool found = false;
  for (const QString& folder : folders) {
    if (own->load(desktop, QStringLiteral("quillmere"), QStringLiteral("_"), folder)) {
      found = true;
      break;
    }
  }
  if (!found) {
    delete own;
    return false;
  }
  QCoreApplication::installTranslator(own);
  // Qt's dialogs only in a language the window speaks too, so the two never mix.
  auto* qt = new QTranslator(&application);
  if (qt->load(desktop, QStringLiteral("qtbase"), QStringLiteral("_"),
               QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QCoreApplication::installTranslator(qt);
  } else {
    delete qt;
  }
  return true;
}

}  // namespace quillmere::ui
