#include "draw/core/name_list.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "shared/core/encoding.h"
#include "unit/shared/scratch_folder.h"

namespace ravelo {
namespace {

using U16s = std::vector<std::u16string>;

U16s Names(const NameList& list) {
  U16s names;
  for (std::size_t i = 0; i < list.size(); ++i) names.emplace_back(list[i]);
  return names;
}

std::string Gbk(std::u16string_view text) { return Utf16ToGbk(text); }

std::string Utf16(std::u16string_view text, bool bigEndian) {
  return (bigEndian ? "\xFE\xFF" : "\xFF\xFE") + Utf16ToBytes(text, bigEndian);
}

class NameListFile : public ::testing::Test {
 protected:
  // Loads bytes written to a file; fails the test when Loadname says no file.
  U16s Load(const std::string& bytes) {
    EXPECT_TRUE(WriteFileAtomically(folder_.File("name.txt"), bytes));
    NameList list;
    EXPECT_TRUE(Loadname(folder_.File("name.txt"), list));
    return Names(list);
  }

  testing::ScratchFolder folder_;
};

TEST(NameList, HoldsNamesInOrderAndIgnoresEmptyOnes) {
  NameList list;
  list.Add(u"Ann");
  list.Add(u"");
  list.Add(u"张三");
  list.Add(u"Ann");
  EXPECT_EQ(Names(list), (U16s{u"Ann", u"张三", u"Ann"}));
  list.Clear();
  EXPECT_TRUE(list.empty());
}

TEST_F(NameListFile, LinesAndEncodings) {
  const struct {
    std::string bytes;
    U16s names;
  } cases[] = {
      // Lines end at CR LF or either alone, the last needs no end; empty lines
      // are skipped, nothing is trimmed.
      {"A\r\nB\nC\rD\n\rE", {u"A", u"B", u"C", u"D", u"E"}},
      {"  Ann  \r\n   \r\n\r\nAnn\r\nAnn\r\n\t\r\n", {u"  Ann  ", u"   ", u"Ann", u"Ann", u"\t"}},
      {"", {}},
      {"\r\n\r\n\n\r", {}},
      {"\xEF\xBB\xBF", {}},
      {"\xFF\xFE", {}},
      {std::string("A\0B\r\nC", 6), {std::u16string(u"A\0B", 3), u"C"}},
      // GBK is the default; valid UTF-8 wins: C4 A1 is 摹 in GBK and U+0121 in UTF-8.
      {Gbk(u"张三\r\n李四\r\nAnn"), {u"张三", u"李四", u"Ann"}},
      {"\xC4\xA1\r\n", {u"\u0121"}},
      {"\xC4\xA1\r\n" + Gbk(u"张三"), {u"摹", u"张三"}},
      {"张三\r\n李四", {u"张三", u"李四"}},
      // With a byte order mark, what does not decode shows as U+FFFD.
      {"\xEF\xBB\xBF张三\nA\xFF", {u"张三", u"A\uFFFD"}},
      {Utf16(u"张三\r\n李四\nAnn\r", false), {u"张三", u"李四", u"Ann"}},
      {Utf16(u"张三\r\n李四\nAnn\r", true), {u"张三", u"李四", u"Ann"}},
      {Utf16(u"A\r\nB", false) + "C", {u"A", u"B\uFFFD"}},
  };
  for (const auto& c : cases) EXPECT_EQ(Load(c.bytes), c.names) << c.bytes;
}

TEST_F(NameListFile, AFailedLoadKeepsTheListAndALoadReplacesIt) {
  NameList list;
  list.Add(u"kept");
  EXPECT_FALSE(Loadname(folder_.File("missing.txt"), list));
  EXPECT_FALSE(Loadname(FilePath(), list));
  std::filesystem::create_directory(folder_.File("folder.txt"));
  EXPECT_FALSE(Loadname(folder_.File("folder.txt"), list));
  EXPECT_EQ(Names(list), (U16s{u"kept"}));
  ASSERT_TRUE(WriteFileAtomically(folder_.File("name.txt"), "Dan\r\n"));
  ASSERT_TRUE(Loadname(folder_.File("name.txt"), list));
  EXPECT_EQ(Names(list), (U16s{u"Dan"}));
}

TEST_F(NameListFile, BytesThatStopBeingUtf8LateMakeTheWholeFileGbk) {
  std::string bytes = "\xC4\xA1\r\n";
  for (int i = 0; i < 30000; ++i) bytes += "name" + std::to_string(i) + "\r\n";
  const U16s names = Load(bytes + Gbk(u"李四"));
  ASSERT_EQ(names.size(), 30002u);
  EXPECT_EQ(names.front(), u"摹");
  EXPECT_EQ(names[12346], u"name12345");
  EXPECT_EQ(names.back(), u"李四");
}

TEST_F(NameListFile, HugeLinesCrossChunksWhole) {
  std::u16string huge;  // odd, several read chunks long, with blanks at odd places
  for (std::size_t i = 0; i < 300001; ++i) huge += i % 3 == 0 ? u' ' : u'中';
  for (const std::string& bytes : {Gbk(u"A\r\n" + huge + u"\r\nB"), Utf16ToUtf8(u"A\r\n" + huge + u"\r\nB")}) {
    const U16s names = Load(bytes);
    ASSERT_EQ(names.size(), 3u);
    EXPECT_EQ(names[0], u"A");
    EXPECT_TRUE(names[1] == huge);
    EXPECT_EQ(names[2], u"B");
  }
}

TEST_F(NameListFile, ManyNamesAcrossChunksInEveryEncoding) {
  // Names of 1 to 8 characters, so that CR LF pairs and characters fall
  // across read chunks at every offset.
  const std::u16string pool = u"张三李四王五赵钱孙周吴郑";
  std::u16string text;
  U16s expected;
  std::mt19937 random(7);
  for (int i = 0; i < 40000; ++i) {
    std::u16string name;
    for (int c = 0, length = 1 + static_cast<int>(random() % 7); c < length; ++c) name += pool[random() % pool.size()];
    name += static_cast<char16_t>(u'0' + i % 10);
    expected.push_back(name);
    text += name + u"\r\n";
  }
  EXPECT_EQ(Load(Gbk(text)), expected);
  EXPECT_EQ(Load(Utf16(text, false)), expected);
  EXPECT_EQ(Load(Utf16(text, true)), expected);
}

}  // namespace
}  // namespace ravelo
