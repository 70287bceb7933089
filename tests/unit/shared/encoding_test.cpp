#include "shared/core/encoding.h"

#include <gtest/gtest.h>


namespace ravelo {
namespace {

// "开始啦" and "宋体" in code page 936.
constexpr std::string_view kStartGbk = "\xBF\xAA\xCA\xBC\xC0\xB2";
constexpr std::string_view kSongtiGbk = "\xCB\xCE\xCC\xE5";

TEST(GbkConversion, ChineseTextRoundTrips) {
  EXPECT_EQ(GbkToUtf8(kStartGbk), "开始啦");
  EXPECT_EQ(Utf8ToGbk("宋体"), kSongtiGbk);
  EXPECT_EQ(GbkToUtf16(kSongtiGbk), u"宋体");
  EXPECT_EQ(Utf16ToGbk(u"宋体"), kSongtiGbk);
  EXPECT_EQ(GbkToUtf8(""), "");
  EXPECT_EQ(Utf8ToGbk(""), "");
  // The euro sign is the single byte 0x80.
  EXPECT_EQ(GbkToUtf8("\x80"), "€");
  EXPECT_EQ(Utf8ToGbk("5€"), "5\x80");
}

TEST(GbkConversion, FourByteGb18030SequencesDecodeButAreNeverWritten) {
  EXPECT_EQ(GbkToUtf8("\x81\x30\x84\x36"), "¥");  // U+00A5
  EXPECT_EQ(GbkToUtf8("\x94\x39\xFC\x36"), "😀");
  EXPECT_EQ(GbkToUtf8("\x84\x31\xA5\x30"), "\xEF\xBF\xBD");  // between the BMP and U+10000: no character
  EXPECT_EQ(Utf8ToGbk("¥"), "?");
  EXPECT_EQ(GbkToUtf8("\x81\x30\x84"), "\xEF\xBF\xBD" "0\xEF\xBF\xBD");  // cut short
}

TEST(GbkConversion, EveryGb2312CharacterRoundTrips) {
  int decoded = 0;
  for (int lead = 0xA1; lead <= 0xF7; ++lead) {
    for (int trail = 0xA1; trail <= 0xFE; ++trail) {
      const std::string pair{static_cast<char>(lead), static_cast<char>(trail)};
      const std::u16string wide = GbkToUtf16(pair);
      ASSERT_EQ(wide.size(), 1u) << std::hex << lead << trail;
      if (wide[0] == u'\xFFFD') continue;  // unassigned
      if (wide[0] == u'\x20AC') continue;  // GB18030's second euro form: written as 0x80
      ++decoded;
      EXPECT_EQ(Utf16ToGbk(wide), pair) << std::hex << lead << trail;
    }
  }
  EXPECT_GT(decoded, 7400);  // GB2312 holds 7445 characters
}

TEST(GbkConversion, CharactersGbkCannotHoldBecomeQuestionMarks) {
  EXPECT_EQ(Utf8ToGbk("a한b"), "a?b");  // Hangul is not in GBK
  EXPECT_EQ(Utf8ToGbk("😀"), "?");        // beyond the BMP: one mark per character
  EXPECT_EQ(Utf16ToGbk(u"x\xD800y"), "x?y");  // a lone surrogate
  EXPECT_EQ(Utf8ToGbk("宋\xFF体"), "\xCB\xCE?\xCC\xE5");  // invalid UTF-8
}

TEST(GbkConversion, UndecodableBytesBecomeReplacementCharacters) {
  EXPECT_EQ(GbkToUtf8("a\xFF" "b"), "a\xEF\xBF\xBD" "b");
  // A lead byte at the end, or before a byte that cannot trail it: only the
  // lead byte is lost, the following byte is read on its own.
  EXPECT_EQ(GbkToUtf8("ab\xCB"), "ab\xEF\xBF\xBD");
  EXPECT_EQ(GbkToUtf8("\xCB\x20\xCB\xCE"), "\xEF\xBF\xBD 宋");
  EXPECT_EQ(GbkToUtf8("\xCB\r\n"), "\xEF\xBF\xBD\r\n");
}

TEST(GbkConversion, TrailBytesInTheAsciiRangeBelongToTheirCharacter) {
  // 0x40..0x7E trail bytes look like ASCII letters but are part of the pair.
  EXPECT_EQ(Utf16ToGbk(GbkToUtf16("\x81\x40" "A")), "\x81\x40" "A");
}

TEST(Utf8, ValidityFollowsTheStandard) {
  EXPECT_TRUE(IsValidUtf8(""));
  EXPECT_TRUE(IsValidUtf8("plain ASCII"));
  EXPECT_TRUE(IsValidUtf8("开始啦 😀 é"));
  EXPECT_FALSE(IsValidUtf8("\xC0\xAF"));          // overlong '/'
  EXPECT_FALSE(IsValidUtf8("\xE0\x80\xAF"));      // overlong
  EXPECT_FALSE(IsValidUtf8("\xED\xA0\x80"));      // surrogate
  EXPECT_FALSE(IsValidUtf8("\xF4\x90\x80\x80"));  // above U+10FFFF
  EXPECT_FALSE(IsValidUtf8("\xE5\xBC"));          // cut short
  EXPECT_FALSE(IsValidUtf8("\x80"));              // stray continuation
  EXPECT_FALSE(IsValidUtf8("\xFF"));
}

TEST(Utf8, Utf16RoundTripsIncludingSurrogatePairs) {
  const std::string text = "开始 😀 z";
  const std::u16string wide = Utf8ToUtf16(text);
  EXPECT_EQ(wide, u"开始 😀 z");
  EXPECT_EQ(Utf16ToUtf8(wide), text);
  EXPECT_EQ(Utf16ToUtf8(u"\U0010FFFF"), "\xF4\x8F\xBF\xBF");  // the last surrogate pair
}

TEST(Utf8, InvalidInputIsReplacedNotDropped) {
  EXPECT_EQ(Utf8ToUtf16("a\xE5\xBC"), u"a\xFFFD\xFFFD");
  EXPECT_EQ(Utf8ToUtf16("\xC0\xAF"), u"\xFFFD\xFFFD");
  EXPECT_EQ(Utf16ToUtf8(u"a\xDC00"), "a\xEF\xBF\xBD");
  EXPECT_EQ(Utf16ToUtf8(u"\xD83D"), "\xEF\xBF\xBD");
}

TEST(GbkPrefixLength, NeverEndsInsideADoubleByteCharacter) {
  const std::string gbk = Utf8ToGbk("ab开始");  // 2 + 2 + 2 bytes
  EXPECT_EQ(GbkPrefixLength(gbk, 3), 2u);
  EXPECT_EQ(GbkPrefixLength(gbk, 5), 4u);
  EXPECT_EQ(GbkPrefixLength(gbk, 100), 6u);
  EXPECT_EQ(GbkPrefixLength(Utf8ToGbk("a开"), 2), 1u);
  EXPECT_EQ(GbkPrefixLength("a\xFE\x50", 2), 1u);  // 0xFE is the last lead byte
  // Invalid bytes count as single bytes.
  EXPECT_EQ(GbkPrefixLength("\xFF\xFF\xFF", 2), 2u);
  EXPECT_EQ(GbkPrefixLength("a\xCB", 2), 2u);  // a lone lead byte at the end
}

TEST(Utf16Bytes, BothByteOrdersAndALoneByteIsReplaced) {
  EXPECT_EQ(Utf16ToBytes(u"甲", false), "\x32\x75");  // U+7532, low byte first
  EXPECT_EQ(Utf16ToBytes(u"甲", true), "\x75\x32");
  EXPECT_EQ(Utf16FromBytes("\x32\x75", false), u"甲");
  EXPECT_EQ(Utf16FromBytes("\x75\x32", true), u"甲");
  EXPECT_EQ(Utf16FromBytes(std::string_view("A\0B", 3), false), u"A\uFFFD");
}

}  // namespace
}  // namespace ravelo
