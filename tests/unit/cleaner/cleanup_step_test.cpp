#include "cleaner/core/cleanup_step.h"

#include <gtest/gtest.h>

namespace ravelo::cleaner {
namespace {

using namespace std::string_view_literals;

std::optional<CleanupStep> Plan(EntryKind kind, std::string_view operand, std::string_view base = "C:\\Suite\\") {
  return PlanCleanupStep(UninstallEntry{kind, std::string(operand)}, base);
}

TEST(PlanCleanupStep, AppendsFileAndFolderOperandsToTheBaseFolder) {
  EXPECT_EQ(Plan(EntryKind::File, "common/*.pte"), (CleanupStep{EntryKind::File, "C:\\Suite\\common\\*.pte"}));
  EXPECT_EQ(Plan(EntryKind::Folder, "common\\"), (CleanupStep{EntryKind::Folder, "C:\\Suite\\common"}));
  EXPECT_EQ(Plan(EntryKind::Folder, ""), (CleanupStep{EntryKind::Folder, "C:\\Suite\\"})) << "the base folder itself";
  EXPECT_FALSE(Plan(EntryKind::File, ""));
  EXPECT_FALSE(Plan(EntryKind::File, "name.txt", ""));
  // Registry keys are taken as written, with or without a base folder.
  EXPECT_EQ(Plan(EntryKind::RegistryKey, "SOFTWARE\\a/b ..\\c", ""),
            (CleanupStep{EntryKind::RegistryKey, "SOFTWARE\\a/b ..\\c"}));
  EXPECT_FALSE(Plan(EntryKind::RegistryKey, ""));
  EXPECT_FALSE(Plan(EntryKind::RegistryKey, "SOFTWARE\\Ravelo\0x"sv));
}

TEST(RelativeEntryPath, RefusesWhatReachesOutsideOrNamesNoPlainFile) {
  for (const EntryKind kind : {EntryKind::File, EntryKind::Folder}) {
    for (const std::string_view operand :
         {"..\\"sv, "common\\.."sv, "../x"sv, "...\\x"sv, ". .\\x"sv, "\\Windows\\x"sv, "//server/share/x"sv,
          "C:x"sv, "common\\\\x"sv, "a\x1F"sv, "a<b"sv, "a>b"sv, "a\"b"sv, "a|b"sv, "name.txt\0..\\..\\x"sv,
          // Parts Windows takes for devices, in any folder, with any extension.
          "nul"sv, "common\\con.log"sv, "CON .txt"sv, "PRN\\x"sv, "com9.pte"sv, "lpt0"sv, "conout$"sv,
          "COM\xC2\xB9"sv, "LPT\xC2\xB3.x"sv}) {
      EXPECT_FALSE(RelativeEntryPath(operand, kind)) << operand << " kind " << static_cast<int>(kind);
    }
  }
  EXPECT_FALSE(RelativeEntryPath("common\\\\", EntryKind::Folder)) << "one final separator only";
  EXPECT_FALSE(RelativeEntryPath("common\\", EntryKind::File));
}

TEST(RelativeEntryPath, WildcardsOnlyInTheLastPartOfAFileEntry) {
  EXPECT_FALSE(RelativeEntryPath("comm?n\\name.txt", EntryKind::File));
  EXPECT_FALSE(RelativeEntryPath("common*", EntryKind::Folder));
}

TEST(RelativeEntryPath, KeepsNamesThatOnlyLookOdd) {
  for (const char* operand : {"console.txt", "com10", "nul_x", "LPT", "xcon", "..name", "name..", ".config",
                              "a b\\c d.txt", "x..\\y", "运\\說明.txt", "common\\*.*", "but?.pte"}) {
    EXPECT_EQ(RelativeEntryPath(operand, EntryKind::File), operand);
  }
}

TEST(HasWildcards, LooksAtTheLastPartOnly) {
  EXPECT_TRUE(HasWildcards("C:\\Suite\\common\\*.pte"));
  EXPECT_FALSE(HasWildcards("C:\\S?ite\\name.txt"));
}

}  // namespace
}  // namespace ravelo::cleaner
