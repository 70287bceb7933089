#include "draw/core/name_list.h"

#include <gtest/gtest.h>

#include <fstream>
#include <random>
#include <string>
#include <vector>

namespace ravelo {
namespace {

namespace fs = std::filesystem;

// GBK bytes of a few names.
constexpr const char* kGbkZhangSan = "\xD5\xC5\xC8\xFD";  // 张三
constexpr const char* kGbkLiSi = "\xC0\xEE\xCB\xC4";      // 李四
constexpr const char* kGbkZhong = "\xD6\xD0";             // 中

std::vector<std::u16string> Names(const NameList& list) {
  std::vector<std::u16string> names;
  for (std::size_t i = 0; i < list.size(); ++i) names.emplace_back(list[i]);
  return names;
}

using U16s = std::vector<std::u16string>;

class NameListFile : public ::testing::Test {
 protected:
  void SetUp() override {
    std::random_device random;
    folder_ = fs::temp_directory_path() /
              ("ravelo-names-" + std::to_string(random()) + "-" + std::to_string(random()));
    fs::create_directories(folder_);
  }
  void TearDown() override {
    std::error_code ignored;
    fs::remove_all(folder_, ignored);
  }

  fs::path Write(const std::string& bytes, const fs::path& name = "name.txt") {
    const fs::path path = folder_ / name;
    std::ofstream(path, std::ios::binary).write(bytes.data(),
                                                static_cast<std::streamsize>(bytes.size()));
    return path;
  }

  // Loads bytes written to a file; fails the test when Loadname says no file.
  U16s Load(const std::string& bytes) {
    NameList list;
    EXPECT_TRUE(Loadname(Write(bytes), list));
    return Names(list);
  }

