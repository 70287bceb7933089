#include "shared/core/file_system.h"

#include <gtest/gtest.h>

#include <string>

#include "unit/shared/scratch_folder.h"

namespace ravelo {
namespace {

using testing::ScratchFolder;

void MakeReadOnly(const std::filesystem::path& path) {
  using std::filesystem::perms;
  std::filesystem::permissions(path, perms::owner_read | perms::group_read | perms::others_read);
}

TEST(FileSystem, Utf8PathsRoundTrip) {
  const std::string text = "抽签/名单.txt";
  EXPECT_EQ(PathToUtf8(PathFromUtf8(text)), text);
}

TEST(FileSystem, WritesReadsAndReplacesAFileInAChineseFolder) {
  ScratchFolder folder;
  const auto file = folder.File("配置.rcf");
  EXPECT_FALSE(IsExistingFile(file));
  EXPECT_EQ(ReadWholeFile(file), std::nullopt);

  ASSERT_TRUE(WriteFileAtomically(file, std::string("first\r\n\0binary", 15)));
  EXPECT_TRUE(IsExistingFile(file));
  EXPECT_EQ(ReadWholeFile(file), std::string("first\r\n\0binary", 15));

  ASSERT_TRUE(WriteFileAtomically(file, "second"));
  EXPECT_EQ(ReadWholeFile(file), "second");
  ASSERT_TRUE(WriteFileAtomically(file, ""));
  EXPECT_EQ(ReadWholeFile(file), "");
  EXPECT_EQ(folder.EntryCount(), 1u);  // no temporary file left behind
}

TEST(FileSystem, WritesThatCannotLandFailAndChangeNothing) {
  ScratchFolder folder;
  EXPECT_FALSE(IsExistingFile(folder.path()));  // a folder is not a file
  EXPECT_EQ(ReadWholeFile(folder.path()), std::nullopt);
  EXPECT_FALSE(WriteFileAtomically(folder.File("missing/file.rcf"), "x"));
  EXPECT_FALSE(WriteFileAtomically({}, "x"));  // no path is no file
  const auto target = folder.File("folder.rcf");
  std::filesystem::create_directory(target);
  EXPECT_FALSE(WriteFileAtomically(target, "x"));
  EXPECT_TRUE(std::filesystem::is_directory(target));
  // A read-only file stays, also as root (and under Wine as root), which could replace it.
  const auto file = folder.File("rvoconfig.rcf");
  ASSERT_TRUE(WriteFileAtomically(file, "original"));
  MakeReadOnly(file);
  EXPECT_FALSE(WriteFileAtomically(file, "replacement"));
  EXPECT_EQ(ReadWholeFile(file), "original");
  EXPECT_EQ(folder.EntryCount(), 2u);  // no temporary file left behind
}

TEST(FileSystem, ALargeFileRoundTripsAndReadsStopAtTheLimit) {
  ScratchFolder folder;
  const auto file = folder.File("big.bin");
  std::string bytes(1024 * 1024 + 7, '\0');
  for (size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<char>(i * 131 % 251);
  ASSERT_TRUE(WriteFileAtomically(file, bytes));
  EXPECT_EQ(ReadWholeFile(file), bytes);
  EXPECT_EQ(ReadWholeFile(file, bytes.size()), bytes);
  EXPECT_EQ(ReadWholeFile(file, bytes.size() - 1), std::nullopt);
}
}  // namespace
}  // namespace ravelo
