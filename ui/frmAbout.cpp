#include "ui/frmAbout.h"

#include <QLabel>
#include <QPalette>
#include <QPushButton>

#include "ui/Fonts.h"
#include "ui/ProgramIcon.h"
#include "ui/QtText.h"
#include "ui/Twips.h"

namespace quillmere::ui {

frmAbout::frmAbout(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      lblTitle_(new QLabel(productName(), this)),
      lblVersion_(new QLabel(QStringLiteral("v" QUILLMERE_SHOWN_VERSION), this)),
      cmdOK_(new QPushButton(tr("OK"), this)) {
  setObjectName(QStringLiteral("frmAbout"));
  setModal(false);
  setWindowTitle(tr("About Us"));
  setWindowIcon(ProgramIcon::icon());
  setFont(Fonts::verdana());
  setFixedSize(twips(3660), twips(1365));

  QPalette background = palette();
  background.setColor(QPalette::Window, palette().color(QPalette::Light));
  setPalette(background);
  setAutoFillBackground(true);

  lblTitle_->setObjectName(QStringLiteral("lblTitle"));
  lblTitle_->setGeometry(twipsRect(120, 120, 3405, 240));
  lblTitle_->setAlignment(Qt::AlignCenter);
  QPalette black = lblTitle_->palette();
  black.setColor(QPalette::WindowText, Qt::black);
  lblTitle_->setPalette(black);
  lblTitle_->setAccessibleName(lblTitle_->text());

  lblVersion_->setObjectName(QStringLiteral("lblVersion"));
  lblVersion_->setGeometry(twipsRect(1560, 480, 405, 225));
  lblVersion_->setAccessibleName(tr("Version %1").arg(QStringLiteral(QUILLMERE_SHOWN_VERSION)));

  cmdOK_->setObjectName(QStringLiteral("cmdOK"));
  cmdOK_->setGeometry(twipsRect(1200, 840, 1260, 345));
  cmdOK_->setFont(Fonts::msSansSerif());
  cmdOK_->setDefault(true);
  cmdOK_->setAccessibleName(tr("OK"));
  cmdOK_->setFocus();
  connect(cmdOK_, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);

  // The labels never take the focus, so OK is the only stop for the keyboard.
  lblTitle_->setFocusPolicy(Qt::NoFocus);
  lblVersion_->setFocusPolicy(Qt::NoFocus);
}

void frmAbout::reject() {
  cmdOK_->click();
}

void frmAbout::cmdOK_Click() {
  // Hiding first keeps QDialog's close handling from treating this as a refused close.
  hide();
  deleteLater();
}

}  // namespace quillmere::ui
