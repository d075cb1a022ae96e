#pragma once

#include <QCoreApplication>
#include <QString>
#include <cstdint>
#include <functional>

#include "core/Destination.h"
#include "core/VCardVersion.h"
#include "ui/FocusOrder.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QObject;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace quillmere::ui {

class TabPage;

// Step 3: the conversion's options, its counters and progress, the saving location, the card
// preview and the report. It shows and reads what its controls hold and tells the window when
// the user acts on them; Qt owns them all.
class ExportPage {
  Q_DECLARE_TR_FUNCTIONS(ExportPage)

 public:
  explicit ExportPage(TabPage& page);

  // Each runs its handler, on `receiver` while it lives, when the user or the program acts.
  // A version button checked, however it came to be.
  void onVersionChosen(QObject& receiver, std::function<void(core::VCardVersion)> handler);
  void onDestinationChosen(QObject& receiver, std::function<void()> handler);
  // Any other option of the conversion changed.
  void onOptionChanged(QObject& receiver, std::function<void()> handler);
  void onChangeFolder(QObject& receiver, std::function<void()> handler);
  void onPreview(QObject& receiver, std::function<void()> handler);
  void onSaveReport(QObject& receiver, std::function<void()> handler);
  FocusOrder focusOrder() const;

  // The options as the controls show them.
  bool singleFile() const;
  bool allowEmptyEmail() const;
  bool numbersAsShown() const;
  // What the numbers-as-shown box is called, for advice that names it.
  QString numbersAsShownCaption() const;
  bool internationalPhones() const;
  // The chosen country's region code.
  QString phoneCountry() const;
  core::Destination destination() const;
  // The destination as the choice shows it.
  QString destinationName() const;
  std::int32_t perFile() const;
  void setVersion(core::VCardVersion version);
  void setSingleFile(bool single);
  void setNumbersAsShown(bool asShown);

  // The saving location as typed or chosen.
  QString folder() const;
  void setFolder(const QString& folder);
  void clearFolder();
  void enableSaveReport(bool enabled);

  // The run's bar, at `percent` of 100.
  void showProgressBar(bool shown);
  void setProgress(int percent);
  // The two counters with their captions.
  void showCounters(bool shown);
  void showContactCount(const QString& text);
  void showEmptyEmailCount(const QString& text);
  // Both counters at 0, heard as they were heard last.
  void zeroCounters();

 private:
  // Shows a count in lblContactCount_ or lblNotNullCount_, heard with the caption beside it.
  void showCounter(QLabel* counter, const QString& text);

  QCheckBox* chkNotNull_ = nullptr;
  QCheckBox* ChkSinglevCard_ = nullptr;
  QCheckBox* chkNumbersAsShown_ = nullptr;
  // Phone and fax numbers in international form, read as numbers of the country chosen.
  QCheckBox* chkInternationalPhones_ = nullptr;
  QComboBox* cmbPhoneCountry_ = nullptr;
  // Where the cards will be imported; its item data is the destination's command-line name.
  QComboBox* cmbDestination_ = nullptr;
  // At most this many contacts in each file of all contacts; 0 for no limit.
  QSpinBox* spnPerFile_ = nullptr;
  QRadioButton* Opt2_ = nullptr;
  QRadioButton* Opt3_ = nullptr;
  QRadioButton* Opt4_ = nullptr;
  QLabel* lblNotNullLabel_ = nullptr;
  QLabel* lblNotNullCount_ = nullptr;
  QLabel* contactCountLabel_ = nullptr;
  QLabel* lblContactCount_ = nullptr;
  // The progress bar, under the object name scripted use knows it by.
  QProgressBar* statusBar_ = nullptr;
  QLineEdit* txtvCardSavePath_ = nullptr;
  QPushButton* CmdChangevCardPath_ = nullptr;
  QPushButton* cmdPreview_ = nullptr;
  QPushButton* cmdSaveReport_ = nullptr;
};

}  // namespace quillmere::ui
