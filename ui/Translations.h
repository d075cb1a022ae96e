#pragma once

#include <QStringList>

class QCoreApplication;

namespace quillmere::ui {

// Gives the window the desktop's language (LANGUAGE, LC_ALL, LC_MESSAGES, LANG) when it has a
// translation for it, looked for as quillmere_<language>.qm in `folders` in turn, with Qt's own
// translation of its dialogs and buttons beside it. Otherwise, and for English or C, nothing is
// installed and the window keeps its own English texts. Number formats are left alone.
// Returns whether a translation was installed.
bool installTranslations(QCoreApplication& application, const QStringList& folders);

}  // namespace quillmere::ui
