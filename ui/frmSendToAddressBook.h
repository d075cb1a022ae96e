#pragma once

#include <QDialog>
#include <QList>
#include <memory>

#include "carddav/AddressBookFinder.h"
#include "carddav/UploadPlan.h"
#include "carddav/UploadReport.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;

namespace quillmere::carddav {
class CardUploader;
class DavConnection;
class UploadPlanner;
struct CardDavError;
}  // namespace quillmere::carddav

namespace quillmere::ui {

class PasswordStore;
class Prompts;

// Sends the cards of the conversion as it is set up now to a CardDAV address book: finds the
// books on a server, says first what would change ("N new, M to update, K unchanged"), then
// sends on the user's word, with progress, Stop and what became of each card. Nothing on the
// server is deleted, and a card changed there since it was read is left as it is. A password
// is remembered in `passwords` only when the user ticks the box, once the server took it.
class frmSendToAddressBook : public QDialog {
  Q_OBJECT

 public:
  frmSendToAddressBook(QWidget* owner, QList<carddav::OutgoingCard> cards, PasswordStore& passwords,
                       Prompts& prompts);
  ~frmSendToAddressBook() override;

  // What the last upload did, for the report; empty before one.
  const carddav::UploadReport& report() const { return report_; }

 private:
  void findBooks();
  void check();
  void send();
  void stop();
  // Writes what became of each card to a CSV file the user chooses.
  void saveReport();
  void showBooks(const QList<carddav::AddressBook>& books);
  void showPlan(const carddav::UploadPlan& plan);
  void showSent(const carddav::UploadReport& report);
  void showError(const carddav::CardDavError& error);
  void setWorking(bool working);
  // The certificate the user may trust now; an empty fingerprint takes the offer back.
  void offerTrust(const QByteArray& fingerprint);
  carddav::ServerAccount account() const;
  // The account's name in the keyring: its user at the server's scheme, host and port.
  QString keyringAccount() const;
  // Fills an empty password box with the password kept for the account, if one is.
  void recallPassword();

  QList<carddav::OutgoingCard> cards_;
  PasswordStore& passwords_;
  Prompts& prompts_;
  std::unique_ptr<carddav::DavConnection> connection_;
  carddav::AddressBookFinder* finder_ = nullptr;
  carddav::UploadPlanner* planner_ = nullptr;
  carddav::CardUploader* uploader_ = nullptr;
  carddav::UploadPlan plan_;
  carddav::UploadReport report_;
  QByteArray offeredFingerprint_;

  QLineEdit* txtServer_;
  QLineEdit* txtUser_;
  QLineEdit* txtPassword_;
  QCheckBox* chkRememberPassword_;
  QCheckBox* chkPlainHttp_;
  // Offered only once a certificate did not verify, for that certificate alone.
  QCheckBox* chkTrustCertificate_;
  QPushButton* cmdFind_;
  QComboBox* cmbBook_;
  QPushButton* cmdCheck_;
  QLabel* lblStatus_;
  QProgressBar* progress_;
  QPushButton* cmdSend_;
  QPushButton* cmdStop_;
  QPushButton* cmdSaveReport_;
  QPushButton* cmdClose_;
};

}  // namespace quillmere::ui
