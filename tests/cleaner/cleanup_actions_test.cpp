// The cleaner's deletes through one handle, against a folder of the
// installation that is (or becomes) a link to a folder outside it. Windows
// makes the link a junction; Wine 8 cannot make junctions (it answers
// FSCTL_SET_REPARSE_POINT with "not supported", CreateSymbolicLinkW succeeds
// without making anything, mklink /j fails), so under Wine the test makes a
// Unix symbolic link, which Wine shows as a reparse point by path but follows
// when opened, whatever the flags.
#include "cleaner/win/cleanup_actions.h"

#include <windows.h>
#include <winioctl.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "shared/win/wide_text.h"

namespace ravelo::cleaner {
namespace {

bool Exists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

void MakeFile(const std::wstring& path) {
  const win::UniqueHandle file(
      CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
  ASSERT_TRUE(file) << win::Narrow(path);
}

// A junction at link (a new folder) to the folder target.
bool MakeJunction(const std::wstring& link, const std::wstring& target) {
  if (!CreateDirectoryW(link.c_str(), nullptr)) return false;
  win::UniqueHandle folder(CreateFileW(link.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                             FILE_FLAG_OPEN_REPARSE_POINT | FILE_FLAG_BACKUP_SEMANTICS, nullptr));
  // REPARSE_DATA_BUFFER of a mount point: substitute name "\??\target", then
  // the printed name, each ending in a NUL.
  const std::wstring substitute = L"\\??\\" + target;
  const auto substituteBytes = static_cast<WORD>(substitute.size() * sizeof(wchar_t));
  const auto printBytes = static_cast<WORD>(target.size() * sizeof(wchar_t));
  const WORD pathBytes = static_cast<WORD>(substituteBytes + printBytes + 2 * sizeof(wchar_t));
  std::vector<BYTE> buffer(8 + 8 + pathBytes);
  auto put16 = [&](std::size_t at, WORD value) { std::memcpy(&buffer[at], &value, sizeof value); };
  const DWORD tag = IO_REPARSE_TAG_MOUNT_POINT;
  std::memcpy(&buffer[0], &tag, sizeof tag);
  put16(4, static_cast<WORD>(8 + pathBytes));
  put16(8, 0);
  put16(10, substituteBytes);
  put16(12, static_cast<WORD>(substituteBytes + sizeof(wchar_t)));
  put16(14, printBytes);
  std::memcpy(&buffer[16], substitute.c_str(), substituteBytes);
  std::memcpy(&buffer[16 + substituteBytes + sizeof(wchar_t)], target.c_str(), printBytes);
  DWORD returned = 0;
  if (folder && DeviceIoControl(folder.Get(), FSCTL_SET_REPARSE_POINT, buffer.data(),
                                static_cast<DWORD>(buffer.size()), nullptr, 0, &returned, nullptr)) {
    return true;
  }
  folder.Reset();
  RemoveDirectoryW(link.c_str());
  return false;
}

// Under Wine: runs a Unix command (arguments quoted as given) through Wine's
// start /unix and waits for it. False outside Wine.
bool RunUnix(const std::wstring& arguments) {
  if (GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") == nullptr) return false;
  std::wstring command = L"start.exe /wait /unix " + arguments;
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr, nullptr, &startup,
                      &process)) {
    return false;
  }
  const win::UniqueHandle owner(process.hProcess);
  CloseHandle(process.hThread);
  return WaitForSingleObject(process.hProcess, 30000) == WAIT_OBJECT_0;
}

// The Unix path of a Windows path under Wine, quoted.
std::wstring QuotedUnixPath(const std::wstring& path) {
  using UnixName = char*(CDECL*)(const wchar_t*);
  const auto unixName = reinterpret_cast<UnixName>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
  char* name = unixName != nullptr ? unixName(path.c_str()) : nullptr;
  const std::wstring quoted = L"\"" + win::Widen(name != nullptr ? name : "") + L"\"";
  if (name != nullptr) HeapFree(GetProcessHeap(), 0, name);
  return quoted;
}

bool IsLink(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
}

bool MakeUnixLink(const std::wstring& link, const std::wstring& target) {
  if (!RunUnix(L"/bin/ln -s " + QuotedUnixPath(target) + L" " + QuotedUnixPath(link))) return false;
  for (int wait = 0; wait < 50 && !IsLink(link); ++wait) Sleep(100);  // start may return before ln ends
  return IsLink(link);
}

class CleanerLinks : public ::testing::Test {
 protected:
  void SetUp() override {
    wchar_t temp[MAX_PATH];
    ASSERT_GT(GetTempPathW(MAX_PATH, temp), 0u);
    // Process ids come round again at once under Wine: the tick count too.
    root_ = std::wstring(temp) + L"ravelo-links-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
            std::to_wstring(GetTickCount()) + L"\\";
    base_ = root_ + L"Ravelo\\";
    outside_ = root_ + L"outside";
    for (const auto& folder : {root_, base_, outside_, base_ + L"real"}) ASSERT_TRUE(CreateDirectoryW(folder.c_str(), nullptr));
    for (const auto& file : {outside_ + L"\\victim.txt", outside_ + L"\\victim.pte", base_ + L"real\\victim.txt",
                             base_ + L"real\\victim.pte"}) {
      MakeFile(file);
    }
    resolved_ = ResolvedFolder(win::Narrow(base_));
    ASSERT_FALSE(resolved_.empty());
  }
  void TearDown() override {
    // Links first, without following them (Wine would follow its Unix links
    // into the folder outside); then everything below root_.
    for (const auto& link : links_) {
      if (!RunUnix(L"/bin/rm " + QuotedUnixPath(link))) RemoveDirectoryW(link.c_str());
    }
    RemoveTree(root_);
  }

