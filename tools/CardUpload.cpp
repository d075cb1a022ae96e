#include "tools/CardUpload.h"

#include <termios.h>
#include <unistd.h>

#include <QCoreApplication>
#include <cstdlib>
#include <iostream>

#include "carddav/BlockingCardDav.h"
#include "core/ContactUid.h"
#include "tools/ConvertCommand.h"

namespace quillmere::tools {

namespace {

// Asked on the terminal with the echo off, as passwd does.
std::string askPassword(const std::string& user) {
  if (const char* given = std::getenv("QUILLMERE_PASSWORD")) return given;
  if (isatty(STDIN_FILENO) == 0) {
    throw std::runtime_error("no password: set QUILLMERE_PASSWORD or run on a terminal");
  }
  std::cerr << "Password for " << user << ": " << std::flush;
  termios before{};
  tcgetattr(STDIN_FILENO, &before);
  termios quiet = before;
  quiet.c_lflag &= ~static_cast<tcflag_t>(ECHO);
  tcsetattr(STDIN_FILENO, TCSANOW, &quiet);
  std::string password;
  std::getline(std::cin, password);
  tcsetattr(STDIN_FILENO, TCSANOW, &before);
  std::cerr << "\n";
  return password;
}

std::string text(const QString& value) {
  return value.toStdString();
}

}  // namespace

int uploadCards(const UploadCommand& command, const std::vector<std::string>& cards,
                const std::vector<WrittenCard>& written) {
  int argc = 1;
  char name[] = "quillmere-convert";
  char* argv[] = {name, nullptr};
  QCoreApplication application(argc, argv);
  carddav::ServerAccount account;
  account.url = QUrl(QString::fromStdString(command.url));
  account.user = QString::fromStdString(command.user);
  account.password = QString::fromStdString(askPassword(command.user));
  account.trustedFingerprint = QByteArray::fromStdString(command.trustedFingerprint);

  QList<carddav::OutgoingCard> outgoing;
  for (std::size_t i = 0; i < cards.size(); ++i) {
    const std::string& card = cards[i];
    const std::string_view uid = core::uidOf(card);
    const WrittenCard said = i < written.size() ? written[i] : WrittenCard{};
    outgoing.append({static_cast<int>(said.row),
                     QString::fromUtf8(uid.data(), static_cast<qsizetype>(uid.size())),
                     QByteArray::fromStdString(card), said.hasPhoto,
                     QString::fromStdString(said.photoLeftOut)});
  }
  const auto book = carddav::onlyAddressBook(account);
  if (book.error) {
    std::cerr << kProgramName << ": " << text(book.error->message) << "\n";
    return 2;
  }
  const auto plan = carddav::planUpload(account, book.value->url, outgoing);
  if (plan.error) {
    std::cerr << kProgramName << ": " << text(plan.error->message) << "\n";
    return 2;
  }
  std::cout << text(book.value->displayName) << ": " << text(plan.value->summary()) << "\n";
  if (command.dryRun) return 0;
  const carddav::UploadReport report = carddav::uploadCards(account, *plan.value);
  std::cout << "sent: " << text(report.summary()) << "\n";
  if (!command.reportFile.empty()) {
    const QString refused = report.saveCsv(QString::fromStdString(command.reportFile));
    if (!refused.isEmpty()) {
      std::cerr << kProgramName << ": the upload report could not be written to "
                << command.reportFile << ": " << text(refused) << "\n";
      return 1;
    }
  }
  for (const carddav::CardResult& result : report.results) {
    using Outcome = carddav::CardResult::Outcome;
    if (result.outcome == Outcome::Refused || result.outcome == Outcome::Conflict) {
      std::cout << (result.outcome == Outcome::Conflict ? "conflict row " : "refused row ")
                << result.row << ": " << text(result.message) << "\n";
    }
  }
  // Counted as the conversion counts them, for the cards the address book now holds.
  if (report.photosSent() > 0 || report.photosLeftOut() > 0) {
    std::cout << "photos sent: " << report.photosSent() << "\n"
              << "photos left out: " << report.photosLeftOut() << "\n";
  }
  if (const carddav::CardResult* first = report.firstWithoutPhoto()) {
    std::cout << "first photo left out, row " << first->row << ": " << text(first->photoLeftOut)
              << "\n";
  }
  if (report.failure) {
    std::cerr << kProgramName << ": " << text(report.failure->message) << "\n";
    return 1;
  }
  const bool whole = report.count(carddav::CardResult::Outcome::Refused) == 0 &&
                     report.count(carddav::CardResult::Outcome::Conflict) == 0 &&
                     report.count(carddav::CardResult::Outcome::NotSent) == 0;
  return whole ? 0 : 1;
}

}  // namespace quillmere::tools
