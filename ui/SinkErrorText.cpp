#include "ui/SinkErrorText.h"

#include <QCoreApplication>
#include <QFile>
#include <cerrno>
#include <cstring>

namespace quillmere::ui {

namespace {

// What an errno value means for someone saving files; the same cases the sink's own
// sentences name, the rest as the system words them.
QString systemReason(int error) {
  switch (error) {
    case ENOSPC:
      return QCoreApplication::translate("SinkErrorText", "the disk is full");
    case EDQUOT:
      return QCoreApplication::translate("SinkErrorText", "your disk quota is used up");
    case EFBIG:
      return QCoreApplication::translate(
          "SinkErrorText", "the file would grow too large for this disk or this system");
    case EACCES:
    case EPERM:
      return QCoreApplication::translate("SinkErrorText", "you may not write there");
    case EROFS:
      return QCoreApplication::translate("SinkErrorText", "the disk can only be read");
    case ENOENT:
      return QCoreApplication::translate("SinkErrorText", "the folder does not exist (any more)");
    case ENOTDIR:
      return QCoreApplication::translate("SinkErrorText", "a part of the path is not a folder");
    case ENAMETOOLONG:
      return QCoreApplication::translate("SinkErrorText", "the path is too long");
    case EIO:
      return QCoreApplication::translate("SinkErrorText", "the disk reported an error");
    case EISDIR:
      return QCoreApplication::translate("SinkErrorText", "a folder of that name is there");
    case EEXIST:
      return QCoreApplication::translate("SinkErrorText", "a file of that name is there already");
    default:
      return QString::fromLocal8Bit(std::strerror(error));
  }
}

}  // namespace

QString sinkErrorText(const core::SinkError& error) {
  //: The code of this translation's language; the window words the sink's failures itself in
  //: any language but English.
  if (QCoreApplication::translate("SinkErrorText", "en") == QLatin1String("en"))
    return QString::fromUtf8(error.what());
  if (const auto* large = dynamic_cast<const core::CardTooLarge*>(&error)) {
    return QCoreApplication::translate(
               "SinkErrorText",
               "The card is %1 KB, more than the %2 KB %3 takes for one contact; shorten its "
               "notes.")
        .arg(large->kilobytes())
        .arg(large->limitKilobytes())
        .arg(QString::fromStdString(large->destination()));
  }
  const QString path = QFile::decodeName(error.path().string().c_str());
  const QString reason = systemReason(error.systemError());
  using Kind = core::SinkError::Kind;
  switch (error.kind()) {
    case Kind::FolderNotMade:
      return QCoreApplication::translate("SinkErrorText",
                                         "The folder \"%1\" could not be made: %2.")
          .arg(path, reason);
    case Kind::FileNotMade:
      return QCoreApplication::translate("SinkErrorText", "\"%1\" could not be created: %2.")
          .arg(path, reason);
    case Kind::WriteFailed:
      return QCoreApplication::translate("SinkErrorText", "\"%1\" could not be written: %2.")
          .arg(path, reason);
    case Kind::CloseFailed:
      return QCoreApplication::translate("SinkErrorText",
                                         "\"%1\" could not be saved completely: %2.")
          .arg(path, reason);
    case Kind::NotCompleted:
      return QCoreApplication::translate(
                 "SinkErrorText",
                 "\"%1\" holds every contact but could not be given its final name: %2.")
          .arg(path, reason);
    case Kind::LeftIncomplete:
    case Kind::RecordsLost:
    case Kind::Other:
      // Their sentences say more than a kind and one system error can; they stay whole.
      break;
  }
  return QString::fromUtf8(error.what());
}

}  // namespace quillmere::ui
