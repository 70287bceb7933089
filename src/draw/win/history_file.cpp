#include "draw/win/history_file.h"

#include "shared/win/shell_open.h"
#include "shared/win/unique_handle.h"
#include "shared/win/wide_text.h"

namespace ravelo::win {
namespace {

draw::HistoryFailure FailureOf(DWORD error) {
  switch (error) {
    case ERROR_ACCESS_DENIED:
    case ERROR_WRITE_PROTECT:
      return draw::HistoryFailure::NoAccess;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
      return draw::HistoryFailure::DiskFull;
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
      return draw::HistoryFailure::InUse;
    default:
      return draw::HistoryFailure::Other;
  }
}

}  // namespace

draw::LocalDateTime LocalNow() {
  SYSTEMTIME now{};
  GetLocalTime(&now);
  return {now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond};
}

std::optional<draw::HistoryFailure> AppendHistoryLine(const std::string& utf8Path, std::string_view line) {
  const std::wstring path = Widen(utf8Path);
  // Append-only access: every write lands at the end, whatever else has the
  // file open; readers (Notepad) may keep it open meanwhile.
  UniqueHandle file(CreateFileW(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return FailureOf(GetLastError());
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(file.Get(), &size)) return FailureOf(GetLastError());
  std::string bytes;
  if (size.QuadPart == 0) bytes = draw::kUtf8ByteOrderMark;
  bytes += line;
  DWORD written = 0;
  if (!WriteFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr))
    return FailureOf(GetLastError());
  if (written != bytes.size()) return draw::HistoryFailure::DiskFull;
  // A full disk may show only when the data leaves the cache.
  if (!file.Close()) return FailureOf(GetLastError());
  return std::nullopt;
}

bool OpenWithShell(HWND owner, const std::string& utf8Path) {
  return ShellOpen(owner, Widen(utf8Path));
}

}  // namespace ravelo::win
