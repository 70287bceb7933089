#include "config/core/data_folder_choice.h"

#include <gtest/gtest.h>

#include <string>

#include "shared/core/file_system.h"
#include "unit/shared/scratch_folder.h"

namespace ravelo {
namespace {

using testing::ScratchFolder;

const InstallPaths kInstall = InstallPaths::FromProgramFolder("C:\\Apps\\Lots");

TEST(DataFolderChoice, TheValueStoredAndTheFoldersRefused) {
  EXPECT_EQ(DataFolderValue("  D:/抽签名单/ ", kInstall), "D:\\抽签名单");
  EXPECT_EQ(DataFolderValue("E:\\", kInstall), "E:\\");
  EXPECT_EQ(DataFolderValue("e:", kInstall), "e:\\");
  EXPECT_EQ(DataFolderValue("c:\\apps", kInstall), "") << "the data root is the default";

  EXPECT_EQ(CheckDataFolderValue(""), DataFolderProblem::kNone);
  EXPECT_EQ(CheckDataFolderValue("\\\\server\\名单"), DataFolderProblem::kNone);
  EXPECT_EQ(CheckDataFolderValue("名单"), DataFolderProblem::kNotAbsolute);
  EXPECT_EQ(CheckDataFolderValue("D:\\\xF0\xA0\x80\x80"), DataFolderProblem::kNotGbk);  // U+20000
  // Counted in GBK bytes, as the field holds them: 259 at most.
  std::string chinese = "D:\\";
  for (int i = 0; i < 128; ++i) chinese += "名";
  EXPECT_EQ(CheckDataFolderValue(chinese), DataFolderProblem::kNone);
  EXPECT_EQ(CheckDataFolderValue(chinese + "a"), DataFolderProblem::kTooLong);
}

TEST(DataFolderChoice, AMissingFolderIsMadeWhenItsParentExists) {
  ScratchFolder scratch;
  const std::string root = PathToUtf8(scratch.path());
  EXPECT_EQ(PrepareDataFolder(DataPaths{root + "/新位置/"}), DataFolderProblem::kNone);
  EXPECT_TRUE(IsExistingFolder(PathFromUtf8(root + "/新位置")));
  EXPECT_EQ(PrepareDataFolder(DataPaths{root + "/无/此/处/"}), DataFolderProblem::kMissing);
}

// The default list and every list go; a file already there with the same
// bytes is left out, a different one is copied only when the operator
// allows it; the record and the rounds stay behind.
TEST(DataFolderChoice, TheListsAreCopiedNeverOverAFileWithoutLeave) {
  ScratchFolder scratch;
  const std::string root = PathToUtf8(scratch.path());
  const DataPaths from{root + "/old/"};
  const DataPaths to{root + "/new/"};
  const auto write = [](const std::string& path, std::string_view bytes) {
    ASSERT_TRUE(WriteFileAtomically(PathFromUtf8(path), bytes));
  };
  for (const auto& folder : {from.folder, from.ListsFolder(), from.DrawnStateFolder(), to.folder, to.ListsFolder()})
    ASSERT_TRUE(MakeFolder(PathFromUtf8(folder)));
  write(from.DefaultListPath(), "甲\r\n");
  write(from.ListPath("一班"), "乙\r\n");
  write(from.ListPath("二班"), "丙\r\n");
  write(from.ListsFolder() + "/notes.doc", "x");
  write(from.HistoryPath(), "record");
  write(from.DrawnStatePath("一班"), "round");
  write(from.RoundsPath(), "一等奖\t1\r\n");
  write(to.ListPath("一班"), "乙\r\n");    // the same
  write(to.ListPath("二班"), "丁\r\n");    // another list of that name

  const std::vector<ListCopy> plan = PlanListCopy(from, to);
  ASSERT_EQ(plan.size(), 3u);
  EXPECT_EQ(plan[0].title, "name.txt");
  EXPECT_FALSE(plan[0].replaces);
  EXPECT_EQ(plan[1].title, "lists/二班.txt");
  EXPECT_TRUE(plan[1].replaces);
  EXPECT_EQ(plan[2].title, "rounds.txt");

  EXPECT_TRUE(CopyLists(plan, false).empty());
  EXPECT_EQ(ReadWholeFile(PathFromUtf8(to.DefaultListPath())), "甲\r\n");
  EXPECT_EQ(ReadWholeFile(PathFromUtf8(to.ListPath("二班"))), "丁\r\n");
  EXPECT_TRUE(CopyLists(plan, true).empty());
  EXPECT_EQ(ReadWholeFile(PathFromUtf8(to.ListPath("二班"))), "丙\r\n");
  EXPECT_EQ(ReadWholeFile(PathFromUtf8(to.RoundsPath())), "一等奖\t1\r\n");
  EXPECT_FALSE(IsExistingFile(PathFromUtf8(to.HistoryPath())));
  EXPECT_FALSE(IsExistingFolder(PathFromUtf8(to.DrawnStateFolder())));
  EXPECT_TRUE(PlanListCopy(from, from).empty());
}

}  // namespace
}  // namespace ravelo
