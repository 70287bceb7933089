#include "cleaner/core/uninstall_list.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace ravelo::cleaner {
namespace {

using Lines = std::vector<std::string_view>;

TEST(SplitListLines, EndsLinesAtCrCrLfAndLoneLf) {
  EXPECT_EQ(SplitListLines("a\r\nb\rc\nd"), (Lines{"a", "b", "c", "d"}));
  EXPECT_EQ(SplitListLines("a\r\n"), (Lines{"a"}));
  EXPECT_EQ(SplitListLines("a\n\rb"), (Lines{"a", "", "b"}));
  EXPECT_EQ(SplitListLines("\r\n\r\n"), (Lines{"", ""}));
  EXPECT_EQ(SplitListLines("a\r\r\nb"), (Lines{"a", "", "b"}));
  EXPECT_TRUE(SplitListLines("").empty());
}

TEST(TrimSpaces, RemovesOnlySpacesAtBothEnds) {
  EXPECT_EQ(TrimSpaces("  #common\\name.txt "), "#common\\name.txt");
  EXPECT_EQ(TrimSpaces("   "), "");
  EXPECT_EQ(TrimSpaces("\t#a "), "\t#a");
  EXPECT_EQ(TrimSpaces("#a b"), "#a b");
}

TEST(ParseListLine, FirstCharacterSelectsTheKind) {
  EXPECT_EQ(ParseListLine("@common"), (UninstallEntry{EntryKind::Folder, "common"}));
  EXPECT_EQ(ParseListLine("#common\\*.pte"), (UninstallEntry{EntryKind::File, "common\\*.pte"}));
  EXPECT_EQ(ParseListLine("%SOFTWARE\\Ravelo"), (UninstallEntry{EntryKind::RegistryKey, "SOFTWARE\\Ravelo"}));
  EXPECT_EQ(ParseListLine("  #common\\name.txt "), (UninstallEntry{EntryKind::File, "common\\name.txt"}));
  EXPECT_EQ(ParseListLine("@"), (UninstallEntry{EntryKind::Folder, ""}));
  // The operand is everything after the kind character, inner spaces included.
  EXPECT_EQ(ParseListLine("# a b"), (UninstallEntry{EntryKind::File, " a b"}));
}

TEST(ParseListLine, IgnoresOtherLines) {
  for (const char* line : {"", "   ", ";#comment", "//@x", "[Files]", "name.txt", "\t#name.txt", "！#a"}) {
    EXPECT_FALSE(ParseListLine(line).has_value()) << line;
  }
}

TEST(ParseListLine, LinesUpTo32767Utf16UnitsAreEntries) {
  const std::string longest = "#" + std::string(kMaxLineLength - 1, 'a');
  EXPECT_TRUE(ParseListLine(longest).has_value());
  EXPECT_FALSE(ParseListLine(longest + "a").has_value());
  // Surrounding spaces do not count.
  EXPECT_TRUE(ParseListLine("  " + longest + "  ").has_value());
  // A Chinese character (three UTF-8 bytes) is one unit; one outside the
  // basic plane (four bytes) is two.
  std::string chinese = "#";
  for (std::size_t i = 1; i < kMaxLineLength; ++i) chinese += "文";
  EXPECT_TRUE(ParseListLine(chinese).has_value());
  std::string astral = "#";
  for (std::size_t i = 0; i < (kMaxLineLength - 1) / 2; ++i) astral += "\xF0\x9F\x98\x80";
  EXPECT_TRUE(ParseListLine(astral).has_value());
  EXPECT_FALSE(ParseListLine(astral + "a").has_value());
}

TEST(ParseUninstallList, DecodesGbkAndKeepsTheOrderOfLines) {
  // "#common\名单.txt" in GBK: 名 = C3 FB, 单 = B5 A5.
  const std::string list =
      "  @common\r\n"
      "#common\\\xC3\xFB\xB5\xA5.txt\n"
      "; a comment\r"
      "\r\n"
      "%SOFTWARE\\Ravelo\\Test\r\n"
      "#name.txt";
  const std::vector<UninstallEntry> expected{
      {EntryKind::Folder, "common"},
      {EntryKind::File, "common\\名单.txt"},
      {EntryKind::RegistryKey, "SOFTWARE\\Ravelo\\Test"},
      {EntryKind::File, "name.txt"},
  };
  EXPECT_EQ(ParseUninstallList(list), expected);
}

TEST(ParseUninstallList, TrailBytesEqualToABackslashStayInsideTheirCharacter) {
  // 運 is DF 5C in GBK: its second byte is the ASCII backslash, which must
  // not split the name once decoded.
  EXPECT_EQ(ParseUninstallList("#\xDF\x5C.txt\r\n"), (std::vector<UninstallEntry>{{EntryKind::File, "運.txt"}}));
}

TEST(ParseUninstallList, EmptyOrEntrylessListsGiveNothing) {
  EXPECT_TRUE(ParseUninstallList("").empty());
  EXPECT_TRUE(ParseUninstallList("\r\n\n\r  \r\nREM nothing here\r\n").empty());
}

}  // namespace
}  // namespace ravelo::cleaner
