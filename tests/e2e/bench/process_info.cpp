#include "bench/process_info.h"

#include <tlhelp32.h>

#include <algorithm>
#include <optional>

#include "bench/handles.h"

namespace ravelo::e2e {

std::vector<ProcessEntry> RunningProcesses() {
  std::vector<ProcessEntry> entries;
  UniqueHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
  if (!snapshot) return entries;
  PROCESSENTRY32W entry{};
  entry.dwSize = sizeof entry;
  for (BOOL ok = Process32FirstW(snapshot.Get(), &entry); ok; ok = Process32NextW(snapshot.Get(), &entry))
    entries.push_back({entry.th32ProcessID, entry.th32ParentProcessID, entry.szExeFile});
  return entries;
}

std::wstring ImagePathOf(DWORD processId) {
  UniqueHandle process(OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId));
  if (!process) return {};
  std::wstring path(32768, L'\0');
  DWORD size = static_cast<DWORD>(path.size());
  if (!QueryFullProcessImageNameW(process.Get(), 0, path.data(), &size)) return {};
  path.resize(size);
  return path;
}

namespace {

// The start of the process environment block and of its parameters, as far
// as the command line (the same layout on Windows and under Wine).
struct BasicInformation {
  void* reserved1;
  void* pebBaseAddress;
  void* reserved2[2];
  ULONG_PTR uniqueProcessId;
  void* reserved3;
};
struct CountedText {
  USHORT length;  // bytes
  USHORT maximumLength;
  wchar_t* buffer;
};
constexpr size_t kParametersInPeb = 4 * sizeof(void*);  // 0x10 in 32-bit, 0x20 in 64-bit
constexpr size_t kCommandLineInParameters = sizeof(void*) == 4 ? 0x40 : 0x70;

template <typename T>
std::optional<T> ReadFrom(HANDLE process, const void* address) {
  T value{};
  SIZE_T got = 0;
  if (!ReadProcessMemory(process, address, &value, sizeof(T), &got) || got != sizeof(T)) return std::nullopt;
  return value;
}

}  // namespace

std::wstring CommandLineOf(DWORD processId) {
  using QueryInformation = LONG(WINAPI*)(HANDLE, int, void*, ULONG, ULONG*);
  const auto query = reinterpret_cast<QueryInformation>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "NtQueryInformationProcess")));
  UniqueHandle process(OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, processId));
  BasicInformation basic{};
  if (!query || !process || query(process.Get(), 0, &basic, sizeof basic, nullptr) != 0) return {};
  const auto parameters =
      ReadFrom<char*>(process.Get(), static_cast<const char*>(basic.pebBaseAddress) + kParametersInPeb);
  if (!parameters) return {};
  const auto text = ReadFrom<CountedText>(process.Get(), *parameters + kCommandLineInParameters);
  if (!text || !text->buffer) return {};
  std::wstring commandLine(text->length / sizeof(wchar_t), L'\0');
  SIZE_T got = 0;
  if (!ReadProcessMemory(process.Get(), text->buffer, commandLine.data(), text->length, &got)) return {};
  commandLine.resize(got / sizeof(wchar_t));
  return commandLine;
}

std::wstring FileNameOf(const std::wstring& path) {
  const size_t slash = path.find_last_of(L"\\/");
  return slash == std::wstring::npos ? path : path.substr(slash + 1);
}

namespace {

std::optional<ULONGLONG> CreationTimeOf(DWORD processId) {
  UniqueHandle process(OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId));
  FILETIME created{}, exited{}, kernel{}, user{};
  if (!process || !GetProcessTimes(process.Get(), &created, &exited, &kernel, &user)) return std::nullopt;
  return (static_cast<ULONGLONG>(created.dwHighDateTime) << 32) | created.dwLowDateTime;
}

}  // namespace

std::vector<DWORD> DescendantsOf(DWORD rootId) {
  const auto entries = RunningProcesses();
  struct Found {
    DWORD id;
    ULONGLONG created;
  };
  const auto rootCreated = CreationTimeOf(rootId);
  if (!rootCreated) return {};
  std::vector<Found> found{{rootId, *rootCreated}};
  // Breadth-first over the parent links; each round adds the next generation.
  // Process ids are reused at once (under Wine especially), so a process
  // whose parent id matches but which is older than that parent was started
  // by an earlier process of the same id: Wine's own services, for one.
  for (size_t next = 0; next < found.size(); ++next) {
    const Found parent = found[next];
    for (const auto& e : entries) {
      if (e.parentId != parent.id || e.id == rootId) continue;
      if (std::any_of(found.begin(), found.end(), [&](const Found& f) { return f.id == e.id; })) continue;
      const auto created = CreationTimeOf(e.id);
      if (created && *created >= parent.created) found.push_back({e.id, *created});
    }
  }
  std::vector<DWORD> ids;
  for (size_t i = 1; i < found.size(); ++i) ids.push_back(found[i].id);
  return ids;
}

bool SameTextIgnoringCase(std::wstring_view a, std::wstring_view b) {
  return CompareStringOrdinal(a.data(), static_cast<int>(a.size()), b.data(), static_cast<int>(b.size()),
                              TRUE) == CSTR_EQUAL;
}

std::vector<DWORD> ProcessesRunningFrom(const std::wstring& folder) {
  std::vector<DWORD> ids;
  for (const auto& e : RunningProcesses()) {
    const std::wstring path = ImagePathOf(e.id);
    if (path.size() > folder.size() && SameTextIgnoringCase(std::wstring_view(path).substr(0, folder.size()), folder))
      ids.push_back(e.id);
  }
  return ids;
}

bool TerminateProcessById(DWORD processId) {
  UniqueHandle process(OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, processId));
  if (!process) return false;
  TerminateProcess(process.Get(), 1);
  WaitForSingleObject(process.Get(), 2000);
  return true;
}

}  // namespace ravelo::e2e
