#include <gtest/gtest.h>

#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include "QStringPrinter.h"
#include "RadicaleServer.h"
#include "TestCards.h"
#include "carddav/BlockingCardDav.h"
#include "carddav/CardNormal.h"

namespace quillmere::carddav::test {
namespace {

using Outcome = CardResult::Outcome;

using Reading = UploadPlanner::Reading;

UploadPlan planned(RadicaleServer& server, const QUrl& book, const QList<OutgoingCard>& cards,
                   Reading reading = Reading::OneQuery) {
  const auto result = planUpload(server.account(), book, cards, reading);
  if (result.error) ADD_FAILURE() << result.error->message.toStdString();
  return result.value.value_or(UploadPlan{});
}

// Reads every card back with GET and python3-vobject; empty when all are equal.
QString differencesOnServer(RadicaleServer& server, const QUrl& book,
                            const QList<OutgoingCard>& cards) {
  QTemporaryDir dir;
  writeCards(cards, dir.path());
  QProcess python;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert("QUILLMERE_PASSWORD", server.password());
  python.setProcessEnvironment(environment);
  python.setProcessChannelMode(QProcess::MergedChannels);
  python.start(QUILLMERE_SYSTEM_PYTHON, {QUILLMERE_CARDDAV_TEST_DIR "/readback.py", book.toString(),
                                         server.user(), dir.path()});
  if (!python.waitForFinished(240000)) return "readback.py did not finish";
  return python.exitCode() == 0 ? QString() : QString::fromUtf8(python.readAll());
}

TEST(Upload, ThousandCardsArriveWholeAndASecondRunSendsOnlyTheTenChanged) {
  RadicaleServer server;
  const QUrl book = server.makeAddressBook("contacts", "Contacts");
  const QList<OutgoingCard> cards = makeCards(1000);

  const UploadPlan first = planned(server, book, cards);
  EXPECT_EQ(first.summary(), "1000 new, 0 to update, 0 unchanged");
  const UploadReport sent = uploadCards(server.account(), first);
  EXPECT_FALSE(sent.failure);
  EXPECT_EQ(sent.count(Outcome::Created), 1000) << sent.summary().toStdString();
  const QMap<QString, QByteArray> before = server.etags(book);
  EXPECT_EQ(before.size(), 1000);
  EXPECT_EQ(differencesOnServer(server, book, cards), QString());

  QSet<int> changedRows;
  for (int row = 100; row < 110; ++row)
    changedRows.insert(row);
  const QList<OutgoingCard> changed = makeCards(1000, changedRows);
  // The read-back sees the ten changed rows differ until they are sent.
  EXPECT_NE(differencesOnServer(server, book, changed.mid(98, 10)), QString());
  const UploadPlan second = planned(server, book, changed);
  EXPECT_EQ(second.summary(), "0 new, 10 to update, 990 unchanged");
  const UploadReport again = uploadCards(server.account(), second);
  EXPECT_EQ(again.summary(), "0 created, 10 updated, 990 unchanged");

  const QMap<QString, QByteArray> after = server.etags(book);
  EXPECT_EQ(after.size(), 1000);
  for (const OutgoingCard& card : changed) {
    const QString name = card.uid + ".vcf";
    EXPECT_EQ(after[name] != before[name], changedRows.contains(card.row)) << card.row;
  }
  EXPECT_EQ(differencesOnServer(server, book, changed), QString());
}

// Both ways of reading the book (the one query, and the listing with the cards read in
// batches that a server refusing the query gets) find the same.
class SecondPlan : public testing::TestWithParam<std::tuple<core::VCardVersion, Reading>> {};

TEST_P(SecondPlan, FindsEveryCardSentUnchangedAndTheChangedOnesToUpdateOverTheirETags) {
  const auto [version, reading] = GetParam();
  RadicaleServer server;
  const QUrl book = server.makeAddressBook("contacts", "Contacts");
  // More cards than one batch of the second way holds.
  const QList<OutgoingCard> cards = makeCards(260, {}, version);
  uploadCards(server.account(), planned(server, book, cards));
  const QMap<QString, QByteArray> etags = server.etags(book);

  EXPECT_EQ(planned(server, book, cards, reading).summary(), "0 new, 0 to update, 260 unchanged");
  const UploadPlan changed = planned(server, book, makeCards(262, {7, 250}, version), reading);
  EXPECT_EQ(changed.summary(), "2 new, 2 to update, 258 unchanged");
  for (const PlannedCard& card : changed.cards) {
    EXPECT_EQ(card.etag, etags.value(card.card.uid + ".vcf")) << card.card.row;
  }
}

INSTANTIATE_TEST_SUITE_P(
    VersionsAndReadings, SecondPlan,
    testing::Combine(testing::Values(core::VCardVersion::V30, core::VCardVersion::V40),
                     testing::Values(Reading::OneQuery, Reading::ListingThenCards)),
    [](const auto& test) {
      return std::string(std::get<0>(test.param) == core::VCardVersion::V30 ? "v3" : "v4") +
             (std::get<1>(test.param) == Reading::OneQuery ? "_query" : "_listing");
    });

TEST(Upload, ACardChangedOnTheServerAfterThePlanIsAConflictAndKeptAsTheServerHasIt) {
  RadicaleServer server;
  const QUrl book = server.makeAddressBook("contacts", "Contacts");
  uploadCards(server.account(), planned(server, book, makeCards(20)));
  // Rows 5 and 6 change in the sheet; row 22 is new.
  const QList<OutgoingCard> cards = makeCards(21, {5, 6});
  const UploadPlan plan = planned(server, book, cards);
  ASSERT_EQ(plan.summary(), "1 new, 2 to update, 18 unchanged");

  // Meanwhile someone edits row 5's card on the server and adds row 22's under its name.
  const auto& row5 = cards[3];
  const auto& row22 = cards[20];
  QByteArray edited = makeCards(20)[3].text;
  edited.replace("FN:", "NICKNAME:Edited on the phone\r\nFN:");
  ASSERT_TRUE(
      server.request("PUT", plan.cards[3].url, edited, {{"Content-Type", "text/vcard"}}).ok());
  ASSERT_TRUE(
      server.request("PUT", plan.cards[20].url, row22.text, {{"Content-Type", "text/vcard"}}).ok());

  const UploadReport report = uploadCards(server.account(), plan);

  EXPECT_EQ(report.results[3].outcome, Outcome::Conflict);
  EXPECT_EQ(report.results[3].row, row5.row);
  EXPECT_EQ(report.results[4].outcome, Outcome::Updated);
  EXPECT_EQ(report.results[20].outcome, Outcome::Conflict);
  EXPECT_EQ(report.summary().toStdString(),
            "0 created, 1 updated, 18 unchanged, 2 changed on the server and left as they are "
            "there");
  const DavAnswer stored = server.request("GET", plan.cards[3].url);
  EXPECT_EQ(normalizedCard(stored.body), normalizedCard(edited));
}

TEST(Upload, StopInTheMiddleLeavesOnlyWholeCardsAndSaysHowMany) {
  RadicaleServer server;
  const QUrl book = server.makeAddressBook("contacts", "Contacts");
  const QList<OutgoingCard> cards = makeCards(1000);
  int told = 0;

  const UploadReport report =
      uploadCards(server.account(), planned(server, book, cards), [&](int done, int total) {
        EXPECT_EQ(total, 1000);
        told = done;
        return done < 50;
      });

  EXPECT_TRUE(report.stoppedByUser);
  const qsizetype created = report.count(Outcome::Created);
  EXPECT_GE(created, 50);
  EXPECT_LT(created, 100);
  EXPECT_EQ(told, created);
  EXPECT_EQ(report.count(Outcome::NotSent), 1000 - created);
  EXPECT_EQ(report.summary(), QStringLiteral("%1 created, 0 updated, 0 unchanged, %2 not sent")
                                  .arg(created)
                                  .arg(1000 - created));
  EXPECT_EQ(server.etags(book).size(), created);
  // Every card on the server is exactly one that was sent.
  const UploadPlan rest = planned(server, book, cards);
  EXPECT_EQ(rest.count(CardAction::Unchanged), created);
  EXPECT_EQ(rest.count(CardAction::Create), 1000 - created);
  EXPECT_EQ(rest.count(CardAction::Update), 0);
}

}  // namespace
}  // namespace quillmere::carddav::test