  fs::path folder_;
};

std::string Utf16(std::u16string_view text, bool bigEndian) {
  std::string bytes;
  for (const char16_t unit : text) {
    const char high = static_cast<char>(unit >> 8);
    const char low = static_cast<char>(unit & 0xFF);
    bytes += bigEndian ? high : low;
    bytes += bigEndian ? low : high;
  }
  return bytes;
}

TEST(NameList, HoldsNamesInOrderAndIgnoresEmptyOnes) {
  NameList list;
  EXPECT_TRUE(list.empty());
  list.Add(u"Ann");
  list.Add(u"");
  list.Add(u"张三");
  list.Add(u"Ann");
  EXPECT_EQ(Names(list), (U16s{u"Ann", u"张三", u"Ann"}));
  list.Clear();
  EXPECT_EQ(list.size(), 0u);
  list.Add(u"B");
  EXPECT_EQ(Names(list), (U16s{u"B"}));
}

TEST_F(NameListFile, LinesEndAtCrLfOrEitherAlone) {
  EXPECT_EQ(Load("Ann\r\nBob\r\n"), (U16s{u"Ann", u"Bob"}));
  EXPECT_EQ(Load("Ann\rBob\rCid\r"), (U16s{u"Ann", u"Bob", u"Cid"}));
  EXPECT_EQ(Load("Ann\nBob\nCid"), (U16s{u"Ann", u"Bob", u"Cid"}));
  EXPECT_EQ(Load("A\r\nB\nC\rD\n\rE"), (U16s{u"A", u"B", u"C", u"D", u"E"}));
}

TEST_F(NameListFile, EmptyLinesAreSkippedAndNothingIsTrimmed) {
  EXPECT_EQ(Load(std::string(kGbkZhangSan) + "\r\n\r\n" + kGbkLiSi + "\r\n"),
            (U16s{u"张三", u"李四"}));
  EXPECT_EQ(Load("  Ann  \r\n   \r\nAnn\r\nAnn\r\n\t\r\n"),
            (U16s{u"  Ann  ", u"   ", u"Ann", u"Ann", u"\t"}));
}

TEST_F(NameListFile, TheLastLineCountsWithoutALineEnd) {
  EXPECT_EQ(Load("Ann\r\nBob"), (U16s{u"Ann", u"Bob"}));
  EXPECT_EQ(Load(kGbkZhangSan), (U16s{u"张三"}));
}

TEST_F(NameListFile, AFileWithoutNamesLoadsEmpty) {
  EXPECT_EQ(Load(""), U16s{});
  EXPECT_EQ(Load("\r\n\r\n\n\r"), U16s{});
  EXPECT_EQ(Load("\xEF\xBB\xBF"), U16s{});
  EXPECT_EQ(Load("\xFF\xFE"), U16s{});
}

TEST_F(NameListFile, AMissingOrUnreadableFileLeavesTheListAsItWas) {
  NameList list;
  list.Add(u"kept");
  EXPECT_FALSE(Loadname(folder_ / "missing.txt", list));
  EXPECT_FALSE(Loadname(fs::path(), list));
  fs::create_directory(folder_ / "folder.txt");
  EXPECT_FALSE(Loadname(folder_ / "folder.txt", list));
  EXPECT_EQ(Names(list), (U16s{u"kept"}));
}

TEST_F(NameListFile, ALoadReplacesThePreviousNames) {
  NameList list;
  ASSERT_TRUE(Loadname(Write("Ann\r\nBob\r\nCid\r\n"), list));
  ASSERT_TRUE(Loadname(Write("Dan\r\n"), list));
  EXPECT_EQ(Names(list), (U16s{u"Dan"}));
  ASSERT_TRUE(Loadname(Write(""), list));
  EXPECT_TRUE(list.empty());
}

TEST_F(NameListFile, GbkIsTheDefault) {
  EXPECT_EQ(Load(std::string(kGbkZhangSan) + "\r\n" + kGbkLiSi + "\r\nAnn"),
            (U16s{u"张三", u"李四", u"Ann"}));
}

TEST_F(NameListFile, Utf8WithOrWithoutByteOrderMark) {
  EXPECT_EQ(Load("张三\r\n李四"), (U16s{u"张三", u"李四"}));
  EXPECT_EQ(Load("\xEF\xBB\xBF张三\nAnn\n"), (U16s{u"张三", u"Ann"}));
  EXPECT_EQ(Load("\xEF\xBB\xBF" "Ann"), (U16s{u"Ann"}));
  // With the mark, bytes that are not UTF-8 stay UTF-8 and show as U+FFFD.
  EXPECT_EQ(Load("\xEF\xBB\xBF" "A\xFF"), (U16s{u"A\uFFFD"}));
}

TEST_F(NameListFile, Utf16WithByteOrderMark) {
  const std::u16string text = u"张三\r\n李四\nAnn\r";
  EXPECT_EQ(Load("\xFF\xFE" + Utf16(text, false)), (U16s{u"张三", u"李四", u"Ann"}));
  EXPECT_EQ(Load("\xFE\xFF" + Utf16(text, true)), (U16s{u"张三", u"李四", u"Ann"}));
  // A lone last byte cannot be a character.
  EXPECT_EQ(Load("\xFF\xFE" + Utf16(u"A\r\nB", false) + "C"), (U16s{u"A", u"B\uFFFD"}));
}

// Bytes that are valid in both encodings are read as UTF-8: C4 A1 is 摹 in
// GBK and U+0121 in UTF-8. Common GBK names almost never form valid UTF-8,
// since a trail byte of 0xC0 or more (most hanzi) cannot follow a UTF-8 lead.
TEST_F(NameListFile, ValidUtf8WinsOverGbk) {
  EXPECT_EQ(Load("\xC4\xA1\r\n"), (U16s{u"\u0121"}));
  EXPECT_EQ(Load("\xC4\xA1\r\n" + std::string(kGbkZhangSan)), (U16s{u"摹", u"张三"}));
}

TEST_F(NameListFile, BytesThatStopBeingUtf8LateMakeTheWholeFileGbk) {
  // The first chunks are valid UTF-8 with non-ASCII bytes; the last name is not.
  std::string bytes = "\xC4\xA1\r\n";
  for (int i = 0; i < 100000; ++i) bytes += "name" + std::to_string(i) + "\r\n";
  bytes += kGbkLiSi;
  const U16s names = Load(bytes);
  ASSERT_EQ(names.size(), 100002u);
  EXPECT_EQ(names.front(), u"摹");
  EXPECT_EQ(names[12346], u"name12345");
  EXPECT_EQ(names.back(), u"李四");
}

TEST_F(NameListFile, ANulByteIsPartOfTheName) {
  const U16s names = Load(std::string("A\0B\r\nC", 6));
  ASSERT_EQ(names.size(), 2u);
  EXPECT_EQ(names[0], std::u16string(u"A\0B", 3));
  EXPECT_EQ(names[1], u"C");
}

TEST_F(NameListFile, HugeLinesCrossChunksWhole) {
  const std::size_t chars = 700001;  // odd, and several read chunks long
  std::string gbk;
  std::string gbkSpaced;
  std::string utf8;
  for (std::size_t i = 0; i < chars; ++i) {
    gbk += kGbkZhong;
    gbkSpaced += i % 3 == 0 ? " " : kGbkZhong;
    utf8 += "中";
  }
  for (const std::string* bytes : {&gbk, &gbkSpaced, &utf8}) {
    const U16s names = Load("A\r\n" + *bytes + "\r\nB");
    ASSERT_EQ(names.size(), 3u);
    EXPECT_EQ(names[0], u"A");
    EXPECT_EQ(names[2], u"B");
    ASSERT_EQ(names[1].size(), chars);
    std::u16string expected;
    for (std::size_t i = 0; i < chars; ++i)
      expected += bytes == &gbkSpaced && i % 3 == 0 ? u' ' : u'中';
    EXPECT_TRUE(names[1] == expected);
  }
}

TEST_F(NameListFile, ManyNamesAcrossChunksInEveryEncoding) {
  // Names of 1 to 7 characters, so that CR LF pairs and characters fall
  // across read chunks at every offset.
  const std::u16string pool = u"张三李四王五赵钱孙周吴郑";
  std::u16string text;
  U16s expected;
  std::mt19937 random(7);
  for (int i = 0; i < 60000; ++i) {
    std::u16string name;
    const int length = 1 + static_cast<int>(random() % 7);
    for (int c = 0; c < length; ++c) name += pool[random() % pool.size()];
    name += static_cast<char16_t>(u'0' + i % 10);
    expected.push_back(name);
    text += name + u"\r\n";
  }
  // GBK bytes of the same text, from the two-byte codes of the pool.
  const char* poolGbk[] = {"\xD5\xC5", "\xC8\xFD", "\xC0\xEE", "\xCB\xC4", "\xCD\xF5", "\xCE\xE5",
                           "\xD5\xD4", "\xC7\xAE", "\xCB\xEF", "\xD6\xDC", "\xCE\xE2", "\xD6\xA3"};
  std::string gbk;
  for (const char16_t unit : text) {
    const std::size_t at = pool.find(unit);
    gbk += at == std::u16string::npos ? std::string(1, static_cast<char>(unit)) : poolGbk[at];
  }
  EXPECT_EQ(Load(gbk), expected);
  EXPECT_EQ(Load("\xFF\xFE" + Utf16(text, false)), expected);
  EXPECT_EQ(Load("\xFE\xFF" + Utf16(text, true)), expected);
}

TEST_F(NameListFile, AChineseFolderName) {
  const fs::path folder = folder_ / fs::path(u8"抽签名单");
  fs::create_directory(folder);
  const fs::path file = folder / fs::path(u8"名单.txt");
  std::ofstream(file, std::ios::binary) << kGbkZhangSan << "\r\n";
  NameList list;
  ASSERT_TRUE(Loadname(file, list));
  EXPECT_EQ(Names(list), (U16s{u"张三"}));
}

}  // namespace
}  // namespace ravelo
