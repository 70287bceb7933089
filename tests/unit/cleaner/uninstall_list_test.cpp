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
  EXPECT_EQ(SplitListLines("a\r\r\nb"), (Lines{"a", "", "b"}));
}

TEST(ParseListLine, FirstCharacterAfterTheSpacesSelectsTheKind) {
  EXPECT_EQ(ParseListLine("  @common "), (UninstallEntry{EntryKind::Folder, "common"}));
  EXPECT_EQ(ParseListLine("%SOFTWARE\\Ravelo"), (UninstallEntry{EntryKind::RegistryKey, "SOFTWARE\\Ravelo"}));
  EXPECT_EQ(ParseListLine("@"), (UninstallEntry{EntryKind::Folder, ""}));
  // The operand is everything after the kind character, inner spaces included.
  EXPECT_EQ(ParseListLine("# a b"), (UninstallEntry{EntryKind::File, " a b"}));
  for (const char* line : {"", "   ", ";#comment", "[Files]", "name.txt", "\t#name.txt", "！#a"}) {
    EXPECT_FALSE(ParseListLine(line).has_value()) << line;
  }
}

TEST(ParseListLine, LinesUpTo32767Utf16UnitsAreEntries) {
  const std::string longest = "#" + std::string(kMaxLineLength - 1, 'a');
  EXPECT_TRUE(ParseListLine("  " + longest + "  ").has_value()) << "surrounding spaces do not count";
  EXPECT_FALSE(ParseListLine(longest + "a").has_value());
  // A character outside the basic plane (four UTF-8 bytes) is two units.
  std::string astral = "#";
  for (std::size_t i = 0; i < (kMaxLineLength - 1) / 2; ++i) astral += "\xF0\x9F\x98\x80";
  EXPECT_TRUE(ParseListLine(astral).has_value());
  EXPECT_FALSE(ParseListLine(astral + "a").has_value());
}

TEST(ParseUninstallList, DecodesGbkAndKeepsTheOrderOfLines) {
  // 名 = C3 FB, 单 = B5 A5; 運 = DF 5C, whose second byte is the ASCII
  // backslash and must not split the name once decoded.
  const std::string list = "  @common\r\n#common\\\xC3\xFB\xB5\xA5.txt\n; a comment\r\r\n"
                           "%SOFTWARE\\Ravelo\\Test\r\n#\xDF\x5C.txt";
  const std::vector<UninstallEntry> expected{
      {EntryKind::Folder, "common"},
      {EntryKind::File, "common\\名单.txt"},
      {EntryKind::RegistryKey, "SOFTWARE\\Ravelo\\Test"},
      {EntryKind::File, "運.txt"},
  };
  EXPECT_EQ(ParseUninstallList(list), expected);
}

}  // namespace
}  // namespace ravelo::cleaner
