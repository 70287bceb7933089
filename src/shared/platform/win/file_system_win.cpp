// The Windows half of the file system helpers: paths are UTF-16, and a
// finished temporary file replaces the target (ReplaceFileW, else a rename).
#include <windows.h>

#include <atomic>
#include <cstdio>

#include "shared/core/encoding.h"
#include "shared/core/file_system.h"
#include "shared/win/unique_handle.h"

namespace ravelo {
namespace {

bool WriteAll(HANDLE file, std::string_view bytes) {
  while (!bytes.empty()) {
    const DWORD chunk = bytes.size() > 0x40000000u ? 0x40000000u : static_cast<DWORD>(bytes.size());
    DWORD written = 0;
    if (!WriteFile(file, bytes.data(), chunk, &written, nullptr) || written == 0) return false;
    bytes.remove_prefix(written);
  }
  return true;
}

std::wstring TemporaryName(const std::wstring& target, unsigned attempt) {
  static std::atomic<unsigned> counter{0};
  wchar_t suffix[64];
  std::swprintf(suffix, 64, L".%lx%x%lx.tmp", GetCurrentProcessId(), counter++ + attempt, GetTickCount() & 0xFFFFu);
  return target + suffix;
}

HANDLE AsHandle(std::intptr_t handle) { return reinterpret_cast<HANDLE>(handle); }

// An existing target is replaced with ReplaceFileW, which keeps its security
// descriptor: after a per-machine install the folder's inherited rights would
// leave a renamed-in file writable by its creator alone, and the next user's
// save would fail. A new target (or a volume without ReplaceFileW) takes the
// rename.
bool PutInPlace(const std::wstring& temporary, const std::wstring& target, bool targetExists) {
  if (targetExists &&
      ReplaceFileW(target.c_str(), temporary.c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr)) {
    return true;
  }
  return MoveFileExW(temporary.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != FALSE;
}

}  // namespace

std::optional<InputFile> InputFile::Open(const FilePath& path) {
  // A folder cannot be opened without backup semantics, so only files get through.
  const HANDLE handle = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                    nullptr, OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return std::nullopt;
  return InputFile(reinterpret_cast<std::intptr_t>(handle));
}

void InputFile::Close() noexcept {
  if (handle_ != -1) CloseHandle(AsHandle(handle_));
  handle_ = -1;
}

std::optional<size_t> InputFile::Read(char* into, size_t size) {
  size_t total = 0;
  while (total < size) {
    const size_t left = size - total;
    const DWORD want = left > 0x40000000u ? 0x40000000u : static_cast<DWORD>(left);
    DWORD got = 0;
    if (!ReadFile(AsHandle(handle_), into + total, want, &got, nullptr)) return std::nullopt;
    if (got == 0) break;
    total += got;
  }
  return total;
}

bool InputFile::Rewind() { return SetFilePointerEx(AsHandle(handle_), LARGE_INTEGER{}, nullptr, FILE_BEGIN) != FALSE; }

std::optional<std::uint64_t> InputFile::Size() const {
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(AsHandle(handle_), &size)) return std::nullopt;
  return static_cast<std::uint64_t>(size.QuadPart);
}

FilePath PathFromUtf8(std::string_view utf8) {
  const std::u16string wide = Utf8ToUtf16(utf8);
  return FilePath(std::wstring(wide.begin(), wide.end()));
}

bool IsExistingFile(const FilePath& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

std::string PathToUtf8(const FilePath& path) {
  const std::wstring& wide = path.native();
  return Utf16ToUtf8(std::u16string(wide.begin(), wide.end()));
}

bool WriteFileAtomically(const FilePath& path, std::string_view bytes) {
  const std::wstring target = path.native();
  if (target.empty()) return false;

  // The read-only attribute is checked here because the replace below would
  // ignore it (and Wine running as root ignores it for writes as well).
  const DWORD attributes = GetFileAttributesW(target.c_str());
  const bool exists = attributes != INVALID_FILE_ATTRIBUTES;
  if (exists && (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)) != 0) return false;

  std::wstring temporary;
  HANDLE created = INVALID_HANDLE_VALUE;
  for (unsigned attempt = 0; attempt < 16 && created == INVALID_HANDLE_VALUE; ++attempt) {
    temporary = TemporaryName(target, attempt);
    created = CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (created == INVALID_HANDLE_VALUE && GetLastError() != ERROR_FILE_EXISTS) return false;
  }
  win::UniqueHandle out(created);
  if (!out) return false;

  bool ok = WriteAll(out.Get(), bytes) && FlushFileBuffers(out.Get()) != FALSE;
  ok = out.Close() && ok;
  // The replacement keeps the target's hidden and system attributes.
  if (ok && exists) {
    const DWORD kept = attributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE);
    if (kept != 0) SetFileAttributesW(temporary.c_str(), kept);
  }
  ok = ok && PutInPlace(temporary, target, exists);
  if (!ok) {
    SetFileAttributesW(temporary.c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileW(temporary.c_str());
    return false;
  }
  return true;
}

bool IsExistingFolder(const FilePath& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool MakeFolder(const FilePath& path) { return CreateDirectoryW(path.c_str(), nullptr) || IsExistingFolder(path); }

bool IsWritableFolder(const FilePath& path) {
  if (!IsExistingFolder(path)) return false;
  std::wstring folder = path.native();
  if (folder.back() != L'\\' && folder.back() != L'/') folder += L'\\';
  for (unsigned attempt = 0; attempt < 16; ++attempt) {
    const std::wstring probe = TemporaryName(folder + L"ravelo-write-check", attempt);
    const HANDLE made = CreateFileW(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                    FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (made != INVALID_HANDLE_VALUE) {
      CloseHandle(made);
      return true;
    }
    if (GetLastError() != ERROR_FILE_EXISTS) return false;
  }
  return false;
}

std::optional<std::vector<std::string>> FileNamesIn(const FilePath& folder) {
  std::wstring pattern = folder.native();
  if (pattern.empty()) return std::nullopt;
  if (pattern.back() != L'\\' && pattern.back() != L'/') pattern += L'\\';
  pattern += L'*';
  WIN32_FIND_DATAW found{};
  const HANDLE search = FindFirstFileExW(pattern.c_str(), FindExInfoBasic, &found, FindExSearchNameMatch, nullptr, 0);
  if (search == INVALID_HANDLE_VALUE) {
    if (GetLastError() == ERROR_FILE_NOT_FOUND) return std::vector<std::string>{};  // an empty folder
    return std::nullopt;
  }
  std::vector<std::string> names;
  do {
    if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) continue;
    const std::wstring name = found.cFileName;
    names.push_back(Utf16ToUtf8(std::u16string(name.begin(), name.end())));
  } while (FindNextFileW(search, &found));
  FindClose(search);
  return names;
}

bool RemoveFile(const FilePath& path) {
  if (DeleteFileW(path.c_str())) return true;
  const DWORD error = GetLastError();
  return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
}

bool RenameFile(const FilePath& from, const FilePath& to) {
  return MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_WRITE_THROUGH) != FALSE;
}

}  // namespace ravelo
