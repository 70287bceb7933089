#include "cleaner/core/cleanup_step.h"

#include <gtest/gtest.h>

namespace ravelo::cleaner {
namespace {

constexpr std::string_view kBase = "C:\\Suite\\";

std::optional<CleanupStep> Plan(EntryKind kind, std::string_view operand) {
  return PlanCleanupStep(UninstallEntry{kind, std::string(operand)}, kBase);
}

TEST(PlanCleanupStep, AppendsTheOperandToTheBaseFolder) {
  EXPECT_EQ(Plan(EntryKind::File, "common\\name.txt"), (CleanupStep{EntryKind::File, "C:\\Suite\\common\\name.txt"}));
  EXPECT_EQ(Plan(EntryKind::File, "common\\*.pte"), (CleanupStep{EntryKind::File, "C:\\Suite\\common\\*.pte"}));
  EXPECT_EQ(Plan(EntryKind::Folder, "common"), (CleanupStep{EntryKind::Folder, "C:\\Suite\\common"}));
  EXPECT_EQ(Plan(EntryKind::File, "名单\\说明.txt"), (CleanupStep{EntryKind::File, "C:\\Suite\\名单\\说明.txt"}));
}

TEST(PlanCleanupStep, AnEmptyFolderOperandNamesTheBaseFolderItself) {
  EXPECT_EQ(Plan(EntryKind::Folder, ""), (CleanupStep{EntryKind::Folder, "C:\\Suite\\"}));
  EXPECT_FALSE(Plan(EntryKind::File, ""));
}

TEST(PlanCleanupStep, RegistryKeysAreTakenAsWritten) {
  EXPECT_EQ(Plan(EntryKind::RegistryKey, "SOFTWARE\\Ravelo"), (CleanupStep{EntryKind::RegistryKey, "SOFTWARE\\Ravelo"}));
  EXPECT_EQ(Plan(EntryKind::RegistryKey, "SOFTWARE\\a/b ..\\c"),
            (CleanupStep{EntryKind::RegistryKey, "SOFTWARE\\a/b ..\\c"}));
  EXPECT_FALSE(Plan(EntryKind::RegistryKey, ""));
  EXPECT_FALSE(Plan(EntryKind::RegistryKey, std::string_view("SOFTWARE\\Ravelo\0x", 17)));
}

TEST(PlanCleanupStep, WithoutABaseFolderOnlyRegistryKeysRemain) {
  EXPECT_FALSE(PlanCleanupStep({EntryKind::File, "name.txt"}, ""));
  EXPECT_FALSE(PlanCleanupStep({EntryKind::Folder, ""}, ""));
  EXPECT_TRUE(PlanCleanupStep({EntryKind::RegistryKey, "SOFTWARE\\Ravelo"}, ""));
}

TEST(RelativeEntryPath, SlashesAreSeparatorsAndBecomeBackslashes) {
  EXPECT_EQ(RelativeEntryPath("common/name.txt", EntryKind::File), "common\\name.txt");
  EXPECT_EQ(RelativeEntryPath("bin/sub\\x", EntryKind::Folder), "bin\\sub\\x");
}

TEST(RelativeEntryPath, AFolderOperandMayEndInOneSeparator) {
  EXPECT_EQ(RelativeEntryPath("common\\", EntryKind::Folder), "common");
  EXPECT_EQ(RelativeEntryPath("common/", EntryKind::Folder), "common");
  EXPECT_FALSE(RelativeEntryPath("common\\\\", EntryKind::Folder));
  EXPECT_FALSE(RelativeEntryPath("common\\", EntryKind::File));
}

TEST(RelativeEntryPath, RefusesOperandsThatReachOutsideTheBaseFolder) {
  for (const EntryKind kind : {EntryKind::File, EntryKind::Folder}) {
    for (const char* operand : {
             "..",            "..\\name.txt",     "common\\..\\..\\x",  "common\\..",     "../x",
             "common/../../x", "..\\",            "...\\x",            ". .\\x",         ".. \\x",
             " ..\\x",        "common\\.\\x",     ".",                 "\\Windows\\x",   "/etc/x",
             "\\\\server\\share\\x", "//server/share/x", "C:\\Windows\\x", "C:x",         "D:",
             "name.txt:stream", "common\\x::$DATA", "\\\\?\\C:\\x",   "\\\\.\\PhysicalDrive0",
         }) {
      EXPECT_FALSE(RelativeEntryPath(operand, kind)) << operand << " kind " << static_cast<int>(kind);
    }
  }
}

TEST(RelativeEntryPath, RefusesCharactersNoFileNameHolds) {
  for (const char* operand : {"a\tb", "a\x01", "a<b", "a>b", "a\"b", "a|b", "common\\\\name.txt"}) {
    EXPECT_FALSE(RelativeEntryPath(operand, EntryKind::File)) << operand;
  }
  EXPECT_FALSE(RelativeEntryPath(std::string_view("name.txt\0..\\..\\x", 17), EntryKind::File));
}

TEST(RelativeEntryPath, RefusesPartsThatWindowsTakesForDevices) {
  for (const EntryKind kind : {EntryKind::File, EntryKind::Folder}) {
    for (const char* operand : {"CON", "nul", "common\\NUL", "PRN\\x", "aux.txt", "common\\con.log", "CON .txt",
                                "COM1", "com9.pte", "LPT3", "lpt0", "CONIN$", "conout$", "COM\xC2\xB9", "LPT\xC2\xB3.x"}) {
      EXPECT_FALSE(RelativeEntryPath(operand, kind)) << operand << " kind " << static_cast<int>(kind);
    }
  }
  for (const char* operand : {"console.txt", "CONFIG", "com10", "nul_x", "auxiliary\\a", "LPT", "xcon", "common\\COM"}) {
    EXPECT_EQ(RelativeEntryPath(operand, EntryKind::File), operand);
  }
}

TEST(RelativeEntryPath, WildcardsOnlyInTheLastPartOfAFileEntry) {
  EXPECT_EQ(RelativeEntryPath("common\\*.*", EntryKind::File), "common\\*.*");
  EXPECT_EQ(RelativeEntryPath("common\\but?.pte", EntryKind::File), "common\\but?.pte");
  EXPECT_EQ(RelativeEntryPath("*", EntryKind::File), "*");
  EXPECT_FALSE(RelativeEntryPath("*\\name.txt", EntryKind::File));
  EXPECT_FALSE(RelativeEntryPath("comm?n\\name.txt", EntryKind::File));
  EXPECT_FALSE(RelativeEntryPath("common*", EntryKind::Folder));
}

TEST(RelativeEntryPath, KeepsNamesThatOnlyLookOdd) {
  for (const char* operand : {"..name", "name..", ".config", "a b\\c d.txt", "x..\\y", "运\\說明.txt"}) {
    EXPECT_EQ(RelativeEntryPath(operand, EntryKind::File), operand);
  }
}

TEST(FoldersOnTheWay, ListsTheFoldersBetweenTheBaseFolderAndTheLastPart) {
  using Folders = std::vector<std::string>;
  EXPECT_EQ(FoldersOnTheWay("C:\\Suite\\", "C:\\Suite\\common\\skin\\*.pte"),
            (Folders{"C:\\Suite\\common", "C:\\Suite\\common\\skin"}));
  EXPECT_EQ(FoldersOnTheWay("C:\\Suite\\", "C:\\Suite\\common\\name.txt"), (Folders{"C:\\Suite\\common"}));
  EXPECT_TRUE(FoldersOnTheWay("C:\\Suite\\", "C:\\Suite\\common").empty());
  EXPECT_TRUE(FoldersOnTheWay("C:\\Suite\\", "C:\\Suite\\").empty());
  // Every planned step starts with the base folder; anything else passes nowhere.
  EXPECT_TRUE(FoldersOnTheWay("C:\\Suite\\", "D:\\x\\y").empty());
}

TEST(HasWildcards, LooksAtTheLastPartOnly) {
  EXPECT_TRUE(HasWildcards("C:\\Suite\\common\\*.pte"));
  EXPECT_TRUE(HasWildcards("C:\\Suite\\but?.pte"));
  EXPECT_FALSE(HasWildcards("C:\\Suite\\common\\name.txt"));
  EXPECT_FALSE(HasWildcards("C:\\S?ite\\name.txt"));
}

}  // namespace
}  // namespace ravelo::cleaner
