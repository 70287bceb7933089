#include "shared/core/data_folder.h"

#include <gtest/gtest.h>

#include "shared/core/ini_file.h"
#include "shared/core/list_names.h"

namespace ravelo {
namespace {

const InstallPaths kInstall = InstallPaths::FromProgramFolder("C:\\Apps\\Lots");

TEST(DataPaths, EverythingTheOperatorMakesMovesWithTheDataFolder) {
  const auto root = DataPaths::From(kInstall, "");
  EXPECT_EQ(root.DefaultListPath(), kInstall.NameListPath());  // as before lists existed
  EXPECT_EQ(root.HistoryPath(), "C:\\Apps\\history.txt");

  const auto moved = DataPaths::From(kInstall, "D:\\班级名单");
  EXPECT_EQ(moved.DefaultListPath(), "D:\\班级名单\\name.txt");
  EXPECT_EQ(moved.ListPath("三年级一班"), "D:\\班级名单\\lists\\三年级一班.txt");
  EXPECT_EQ(moved.ListPath(""), "D:\\班级名单\\name.txt");
  EXPECT_EQ(moved.HistoryPath(), "D:\\班级名单\\history.txt");
  EXPECT_EQ(moved.DrawnStatePath("三年级一班"), "D:\\班级名单\\drawn\\三年级一班.txt");
  EXPECT_EQ(moved.DrawnStatePath(""), "D:\\班级名单\\drawn\\默认名单.txt");
  EXPECT_EQ(moved.RoundsPath(), "D:\\班级名单\\rounds.txt");

  EXPECT_EQ(DataPaths::From(kInstall, "E:\\").folder, "E:\\");
  EXPECT_EQ(DataPaths::From(kInstall, "\\\\server\\share").folder, "\\\\server\\share\\");
  EXPECT_EQ(DataPaths::From(kInstall, "data").folder, "C:\\Apps\\data\\");  // below the data root
}

TEST(DataPaths, TheConfigurationNamesTheFolderAndTheListInUse) {
  const auto config = ProfileReader::FromBytes("[Draw]\r\ndatadir= D:\\lots \r\nlist=\xB6\xFE\xB0\xE0\r\n");
  EXPECT_EQ(DataPathsFromConfig(kInstall, config).folder, "D:\\lots\\");
  EXPECT_EQ(ListInUseFromConfig(config), "二班");
  const auto before = ProfileReader::FromBytes("[Form]\r\ncaption=x\r\n");
  EXPECT_EQ(DataPathsFromConfig(kInstall, before).folder, kInstall.baseFolder);
  EXPECT_EQ(ListInUseFromConfig(before), "");
}

TEST(ListNames, AListNameMustBeAFileNameGbkCanHold) {
  EXPECT_EQ(CheckListName("三年级一班"), ListNameProblem::None);
  EXPECT_EQ(CheckListName("Class 3 (2025)"), ListNameProblem::None);
  EXPECT_EQ(CheckListName(""), ListNameProblem::Empty);
  EXPECT_EQ(CheckListName("   "), ListNameProblem::Empty);
  for (const char* bad : {"a/b", "a\\b", "a:b", "a*", "a?", "\"a\"", "<a>", "a|b", "a\tb", "ab.", "ab "})
    EXPECT_EQ(CheckListName(bad), ListNameProblem::NotAFileName) << bad;
  for (const char* reserved : {"CON", "nul", "Com1", "LPT9", "aux.txt"})
    EXPECT_EQ(CheckListName(reserved), ListNameProblem::ReservedName) << reserved;
  EXPECT_EQ(CheckListName("COM10"), ListNameProblem::None);
  EXPECT_EQ(CheckListName("默认名单"), ListNameProblem::DefaultListTitle);
  EXPECT_EQ(CheckListName("班级😀"), ListNameProblem::NotGbk);
  EXPECT_EQ(CheckListName(std::string(63, 'a')), ListNameProblem::None);
  EXPECT_EQ(CheckListName(std::string(64, 'a')), ListNameProblem::TooLong);
  std::string chinese;
  for (int i = 0; i < 32; ++i) chinese += "班";  // 64 GBK bytes
  EXPECT_EQ(CheckListName(chinese), ListNameProblem::TooLong);
  EXPECT_FALSE(ListNameProblemMessage(ListNameProblem::NotGbk).empty());
}

TEST(ListNames, OnlyTextFilesWithValidNamesAreLists) {
  EXPECT_EQ(ListNamesFromFileNames({"一班.txt", "二班.TXT", "notes.doc", ".txt", "CON.txt", "默认名单.txt", "x.txt.bak"}),
            (std::vector<std::string>{"一班", "二班"}));
}

}  // namespace
}  // namespace ravelo
