#include "config/core/list_files.h"

#include <gtest/gtest.h>

#include "shared/core/file_system.h"
#include "unit/shared/scratch_folder.h"

namespace ravelo {
namespace {

using testing::ScratchFolder;

DataPaths DataIn(const ScratchFolder& scratch) { return DataPaths{PathToUtf8(scratch.path()) + "/"}; }

bool Exists(const std::string& path) { return IsExistingFile(PathFromUtf8(path)); }

// A list is made, renamed with its round, refused over another list or with
// a bad name, and deleted with its round.
TEST(ListFiles, MakeRenameAndDeleteAListWithItsRound) {
  ScratchFolder scratch;
  const DataPaths data = DataIn(scratch);
  EXPECT_EQ(CreateListFile(data, "一班"), ListFileResult::kDone);  // lists\ made on the way
  EXPECT_EQ(ReadWholeFile(PathFromUtf8(data.ListPath("一班"))), "");
  EXPECT_EQ(CreateListFile(data, "一班"), ListFileResult::kExists);
  EXPECT_EQ(CreateListFile(data, "a:b"), ListFileResult::kBadName);
  EXPECT_EQ(ListFileResultMessage(ListFileResult::kBadName, "默认名单"),
            ListNameProblemMessage(ListNameProblem::DefaultListTitle));
  EXPECT_EQ(ListFileResultMessage(ListFileResult::kExists, "一班"), "已经有名为“一班”的名单,请换一个名称");
  ASSERT_EQ(CreateListFile(data, "二班"), ListFileResult::kDone);

  ASSERT_TRUE(MakeFolder(PathFromUtf8(data.DrawnStateFolder())));
  ASSERT_TRUE(WriteFileAtomically(PathFromUtf8(data.ListPath("一班")), "甲\r\n"));
  ASSERT_TRUE(WriteFileAtomically(PathFromUtf8(data.DrawnStatePath("一班")), "round"));
  ASSERT_TRUE(WriteFileAtomically(PathFromUtf8(data.DrawnStatePath("三班")), "stale"));
  EXPECT_EQ(RenameListFile(data, "一班", "二班"), ListFileResult::kExists);
  EXPECT_EQ(RenameListFile(data, "一班", "三班"), ListFileResult::kDone);
  EXPECT_FALSE(Exists(data.ListPath("一班")));
  EXPECT_EQ(ReadWholeFile(PathFromUtf8(data.ListPath("三班"))), "甲\r\n");
  EXPECT_FALSE(Exists(data.DrawnStatePath("一班")));
  EXPECT_EQ(ReadWholeFile(PathFromUtf8(data.DrawnStatePath("三班"))), "round") << "the round went along";

  EXPECT_EQ(DeleteListFile(data, "三班"), ListFileResult::kDone);
  EXPECT_FALSE(Exists(data.ListPath("三班")));
  EXPECT_FALSE(Exists(data.DrawnStatePath("三班")));
  EXPECT_EQ(RenameListFile(data, "三班", "四班"), ListFileResult::kFailed) << "gone";
  EXPECT_TRUE(Exists(data.ListPath("二班")));
}

TEST(ListFiles, TheListInUseFollowsARenameOrADelete) {
  EXPECT_EQ(ListInUseAfter("一班", "一班", "三班"), "三班");
  EXPECT_EQ(ListInUseAfter("Class1", "class1", std::nullopt), "") << "deleted: the default list";
  EXPECT_EQ(ListInUseAfter("二班", "一班", "三班"), std::nullopt);
  EXPECT_EQ(ListInUseAfter("", "一班", std::nullopt), std::nullopt);
}

}  // namespace
}  // namespace ravelo
