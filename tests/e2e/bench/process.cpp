// Processes, and the private installations they run from.
#include "bench/bench.h"

#include <shellapi.h>
#include <shlobj.h>
#include <tlhelp32.h>

#include <atomic>
#include <cstdio>

#include "bench/build_locations.h"
#include "shared/core/file_system.h"

namespace ravelo::e2e {
namespace {

std::string ErrorText(const std::wstring& what) {
  return ToUtf8(what) + " (error " + std::to_string(GetLastError()) + ")";
}

std::wstring TempFolder() {
  wchar_t buffer[MAX_PATH + 1] = {};
  GetTempPathW(MAX_PATH + 1, buffer);
  return buffer;
}

// The shell's copy (to given) or delete of a file or folder tree, read-only
// files included, without any window; true when it all went.
bool ShellFileOperation(UINT operation, const std::wstring& from, const std::wstring& to = {}) {
  const std::wstring fromList = from + L'\0', toList = to + L'\0';  // lists that end in two NULs
  SHFILEOPSTRUCTW op{};
  op.wFunc = operation;
  op.pFrom = fromList.c_str();
  op.pTo = to.empty() ? nullptr : toList.c_str();
  op.fFlags = FOF_NO_UI;
  return SHFileOperationW(&op) == 0 && !op.fAnyOperationsAborted;
}

bool DeleteTree(const std::wstring& path) {  // true when nothing is left
  return GetFileAttributesW(path.c_str()) == INVALID_FILE_ATTRIBUTES || ShellFileOperation(FO_DELETE, path);
}

}  // namespace

Process::Process(UniqueHandle process, DWORD id, std::wstring name)
    : process_(std::move(process)), id_(id), name_(std::move(name)) {}

Process Process::Start(const std::wstring& program, const std::wstring& folder) {
  std::wstring commandLine = L"\"" + program + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_SHOWNORMAL;
  PROCESS_INFORMATION info{};
  if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(),
                      &startup, &info))
    throw BenchError("cannot start " + ErrorText(program));
  CloseHandle(info.hThread);
  return Process(UniqueHandle(info.hProcess), info.dwProcessId, FileNameOf(program));
}

Process::~Process() {
  if (IsRunning()) {
    TerminateProcess(process_.Get(), 1);
    WaitForSingleObject(process_.Get(), 5000);
  }
}

bool Process::IsRunning() const { return process_ && WaitForSingleObject(process_.Get(), 0) == WAIT_TIMEOUT; }

DWORD Process::ExpectExit(Milliseconds timeout) const {
  DWORD code = 0;
  if (WaitForSingleObject(process_.Get(), static_cast<DWORD>(timeout.count())) != WAIT_OBJECT_0)
    throw BenchError(Describe() + " did not exit within " + std::to_string(timeout.count()) + " ms");
  GetExitCodeProcess(process_.Get(), &code);
  return code;
}

std::optional<Window> Process::FindOneWindow(WindowQuery query) const {
  query.processId = id_;
  return e2e::FindOneWindow(query);
}

Window Process::WaitForWindow(WindowQuery query, Milliseconds timeout) const {
  std::optional<Window> found;
  WaitUntil([&] {
    const bool ended = !IsRunning();  // read first: a window found after the end is gone
    if ((found = FindOneWindow(query))) return true;
    if (ended)
      throw BenchError(Describe() + " exited with code " + std::to_string(ExpectExit()) + " before showing a " +
                       query.Describe());
    return false;
  }, Describe() + " showed no " + query.Describe(), timeout);
  return *found;
}

std::wstring Process::AnswerMessage(int button) const {
  const Window box = WaitForWindow({.className = L"#32770", .text = L"Ravelo"});
  const std::wstring text = box.ChildById(0xFFFF).Text();  // the message's static text, as on Windows
  box.ChildById(button).ClickButton();
  WaitUntil([&] { return !box.Exists(); }, "the message " + ToUtf8(text) + " did not close");
  return text;
}

std::string Process::Describe() const { return ToUtf8(name_) + " (pid " + std::to_string(id_) + ")"; }

std::wstring ImagePathOf(DWORD processId) {
  const UniqueHandle process(OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId));
  std::wstring path(32768, L'\0');
  DWORD size = static_cast<DWORD>(path.size());
  if (!process || !QueryFullProcessImageNameW(process.Get(), 0, path.data(), &size)) return {};
  path.resize(size);
  return path;
}

