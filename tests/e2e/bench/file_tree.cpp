#include "bench/file_tree.h"

#include <windows.h>

#include <vector>

#include "bench/locations.h"
#include "bench/text.h"
#include "bench/wait.h"

namespace ravelo::e2e {
namespace {

struct Entry {
  std::wstring name;
  bool folder = false;
};

std::vector<Entry> EntriesOf(const std::wstring& folder) {
  std::vector<Entry> entries;
  WIN32_FIND_DATAW data;
  HANDLE find = FindFirstFileW((WithTrailingBackslash(folder) + L"*").c_str(), &data);
  if (find == INVALID_HANDLE_VALUE) return entries;
  do {
    const std::wstring name = data.cFileName;
    if (name == L"." || name == L"..") continue;
    entries.push_back({name, (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0});
  } while (FindNextFileW(find, &data));
  FindClose(find);
  return entries;
}

std::wstring WithoutTrailingBackslash(std::wstring path) {
  while (path.size() > 3 && path.back() == L'\\') path.pop_back();
  return path;
}

std::string ErrorText() { return " (error " + std::to_string(GetLastError()) + ")"; }

}  // namespace

std::wstring ParentOf(const std::wstring& path) {
  const std::wstring trimmed = WithoutTrailingBackslash(path);
  const size_t slash = trimmed.find_last_of(L'\\');
  return slash == std::wstring::npos ? std::wstring() : trimmed.substr(0, slash);
}

bool CreateFolders(const std::wstring& folder) {
  const std::wstring path = WithoutTrailingBackslash(folder);
  if (path.empty()) return false;
  const DWORD attributes = GetFileAttributesW(path.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES) return (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
  const std::wstring parent = ParentOf(path);
  if (!parent.empty() && parent != path) CreateFolders(parent);
  return CreateDirectoryW(path.c_str(), nullptr) || GetLastError() == ERROR_ALREADY_EXISTS;
}

void CopyFolderTree(const std::wstring& from, const std::wstring& to) {
  const std::wstring source = WithTrailingBackslash(from);
  const std::wstring target = WithTrailingBackslash(to);
  if (!CreateFolders(target)) throw BenchError("cannot create " + ToUtf8(target) + ErrorText());
  for (const auto& e : EntriesOf(source)) {
    if (e.folder) {
      CopyFolderTree(source + e.name, target + e.name);
    } else if (!CopyFileW((source + e.name).c_str(), (target + e.name).c_str(), FALSE)) {
      throw BenchError("cannot copy " + ToUtf8(source + e.name) + " to " + ToUtf8(target) + ErrorText());
    }
  }
}

bool DeleteTree(const std::wstring& path) {
  const std::wstring trimmed = WithoutTrailingBackslash(path);
  const DWORD attributes = GetFileAttributesW(trimmed.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return true;
  if (attributes & FILE_ATTRIBUTE_READONLY) SetFileAttributesW(trimmed.c_str(), attributes & ~FILE_ATTRIBUTE_READONLY);
  if (!(attributes & FILE_ATTRIBUTE_DIRECTORY)) return DeleteFileW(trimmed.c_str()) != FALSE;
  for (const auto& e : EntriesOf(trimmed)) DeleteTree(trimmed + L"\\" + e.name);
  return RemoveDirectoryW(trimmed.c_str()) != FALSE;
}

}  // namespace ravelo::e2e