  static void RemoveTree(const std::wstring& folder) {
    WIN32_FIND_DATAW found{};
    const win::UniqueFindHandle find(FindFirstFileW((folder + L"*").c_str(), &found));
    if (find) {
      do {
        const std::wstring name = found.cFileName;
        if (name == L"." || name == L"..") continue;
        if (found.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) continue;
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
          RemoveTree(folder + name + L"\\");
        } else {
          DeleteFileW((folder + name).c_str());
        }
      } while (FindNextFileW(find.Get(), &found));
    }
    RemoveDirectoryW(folder.c_str());
  }

  // A link at base_ + name to outside_: a junction where the system can make
  // one, else (Wine) a Unix symbolic link.
  void Link(const std::wstring& name) {
    const std::wstring link = base_ + name;
    const bool junction = MakeJunction(link, outside_);
    ASSERT_TRUE(junction || MakeUnixLink(link, outside_)) << "no link could be made";
    links_.push_back(link);
    RecordProperty("link", junction ? "junction" : "Unix symbolic link");
  }

  bool Delete(const std::string& relative) { return DeleteFiles(win::Narrow(base_), resolved_, relative); }
  bool Remove(const std::string& relative) { return RemoveFolder(win::Narrow(base_), resolved_, relative); }

  std::wstring root_, base_, outside_, resolved_;
  std::vector<std::wstring> links_;
};

TEST_F(CleanerLinks, EntriesThroughALinkLeaveTheFolderOutsideAloneAndReportIt) {
  Link(L"common");
  EXPECT_FALSE(Delete("common\\victim.txt"));
  EXPECT_FALSE(Delete("common\\*.pte"));
  EXPECT_FALSE(Remove("common"));  // the link itself is not the folder listed
  EXPECT_TRUE(Exists(outside_ + L"\\victim.txt"));
  EXPECT_TRUE(Exists(outside_ + L"\\victim.pte"));
  EXPECT_TRUE(Exists(base_ + L"common"));

  // The same entries on a real folder, and what is not there, are done.
  EXPECT_TRUE(Delete("real\\victim.txt"));
  EXPECT_TRUE(Delete("real\\*.pte"));
  EXPECT_TRUE(Delete("real\\missing.txt"));
  EXPECT_TRUE(Delete("missing\\victim.txt"));
  EXPECT_TRUE(Remove("real"));
  EXPECT_FALSE(Exists(base_ + L"real"));
  // A file where a folder is listed, and a folder where a file is, stay.
  MakeFile(base_ + L"file");
  EXPECT_FALSE(Remove("file"));
  EXPECT_FALSE(Delete("common"));
  EXPECT_TRUE(Exists(base_ + L"file"));
}

// The race a path check cannot close: the folder is swapped for a link after
// the target was checked. The delete goes through the checked handle, so the
// file outside of the same name stays. On Windows the swap itself is refused
// while a file below the folder is open, and the checked file goes. Wine lets
// the swap happen and then deletes nothing: its delete on close goes by the
// name the file had when it was opened and finds another file there.
TEST_F(CleanerLinks, AFolderSwappedForALinkAfterTheCheckCannotRedirectTheDelete) {
  const std::wstring victim = base_ + L"real\\victim.txt";
  Target target = OpenTarget(victim, resolved_ + L"\\real\\victim.txt", false);
  ASSERT_EQ(target.state, Target::State::Ready);
  const bool swapped = MoveFileW((base_ + L"real").c_str(), (base_ + L"real-old").c_str()) != FALSE;
  RecordProperty("swapped", swapped ? "yes" : "no, refused while the file is open");
  if (swapped) Link(L"real");
  EXPECT_TRUE(DeleteThrough(target.handle.Get(), false));
  target.handle.Reset();
  EXPECT_TRUE(Exists(outside_ + L"\\victim.txt"));
  if (!swapped) {
    EXPECT_FALSE(Exists(victim));
  }
}

}  // namespace
}  // namespace ravelo::cleaner
