#include <gtest/gtest.h>

#include "carddav/CardNormal.h"

namespace quillmere::carddav {
namespace {

struct NormalCase {
  const char* name;
  const char* server;
  bool equal;
};

constexpr const char* kSent =
    "BEGIN:VCARD\r\nVERSION:3.0\r\nN:Müller;Anna;;;\r\nFN:Anna Müller\r\n"
    "TEL;TYPE=WORK;TYPE=VOICE:+49 30 1\r\nNOTE:a\\, b\\nc\r\nORG:Firma\\;;\r\nUID:1\r\n"
    "END:VCARD";

class CardNormalTable : public testing::TestWithParam<NormalCase> {};

TEST_P(CardNormalTable, EqualExactlyWhenOnlyTheServersRewritingDiffers) {
  EXPECT_EQ(normalizedCard(kSent) == normalizedCard(GetParam().server), GetParam().equal);
}

INSTANTIATE_TEST_SUITE_P(
    Cards, CardNormalTable,
    testing::Values(
        NormalCase{"reordered_refolded_types_merged",
                   "BEGIN:VCARD\r\nVERSION:3.0\r\nUID:1\r\nFN:Anna M\r\n üller\r\nN:Müller;Anna;;;"
                   "\r\nNOTE:a\\, b\\nc\r\ntel;type=\"voice,work\":+49 30 1\r\nORG:Firma\\;\r\n"
                   "END:VCARD\r\n",
                   true},
        NormalCase{"prodid_added_lf_only",
                   "BEGIN:VCARD\nVERSION:3.0\nPRODID:-//server//EN\nN:Müller;Anna;;;\nFN:Anna "
                   "Müller\nTEL;TYPE=WORK,VOICE:+49 30 1\nNOTE:a\\, b\\nc\nORG:Firma\\;;\nUID:1\n"
                   "END:VCARD\n",
                   true},
        NormalCase{
            "value_changed",
            "BEGIN:VCARD\r\nVERSION:3.0\r\nN:Müller;Anna;;;\r\nFN:Anna Müller\r\n"
            "TEL;TYPE=WORK;TYPE=VOICE:+49 30 2\r\nNOTE:a\\, b\\nc\r\nORG:Firma\\;\r\nUID:1\r\n"
            "END:VCARD",
            false},
        NormalCase{
            "type_changed",
            "BEGIN:VCARD\r\nVERSION:3.0\r\nN:Müller;Anna;;;\r\nFN:Anna Müller\r\n"
            "TEL;TYPE=HOME;TYPE=VOICE:+49 30 1\r\nNOTE:a\\, b\\nc\r\nORG:Firma\\;\r\nUID:1\r\n"
            "END:VCARD",
            false},
        NormalCase{"line_added",
                   "BEGIN:VCARD\r\nVERSION:3.0\r\nN:Müller;Anna;;;\r\nFN:Anna Müller\r\n"
                   "TEL;TYPE=WORK;TYPE=VOICE:+49 30 1\r\nNOTE:a\\, b\\nc\r\nEMAIL:a@b.c\r\n"
                   "ORG:Firma\\;\r\nUID:1\r\nEND:VCARD",
                   false},
        NormalCase{"escaped_semicolon_lost",
                   "BEGIN:VCARD\r\nVERSION:3.0\r\nN:Müller;Anna;;;\r\nFN:Anna Müller\r\n"
                   "TEL;TYPE=WORK;TYPE=VOICE:+49 30 1\r\nNOTE:a\\, b\\nc\r\nORG:Firma\r\n"
                   "UID:1\r\nEND:VCARD",
                   false}),
    [](const auto& test) { return std::string(test.param.name); });

}  // namespace
}  // namespace quillmere::carddav
