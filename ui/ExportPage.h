#pragma once

#include <QCoreApplication>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace quillmere::ui {

class TabPage;

// Step 3: the conversion's options, its counters and progress, the saving location, the card
// preview and the report. It keeps the controls the window's handlers work with; Qt owns
// them all.
class ExportPage {
  Q_DECLARE_TR_FUNCTIONS(ExportPage)

 public:
  explicit ExportPage(TabPage& page);
  // Shows a count in lblContactCount or lblNotNullCount, heard with the caption beside it.
  void showCounter(QLabel* counter, const QString& text);

  QCheckBox* chkNotNull = nullptr;
  QCheckBox* ChkSinglevCard = nullptr;
  QCheckBox* chkNumbersAsShown = nullptr;
  // Phone and fax numbers in international form, read as numbers of the country chosen.
  QCheckBox* chkInternationalPhones = nullptr;
  QComboBox* cmbPhoneCountry = nullptr;
  // Where the cards will be imported; its item data is the destination's command-line name.
  QComboBox* cmbDestination = nullptr;
  // At most this many contacts in each file of all contacts; 0 for no limit.
  QSpinBox* spnPerFile = nullptr;
  QRadioButton* Opt2 = nullptr;
  QRadioButton* Opt3 = nullptr;
  QRadioButton* Opt4 = nullptr;
  QLabel* lblNotNullLabel = nullptr;
  QLabel* lblNotNullCount = nullptr;
  QLabel* contactCountLabel = nullptr;
  QLabel* lblContactCount = nullptr;
  // The progress bar, under the object name scripted use knows it by.
  QProgressBar* statusBar = nullptr;
  QLineEdit* txtvCardSavePath = nullptr;
  QPushButton* CmdChangevCardPath = nullptr;
  QPushButton* cmdPreview = nullptr;
  QPushButton* cmdSaveReport = nullptr;
};

}  // namespace quillmere::ui
