// The Help menu: the About box and the user guide.
#include <QDir>
#include <QFileInfo>

#include "ui/Module1.h"
#include "ui/Prompts.h"
#include "ui/QtText.h"
#include "ui/Shell.h"
#include "ui/frmAbout.h"
#include "ui/frmMain.h"

namespace quillmere::ui {

void frmMain::AboutUs_Click() {
  if (about_ == nullptr) {
    about_ = new frmAbout(this);
    // Placed by hand: Qt's own placement guesses at window frames and lands off centre on
    // some desktops.
    QRect box(QPoint(), about_->size());
    box.moveCenter(geometry().center());
    about_->setGeometry(box);
  }
  about_->show();
  about_->raise();
  about_->activateWindow();
}

void frmMain::Help_Click() {
  const QString guide = shell_.userGuide();
  if (guide.isEmpty() || !QFileInfo(guide).isFile()) {
    const QString where = guide.isEmpty() ? QStringLiteral("guide.html") : guide;
    static_cast<void>(prompts_.message(
        this,
        tr("The user guide \"%1\" is missing. Installing Quillmere again puts it back.").arg(where),
        productName(), Prompts::Buttons::Ok, Prompts::Icon::Information));
    return;
  }
  // Where no browser is installed, the desktop opens nothing; the user hears where the guide is.
  if (!shell_.open(guide)) {
    static_cast<void>(prompts_.message(
        this,
        tr("No program to show the user guide was found. Open \"%1\" with a web browser.")
            .arg(QDir::toNativeSeparators(guide)),
        productName(), Prompts::Buttons::Ok, Prompts::Icon::Information));
  }
}

}  // namespace quillmere::ui
