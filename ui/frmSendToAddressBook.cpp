#include "ui/frmSendToAddressBook.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "carddav/CardUploader.h"
#include "carddav/DavConnection.h"
#include "carddav/UploadPlanner.h"
#include "ui/PasswordStore.h"
#include "ui/Prompts.h"

namespace quillmere::ui {

namespace {

template <typename Widget>
Widget* named(Widget* widget, const char* objectName, const QString& accessibleName) {
  widget->setObjectName(QString::fromLatin1(objectName));
  widget->setAccessibleName(accessibleName);
  return widget;
}

}  // namespace

frmSendToAddressBook::frmSendToAddressBook(QWidget* owner, QList<carddav::OutgoingCard> cards,
                                           PasswordStore& passwords, Prompts& prompts)
    : QDialog(owner),
      cards_(std::move(cards)),
      passwords_(passwords),
      prompts_(prompts),
      txtServer_(named(new QLineEdit, "txtServer", tr("Server or address book"))),
      txtUser_(named(new QLineEdit, "txtUser", tr("User name"))),
      txtPassword_(named(new QLineEdit, "txtPassword", tr("Password"))),
      chkRememberPassword_(named(new QCheckBox(tr("&Remember the password")), "chkRememberPassword",
                                 tr("Remember the password"))),
      chkPlainHttp_(named(new QCheckBox(tr("Allow &unencrypted HTTP to another computer")),
                          "chkPlainHttp", tr("Allow unencrypted HTTP to another computer"))),
      chkTrustCertificate_(named(
          new QCheckBox(tr("&Trust this server's certificate with the fingerprint shown")),
          "chkTrustCertificate", tr("Trust this server's certificate with the fingerprint shown"))),
      cmdFind_(
          named(new QPushButton(tr("&Find Address Books")), "cmdFind", tr("Find Address Books"))),
      cmbBook_(named(new QComboBox, "cmbBook", tr("Address book"))),
      cmdCheck_(named(new QPushButton(tr("&Check")), "cmdCheck", tr("Check"))),
      lblStatus_(named(new QLabel, "lblStatus", tr("Status"))),
      progress_(named(new QProgressBar, "barSent", tr("Cards sent"))),
      cmdSend_(named(new QPushButton(tr("S&end")), "cmdSend", tr("Send"))),
      cmdStop_(named(new QPushButton(tr("Sto&p")), "cmdStop", tr("Stop"))),
      cmdSaveReport_(
          named(new QPushButton(tr("Sa&ve Report...")), "cmdSaveUploadReport", tr("Save Report"))),
      cmdClose_(named(new QPushButton(tr("Close")), "cmdClose", tr("Close"))) {
  setObjectName(QStringLiteral("frmSendToAddressBook"));
  setWindowTitle(tr("Send to Address Book"));
  txtPassword_->setEchoMode(QLineEdit::Password);
  txtServer_->setPlaceholderText(QStringLiteral("https://cloud.example.org/remote.php/dav"));
  lblStatus_->setWordWrap(true);
  lblStatus_->setText(tr("Cards to send: %1. Give the server and your account, then find the "
                         "address book.")
                          .arg(cards_.size()));
  progress_->setRange(0, static_cast<int>(cards_.size()));
  progress_->setValue(0);

  auto* form = new QFormLayout;
  const auto row = [form](const QString& caption, QWidget* field) {
    auto* label = new QLabel(caption);
    label->setBuddy(field);
    form->addRow(label, field);
  };
  row(tr("&Server:"), txtServer_);
  row(tr("&User name:"), txtUser_);
  row(tr("Pass&word:"), txtPassword_);
  form->addRow(QString(), chkRememberPassword_);
  form->addRow(QString(), chkPlainHttp_);
  form->addRow(QString(), chkTrustCertificate_);
  chkTrustCertificate_->setVisible(false);
  form->addRow(QString(), cmdFind_);
  row(tr("&Address book:"), cmbBook_);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(cmdCheck_);
  buttons->addWidget(cmdSend_);
  buttons->addWidget(cmdStop_);
  buttons->addWidget(cmdSaveReport_);
  buttons->addStretch();
  buttons->addWidget(cmdClose_);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(lblStatus_);
  layout->addWidget(progress_);
  layout->addLayout(buttons);
  setMinimumWidth(520);

  connect(cmdFind_, &QPushButton::clicked, this, &frmSendToAddressBook::findBooks);
  connect(cmdCheck_, &QPushButton::clicked, this, &frmSendToAddressBook::check);
  connect(cmdSend_, &QPushButton::clicked, this, &frmSendToAddressBook::send);
  connect(cmdStop_, &QPushButton::clicked, this, &frmSendToAddressBook::stop);
  connect(cmdSaveReport_, &QPushButton::clicked, this, &frmSendToAddressBook::saveReport);
  connect(cmdClose_, &QPushButton::clicked, this, &QDialog::reject);
  // The account is known once both are given; its kept password fills the box then.
  for (QLineEdit* edit : {txtServer_, txtUser_}) {
    connect(edit, &QLineEdit::editingFinished, this, &frmSendToAddressBook::recallPassword);
  }
  // Unticked, the password is forgotten at once, not at the next send.
  connect(chkRememberPassword_, &QCheckBox::toggled, this, [this](bool remember) {
    if (remember || txtUser_->text().isEmpty()) return;
    const QString refused = passwords_.forget(keyringAccount());
    if (!refused.isEmpty()) lblStatus_->setText(refused);
  });
  // Trust belongs to the one server whose certificate was shown.
  connect(txtServer_, &QLineEdit::textChanged, this, [this] { offerTrust({}); });
  // A new address or account makes what was found, checked or planned stale.
  for (QLineEdit* edit : {txtServer_, txtUser_, txtPassword_}) {
    connect(edit, &QLineEdit::textChanged, this, [this] {
      cmbBook_->clear();
      plan_ = {};
      setWorking(false);
    });
  }
  connect(cmbBook_, &QComboBox::currentIndexChanged, this, [this] {
    plan_ = {};
    setWorking(false);
  });
  setWorking(false);
}

frmSendToAddressBook::~frmSendToAddressBook() = default;

carddav::ServerAccount frmSendToAddressBook::account() const {
  carddav::ServerAccount account;
  account.url = QUrl::fromUserInput(txtServer_->text().trimmed());
  account.user = txtUser_->text();
  account.password = txtPassword_->text();
  account.allowInsecure = chkPlainHttp_->isChecked();
  if (chkTrustCertificate_->isChecked()) account.trustedFingerprint = offeredFingerprint_;
  return account;
}

QString frmSendToAddressBook::keyringAccount() const {
  const QUrl server = account().url.adjusted(QUrl::RemovePath | QUrl::RemoveQuery |
                                             QUrl::RemoveFragment | QUrl::RemoveUserInfo);
  return txtUser_->text() + QLatin1Char('@') + server.toString();
}

void frmSendToAddressBook::recallPassword() {
  if (!txtPassword_->text().isEmpty() || txtUser_->text().isEmpty() ||
      txtServer_->text().trimmed().isEmpty()) {
    return;
  }
  const QString kept = passwords_.read(keyringAccount());
  if (kept.isEmpty()) return;
  txtPassword_->setText(kept);
  chkRememberPassword_->setChecked(true);
}

void frmSendToAddressBook::setWorking(bool working) {
  const bool uploading = uploader_ != nullptr && uploader_->running();
  for (QWidget* field :
       {static_cast<QWidget*>(txtServer_), static_cast<QWidget*>(txtUser_),
        static_cast<QWidget*>(txtPassword_), static_cast<QWidget*>(chkRememberPassword_),
        static_cast<QWidget*>(chkPlainHttp_), static_cast<QWidget*>(chkTrustCertificate_)}) {
    field->setEnabled(!working);
  }
  cmdFind_->setEnabled(!working && !txtServer_->text().trimmed().isEmpty());
  cmbBook_->setEnabled(!working && cmbBook_->count() > 0);
  cmdCheck_->setEnabled(!working && cmbBook_->count() > 0 && !cards_.isEmpty());
  cmdSend_->setEnabled(!working && !plan_.cards.isEmpty());
  cmdStop_->setEnabled(uploading);
  cmdSaveReport_->setEnabled(!uploading && !report_.results.isEmpty());
  cmdClose_->setEnabled(!uploading);
}

void frmSendToAddressBook::findBooks() {
  recallPassword();
  connection_ = std::make_unique<carddav::DavConnection>(account());
  finder_ = new carddav::AddressBookFinder(*connection_, connection_.get());
  connect(finder_, &carddav::AddressBookFinder::found, this, &frmSendToAddressBook::showBooks);
  connect(finder_, &carddav::AddressBookFinder::failed, this, &frmSendToAddressBook::showError);
  lblStatus_->setText(tr("Looking for address books at %1...").arg(account().url.host()));
  setWorking(true);
  finder_->start();
}

void frmSendToAddressBook::showBooks(const QList<carddav::AddressBook>& books) {
  cmbBook_->clear();
  for (const carddav::AddressBook& book : books)
    cmbBook_->addItem(book.displayName, book.url);
  QString text =
      tr("Address books found: %1. Check shows what sending would change.").arg(books.size());
  // Kept only once the server has taken it, so a mistyped password is never remembered.
  if (chkRememberPassword_->isChecked()) {
    const QString refused = passwords_.keep(keyringAccount(), txtPassword_->text());
    if (!refused.isEmpty()) text += QLatin1Char(' ') + refused;
  }
  lblStatus_->setText(text);
  setWorking(false);
  if (cmdCheck_->isEnabled()) cmdCheck_->setFocus();
}

void frmSendToAddressBook::check() {
  planner_ = new carddav::UploadPlanner(*connection_, connection_.get());
  connect(planner_, &carddav::UploadPlanner::planned, this, &frmSendToAddressBook::showPlan);
  connect(planner_, &carddav::UploadPlanner::failed, this, &frmSendToAddressBook::showError);
  lblStatus_->setText(tr("Reading the address book's cards..."));
  setWorking(true);
  planner_->start(cmbBook_->currentData().toUrl(), cards_);
}

void frmSendToAddressBook::showPlan(const carddav::UploadPlan& plan) {
  plan_ = plan;
  lblStatus_->setText(tr("%1. Nothing is sent until you press Send; nothing on the server is "
                         "deleted.")
                          .arg(plan.summary()));
  setWorking(false);
  if (cmdSend_->isEnabled()) cmdSend_->setFocus();
}

void frmSendToAddressBook::send() {
  uploader_ = new carddav::CardUploader(*connection_, connection_.get());
  connect(uploader_, &carddav::CardUploader::progress, this, [this](int done, int total) {
    progress_->setRange(0, total);
    progress_->setValue(done);
  });
  connect(uploader_, &carddav::CardUploader::finished, this, &frmSendToAddressBook::showSent);
  lblStatus_->setText(tr("Sending..."));
  progress_->setValue(0);
  uploader_->start(plan_);
  setWorking(true);
}

void frmSendToAddressBook::stop() {
  if (uploader_ != nullptr) uploader_->stop();
}

void frmSendToAddressBook::showSent(const carddav::UploadReport& report) {
  report_ = report;
  QString text = tr("Sent: %1.").arg(report.summary());
  // A card without the photo its row names is in the book all the same; only this says so.
  if (report.photosSent() > 0 || report.photosLeftOut() > 0) {
    text +=
        QLatin1Char(' ') +
        tr("Photos sent: %1; left out: %2.").arg(report.photosSent()).arg(report.photosLeftOut());
  }
  if (const carddav::CardResult* first = report.firstWithoutPhoto()) {
    text += QLatin1Char(' ') +
            tr("First left out: row %1, %2.").arg(QString::number(first->row), first->photoLeftOut);
  }
  if (report.failure) text += QLatin1Char(' ') + report.failure->message;
  lblStatus_->setText(text);
  // What was sent is on the server now; another send needs a fresh check.
  plan_ = {};
  uploader_ = nullptr;
  setWorking(false);
}

void frmSendToAddressBook::saveReport() {
  const QString chosen = prompts_.chooseSaveFile(
      this, tr("Save Report"), tr("Address book report.csv"), tr("CSV File (*.csv)"));
  if (chosen.isEmpty()) return;
  const QString refused = report_.saveCsv(chosen);
  if (!refused.isEmpty()) {
    lblStatus_->setText(tr("The report could not be saved as \"%1\": %2").arg(chosen, refused));
    return;
  }
  lblStatus_->setText(tr("Report saved as %1").arg(QFileInfo(chosen).fileName()));
}

void frmSendToAddressBook::showError(const carddav::CardDavError& error) {
  QString text = error.message;
  if (error.kind == carddav::CardDavError::Kind::Certificate && !error.fingerprint.isEmpty()) {
    if (error.fingerprint != offeredFingerprint_) offerTrust(error.fingerprint);
    text += QLatin1Char(' ') + tr("If it is, tick \"%1\" and find the address books again.")
                                   .arg(chkTrustCertificate_->accessibleName());
  }
  lblStatus_->setText(text);
  setWorking(false);
}

void frmSendToAddressBook::offerTrust(const QByteArray& fingerprint) {
  offeredFingerprint_ = fingerprint;
  chkTrustCertificate_->setChecked(false);
  chkTrustCertificate_->setVisible(!fingerprint.isEmpty());
  // Heard with the fingerprint it trusts, as the status above shows it.
  chkTrustCertificate_->setAccessibleDescription(QString::fromLatin1(fingerprint));
  chkTrustCertificate_->setToolTip(QString::fromLatin1(fingerprint));
}

}  // namespace quillmere::ui
