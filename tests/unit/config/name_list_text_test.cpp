#include "config/core/name_list_text.h"

#include <gtest/gtest.h>

#include <string>

#include "shared/core/file_system.h"
#include "../shared/scratch_folder.h"

namespace ravelo {
namespace {

using Encoding = NameFileEncoding;

const std::string kGbkJiaYi = "\xBC\xD7\r\n\xD2\xD2";  // 甲 CR LF 乙
constexpr char16_t kBeyondGbk[] = u"\U00020000";      // 𠀀, CJK extension B

class NameListTextTest : public ::testing::Test {
 protected:
  testing::ScratchFolder folder_;
  std::filesystem::path file_ = folder_.File("name.txt");
};

TEST_F(NameListTextTest, ShowsTheLinesJoinedByCrLfInTheEncodingRead) {
  const std::tuple<std::string, std::u16string, Encoding> cases[] = {
      {kGbkJiaYi + "\r\n", u"甲\r\n乙", Encoding::kGbk},  // no final line end
      {"A\r\n\r\n", u"A\r\n", Encoding::kGbk},
      {"A\nB\rC\n\rD", u"A\r\nB\r\nC\r\n\r\nD", Encoding::kGbk},  // the line ends rvo knows
      {std::string("A\0B", 3), u"A B", Encoding::kGbk},           // an edit box holds no NUL
      {"甲\r\n", u"甲", Encoding::kUtf8},
      {"\xEF\xBB\xBF" "Ann", u"Ann", Encoding::kUtf8WithBom},
      {std::string("\xFF\xFE" "A\0", 4), u"A", Encoding::kUtf16Le},
      {std::string("\xFE\xFF\0A", 4), u"A", Encoding::kUtf16Be},
      // A first piece read of valid UTF-8 ending in a line end, GBK later: GBK, read again whole.
      {"\xC4\xA1\r\n" + std::string(kNameFileChunkBytes - 6, 'a') + "\r\n" + kGbkJiaYi,
       u"摹\r\n" + std::u16string(kNameFileChunkBytes - 6, u'a') + u"\r\n甲\r\n乙", Encoding::kGbk},
  };
  for (const auto& [bytes, text, encoding] : cases) {
    ASSERT_TRUE(WriteFileAtomically(file_, bytes));
    const auto read = ReadNameListText(file_);
    ASSERT_TRUE(read) << bytes;
    EXPECT_EQ(read->text, text) << bytes;
    EXPECT_EQ(read->encoding, encoding) << bytes;
  }
  EXPECT_FALSE(ReadNameListText(folder_.File("missing.txt")));
}

TEST(NameListTextEncode, EndsEveryLineWithCrLfInTheEncodingThatHoldsTheText) {
  const std::u16string beyond = std::u16string(u"A\r\n") + kBeyondGbk;
  const std::tuple<std::u16string, Encoding, std::string, Encoding> cases[] = {
      {u"", Encoding::kGbk, "", Encoding::kGbk},
      {u"A\r\n", Encoding::kGbk, "A\r\n\r\n", Encoding::kGbk},  // the empty last line typed stays
      {u"A\r\n\r\n B ", Encoding::kGbk, "A\r\n\r\n B \r\n", Encoding::kGbk},
      {u"A\nB\rC", Encoding::kGbk, "A\r\nB\r\nC\r\n", Encoding::kGbk},
      {u"甲\r\n乙", Encoding::kGbk, kGbkJiaYi + "\r\n", Encoding::kGbk},
      {u"甲", Encoding::kUtf8, "甲\r\n", Encoding::kUtf8},
      {u"甲", Encoding::kUtf8WithBom, "\xEF\xBB\xBF甲\r\n", Encoding::kUtf8WithBom},
      {u"A", Encoding::kUtf16Le, std::string("\xFF\xFE" "A\0\r\0\n\0", 8), Encoding::kUtf16Le},
      {u"A", Encoding::kUtf16Be, std::string("\xFE\xFF\0A\0\r\0\n", 8), Encoding::kUtf16Be},
      // GBK cannot hold the character: UTF-8 with its mark.
      {beyond, Encoding::kGbk, "\xEF\xBB\xBF" "A\r\n\xF0\xA0\x80\x80\r\n", Encoding::kUtf8WithBom},
      {beyond, Encoding::kUtf16Le, "\xFF\xFE" + std::string("A\0\r\0\n\0\x40\xD8\x00\xDC\r\0\n\0", 14),
       Encoding::kUtf16Le},
      // C4 A1 is 摹 in GBK and valid UTF-8 too: stored as GBK, rvo would read Ġ.
      {u"摹", Encoding::kGbk, "\xEF\xBB\xBF摹\r\n", Encoding::kUtf8WithBom},
  };
  for (const auto& [text, preferred, bytes, written] : cases) {
    const NameFileBytes encoded = EncodeNameListText(text, preferred);
    EXPECT_EQ(encoded.bytes, bytes);
    EXPECT_EQ(encoded.encoding, written);
  }
}

TEST_F(NameListTextTest, WhatTheEditorSavesItShowsAgainUnchanged) {
  for (const std::u16string& text : {std::u16string(u"甲\r\n\r\n  乙 \r\n"), u"丙\r\n" + std::u16string(kBeyondGbk)}) {
    for (const Encoding preferred : {Encoding::kGbk, Encoding::kUtf8, Encoding::kUtf16Be}) {
      const auto written = SaveNameListText(file_, text, preferred);
      const auto read = ReadNameListText(file_);
      ASSERT_TRUE(written && read);
      EXPECT_EQ(read->text, text);
      EXPECT_EQ(read->encoding, *written);
    }
  }
  EXPECT_FALSE(SaveNameListText(folder_.File("no-folder/name.txt"), u"A", Encoding::kGbk));
}

}  // namespace
}  // namespace ravelo
