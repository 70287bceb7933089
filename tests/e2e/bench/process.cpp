// Processes, and the private installations they run from.
#include "bench/bench.h"

#include <tlhelp32.h>

#include <atomic>
#include <cstdio>

#include "bench/build_locations.h"

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

template <typename Visit>
void ForEachEntry(const std::wstring& folder, Visit visit) {
  WIN32_FIND_DATAW data;
  const win::UniqueFindHandle find(FindFirstFileW((folder + L"\\*").c_str(), &data));
  if (!find) return;
  do {
    const std::wstring name = data.cFileName;
    if (name != L"." && name != L"..") visit(name, (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0);
  } while (FindNextFileW(find.Get(), &data));
}

void CopyTree(const std::wstring& from, const std::wstring& to) {
  if (!CreateDirectoryW(to.c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS)
    throw BenchError("cannot create " + ErrorText(to));
  ForEachEntry(from, [&](const std::wstring& name, bool folder) {
    if (folder) CopyTree(from + L"\\" + name, to + L"\\" + name);
    else if (!CopyFileW((from + L"\\" + name).c_str(), (to + L"\\" + name).c_str(), FALSE))
      throw BenchError("cannot copy " + ErrorText(from + L"\\" + name));
  });
}

// Read-only files included; true when nothing is left.
bool DeleteTree(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return true;
  SetFileAttributesW(path.c_str(), attributes & ~FILE_ATTRIBUTE_READONLY);
  if (!(attributes & FILE_ATTRIBUTE_DIRECTORY)) return DeleteFileW(path.c_str()) != FALSE;
  ForEachEntry(path, [&](const std::wstring& name, bool) { DeleteTree(path + L"\\" + name); });
  return RemoveDirectoryW(path.c_str()) != FALSE;
}

void CreateParentFolders(const std::wstring& path) {
  for (size_t slash = path.find(L'\\', 3); slash != std::wstring::npos; slash = path.find(L'\\', slash + 1))
    CreateDirectoryW(path.substr(0, slash).c_str(), nullptr);
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
  bool ended = false;
  PollUntil([&] {
    ended = !IsRunning();  // read first: a window found after the end is gone
    return (found = FindOneWindow(query)).has_value() || ended;
  }, timeout);
  if (found) return *found;
  if (ended)
    throw BenchError(Describe() + " exited with code " + std::to_string(ExpectExit()) + " before showing a " +
                     query.Describe());
  throw BenchError(Describe() + " showed no " + query.Describe() + " within " + std::to_string(timeout.count()) + " ms");
}

std::wstring Process::AnswerMessage(int button) const {
  const Window box = WaitForWindow({.className = L"#32770", .text = L"Ravelo"});
  std::wstring text;
  for (const Window& part : box.Children({.className = L"Static"})) {
    // The icon is a static control too, without text.
    if (const std::wstring line = part.Text(); !line.empty()) text += (text.empty() ? L"" : L"\n") + line;
  }
  const auto buttons = box.Children({.className = L"Button", .controlId = button});
  if (buttons.empty()) throw BenchError("no button " + std::to_string(button) + " on the message " + ToUtf8(text));
  buttons.front().ClickButton();
  WaitUntil([&] { return !box.Exists(); }, "the message " + ToUtf8(text) + " did not close");
  return text;
}

bool Process::ShowsMessage() const { return FindOneWindow({.className = L"#32770"}).has_value(); }

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

std::wstring CommandLineOf(DWORD processId) {
  // The process environment block's parameters hold the command line as a
  // counted string; the layout is the same on Windows and under Wine.
  struct BasicInformation {
    void* reserved1;
    char* peb;
    void* reserved2[4];
  };
  struct CountedText {
    USHORT length, maximumLength;
    wchar_t* buffer;
  };
  using Query = LONG(WINAPI*)(HANDLE, int, void*, ULONG, ULONG*);
  const auto query = reinterpret_cast<Query>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "NtQueryInformationProcess")));
  const UniqueHandle process(OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, processId));
  BasicInformation basic{};
  char* parameters = nullptr;
  CountedText text{};
  if (!query || !process || query(process.Get(), 0, &basic, sizeof basic, nullptr) != 0 ||
      !ReadProcessMemory(process.Get(), basic.peb + 4 * sizeof(void*), &parameters, sizeof parameters, nullptr) ||
      !ReadProcessMemory(process.Get(), parameters + (sizeof(void*) == 4 ? 0x40 : 0x70), &text, sizeof text, nullptr))
    return {};
  std::wstring commandLine(text.length / sizeof(wchar_t), L'\0');
  if (!ReadProcessMemory(process.Get(), text.buffer, commandLine.data(), text.length, nullptr)) return {};
  return commandLine;
}

void TerminateProcessById(DWORD processId) {
  const UniqueHandle process(OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, processId));
  if (process && TerminateProcess(process.Get(), 1)) WaitForSingleObject(process.Get(), 2000);
}

Installation::Installation() {
  static std::atomic<int> counter{0};
  const std::wstring stage = RAVELO_E2E_STAGE_DIR;
  if (GetFileAttributesW((stage + L"\\bin\\rvo.exe").c_str()) == INVALID_FILE_ATTRIBUTES)
    throw BenchError("no staged installation in " + ToUtf8(stage) + " (build everything first)");
  const std::wstring folder =
      TempFolder() + L"ravelo-e2e-" + std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(++counter);
  DeleteTree(folder);  // left by an earlier run of the same process id
  // Windows may give %TEMP% in 8.3 form; process image paths come long.
  CopyTree(stage, folder);
  wchar_t longPath[MAX_PATH] = {};
  const DWORD n = GetLongPathNameW(folder.c_str(), longPath, MAX_PATH);
  root_ = (n > 0 && n < MAX_PATH ? std::wstring(longPath, n) : folder) + L"\\";
}

Installation::~Installation() {
  for (const ProcessEntry& e : RunningProcesses())
    if (e.path.size() > root_.size() && _wcsnicmp(e.path.c_str(), root_.c_str(), root_.size()) == 0) TerminateProcessById(e.id);
  const std::wstring folder = root_.substr(0, root_.size() - 1);
  // Programs that were just ended may hold their files for a moment.
  if (!PollUntil([&] { return DeleteTree(folder); }, Milliseconds{2000}))
    std::fprintf(stderr, "[  bench   ] could not delete %s\n", ToUtf8(folder).c_str());
}

bool Installation::Exists(std::wstring_view relative) const {
  return GetFileAttributesW(PathOf(relative).c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string Installation::ReadBytes(std::wstring_view relative) const {
  const UniqueHandle file(CreateFileW(PathOf(relative).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                      nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) throw BenchError("cannot open " + ErrorText(PathOf(relative)));
  std::string bytes;
  char buffer[65536];
  DWORD n = 0;
  while (ReadFile(file.Get(), buffer, sizeof buffer, &n, nullptr) && n > 0) bytes.append(buffer, n);
  return bytes;
}

void Installation::WriteBytes(std::wstring_view relative, std::string_view bytes) const {
  const std::wstring path = PathOf(relative);
  CreateParentFolders(path);
  const UniqueHandle file(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
  DWORD written = 0;
  if (!file || !WriteFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) ||
      written != bytes.size())
    throw BenchError("cannot write " + ErrorText(path));
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

Process Installation::Start(std::wstring_view program) const { return Process::Start(ProgramPath(program), TempFolder()); }

}  // namespace ravelo::e2e
