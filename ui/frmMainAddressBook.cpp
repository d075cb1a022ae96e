// Sending the cards straight to a CardDAV address book: the cards are made for that
// destination from the sheet, pairs and options as they are now, then the dialog sends them.

#include <QList>

#include "carddav/UploadPlan.h"
#include "core/CollectingRecordSink.h"
#include "core/ContactUid.h"
#include "core/ExportSession.h"
#include "imaging/QtPictureShrinker.h"
#include "ui/EventPump.h"
#include "ui/QtText.h"
#include "ui/RefusalText.h"
#include "ui/WindowOptions.h"
#include "ui/frmMain.h"
#include "ui/frmSendToAddressBook.h"

namespace quillmere::ui {

namespace {

// Notes the sheet row of each card as it is written, and keeps the window answering.
class CardRows : public core::ExportObserver {
 public:
  bool rowDone(const core::ExportProgress&, const core::RowOutcome& outcome) override {
    if (outcome.kind == core::RowOutcome::Kind::Written) rows.push_back(outcome.sheetRow);
    pump_.pumpIfDue();
    return true;
  }
  std::vector<std::uint32_t> rows;

 private:
  EventPump pump_;
};

}  // namespace

QList<carddav::OutgoingCard> frmMain::addressBookCards() {
  std::optional<core::OptionAnswers> answers = options_->answers();
  // Servers take 3.0 and 4.0 with the standard forms and a UID that stays the same; a 2.1
  // choice is for files, so the cards go as 3.0.
  answers->destination = core::Destination::CardDav;
  if (answers->vCardVersion != "4.0") answers->vCardVersion = "3.0";
  answers->singleFile = true;
  answers->perFile = 0;
  answers->keepNumbersAsShown = true;
  core::FixedAnswers options(*answers);
  auto sink = std::make_unique<core::CollectingRecordSink>();
  core::CollectingRecordSink& collected = *sink;
  core::ExportSession session(*sheet_, mapping_.pairs(), options, std::move(sink));
  session.readPictures(pictures_.get());
  CardRows rows;
  setBusy(true);
  static_cast<void>(session.run(rows));
  setBusy(false);
  QList<carddav::OutgoingCard> cards;
  for (std::size_t i = 0; i < collected.records.size(); ++i) {
    const std::string& card = collected.records[i];
    cards.append({i < rows.rows.size() ? static_cast<int>(rows.rows[i]) : 0,
                  fromUtf8(core::uidOf(card)), QByteArray::fromStdString(card)});
  }
  return cards;
}

void frmMain::cmdSendToAddressBook_Click() {
  if (sheet_ == nullptr || steps_.busy()) return;
  QList<carddav::OutgoingCard> cards;
  try {
    cards = addressBookCards();
  } catch (const std::exception& error) {
    showMessage(refusalText(error));
    return;
  }
  if (sendDialog_ != nullptr) sendDialog_->close();
  sendDialog_ = new frmSendToAddressBook(this, std::move(cards));
  sendDialog_->setAttribute(Qt::WA_DeleteOnClose);
  sendDialog_->open();
}

}  // namespace quillmere::ui
