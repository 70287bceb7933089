#include "shared/core/file_system.h"

#include <gtest/gtest.h>

#include <fstream>

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
  // The native form holds the characters themselves, not ANSI bytes.
  EXPECT_EQ(std::filesystem::path(PathFromUtf8("宋体.rcf").native()).filename().native(),
            PathFromUtf8("宋体.rcf").native());
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

TEST(FileSystem, AFolderIsNotAFile) {
  ScratchFolder folder;
  EXPECT_FALSE(IsExistingFile(folder.path()));
  EXPECT_EQ(ReadWholeFile(folder.path()), std::nullopt);
}

TEST(FileSystem, WriteIntoAMissingFolderFails) {
  ScratchFolder folder;
  EXPECT_FALSE(WriteFileAtomically(folder.File("missing/file.rcf"), "x"));
  EXPECT_FALSE(IsExistingFile(folder.File("missing/file.rcf")));
  EXPECT_EQ(folder.EntryCount(), 0u);
}

TEST(FileSystem, WriteOverAFolderOfThatNameFails) {
  ScratchFolder folder;
  const auto target = folder.File("rvoconfig.rcf");
  std::filesystem::create_directory(target);
  EXPECT_FALSE(WriteFileAtomically(target, "x"));
  EXPECT_TRUE(std::filesystem::is_directory(target));
  EXPECT_EQ(folder.EntryCount(), 1u);
}

TEST(FileSystem, WriteOverAReadOnlyFileFailsAndKeepsIt) {
  // Also as root (and under Wine as root), which could replace the file.
  ScratchFolder folder;
  const auto file = folder.File("rvoconfig.rcf");
  ASSERT_TRUE(WriteFileAtomically(file, "original"));
  MakeReadOnly(file);
  EXPECT_FALSE(WriteFileAtomically(file, "replacement"));
  EXPECT_EQ(ReadWholeFile(file), "original");
  EXPECT_EQ(folder.EntryCount(), 1u);
}

TEST(FileSystem, ALargeFileRoundTrips) {
  ScratchFolder folder;
  const auto file = folder.File("big.bin");
  std::string bytes(6 * 1024 * 1024 + 7, '\0');
  for (size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<char>(i * 131 % 251);
  ASSERT_TRUE(WriteFileAtomically(file, bytes));
  EXPECT_EQ(ReadWholeFile(file), bytes);
}

}  // namespace
}  // namespace ravelo
