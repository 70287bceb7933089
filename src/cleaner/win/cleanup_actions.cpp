#include "cleaner/win/cleanup_actions.h"

#include <vector>

#include "shared/core/paths.h"
#include "shared/win/unique_handle.h"
#include "shared/win/wide_text.h"

namespace ravelo::cleaner {

namespace {

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

bool PassesThroughLink(std::string_view baseFolder, std::string_view target) {
  for (const auto& folder : FoldersOnTheWay(baseFolder, target)) {
    const DWORD attributes = GetFileAttributesW(win::Widen(folder).c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0) return true;
  }
  return false;
}

}  // namespace

void RemoveFolder(std::string_view path) { RemoveDirectoryW(win::Widen(path).c_str()); }

void DeleteFiles(std::string_view pathOrPattern) {
  if (!HasWildcards(pathOrPattern)) {
    DeleteFileW(win::Widen(pathOrPattern).c_str());
    return;
  }
  // The search is finished and closed before the first file goes.
  const std::wstring folder = win::Widen(FolderOfPath(pathOrPattern));
  for (const auto& name : MatchingFileNames(win::Widen(pathOrPattern))) DeleteFileW((folder + name).c_str());
}

void DeleteRegistryKey(HKEY root, std::wstring_view subKey) {
  const std::wstring path(subKey);
  HKEY opened = nullptr;
  const bool isOpen = RegOpenKeyExW(root, path.c_str(), 0, kKeyAccess, &opened) == ERROR_SUCCESS;
  RegDeleteKeyW(root, path.c_str());
  if (isOpen) RegCloseKey(opened);
}

void CarryOut(const CleanupStep& step, std::string_view baseFolder) {
  if (step.kind != EntryKind::RegistryKey && PassesThroughLink(baseFolder, step.target)) return;
  switch (step.kind) {
    case EntryKind::Folder: RemoveFolder(step.target); break;
    case EntryKind::File: DeleteFiles(step.target); break;
    case EntryKind::RegistryKey: DeleteRegistryKey(HKEY_LOCAL_MACHINE, win::Widen(step.target)); break;
  }
}

}  // namespace ravelo::cleaner
