#include "bench/installation.h"

#include <atomic>
#include <cstdio>

#include "bench/file_tree.h"
#include "bench/locations.h"
#include "bench/process_info.h"
#include "bench/text.h"

namespace ravelo::e2e {
namespace {

std::wstring TempFolder() {
  wchar_t buffer[MAX_PATH + 1] = {};
  const DWORD n = GetTempPathW(MAX_PATH + 1, buffer);
  if (n == 0 || n > MAX_PATH) throw BenchError("cannot find the temporary folder");
  return WithTrailingBackslash(std::wstring(buffer, n));
}

// A folder name no other test program or earlier test uses.
std::wstring CreateFreshFolder() {
  static std::atomic<int> counter{0};
  const std::wstring temp = TempFolder();
  for (int attempt = 0; attempt < 1000; ++attempt) {
    const std::wstring folder = temp + L"ravelo-e2e-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                                std::to_wstring(++counter) + L"\\";
    if (CreateDirectoryW(folder.c_str(), nullptr)) {
      // Windows may give %TEMP% in 8.3 form; process image paths come long.
      wchar_t longPath[MAX_PATH + 1] = {};
      const DWORD n = GetLongPathNameW(folder.c_str(), longPath, MAX_PATH + 1);
      return n > 0 && n <= MAX_PATH ? WithTrailingBackslash(longPath) : folder;
    }
    if (GetLastError() != ERROR_ALREADY_EXISTS)
      throw BenchError("cannot create " + ToUtf8(folder) + " (error " + std::to_string(GetLastError()) + ")");
  }
  throw BenchError("cannot find a free folder name under " + ToUtf8(temp));
}

// Programs that were just ended may hold their files for a moment.
bool RemoveTreeWithRetries(const std::wstring& folder) {
  for (int attempt = 0; attempt < 40; ++attempt) {
    if (DeleteTree(folder)) return true;
    Sleep(50);
  }
  return false;
}

}  // namespace

Installation::Installation() : Installation(StagedInstallationFolder()) {}

Installation::Installation(const std::wstring& sourceFolder) {
  const std::wstring source = WithTrailingBackslash(sourceFolder);
  for (const wchar_t* required : {L"bin\\rvo.exe", L"name.txt", L"common\\rvoconfig.rcf"}) {
    if (GetFileAttributesW((source + required).c_str()) == INVALID_FILE_ATTRIBUTES)
      throw BenchError("the installation to copy, " + ToUtf8(source) + ", has no " + ToUtf8(required) +
                       " (build everything first, or set RAVELO_E2E_STAGE_DIR)");
  }
  root_ = CreateFreshFolder();
  try {
    CopyFolderTree(source, root_);
  } catch (...) {
    RemoveTreeWithRetries(root_);
    throw;
  }
}

Installation::~Installation() {
  KillRunningPrograms();
  if (!RemoveTreeWithRetries(root_))
    std::fprintf(stderr, "[  bench   ] could not delete %s\n", ToUtf8(root_).c_str());
}

std::wstring Installation::PathOf(std::wstring_view relative) const { return root_ + std::wstring(relative); }

std::wstring Installation::ProgramPath(std::wstring_view program) const { return BinFolder() + std::wstring(program); }

bool Installation::Exists(std::wstring_view relative) const {
  return GetFileAttributesW(PathOf(relative).c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string Installation::ReadBytes(std::wstring_view relative) const {
  const std::wstring path = PathOf(relative);
  UniqueHandle file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) throw BenchError("cannot open " + ToUtf8(path) + " (error " + std::to_string(GetLastError()) + ")");
  std::string bytes;
  char buffer[65536];
  DWORD n = 0;
  while (ReadFile(file.Get(), buffer, sizeof buffer, &n, nullptr) && n > 0) bytes.append(buffer, n);
  return bytes;
}

void Installation::WriteBytes(std::wstring_view relative, std::string_view bytes) const {
  const std::wstring path = PathOf(relative);
  CreateFolders(ParentOf(path));
  UniqueHandle file(
      CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  DWORD written = 0;
  if (!file || !WriteFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) ||
      written != bytes.size())
    throw BenchError("cannot write " + ToUtf8(path) + " (error " + std::to_string(GetLastError()) + ")");
}

std::wstring Installation::ReadGbk(std::wstring_view relative) const { return FromGbk(ReadBytes(relative)); }

void Installation::WriteGbk(std::wstring_view relative, std::wstring_view text) const {
  WriteBytes(relative, ToGbk(text));
}

void Installation::Remove(std::wstring_view relative) const {
  if (!DeleteTree(PathOf(relative)))
    throw BenchError("cannot delete " + ToUtf8(PathOf(relative)) + " (error " + std::to_string(GetLastError()) + ")");
}

void Installation::CopyIn(const std::wstring& sourceFile, std::wstring_view relative) const {
  const std::wstring path = PathOf(relative);
  CreateFolders(ParentOf(path));
  if (!CopyFileW(sourceFile.c_str(), path.c_str(), FALSE))
    throw BenchError("cannot copy " + ToUtf8(sourceFile) + " to " + ToUtf8(path) + " (error " +
                     std::to_string(GetLastError()) + ")");
}

UniqueHandle Installation::HoldOpen(std::wstring_view relative) const {
  const std::wstring path = PathOf(relative);
  UniqueHandle file(CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) throw BenchError("cannot open " + ToUtf8(path) + " (error " + std::to_string(GetLastError()) + ")");
  return file;
}

std::wstring Installation::IniValue(std::wstring_view section, std::wstring_view key,
                                    std::wstring_view relative) const {
  std::wstring value(4096, L'\0');
  const DWORD n = GetPrivateProfileStringW(std::wstring(section).c_str(), std::wstring(key).c_str(), L"",
                                           value.data(), static_cast<DWORD>(value.size()), PathOf(relative).c_str());
  value.resize(n);
  return value;
}

void Installation::SetIniValue(std::wstring_view section, std::wstring_view key, std::wstring_view value,
                               std::wstring_view relative) const {
  if (!WritePrivateProfileStringW(std::wstring(section).c_str(), std::wstring(key).c_str(),
                                  std::wstring(value).c_str(), PathOf(relative).c_str()))
    throw BenchError("cannot write [" + ToUtf8(section) + "] " + ToUtf8(key) + " to " + ToUtf8(PathOf(relative)));
}

Process Installation::Start(std::wstring_view program, std::wstring_view arguments) const {
  return Process::Start(ProgramPath(program), std::wstring(arguments), TempFolder());
}

std::vector<DWORD> Installation::RunningProcesses() const { return ProcessesRunningFrom(root_); }

void Installation::KillRunningPrograms() const {
  for (DWORD id : RunningProcesses()) TerminateProcessById(id);
}

}  // namespace ravelo::e2e