std::vector<ProcessEntry> RunningProcesses() {
  std::vector<ProcessEntry> entries;
  const UniqueHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
  PROCESSENTRY32W entry{};
  entry.dwSize = sizeof entry;
  for (BOOL ok = Process32FirstW(snapshot.Get(), &entry); ok; ok = Process32NextW(snapshot.Get(), &entry))
    entries.push_back({entry.th32ProcessID, ImagePathOf(entry.th32ProcessID)});
  return entries;
}

std::wstring FileNameOf(const std::wstring& path) { return path.substr(path.find_last_of(L"\\/") + 1); }

Installation::Installation() {
  ResetInput();  // each test starts with its installation: input at rest, whatever the last test left
  static std::atomic<int> counter{0};
  const std::wstring stage = RAVELO_E2E_STAGE_DIR;
  if (GetFileAttributesW((stage + L"\\bin\\rvo.exe").c_str()) == INVALID_FILE_ATTRIBUTES)
    throw BenchError("no staged installation in " + ToUtf8(stage) + " (build everything first)");
  const std::wstring folder =
      TempFolder() + L"ravelo-e2e-" + std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(++counter);
  DeleteTree(folder);  // left by an earlier run of the same process id
  if (!ShellFileOperation(FO_COPY, stage, folder)) throw BenchError("cannot copy " + ErrorText(stage));
  // Windows may give %TEMP% in 8.3 form; process image paths come long.
  wchar_t longPath[MAX_PATH] = {};
  const DWORD n = GetLongPathNameW(folder.c_str(), longPath, MAX_PATH);
  root_ = (n > 0 && n < MAX_PATH ? std::wstring(longPath, n) : folder) + L"\\";
}

Installation::~Installation() {
  for (const ProcessEntry& e : RunningProcesses()) {
    if (e.path.size() <= root_.size() || _wcsnicmp(e.path.c_str(), root_.c_str(), root_.size()) != 0) continue;
    const UniqueHandle process(OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, e.id));
    if (process && TerminateProcess(process.Get(), 1)) WaitForSingleObject(process.Get(), 2000);
  }
  const std::wstring folder = root_.substr(0, root_.size() - 1);
  // Programs that were just ended may hold their files for a moment.
  if (!PollUntil([&] { return DeleteTree(folder); }, Milliseconds{2000}))
    std::fprintf(stderr, "[  bench   ] could not delete %s\n", ToUtf8(folder).c_str());
}

std::string Installation::ReadBytes(std::wstring_view relative) const {
  auto bytes = ReadWholeFile(FilePath(PathOf(relative)));
  if (!bytes) throw BenchError("cannot read " + ErrorText(PathOf(relative)));
  return std::move(*bytes);
}

void Installation::WriteBytes(std::wstring_view relative, std::string_view bytes) const {
  const std::wstring path = PathOf(relative);
  SHCreateDirectoryExW(nullptr, path.substr(0, path.find_last_of(L'\\')).c_str(), nullptr);
  if (!WriteFileAtomically(FilePath(path), bytes)) throw BenchError("cannot write " + ErrorText(path));
}

void Installation::Remove(std::wstring_view relative) const {
  if (!DeleteTree(PathOf(relative))) throw BenchError("cannot delete " + ErrorText(PathOf(relative)));
}

void Installation::SetReadOnly(std::wstring_view relative, bool readOnly) const {
  if (!SetFileAttributesW(PathOf(relative).c_str(), readOnly ? FILE_ATTRIBUTE_READONLY : FILE_ATTRIBUTE_NORMAL))
    throw BenchError("cannot change " + ErrorText(PathOf(relative)));
}

std::wstring Installation::IniValue(std::wstring_view section, std::wstring_view key) const {
  std::wstring value(4096, L'\0');
  value.resize(GetPrivateProfileStringW(std::wstring(section).c_str(), std::wstring(key).c_str(), L"", value.data(),
                                        static_cast<DWORD>(value.size()), PathOf(kConfigFile).c_str()));
  return value;
}

void Installation::SetIniValue(std::wstring_view section, std::wstring_view key, std::wstring_view value) const {
  if (!WritePrivateProfileStringW(std::wstring(section).c_str(), std::wstring(key).c_str(), std::wstring(value).c_str(),
                                  PathOf(kConfigFile).c_str()))
    throw BenchError("cannot write the key " + ToUtf8(key));
}

Process Installation::Start(std::wstring_view program) const {
  return Process::Start(PathOf(L"bin\\" + std::wstring(program)), TempFolder());
}

}  // namespace ravelo::e2e
