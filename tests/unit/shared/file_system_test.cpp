#include "shared/core/file_system.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#include <sddl.h>
#endif

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
  EXPECT_TRUE(IsExistingFileAt(PathToUtf8(file)));
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
  EXPECT_FALSE(IsExistingFileAt(PathToUtf8(folder.path())));
  EXPECT_FALSE(IsExistingFileAt(""));
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
#ifdef _WIN32
std::wstring AccessRightsOf(const std::filesystem::path& file) {
  DWORD size = 0;
  GetFileSecurityW(file.c_str(), DACL_SECURITY_INFORMATION, nullptr, 0, &size);
  std::string buffer(size, '\0');
  if (size == 0 || !GetFileSecurityW(file.c_str(), DACL_SECURITY_INFORMATION, buffer.data(), size, &size)) return {};
  wchar_t* text = nullptr;
  if (!ConvertSecurityDescriptorToStringSecurityDescriptorW(buffer.data(), SDDL_REVISION_1, DACL_SECURITY_INFORMATION,
                                                            &text, nullptr)) {
    return {};
  }
  std::wstring rights = text;
  LocalFree(text);
  return rights;
}

// The rights an installer granted on a file (modify for Users, not inherited)
// stay with it through a save, so the next user can save again.
TEST(FileSystem, ReplacingAFileKeepsItsAccessRights) {
  ScratchFolder folder;
  const auto file = folder.File("name.txt");
  ASSERT_TRUE(WriteFileAtomically(file, "first"));
  PSECURITY_DESCRIPTOR granted = nullptr;
  ASSERT_TRUE(ConvertStringSecurityDescriptorToSecurityDescriptorW(L"D:P(A;;0x1301bf;;;BU)(A;;FA;;;BA)",
                                                                   SDDL_REVISION_1, &granted, nullptr));
  const bool set = SetFileSecurityW(file.c_str(), DACL_SECURITY_INFORMATION, granted);
  LocalFree(granted);
  ASSERT_TRUE(set);
  const std::wstring before = AccessRightsOf(file);
  // Wine keeps no rights on files (it reports a default); real Windows does.
  if (before.find(L";;;BU)") == std::wstring::npos) GTEST_SKIP() << "this platform keeps no rights on files";

  ASSERT_TRUE(WriteFileAtomically(file, "second"));
  EXPECT_EQ(ReadWholeFile(file), "second");
  EXPECT_EQ(AccessRightsOf(file), before);
}
#endif

TEST(FileSystem, ListsRenamesAndRemovesTheFilesOfAFolder) {
  ScratchFolder folder;
  const auto lists = folder.File("名单");
  EXPECT_FALSE(IsExistingFolder(lists));
  EXPECT_EQ(FileNamesIn(lists), std::nullopt);
  ASSERT_TRUE(MakeFolder(lists));
  ASSERT_TRUE(MakeFolder(lists));  // already there is fine
  EXPECT_TRUE(IsWritableFolder(lists));
  EXPECT_EQ(FileNamesIn(lists), std::vector<std::string>{});

  ASSERT_TRUE(WriteFileAtomically(lists / PathFromUtf8("一班.txt").native(), "a"));
  ASSERT_TRUE(WriteFileAtomically(lists / PathFromUtf8("二班.txt").native(), "b"));
  ASSERT_TRUE(MakeFolder(lists / "sub"));
  auto names = FileNamesIn(lists).value();
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"一班.txt", "二班.txt"}));  // no folders, no leftovers

  // A rename never replaces another list.
  EXPECT_FALSE(RenameFile(lists / PathFromUtf8("一班.txt").native(), lists / PathFromUtf8("二班.txt").native()));
  EXPECT_EQ(ReadWholeFile(lists / PathFromUtf8("二班.txt").native()), "b");
  ASSERT_TRUE(RenameFile(lists / PathFromUtf8("一班.txt").native(), lists / PathFromUtf8("三班.txt").native()));
  EXPECT_EQ(ReadWholeFile(lists / PathFromUtf8("三班.txt").native()), "a");
  EXPECT_FALSE(IsExistingFile(lists / PathFromUtf8("一班.txt").native()));

  EXPECT_TRUE(RemoveFile(lists / PathFromUtf8("三班.txt").native()));
  EXPECT_TRUE(RemoveFile(lists / PathFromUtf8("三班.txt").native()));  // gone already
  EXPECT_EQ(FileNamesIn(lists)->size(), 1u);
  EXPECT_FALSE(IsWritableFolder(folder.File("missing")));
}

}  // namespace
}  // namespace ravelo
