#include "carddav/UploadReport.h"

#include <QCoreApplication>
#include <QSaveFile>
#include <algorithm>
#include <string>

#include "core/CsvField.h"

namespace quillmere::carddav {

bool CardResult::inAddressBook() const {
  return outcome == Outcome::Created || outcome == Outcome::Updated ||
         outcome == Outcome::Unchanged;
}

qsizetype UploadReport::photosSent() const {
  return std::count_if(results.cbegin(), results.cend(), [](const CardResult& result) {
    return result.inAddressBook() && result.hasPhoto;
  });
}

qsizetype UploadReport::photosLeftOut() const {
  return std::count_if(results.cbegin(), results.cend(), [](const CardResult& result) {
    return result.inAddressBook() && !result.photoLeftOut.isEmpty();
  });
}

const CardResult* UploadReport::firstWithoutPhoto() const {
  const auto first = std::find_if(results.cbegin(), results.cend(), [](const CardResult& result) {
    return result.inAddressBook() && !result.photoLeftOut.isEmpty();
  });
  return first == results.cend() ? nullptr : &*first;
}

qsizetype UploadReport::count(CardResult::Outcome outcome) const {
  return std::count_if(results.cbegin(), results.cend(),
                       [outcome](const CardResult& result) { return result.outcome == outcome; });
}

namespace {

const char* outcomeWords(CardResult::Outcome outcome) {
  using Outcome = CardResult::Outcome;
  switch (outcome) {
    case Outcome::Created:
      return "created";
    case Outcome::Updated:
      return "updated";
    case Outcome::Unchanged:
      return "unchanged";
    case Outcome::Refused:
      return "refused";
    case Outcome::Conflict:
      return "changed on the server, left as it is there";
    case Outcome::NotSent:
      break;
  }
  return "not sent";
}

}  // namespace

QByteArray UploadReport::csv() const {
  std::string text = "Row,Outcome,Card,Reason\r\n";
  for (const CardResult& result : results) {
    text += std::to_string(result.row);
    text += ',';
    core::appendCsvField(text, outcomeWords(result.outcome));
    text += ',';
    core::appendCsvField(text, result.url.toString().toStdString());
    text += ',';
    core::appendCsvField(text, result.message.toStdString());
    text += "\r\n";
  }
  return QByteArray::fromStdString(text);
}

QString UploadReport::summary() const {
  using Outcome = CardResult::Outcome;
  QString text = QCoreApplication::translate("UploadReport", "%1 created, %2 updated, %3 unchanged")
                     .arg(count(Outcome::Created))
                     .arg(count(Outcome::Updated))
                     .arg(count(Outcome::Unchanged));
  if (const qsizetype refused = count(Outcome::Refused)) {
    text += QCoreApplication::translate("UploadReport", ", %1 refused").arg(refused);
  }
  if (const qsizetype conflicts = count(Outcome::Conflict)) {
    text += QCoreApplication::translate("UploadReport",
                                        ", %1 changed on the server and left as they are there")
                .arg(conflicts);
  }
  if (const qsizetype notSent = count(Outcome::NotSent)) {
    text += QCoreApplication::translate("UploadReport", ", %1 not sent").arg(notSent);
  }
  return text;
}

QString UploadReport::saveCsv(const QString& path) const {
  QSaveFile file(path);
  const QByteArray text = csv();
  if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size() || !file.commit()) {
    return file.errorString();
  }
  return {};
}

}  // namespace quillmere::carddav
