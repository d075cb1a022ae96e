#include <gtest/gtest.h>

#include "QStringPrinter.h"
#include "RadicaleServer.h"
#include "TestCards.h"
#include "carddav/BlockingCardDav.h"
#include "carddav/CardUploader.h"

namespace quillmere::carddav::test {
namespace {

using Kind = CardDavError::Kind;

void expectError(const std::optional<CardDavError>& error, Kind kind, const char* words) {
  ASSERT_TRUE(error);
  EXPECT_EQ(error->kind, kind) << error->message.toStdString();
  EXPECT_TRUE(error->message.contains(words)) << error->message.toStdString();
}

TEST(Errors, AWrongPasswordSaysSo) {
  RadicaleServer server;
  server.makeAddressBook("contacts", "Contacts");
  ServerAccount account = server.account();
  account.password = "wrong";

  expectError(findAddressBooks(account).error, Kind::Unauthorized,
              "127.0.0.1 did not accept the user name or password");
}

TEST(Errors, AMissingAddressBookIsNamed) {
  RadicaleServer server;
  ServerAccount account = server.account();
  account.url = server.root().resolved(QUrl("/ann/gone/"));

  expectError(findAddressBooks(account).error, Kind::NotFound,
              "There is no address book at http://127.0.0.1");
  expectError(planUpload(account, account.url, makeCards(1)).error, Kind::NotFound, "/ann/gone/");
}

TEST(Errors, AnAddressThatIsNoAddressBookIsNotWrittenTo) {
  RadicaleServer server;
  server.makeAddressBook("contacts", "Contacts");
  const QUrl home = server.root().resolved(QUrl("/ann/"));

  expectError(planUpload(server.account(), home, makeCards(1)).error, Kind::NotAddressBook,
              "holds no address book");
}

TEST(Errors, CardsTheServerRefusesAreReportedWithItsReasonAndTheOthersGo) {
  RadicaleServer server;
  const QUrl book = server.makeAddressBook("contacts", "Contacts");
  QList<OutgoingCard> cards = makeCards(5);
  const auto lengthen = [](OutgoingCard& card, int bytes) {
    card.text.replace("UID:", "NOTE:" + QByteArray(bytes, 'x') + "\r\nUID:");
  };
  // Just past the limit the server may answer before hanging up or not; far past it, it never
  // does, and the card must still be told from a server that is gone.
  lengthen(cards[1], RadicaleServer::kMaxContentLength);
  lengthen(cards[3], 100 * RadicaleServer::kMaxContentLength);
  cards[2].text.replace("END:VCARD", "END:VCALENDAR");
  const auto plan = planUpload(server.account(), book, cards);
  ASSERT_TRUE(plan.value);

  const UploadReport report = uploadCards(server.account(), *plan.value);

  for (const int tooLarge : {1, 3}) {
    EXPECT_EQ(report.results[tooLarge].outcome, CardResult::Outcome::Refused);
    EXPECT_TRUE(report.results[tooLarge].message.contains("refused the card as too large"))
        << report.results[tooLarge].message.toStdString();
  }
  EXPECT_TRUE(report.results[3].message.contains("closed the connection twice"))
      << report.results[3].message.toStdString();
  EXPECT_EQ(report.results[2].outcome, CardResult::Outcome::Refused);
  EXPECT_TRUE(report.results[2].message.startsWith("127.0.0.1 answered 400 to http://127.0.0.1:"))
      << report.results[2].message.toStdString();
  EXPECT_TRUE(report.results[2].message.contains("It said: \"Bad Request"))
      << report.results[2].message.toStdString();
  EXPECT_EQ(report.count(CardResult::Outcome::Created), 2);
  EXPECT_FALSE(report.failure);
  EXPECT_EQ(server.etags(book).size(), 2);

  // The report's file gives each card its line, the refusals with the server's reason.
  const QList<QByteArray> lines = report.csv().split('\n');
  ASSERT_EQ(lines.size(), 7);  // a header, five cards, and the empty rest after the last end
  EXPECT_EQ(lines[0], "Row,Outcome,Card,Reason\r");
  EXPECT_TRUE(lines[1].startsWith(QByteArray::number(cards[0].row) + ",created,http://127.0.0.1:"));
  EXPECT_TRUE(lines[3].startsWith(QByteArray::number(cards[2].row) + ",refused,"));
  EXPECT_TRUE(lines[3].contains("\"127.0.0.1 answered 400 to")) << lines[3].toStdString();
}

TEST(Errors, AnAddressBookTheUserMayOnlyReadStopsTheUploadWithNothingWritten) {
  RadicaleServer server;
  const QUrl book = server.makeAddressBook("shared", "Shared", server.otherUser());
  const auto plan = planUpload(server.account(), book, makeCards(30));
  ASSERT_TRUE(plan.value) << plan.error->message.toStdString();

  const UploadReport report = uploadCards(server.account(), *plan.value);

  expectError(report.failure, Kind::Forbidden, "does not let this user change");
  EXPECT_EQ(report.count(CardResult::Outcome::Created), 0);
  EXPECT_GE(report.count(CardResult::Outcome::NotSent), 30 - server.account().requestsInFlight);
  EXPECT_EQ(server.etags(book).size(), 0);
}

TEST(Errors, AServerThatGoesAwayStopsTheUploadSayingItCannotBeReached) {
  RadicaleServer server;
  const QUrl book = server.makeAddressBook("contacts", "Contacts");
  const ServerAccount account = server.account();
  const auto plan = planUpload(account, book, makeCards(30));
  ASSERT_TRUE(plan.value);
  server.stop();

  const UploadReport report = uploadCards(account, *plan.value);

  expectError(report.failure, Kind::Network, "Could not reach 127.0.0.1");
  EXPECT_EQ(report.count(CardResult::Outcome::Created), 0);
  EXPECT_LE(report.count(CardResult::Outcome::Refused), account.requestsInFlight);
  EXPECT_GE(report.count(CardResult::Outcome::NotSent), 30 - account.requestsInFlight);
}

TEST(Errors, AServerThatStopsAnsweringTimesOutWithAMessage) {
  RadicaleServer server;
  const QUrl book = server.makeAddressBook("contacts", "Contacts");
  ServerAccount account = server.account();
  account.timeoutSeconds = 1;
  server.pause();

  expectError(planUpload(account, book, makeCards(1)).error, Kind::Timeout,
              "127.0.0.1 did not answer within 1 seconds");
}

TEST(Errors, AWrongPasswordDuringTheUploadStopsItWithNothingMoreSent) {
  RadicaleServer server;
  const QUrl book = server.makeAddressBook("contacts", "Contacts");
  const auto plan = planUpload(server.account(), book, makeCards(30));
  ASSERT_TRUE(plan.value);
  ServerAccount account = server.account();
  account.password = "changed meanwhile";

  const UploadReport report = uploadCards(account, *plan.value);

  expectError(report.failure, Kind::Unauthorized, "did not accept");
  EXPECT_GE(report.count(CardResult::Outcome::NotSent), 30 - account.requestsInFlight);
  EXPECT_EQ(report.count(CardResult::Outcome::Created), 0);
  EXPECT_EQ(server.etags(book).size(), 0);
}

TEST(Errors, PlainHttpToAnotherComputerNeedsConsent) {
  ServerAccount account;
  account.url = QUrl("http://192.0.2.1/dav/");
  account.user = "ann";

  expectError(findAddressBooks(account).error, Kind::Insecure, "unencrypted");
}

// Radicale never answers 405, 415 or 507 to these requests (it refuses any bad card with 400
// and a full disk gives it 500), so the sentences for every status are checked here directly.
struct StatusCase {
  int status;
  Kind kind;
  const char* words;
  bool stopsEveryCard;
};

class StatusSentences : public testing::TestWithParam<StatusCase> {};

TEST_P(StatusSentences, NameTheHostAndWhatToDo) {
  const CardDavError error =
      statusError(GetParam().status, QUrl("https://dav.example.org/ann/book/"), "said this");
  EXPECT_EQ(error.kind, GetParam().kind);
  EXPECT_EQ(error.httpStatus, GetParam().status);
  EXPECT_TRUE(error.message.contains(GetParam().words)) << error.message.toStdString();
  EXPECT_TRUE(error.message.contains("dav.example.org")) << error.message.toStdString();
  EXPECT_EQ(stopsEveryCard(error.kind), GetParam().stopsEveryCard);
}

INSTANTIATE_TEST_SUITE_P(
    Statuses, StatusSentences,
    testing::Values(StatusCase{401, Kind::Unauthorized, "user name or password", true},
                    StatusCase{403, Kind::Forbidden, "ask the server's administrator", true},
                    StatusCase{404, Kind::NotFound, "There is no address book", true},
                    StatusCase{405, Kind::NotAllowed, "not an address book", true},
                    StatusCase{412, Kind::Conflict, "left as the server has it", false},
                    StatusCase{413, Kind::TooLarge, "too large", false},
                    StatusCase{415, Kind::UnsupportedCard, "vCard 3.0", false},
                    StatusCase{507, Kind::ServerFull, "no room left", true},
                    StatusCase{409, Kind::Other, "It said: \"said this\"", false}),
    [](const auto& test) { return "status_" + std::to_string(test.param.status); });

}  // namespace
}  // namespace quillmere::carddav::test
