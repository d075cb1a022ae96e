#pragma once

#include <QString>

class QWidget;

namespace quillmere::ui {

class Prompts;
class Shell;

// The shell routines every part of the window shares. They take the seams explicitly so the
// same code runs against the desktop and against a test's scripted answers.

// The folder the user picked, or empty when the dialog was cancelled.
QString BrowseForFolder(Prompts& prompts, QWidget* owner, const QString& prompt);

QString GetDefaultSaveFolder(Shell& shell);

// Opens a folder, file or address; an empty target does nothing. Refusals are not reported.
void ShellOpen(Shell& shell, const QString& target);

}  // namespace quillmere::ui
