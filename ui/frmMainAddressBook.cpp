// Sending the cards straight to a CardDAV address book: the cards are made for that
// destination from the sheet, pairs and options as they are now, then the dialog sends them.

#include <QList>

#include "carddav/UploadPlan.h"
#include "core/CardPhoto.h"
#include "core/CollectingRecordSink.h"
#include "core/ContactUid.h"
#include "core/ExportSession.h"
#include "imaging/QtPictureShrinker.h"
#include "ui/EventPump.h"
#include "ui/ExportStep.h"
#include "ui/MapStep.h"
#include "ui/Prompts.h"
#include "ui/QtText.h"
#include "ui/RefusalText.h"
#include "ui/Shell.h"
#include "ui/WindowOptions.h"
#include "ui/frmMain.h"
#include "ui/frmSendToAddressBook.h"

namespace quillmere::ui {

namespace {

// Notes each card as it is written: its sheet row, and whether it holds its photo or why it
// goes without, for the dialog to say when the cards are sent. Keeps the window answering.
class CardRows : public core::ExportObserver {
 public:
  struct Written {
    std::uint32_t row = 0;
    bool hasPhoto = false;
    QString photoLeftOut;
  };

  bool rowDone(const core::ExportProgress&, const core::RowOutcome& outcome) override {
    if (outcome.kind == core::RowOutcome::Kind::Written) {
      Written card{outcome.sheetRow, false, {}};
      if (outcome.values != nullptr) {
        card.hasPhoto = outcome.values->hadPhoto();
        card.photoLeftOut = fromUtf8(core::photoLeftOutText(*outcome.values));
      }
      cards.push_back(std::move(card));
    }
    pump_.pumpIfDue();
    return true;
  }
  std::vector<Written> cards;

 private:
  EventPump pump_;
};

}  // namespace

QList<carddav::OutgoingCard> frmMain::addressBookCards() {
  std::optional<core::OptionAnswers> answers = exportStep_->options().answers();
  // Servers take 3.0 and 4.0 with the standard forms and a UID that stays the same; a 2.1
  // choice is for files, so the cards go as 3.0.
  answers->destination = core::Destination::CardDav;
  if (answers->vCardVersion != core::VCardVersion::V40) {
    answers->vCardVersion = core::VCardVersion::V30;
  }
  answers->singleFile = true;
  answers->perFile = 0;
  answers->keepNumbersAsShown = true;
  core::FixedAnswers options(*answers);
  auto sink = std::make_unique<core::CollectingRecordSink>();
  core::CollectingRecordSink& collected = *sink;
  core::ExportSession session(*selectStep_->sheet(), mapStep_->pairs(), options, std::move(sink));
  session.readPictures(pictures_.get());
  CardRows rows;
  setBusy(true);
  static_cast<void>(session.run(rows));
  setBusy(false);
  QList<carddav::OutgoingCard> cards;
  for (std::size_t i = 0; i < collected.records.size(); ++i) {
    const std::string& card = collected.records[i];
    const CardRows::Written written = i < rows.cards.size() ? rows.cards[i] : CardRows::Written{};
    cards.append({static_cast<int>(written.row), fromUtf8(core::uidOf(card)),
                  QByteArray::fromStdString(card), written.hasPhoto, written.photoLeftOut});
  }
  return cards;
}

void frmMain::cmdSendToAddressBook_Click() {
  if (selectStep_->sheet() == nullptr || steps_.busy()) return;
  QList<carddav::OutgoingCard> cards;
  try {
    cards = addressBookCards();
  } catch (const std::exception& error) {
    showMessage(refusalText(error));
    return;
  }
  if (sendDialog_ != nullptr) sendDialog_->close();
  sendDialog_ = new frmSendToAddressBook(this, std::move(cards), shell_.passwords(), prompts_);
  sendDialog_->setAttribute(Qt::WA_DeleteOnClose);
  sendDialog_->open();
}

}  // namespace quillmere::ui
