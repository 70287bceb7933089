#include "bench/process_info.h"

#include <tlhelp32.h>

#include <algorithm>

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

std::wstring FileNameOf(const std::wstring& path) {
  const size_t slash = path.find_last_of(L"\\/");
  return slash == std::wstring::npos ? path : path.substr(slash + 1);
}

std::vector<DWORD> DescendantsOf(DWORD rootId) {
  const auto entries = RunningProcesses();
  std::vector<DWORD> found{rootId};
  // Breadth-first over the parent links; each round adds the next generation.
  for (size_t next = 0; next < found.size(); ++next) {
    for (const auto& e : entries) {
      if (e.parentId == found[next] && e.id != rootId &&
          std::find(found.begin(), found.end(), e.id) == found.end())
        found.push_back(e.id);
    }
  }
  found.erase(found.begin());
  return found;
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
