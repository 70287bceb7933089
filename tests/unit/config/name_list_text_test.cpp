#include "config/core/name_list_text.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "draw/core/name_list.h"
#include "shared/core/file_system.h"
#include "../shared/scratch_folder.h"

namespace ravelo {
namespace {

using Encoding = NameFileEncoding;

constexpr const char* kGbkJia = "\xBC\xD7";  // 甲
constexpr const char* kGbkYi = "\xD2\xD2";   // 乙
constexpr char16_t kBeyondGbk[] = u"\U00020000";  // 𠀀, CJK extension B

class NameListTextTest : public ::testing::Test {
 protected:
  FilePath Write(const std::string& bytes) {
    std::ofstream(file_, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return file_;
  }
  NameListText Read(const std::string& bytes) {
    const auto read = ReadNameListText(Write(bytes));
    EXPECT_TRUE(read.has_value());
    return read.value_or(NameListText{u"<unreadable>", Encoding::kGbk});
  }
  std::string FileBytes() { return ReadWholeFile(file_).value_or("<missing>"); }

  testing::ScratchFolder folder_;
  std::filesystem::path file_ = folder_.File("name.txt");
};

TEST_F(NameListTextTest, ShowsTheLinesJoinedByCrLfWithoutAFinalLineEnd) {
  const std::string jia = kGbkJia, yi = kGbkYi;
  const struct {
    std::string bytes;
    std::u16string text;
  } cases[] = {
      {jia + "\r\n" + yi + "\r\n", u"甲\r\n乙"},
      {jia + "\r\n" + yi, u"甲\r\n乙"},
      {"", u""},
      {"\r\n", u""},
      {"A\r\n\r\nB\r\n", u"A\r\n\r\nB"},
      {"A\r\n\r\n", u"A\r\n"},
      {"A\nB\rC\n\rD", u"A\r\nB\r\nC\r\n\r\nD"},  // the line ends rvo knows
      {"  A \r\n\t\r\n", u"  A \r\n\t"},          // nothing trimmed
      {std::string("A\0B", 3), u"A B"},           // an edit box holds no NUL
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Read(c.bytes).text, c.text) << "bytes: " << c.bytes;
  }
  EXPECT_FALSE(ReadNameListText(folder_.File("missing.txt")));
}

TEST_F(NameListTextTest, RemembersTheEncodingItWasReadIn) {
  const struct {
    std::string bytes;
    Encoding encoding;
  } cases[] = {
      {std::string(kGbkJia) + "\r\n", Encoding::kGbk},
      {"Ann\r\n", Encoding::kGbk},  // all ASCII reads the same either way
      {"", Encoding::kGbk},
      {"甲\r\n", Encoding::kUtf8},
      {"\xEF\xBB\xBF" "Ann", Encoding::kUtf8WithBom},
      {std::string("\xFF\xFE" "A\0", 4), Encoding::kUtf16Le},
      {std::string("\xFE\xFF\0A", 4), Encoding::kUtf16Be},
      // Valid UTF-8 early, GBK later: GBK, and the text is read again whole.
      {"\xC4\xA1\r\n" + std::string(kGbkJia), Encoding::kGbk},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Read(c.bytes).encoding, c.encoding) << "bytes: " << c.bytes;
  }
  EXPECT_EQ(Read("\xC4\xA1\r\n" + std::string(kGbkJia)).text, u"摹\r\n甲");
}

TEST(NameListTextEncode, EveryLineEndsWithCrLfAndNothingElseChanges) {
  const struct {
    std::u16string text;
    std::string bytes;
  } cases[] = {
      {u"", ""},
      {u"A", "A\r\n"},
      {u"A\r\nB", "A\r\nB\r\n"},
      {u"A\r\n", "A\r\n\r\n"},  // the empty last line the operator typed stays
      {u"A\r\n\r\n B ", "A\r\n\r\n B \r\n"},
      {u"A\nB\rC", "A\r\nB\r\nC\r\n"},
      {u"甲\r\n乙", std::string(kGbkJia) + "\r\n" + kGbkYi + "\r\n"},
  };
  for (const auto& c : cases) {
    const NameFileBytes encoded = EncodeNameListText(c.text, Encoding::kGbk);
    EXPECT_EQ(encoded.bytes, c.bytes);
    EXPECT_EQ(encoded.encoding, Encoding::kGbk);
  }
}

TEST(NameListTextEncode, KeepsTheEncodingUnlessGbkWouldLoseOrMisreadTheText) {
  const std::u16string beyond = std::u16string(u"A\r\n") + kBeyondGbk;
  const struct {
    std::u16string text;
    Encoding preferred;
    std::string bytes;
    Encoding written;
  } cases[] = {
      {u"甲", Encoding::kUtf8, "甲\r\n", Encoding::kUtf8},
      {u"甲", Encoding::kUtf8WithBom, "\xEF\xBB\xBF甲\r\n", Encoding::kUtf8WithBom},
      {u"A", Encoding::kUtf16Le, std::string("\xFF\xFE" "A\0\r\0\n\0", 8), Encoding::kUtf16Le},
      {u"A", Encoding::kUtf16Be, std::string("\xFE\xFF\0A\0\r\0\n", 8), Encoding::kUtf16Be},
      {beyond, Encoding::kGbk, "\xEF\xBB\xBF" "A\r\n\xF0\xA0\x80\x80\r\n", Encoding::kUtf8WithBom},
      {beyond, Encoding::kUtf16Le, "\xFF\xFE" + std::string("A\0\r\0\n\0\x40\xD8\x00\xDC\r\0\n\0", 14),
       Encoding::kUtf16Le},
      // C4 A1 is 摹 in GBK and valid UTF-8 too: stored as GBK, rvo would read Ġ.
      {u"摹", Encoding::kGbk, "\xEF\xBB\xBF摹\r\n", Encoding::kUtf8WithBom},
  };
  for (const auto& c : cases) {
    const NameFileBytes encoded = EncodeNameListText(c.text, c.preferred);
    EXPECT_EQ(encoded.bytes, c.bytes);
    EXPECT_EQ(encoded.encoding, c.written);
  }
}

// What the editor saves, the editor shows again unchanged and rvo draws from
// exactly its non-empty lines.
TEST_F(NameListTextTest, SavedTextReadsBackInBothPrograms) {
  const std::u16string texts[] = {u"甲\r\n\r\n  乙 \r\n", std::u16string(u"丙\r\n") + kBeyondGbk, u"Ann"};
  for (const std::u16string& text : texts) {
    for (const Encoding preferred : {Encoding::kGbk, Encoding::kUtf8, Encoding::kUtf16Be}) {
      const auto written = SaveNameListText(file_, text, preferred);
      ASSERT_TRUE(written);
      const NameListText read = Read(FileBytes());
      EXPECT_EQ(read.text, text);
      // Plain ASCII without a mark reads as GBK, which holds it alike.
      EXPECT_EQ(read.encoding, *written == Encoding::kUtf8 && text == u"Ann" ? Encoding::kGbk : *written);

      NameList names;
      ASSERT_TRUE(Loadname(file_, names));
      std::vector<std::u16string> drawn;
      for (std::size_t i = 0; i < names.size(); ++i) drawn.emplace_back(names[i]);
      std::vector<std::u16string> expected;
      for (std::size_t begin = 0, end; begin <= text.size(); begin = end + 2) {
        end = std::min(text.find(u"\r\n", begin), text.size());
        if (end > begin) expected.push_back(text.substr(begin, end - begin));
      }
      EXPECT_EQ(drawn, expected);
    }
  }
  EXPECT_FALSE(SaveNameListText(folder_.File("no-folder/name.txt"), u"A", Encoding::kGbk));
}

}  // namespace
}  // namespace ravelo
