#include "ui/KeyringPasswords.h"

#include <qt6keychain/keychain.h>

#include <QCoreApplication>
#include <QEventLoop>

namespace quillmere::ui {

namespace {

const QString kService = QStringLiteral("Quillmere CardDAV");

// The keyring answers asynchronously; the dialog waits the moment it takes, answering events.
void waitFor(QKeychain::Job& job) {
  QEventLoop loop;
  bool finished = false;
  QObject::connect(&job, &QKeychain::Job::finished, &loop, [&] {
    finished = true;
    loop.quit();
  });
  job.setAutoDelete(false);
  job.start();
  if (!finished) loop.exec();
}

QString refusal(const QKeychain::Job& job) {
  if (job.error() == QKeychain::NoError || job.error() == QKeychain::EntryNotFound) return {};
  return QCoreApplication::translate("quillmere::ui::KeyringPasswords",
                                     "The desktop's keyring did not keep the password: %1")
      .arg(job.errorString());
}

}  // namespace

QString KeyringPasswords::read(const QString& account) {
  QKeychain::ReadPasswordJob job(kService);
  job.setInsecureFallback(false);
  job.setKey(account);
  waitFor(job);
  return job.error() == QKeychain::NoError ? job.textData() : QString();
}

QString KeyringPasswords::keep(const QString& account, const QString& password) {
  QKeychain::WritePasswordJob job(kService);
  job.setInsecureFallback(false);
  job.setKey(account);
  job.setTextData(password);
  waitFor(job);
  return refusal(job);
}

QString KeyringPasswords::forget(const QString& account) {
  QKeychain::DeletePasswordJob job(kService);
  job.setInsecureFallback(false);
  job.setKey(account);
  waitFor(job);
  return refusal(job);
}

}  // namespace quillmere::ui
