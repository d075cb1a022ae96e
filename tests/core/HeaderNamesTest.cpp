#include <gtest/gtest.h>

#include <string>

#include "core/HeaderText.h"

namespace quillmere::core {
namespace {

TEST(HeaderText, FoldsLatinLettersToLowerCaseBaseLetters) {
  EXPECT_EQ(foldHeaderText("Ä ä É é Ł ł"), "aaeell");
  EXPECT_EQ(foldHeaderText("ß Æ æ Œ œ Þ Ĳ"), "ssaeaeoeoethij");
  EXPECT_EQ(foldHeaderText("ø Ø ñ Ñ ç Ç å Å ü Ü ÿ Ÿ"), "oonnccaauuyy");
  EXPECT_EQ(foldHeaderText("ą ć ę ń ó ś ź ż Ą Ć Ę Ń Ó Ś Ź Ż"), "acenoszzacenoszz");
  EXPECT_EQ(foldHeaderText("ő ű č ř š ž ğ ı İ ſ"), "oucrszgiis");
  EXPECT_EQ(foldHeaderText("Nº ª"), "noa");
}

TEST(HeaderText, DropsSpacesPunctuationAndSymbolsButKeepsDigits) {
  EXPECT_EQ(foldHeaderText("Business Country/Region"), "businesscountryregion");
  EXPECT_EQ(foldHeaderText("Téléphone de l'assistant(e)"), "telephonedelassistante");
  EXPECT_EQ(foldHeaderText("Téléphone de l’assistant(e)"), "telephonedelassistante");
  EXPECT_EQ(foldHeaderText("E-Mail 2: Adresse"), "email2adresse");
  EXPECT_EQ(foldHeaderText("Tel.\tNr.\r\n#1"), "telnr1");
  EXPECT_EQ(foldHeaderText("First\u00A0Name \u2013 «x» ¿y? ¡z! ©®°±·×÷"), "firstnamexyz");
  EXPECT_EQ(foldHeaderText("Pre\u0301nom"), "prenom");
  EXPECT_EQ(foldHeaderText("\uFEFFName"), "name");
  EXPECT_EQ(foldHeaderText("x²y³z¹"), "x2y3z1");
  EXPECT_EQ(foldHeaderText(""), "");
}

TEST(HeaderText, PassesOtherScriptsThroughUnchanged) {
  EXPECT_EQ(foldHeaderText("Имя Фамилия"), "ИмяФамилия");
  EXPECT_EQ(foldHeaderText("電話 (携帯)"), "電話携帯");
  EXPECT_EQ(foldHeaderText("Ελληνικά"), "Ελληνικά");
}

TEST(HeaderText, MarksEachByteOfMalformedUtf8) {
  const std::string replacement = "\uFFFD";
  EXPECT_EQ(foldHeaderText("Name\xFF"), "name" + replacement);
  EXPECT_EQ(foldHeaderText("\xC3"), replacement);
  EXPECT_EQ(foldHeaderText("\xC3Z"), replacement + "z");
  EXPECT_EQ(foldHeaderText("\xE2\x80Z"), replacement + replacement + "z");
  EXPECT_EQ(foldHeaderText("\xC0\xAE"), replacement + replacement);  // overlong "."
  EXPECT_EQ(foldHeaderText("\xED\xA0\x80"), replacement + replacement + replacement);  // surrogate
  EXPECT_EQ(foldHeaderText("\xF4\x90\x80\x80"),
            replacement + replacement + replacement + replacement);
  EXPECT_EQ(foldHeaderText("\xF0\x9F\x93\x9E"), "\xF0\x9F\x93\x9E");  // a well-formed emoji
}

}  // namespace
}  // namespace quillmere::core
