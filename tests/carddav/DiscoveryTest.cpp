#include <gtest/gtest.h>

#include <algorithm>

#include "QStringPrinter.h"
#include "RadicaleServer.h"
#include "carddav/BlockingCardDav.h"

namespace quillmere::carddav::test {
namespace {

TEST(Discovery, FromTheServerRootListsEveryAddressBookByItsName) {
  RadicaleServer server;
  const QUrl family = server.makeAddressBook("family", "Family & Friends");
  const QUrl work = server.makeAddressBook("work", "Work");

  const auto result = findAddressBooks(server.account());

  ASSERT_FALSE(result.error) << result.error->message.toStdString();
  QList<AddressBook> books = *result.value;
  std::sort(books.begin(), books.end(),
            [](const AddressBook& a, const AddressBook& b) { return a.url < b.url; });
  ASSERT_EQ(books.size(), 2);
  EXPECT_EQ(books[0].url, family);
  EXPECT_EQ(books[0].displayName, "Family & Friends");
  EXPECT_EQ(books[1].url, work);
  EXPECT_EQ(books[1].displayName, "Work");
}

TEST(Discovery, WhereOnlyOneMayBeTakenSeveralAreEachNamed) {
  RadicaleServer server;
  const QUrl family = server.makeAddressBook("family", "Family");
  const QUrl work = server.makeAddressBook("work", "Work");

  const auto several = onlyAddressBook(server.account());

  ASSERT_TRUE(several.error);
  EXPECT_EQ(several.error->kind, CardDavError::Kind::SeveralBooks);
  for (const QString& named :
       {"\"Family\" at " + family.toString(), "\"Work\" at " + work.toString()}) {
    EXPECT_TRUE(several.error->message.contains(named)) << several.error->message.toStdString();
  }
  ServerAccount account = server.account();
  account.url = work;
  const auto one = onlyAddressBook(account);
  ASSERT_TRUE(one.value) << one.error->message.toStdString();
  EXPECT_EQ(one.value->url, work);
}

TEST(Discovery, AnAddressBooksOwnAddressIsTakenAsItIs) {
  RadicaleServer server;
  server.makeAddressBook("family", "Family");
  const QUrl work = server.makeAddressBook("work", "Work");
  ServerAccount account = server.account();
  account.url = work;

  const auto result = findAddressBooks(account);

  ASSERT_FALSE(result.error) << result.error->message.toStdString();
  ASSERT_EQ(result.value->size(), 1);
  EXPECT_EQ(result.value->front().url, work);
  EXPECT_EQ(result.value->front().displayName, "Work");
}

TEST(Discovery, AUserWithoutAddressBooksIsToldToCreateOne) {
  RadicaleServer server;

  const auto result = findAddressBooks(server.account());

  ASSERT_TRUE(result.error);
  EXPECT_EQ(result.error->kind, CardDavError::Kind::NotAddressBook);
  EXPECT_TRUE(result.error->message.contains("Create one")) << result.error->message.toStdString();
}

}  // namespace
}  // namespace quillmere::carddav::test
