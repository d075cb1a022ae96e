#include "ui/RefusalText.h"

#include <QCoreApplication>
#include <QFile>

#include "core/ExportJob.h"
#include "source/WorkbookError.h"

namespace quillmere::ui {

namespace {

// Whether the window speaks English, the language of the readers' own sentences.
bool windowSpeaksEnglish() {
  //: The code of this translation's language; the window words the readers' refusals itself
  //: in any language but English.
  return QCoreApplication::translate("RefusalText", "en") == QLatin1String("en");
}

QString kindSentence(const source::WorkbookError& error) {
  using Kind = source::WorkbookError::Kind;
  switch (error.kind()) {
    case Kind::NotFound:
      return QCoreApplication::translate("RefusalText", "\"%1\" was not found.");
    case Kind::Unreadable:
      return QCoreApplication::translate("RefusalText", "\"%1\" could not be opened or read.");
    case Kind::EmptyFile:
      return QCoreApplication::translate("RefusalText", "\"%1\" is empty.");
    case Kind::Encrypted:
      return QCoreApplication::translate(
          "RefusalText",
          "\"%1\" is protected by a password. Save it without one and load it again.");
    case Kind::Unsupported:
      return QCoreApplication::translate(
          "RefusalText",
          "\"%1\" is in a format Quillmere does not read. Save it as .xlsx, .xls, .ods "
          "or .csv and load it again.");
    case Kind::Corrupt:
      return QCoreApplication::translate("RefusalText", "\"%1\" is damaged and cannot be read.");
    case Kind::NoWorksheet:
      return QCoreApplication::translate("RefusalText", "\"%1\" holds no worksheet.");
    case Kind::LimitExceeded:
      break;
  }
  return QCoreApplication::translate(
      "RefusalText",
      "\"%1\" is larger than Quillmere reads: it passes one of the limits that keep a "
      "damaged or hostile file from filling the memory.");
}

QString fileName(const std::filesystem::path& file) {
  return QFile::decodeName(file.string().c_str());
}

QString workbookErrorText(const source::WorkbookError& error) {
  QString text = kindSentence(error).arg(fileName(error.file()));
  if (error.part() && error.row()) {
    text += QLatin1Char(' ') + QCoreApplication::translate("RefusalText", "(Part %1, row %2.)")
                                   .arg(QString::fromStdString(*error.part()))
                                   .arg(*error.row());
  } else if (error.part()) {
    text += QLatin1Char(' ') + QCoreApplication::translate("RefusalText", "(Part %1.)")
                                   .arg(QString::fromStdString(*error.part()));
  } else if (error.row()) {
    text += QLatin1Char(' ') +
            QCoreApplication::translate("RefusalText", "(Row %1.)").arg(*error.row());
  }
  return text;
}

QString changedText(const core::WorkbookChanged& changed) {
  using Kind = core::WorkbookChanged::Kind;
  QString text;
  if (!windowSpeaksEnglish()) {
    switch (changed.kind()) {
      case Kind::HeaderRowGone:
        text = QCoreApplication::translate(
            "RefusalText",
            "\"%1\" has changed since it was loaded: its row %2 of column headers is "
            "gone.");
        break;
      case Kind::HeadersDiffer:
        text = QCoreApplication::translate(
            "RefusalText",
            "\"%1\" has changed since it was loaded: its column headers in row %2 are not "
            "the ones that were mapped.");
        break;
      case Kind::FewerRows:
        text = QCoreApplication::translate(
            "RefusalText",
            "\"%1\" has changed since it was loaded: fewer rows of contacts were found in "
            "it than were counted then.");
        break;
    }
    text = text.arg(fileName(changed.file()));
    if (changed.kind() != Kind::FewerRows) text = text.arg(changed.headerRow());
  } else {
    text = QString::fromUtf8(changed.what());
  }
  if (changed.kind() == Kind::FewerRows) return text;
  return text + QLatin1Char(' ') +
         QCoreApplication::translate("Conversion",
                                     "Load it again with Browse... and check the mapping.");
}

}  // namespace

QString refusalText(const std::exception& error) {
  if (const auto* changed = dynamic_cast<const core::WorkbookChanged*>(&error)) {
    return changedText(*changed);
  }
  const auto* workbook = dynamic_cast<const source::WorkbookError*>(&error);
  if (windowSpeaksEnglish() || workbook == nullptr) return QString::fromUtf8(error.what());
  return workbookErrorText(*workbook);
}

}  // namespace quillmere::ui
