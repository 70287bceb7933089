#include "cleaner/win/cleanup_actions.h"

#include <utility>
#include <vector>

#include "shared/core/paths.h"
#include "shared/win/unique_handle.h"
#include "shared/win/wide_text.h"

namespace ravelo::cleaner {

namespace {

using win::UniqueHandle;

// The names of the files (not folders) that match pattern.
std::vector<std::wstring> MatchingFileNames(const std::wstring& pattern) {
  std::vector<std::wstring> names;
  WIN32_FIND_DATAW found{};
  const win::UniqueFindHandle find(FindFirstFileW(pattern.c_str(), &found));
  if (!find) return names;
  do {
    if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) names.emplace_back(found.cFileName);
  } while (FindNextFileW(find.Get(), &found));
  return names;
}

// Query value, set value, create subkey, enumerate subkeys, notify, create link.
constexpr REGSAM kKeyAccess =
    KEY_QUERY_VALUE | KEY_SET_VALUE | KEY_CREATE_SUB_KEY | KEY_ENUMERATE_SUB_KEYS | KEY_NOTIFY | KEY_CREATE_LINK;
static_assert(kKeyAccess == 0x3F);

bool IsMissing(DWORD error) { return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND; }

// path itself: a link in its last part is opened, not followed (folders need
// backup semantics to be opened at all).
UniqueHandle OpenUnfollowed(const std::wstring& path, DWORD access) {
  return UniqueHandle(CreateFileW(path.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                  OPEN_EXISTING, FILE_FLAG_OPEN_REPARSE_POINT | FILE_FLAG_BACKUP_SEMANTICS, nullptr));
}

std::wstring FinalPath(HANDLE handle) {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetFinalPathNameByHandleW(handle, path.data(), static_cast<DWORD>(path.size()),
                                                   FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
    if (length == 0) return {};
    if (length < path.size()) {
      path.resize(length);
      return path;
    }
    path.resize(length);  // too small: length is the size needed
  }
}

bool SamePath(const std::wstring& a, const std::wstring& b) {
  return !a.empty() && CompareStringOrdinal(a.c_str(), static_cast<int>(a.size()), b.c_str(),
                                            static_cast<int>(b.size()), TRUE) == CSTR_EQUAL;
}

std::wstring Below(const std::wstring& resolvedBase, std::string_view relative) {
  return relative.empty() ? resolvedBase : resolvedBase + L'\\' + win::Widen(relative);
}

// Deletes what baseFolder + relative names, through one handle: a folder on
// the way swapped for a junction resolves elsewhere and is refused.
bool DeleteChecked(std::string_view baseFolder, const std::wstring& resolvedBase, std::string_view relative,
                   bool folder) {
  const std::wstring path = win::Widen(baseFolder) + win::Widen(relative);
  const Target target = OpenTarget(path, Below(resolvedBase, relative), folder);
  if (target.state != Target::State::Ready) return target.state == Target::State::Missing;
  return DeleteThrough(target.handle.Get(), folder);
}

}  // namespace

Target OpenTarget(const std::wstring& path, const std::wstring& resolvedPath, bool folder) {
  UniqueHandle handle = OpenUnfollowed(path, DELETE | FILE_READ_ATTRIBUTES | SYNCHRONIZE);
  if (!handle) return {IsMissing(GetLastError()) ? Target::State::Missing : Target::State::Refused, {}};
  BY_HANDLE_FILE_INFORMATION info{};
  const bool expected = GetFileInformationByHandle(handle.Get(), &info) &&
                        (info.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) == 0 &&
                        ((info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) == folder &&
                        SamePath(FinalPath(handle.Get()), resolvedPath);
  if (!expected) return {Target::State::Refused, {}};
  return {Target::State::Ready, std::move(handle)};
}

bool DeleteThrough(HANDLE handle, bool folder) {
  FILE_DISPOSITION_INFO disposition{TRUE};
  if (SetFileInformationByHandle(handle, FileDispositionInfo, &disposition, sizeof disposition)) return true;
  return folder && GetLastError() == ERROR_DIR_NOT_EMPTY;
}

std::wstring ResolvedFolder(std::string_view folder) {
  const UniqueHandle handle(CreateFileW(win::Widen(folder).c_str(), FILE_READ_ATTRIBUTES,
                                        FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                        FILE_FLAG_BACKUP_SEMANTICS, nullptr));
  if (!handle) return {};
  std::wstring path = FinalPath(handle.Get());
  if (!path.empty() && path.back() == L'\\') path.pop_back();  // a drive's root
  return path;
}

bool RemoveFolder(std::string_view baseFolder, const std::wstring& resolvedBase, std::string_view relative) {
  return DeleteChecked(baseFolder, resolvedBase, relative, true);
}

bool DeleteFiles(std::string_view baseFolder, const std::wstring& resolvedBase, std::string_view relative) {
  if (!HasWildcards(relative)) return DeleteChecked(baseFolder, resolvedBase, relative, false);
  // The search is finished and closed before the first file goes.
  const std::string folder = FolderOfPath(relative);
  bool done = true;
  for (const auto& name : MatchingFileNames(win::Widen(baseFolder) + win::Widen(relative))) {
    done = DeleteChecked(baseFolder, resolvedBase, folder + win::Narrow(name), false) && done;
  }
  return done;
}

bool DeleteRegistryKey(HKEY root, std::wstring_view subKey) {
  const std::wstring path(subKey);
  HKEY opened = nullptr;
  const bool isOpen = RegOpenKeyExW(root, path.c_str(), 0, kKeyAccess, &opened) == ERROR_SUCCESS;
  const LONG deleted = RegDeleteKeyW(root, path.c_str());
  if (isOpen) RegCloseKey(opened);
  return deleted == ERROR_SUCCESS || deleted == ERROR_FILE_NOT_FOUND;
}

bool CarryOut(const CleanupStep& step, std::string_view baseFolder, const std::wstring& resolvedBase) {
  if (step.kind == EntryKind::RegistryKey) return DeleteRegistryKey(HKEY_LOCAL_MACHINE, win::Widen(step.target));
  // Planned steps are the base folder + a checked relative path.
  if (resolvedBase.empty() || step.target.compare(0, baseFolder.size(), baseFolder) != 0) return false;
  const std::string_view relative = std::string_view(step.target).substr(baseFolder.size());
  return step.kind == EntryKind::Folder ? RemoveFolder(baseFolder, resolvedBase, relative)
                                        : DeleteFiles(baseFolder, resolvedBase, relative);
}

}  // namespace ravelo::cleaner
