#include "ui/frmPreview.h"

#include <QFile>
#include <QFontDatabase>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <exception>

#include "core/RecordPreview.h"
#include "imaging/QtPictureShrinker.h"
#include "ui/EventPump.h"
#include "ui/Fonts.h"
#include "ui/ProgramIcon.h"
#include "ui/QtText.h"
#include "ui/Twips.h"

namespace quillmere::ui {

namespace {

QPushButton* button(QWidget* parent, const char* objectName, const QString& caption,
                    const QString& accessibleName, const QRect& place) {
  auto* widget = new QPushButton(caption, parent);
  widget->setObjectName(QString::fromLatin1(objectName));
  widget->setAccessibleName(accessibleName);
  widget->setFont(Fonts::tahoma());
  widget->setAutoDefault(true);
  widget->setGeometry(place);
  return widget;
}

QLabel* label(QWidget* parent, const char* objectName, const QString& accessibleName,
              const QRect& place) {
  auto* widget = new QLabel(parent);
  widget->setObjectName(QString::fromLatin1(objectName));
  widget->setAccessibleName(accessibleName);
  widget->setFont(Fonts::tahoma());
  widget->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  widget->setTextFormat(Qt::PlainText);
  widget->setGeometry(place);
  return widget;
}

// A note names a picture by its path, one long word; the narrow column may break it after any
// folder.
QString breakableAtFolders(QString text) {
  text.replace(u'/', QStringLiteral("/\u200B"));
  return text;
}

}  // namespace

frmPreview::frmPreview(QWidget* owner, core::ContactSheet& sheet,
                       std::vector<core::ColumnPair> columns, core::ExportOptions& options,
                       const core::PictureShrinker* pictures)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      options_(options),
      pictures_(pictures),
      lblRow_(label(this, "lblRow", tr("Row"), twipsRect(120, 120, 5760, 255))),
      lblFile_(label(this, "lblFile", tr("File"), twipsRect(120, 420, 5760, 255))),
      txtRecord_(new QPlainTextEdit(this)),
      cmdPreviousRow_(button(this, "cmdPreviousRow", tr("< &Previous"), tr("Previous Row"),
                             twipsRect(120, 4440, 1455, 375))),
      cmdNextRow_(button(this, "cmdNextRow", tr("&Next >"), tr("Next Row"),
                         twipsRect(1695, 4440, 1455, 375))),
      cmdClose_(
          button(this, "cmdClose", tr("Close"), tr("Close"), twipsRect(4425, 4440, 1455, 375))) {
  setObjectName(QStringLiteral("frmPreview"));
  setModal(false);
  setWindowTitle(tr("Card Preview"));
  setWindowIcon(ProgramIcon::icon());
  setFont(Fonts::verdana());
  // A Photo column's photo and the row's notes stand right of the text, in room of their own.
  const bool photos = core::pairsField(columns, core::Field::Photo);
  setFixedSize(twips(photos ? 7920 : 6000), twips(4935));
  if (photos) {
    lblPhoto_ = label(this, "lblPhoto", tr("Photo"), twipsRect(6000, 720, 1800, 1800));
    lblPhoto_->setAlignment(Qt::AlignCenter);
    lblPhoto_->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    lblNotes_ = label(this, "lblNotes", tr("Notes"), twipsRect(6000, 2640, 1800, 1680));
    lblNotes_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblNotes_->setWordWrap(true);
  }

  txtRecord_->setObjectName(QStringLiteral("txtRecord"));
  txtRecord_->setAccessibleName(tr("Card"));
  txtRecord_->setReadOnly(true);
  // Lines as the file holds them: never wrapped, in a font where columns line up.
  txtRecord_->setLineWrapMode(QPlainTextEdit::NoWrap);
  QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  fixed.setPointSizeF(Fonts::kPointSize + 0.75);
  txtRecord_->setFont(fixed);
  txtRecord_->setGeometry(twipsRect(120, 720, 5760, 3600));

  connect(cmdPreviousRow_, &QPushButton::clicked, this, &frmPreview::cmdPreviousRow_Click);
  connect(cmdNextRow_, &QPushButton::clicked, this, &frmPreview::cmdNextRow_Click);
  connect(cmdClose_, &QPushButton::clicked, this, &frmPreview::cmdClose_Click);
  setTabOrder(cmdNextRow_, cmdPreviousRow_);
  setTabOrder(cmdPreviousRow_, cmdClose_);
  setTabOrder(cmdClose_, txtRecord_);

  open(sheet, std::move(columns));
  cmdNextRow_->setFocus();
}

frmPreview::~frmPreview() = default;

void frmPreview::open(core::ContactSheet& sheet, std::vector<core::ColumnPair> columns) {
  try {
    rows_.emplace(sheet.readRows());
    preview_ = std::make_unique<core::RecordPreview>(rows_->reader(), sheet.table(),
                                                     std::move(columns), sheet.decimalSeparator());
    preview_->readPictures(pictures_);
  } catch (const std::exception& error) {
    preview_.reset();
    rows_.reset();
    showProblem(QString::fromUtf8(error.what()));
    return;
  }
  refresh();
}

void frmPreview::refresh() {
  // During a walk the row is not yet reached; the walk shows it when it gets there.
  if (preview_ == nullptr || walking_ || failed_) return;
  record_.clear();
  if (preview_->dataRows() == 0) {
    lblRow_->setText(tr("No rows of contacts"));
    lblFile_->clear();
    txtRecord_->setPlainText(tr("The sheet has no rows of contacts below its header row."));
    showPhoto(nullptr);
    showButtons();
    return;
  }
  const core::PreviewCard card = preview_->card(options_);
  lblRow_->setText(
      tr("Row %1 (%2 of %3)").arg(card.sheetRow).arg(card.dataRow).arg(preview_->dataRows()));
  if (card.dropped) {
    lblFile_->setText(tr("No file"));
    txtRecord_->setPlainText(
        tr("This row would not be converted: an e-mail address in it holds only spaces, and "
           "\"Allow Empty Email Addresses to be Imported\" is not ticked."));
    txtRecord_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    showPhoto(nullptr);
  } else {
    record_ = card.record;
    lblFile_->setText(tr("File: %1").arg(fromUtf8(card.file)));
    QString shown = fromUtf8(card.record);
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    txtRecord_->setLineWrapMode(QPlainTextEdit::NoWrap);
    txtRecord_->setPlainText(shown);
    showPhoto(&card);
  }
  lblRow_->setAccessibleName(lblRow_->text());
  lblFile_->setAccessibleName(lblFile_->text());
  showButtons();
}

void frmPreview::showProblem(const QString& problem) {
  failed_ = true;
  record_.clear();
  lblRow_->setText(tr("The card cannot be shown"));
  lblRow_->setAccessibleName(lblRow_->text());
  lblFile_->clear();
  lblFile_->setAccessibleName(tr("File"));
  txtRecord_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  txtRecord_->setPlainText(problem);
  showPhoto(nullptr);
  showButtons();
}

void frmPreview::showPhoto(const core::PreviewCard* card) {
  if (lblPhoto_ == nullptr) return;
  const QImage photo = card != nullptr ? imaging::photoImageFromBase64(card->photo) : QImage();
  if (photo.isNull()) {
    lblPhoto_->setText(card != nullptr ? tr("No photo") : QString());
    lblPhoto_->setAccessibleDescription(lblPhoto_->text());
  } else {
    // Shown whole in the box, never larger than the card holds it.
    const QSize room = lblPhoto_->contentsRect().size();
    const bool fits = photo.width() <= room.width() && photo.height() <= room.height();
    lblPhoto_->setPixmap(QPixmap::fromImage(
        fits ? photo : photo.scaled(room, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
    lblPhoto_->setAccessibleDescription(
        tr("%1 x %2 pixels").arg(photo.width()).arg(photo.height()));
  }
  QStringList notes;
  if (card != nullptr) {
    for (const std::string& note : card->notes)
      notes << fromUtf8(note);
  }
  const QString text = notes.join(u'\n');
  lblNotes_->setText(breakableAtFolders(text));
  lblNotes_->setToolTip(text);
  lblNotes_->setAccessibleDescription(text);
}

void frmPreview::showButtons() {
  // Clicks during a walk are ignored rather than the buttons switched off, so the focus
  // stays on the button the user is pressing.
  const int position = preview_ != nullptr ? preview_->position() : 0;
  const bool previous = position > 1;
  const bool next = position > 0 && position < preview_->dataRows();
  // At either end the focus goes to the other way through the rows, not to Close.
  if (!next && cmdNextRow_->hasFocus() && previous) cmdPreviousRow_->setFocus();
  if (!previous && cmdPreviousRow_->hasFocus() && next) cmdNextRow_->setFocus();
  cmdPreviousRow_->setEnabled(previous);
  cmdNextRow_->setEnabled(next);
}

void frmPreview::moveTo(int index) {
  if (preview_ == nullptr || walking_) return;
  walking_ = true;
  EventPump pump;
  bool failed = false;
  try {
    // A far row takes a while to reach; the windows keep answering meanwhile.
    preview_->moveTo(index, [&] {
      pump.pumpIfDue();
      return !closing_;
    });
  } catch (const std::exception& error) {
    failed = true;
    walking_ = false;
    showProblem(QString::fromUtf8(error.what()));
  }
  walking_ = false;
  if (closing_) {
    deleteLater();
    return;
  }
  if (!failed) {
    failed_ = false;
    refresh();
  }
}

void frmPreview::cmdPreviousRow_Click() {
  if (preview_ != nullptr) moveTo(preview_->position() - 1);
}

void frmPreview::cmdNextRow_Click() {
  if (preview_ != nullptr) moveTo(preview_->position() + 1);
}

void frmPreview::cmdClose_Click() {
  // Hiding first keeps QDialog's close handling from treating this as a refused close.
  hide();
  if (walking_) {
    closing_ = true;
    return;
  }
  deleteLater();
}

void frmPreview::reject() {
  cmdClose_->click();
}

}  // namespace quillmere::ui
