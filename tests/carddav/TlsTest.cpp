#include <gtest/gtest.h>

#include "QStringPrinter.h"
#include "RadicaleServer.h"
#include "TestCards.h"
#include "carddav/BlockingCardDav.h"

namespace quillmere::carddav::test {
namespace {

TEST(Tls, ACertificateThatDoesNotVerifyStopsWithTheHostWhyAndItsFingerprint) {
  RadicaleServer server(true);
  server.makeAddressBook("contacts", "Contacts");

  const auto result = findAddressBooks(server.account(false));

  ASSERT_TRUE(result.error);
  EXPECT_EQ(result.error->kind, CardDavError::Kind::Certificate);
  EXPECT_EQ(result.error->fingerprint, server.fingerprint());
  const std::string message = result.error->message.toStdString();
  EXPECT_NE(message.find("The certificate of 127.0.0.1 could not be verified: "), std::string::npos)
      << message;
  EXPECT_NE(message.find("self-signed"), std::string::npos) << message;
  EXPECT_NE(message.find(server.fingerprint().toStdString()), std::string::npos) << message;
}

TEST(Tls, ATrustedFingerprintFindsSendsAndReadsBack) {
  RadicaleServer server(true);
  const QUrl book = server.makeAddressBook("contacts", "Contacts");
  const QList<OutgoingCard> cards = makeCards(40);

  const auto books = findAddressBooks(server.account());
  ASSERT_FALSE(books.error) << books.error->message.toStdString();
  ASSERT_EQ(books.value->size(), 1);
  EXPECT_EQ(books.value->front().url, book);
  const auto plan = planUpload(server.account(), book, cards);
  ASSERT_TRUE(plan.value);
  EXPECT_EQ(uploadCards(server.account(), *plan.value).summary().toStdString(),
            "40 created, 0 updated, 0 unchanged");
  EXPECT_EQ(planUpload(server.account(), book, cards).value->summary(),
            "0 new, 0 to update, 40 unchanged");
}

TEST(Tls, AnotherCertificatesFingerprintIsNoTrust) {
  RadicaleServer server(true);
  server.makeAddressBook("contacts", "Contacts");
  ServerAccount account = server.account();
  account.trustedFingerprint = QByteArray(server.fingerprint()).replace(0, 2, "00");

  const auto result = findAddressBooks(account);

  ASSERT_TRUE(result.error);
  EXPECT_EQ(result.error->kind, CardDavError::Kind::Certificate);
}

}  // namespace
}  // namespace quillmere::carddav::test
