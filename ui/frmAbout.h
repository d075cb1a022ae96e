#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace quillmere::ui {

// The About box: product name, version text and OK. Modeless; OK destroys it, so the
// next About command builds it afresh.
class frmAbout : public QDialog {
  Q_OBJECT

 public:
  explicit frmAbout(QWidget* owner);

  // Escape and the close box press OK rather than merely hiding the dialog.
  void reject() override;

 private slots:
  void cmdOK_Click();

 private:
  QLabel* lblTitle_;
  QLabel* lblVersion_;
  QPushButton* cmdOK_;
};

}  // namespace quillmere::ui
