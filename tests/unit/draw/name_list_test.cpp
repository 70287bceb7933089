#include "draw/core/name_list.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "shared/core/encoding.h"
#include "shared/core/name_file.h"
#include "unit/shared/scratch_folder.h"

namespace ravelo {
namespace {

using U16s = std::vector<std::u16string>;

U16s Names(const NameList& list) {
  U16s names;
  for (std::size_t i = 0; i < list.size(); ++i) names.emplace_back(list[i]);
  return names;
}

std::string Utf16(std::u16string_view text, bool bigEndian) {
  return (bigEndian ? "\xFE\xFF" : "\xFF\xFE") + Utf16ToBytes(text, bigEndian);
}

class NameListFile : public ::testing::Test {
 protected:
  // The names read from the bytes in pieces of chunkBytes.
  U16s Load(const std::string& bytes, std::size_t chunkBytes = kNameFileChunkBytes) {
    EXPECT_TRUE(WriteFileAtomically(file_, bytes));
    NameList list;
    EXPECT_TRUE(LoadnameInPieces(file_, list, chunkBytes));
    return Names(list);
  }

  testing::ScratchFolder folder_;
  FilePath file_ = folder_.File("name.txt");
};

TEST_F(NameListFile, LinesAndEncodings) {
  const std::pair<std::string, U16s> cases[] = {
      // Lines end at CR LF or either alone, the last needs no end; empty lines
      // are skipped, nothing is trimmed.
      {"A\r\nB\nC\rD\n\rE", {u"A", u"B", u"C", u"D", u"E"}},
      {"  Ann  \r\n   \r\n\r\nAnn\r\n\t\r\n", {u"  Ann  ", u"   ", u"Ann", u"\t"}},
      {"", {}},
      {"\xEF\xBB\xBF", {}},
      {"\xFF\xFE", {}},
      {std::string("A\0B\r\nC", 6), {std::u16string(u"A\0B", 3), u"C"}},
      // With a byte order mark, what does not decode shows as U+FFFD.
      {"\xEF\xBB\xBF张三\nA\xFF", {u"张三", u"A\uFFFD"}},
      {Utf16(u"A\r\nB", false) + "C", {u"A", u"B\uFFFD"}},
  };
  for (const auto& [bytes, names] : cases) EXPECT_EQ(Load(bytes), names) << bytes;
}

TEST_F(NameListFile, PiecesOfAnySizeGiveTheSameNames) {
  // Characters, surrogate pairs and CR LF pairs fall across piece boundaries
  // at every offset; bytes that stop being UTF-8 late make the whole file GBK.
  const std::u16string text = u"张三\r\nAnn\n李四五\r\r\n王\r\nB";
  const std::u16string withAstral = u"\U00020000\r\n" + text;
  const std::pair<std::string, const char16_t*> cases[] = {
      {Utf16ToGbk(text), nullptr},
      {"\xC4\xA1\r\n" + Utf16ToGbk(text), u"摹"},
      {Utf16ToUtf8(withAstral), u"\U00020000"},
      {"\xEF\xBB\xBF" + Utf16ToUtf8(withAstral), u"\U00020000"},
      {Utf16(withAstral, false), u"\U00020000"},
      {Utf16(withAstral, true), u"\U00020000"},
  };
  for (const auto& [bytes, first] : cases) {
    U16s expected = {u"张三", u"Ann", u"李四五", u"王", u"B"};
    if (first) expected.insert(expected.begin(), first);
    for (std::size_t chunk = 4; chunk <= 9; ++chunk) EXPECT_EQ(Load(bytes, chunk), expected) << bytes << " " << chunk;
  }
}

TEST_F(NameListFile, AFailedLoadKeepsTheListAndALoadReplacesIt) {
  NameList list;
  list.Add(u"kept");
  EXPECT_FALSE(Loadname(folder_.File("missing.txt"), list));
  EXPECT_FALSE(Loadname(FilePath(), list));
  std::filesystem::create_directory(folder_.File("folder.txt"));
  EXPECT_FALSE(Loadname(folder_.File("folder.txt"), list));
  EXPECT_EQ(Names(list), (U16s{u"kept"}));
  ASSERT_TRUE(WriteFileAtomically(file_, "Dan\r\n"));
  ASSERT_TRUE(Loadname(file_, list));
  EXPECT_EQ(Names(list), (U16s{u"Dan"}));
}

}  // namespace
}  // namespace ravelo
