#include "config/win/roster_file.h"

#include <windows.h>
#include <restartmanager.h>

#include <algorithm>
#include <vector>

#include "config/core/roster_import.h"
#include "shared/win/system_library.h"
#include "shared/win/unique_handle.h"

namespace ravelo::win::config {
namespace {

constexpr wchar_t kUnreadable[] = L"文件无法读取,请检查文件是否存在及其属性";

std::wstring WideOf(const std::u16string& text) { return std::wstring(text.begin(), text.end()); }

std::wstring FileNameOf(const std::wstring& path) {
  const size_t slash = path.find_last_of(L"\\/");
  return slash == std::wstring::npos ? path : path.substr(slash + 1);
}

// The programs that have the file open, as the Restart Manager names them
// (Windows Vista and later; empty where it is missing or cannot tell).
std::vector<std::u16string> ProgramsHolding(const std::wstring& path) {
  std::vector<std::u16string> programs;
  const UniqueModule library = LoadSystemLibrary(L"rstrtmgr.dll");
  const auto start = ProcAddress<DWORD(WINAPI*)(DWORD*, DWORD, WCHAR*)>(library.Get(), "RmStartSession");
  const auto end = ProcAddress<DWORD(WINAPI*)(DWORD)>(library.Get(), "RmEndSession");
  const auto add = ProcAddress<DWORD(WINAPI*)(DWORD, UINT, LPCWSTR*, UINT, RM_UNIQUE_PROCESS*, UINT, LPCWSTR*)>(
      library.Get(), "RmRegisterResources");
  const auto list =
      ProcAddress<DWORD(WINAPI*)(DWORD, UINT*, UINT*, RM_PROCESS_INFO*, LPDWORD)>(library.Get(), "RmGetList");
  if (!start || !end || !add || !list) return programs;
  DWORD session = 0;
  WCHAR key[CCH_RM_SESSION_KEY + 1] = {};
  if (start(&session, 0, key) != ERROR_SUCCESS) return programs;
  LPCWSTR files[] = {path.c_str()};
  UINT needed = 0;
  UINT count = 0;
  DWORD reasons = 0;
  if (add(session, 1, files, 0, nullptr, 0, nullptr) == ERROR_SUCCESS &&
      list(session, &needed, &count, nullptr, &reasons) == ERROR_MORE_DATA && needed > 0) {
    std::vector<RM_PROCESS_INFO> info(needed);
    count = needed;
    if (list(session, &needed, &count, info.data(), &reasons) == ERROR_SUCCESS) {
      for (UINT i = 0; i < count && i < info.size(); ++i) {
        const std::wstring name = info[i].strAppName;
        if (!name.empty()) programs.emplace_back(name.begin(), name.end());
      }
    }
  }
  end(session);
  return programs;
}

}  // namespace

RosterFileRead ReadRosterFile(const std::wstring& path) {
  const auto inUse = [&path] {
    const std::wstring name = FileNameOf(path);
    return RosterFileRead{std::nullopt,
                          WideOf(RosterInUseMessage(std::u16string(name.begin(), name.end()), ProgramsHolding(path)))};
  };
  // Others may keep it open for reading and writing; only a program that
  // shares nothing (a spreadsheet program editing it, for one) stops us.
  UniqueHandle file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) {
    const DWORD error = GetLastError();
    if (error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION) return inUse();
    return {std::nullopt, kUnreadable};
  }
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(file.Get(), &size)) return {std::nullopt, kUnreadable};
  if (static_cast<std::uint64_t>(size.QuadPart) > kMaxRosterFileBytes)
    return {std::nullopt, WideOf(RosterProblemMessage(RosterProblem::kTooLarge))};
  std::string bytes(static_cast<size_t>(size.QuadPart), '\0');
  size_t done = 0;
  while (done < bytes.size()) {
    DWORD got = 0;
    const DWORD want = static_cast<DWORD>(std::min<size_t>(bytes.size() - done, 1u << 24));
    if (!ReadFile(file.Get(), bytes.data() + done, want, &got, nullptr)) {
      const DWORD error = GetLastError();
      if (error == ERROR_LOCK_VIOLATION) return inUse();  // a range locked by the program that has it open
      return {std::nullopt, kUnreadable};
    }
    if (got == 0) break;
    done += got;
  }
  bytes.resize(done);
  return {std::move(bytes), {}};
}

}  // namespace ravelo::win::config
