// CPU time of a program a Wine benchmark started: GetProcessTimes on
// Windows; under Wine, where GetProcessTimes of another process does not
// follow its CPU time, the Unix process's /proc stat read through the Z:
// drive (wineserver's too).
#pragma once

#include <windows.h>

#include <cctype>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

namespace ravelo::bench {

inline double FileTimeMs(const FILETIME& t) {
  return static_cast<double>((static_cast<unsigned long long>(t.dwHighDateTime) << 32) | t.dwLowDateTime) / 1e4;
}

// User plus kernel time of a process, in milliseconds.
inline double ProcessCpuMs(HANDLE process) {
  FILETIME created, exited, kernel, user;
  if (!GetProcessTimes(process, &created, &exited, &kernel, &user)) return -1;
  return FileTimeMs(kernel) + FileTimeMs(user);
}

inline std::string ReadWhole(const std::wstring& path) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                            0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return {};
  std::string text;
  char buffer[4096];
  DWORD got = 0;
  while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0) text.append(buffer, got);
  CloseHandle(file);
  return text;
}

// Lower case with backslashes: a Windows and a Unix form of a path compare.
inline std::string Normalised(std::string text) {
  for (char& c : text) c = c == '/' ? '\\' : static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

// The stat file of the Unix process in /proc whose `comm` starts with
// commPrefix and whose command line contains commandLinePart (any case,
// either kind of slash).
inline std::optional<std::wstring> FindStatPath(const std::string& commPrefix, const std::string& commandLinePart) {
  WIN32_FIND_DATAW found{};
  HANDLE search = FindFirstFileW(L"Z:\\proc\\*", &found);
  if (search == INVALID_HANDLE_VALUE) return std::nullopt;
  std::optional<std::wstring> result;
  do {
    if (found.cFileName[0] < L'0' || found.cFileName[0] > L'9') continue;
    const std::wstring folder = std::wstring(L"Z:\\proc\\") + found.cFileName;
    if (ReadWhole(folder + L"\\comm").rfind(commPrefix, 0) != 0) continue;
    if (Normalised(ReadWhole(folder + L"\\cmdline")).find(Normalised(commandLinePart)) == std::string::npos)
      continue;
    result = folder + L"\\stat";
    break;
  } while (FindNextFileW(search, &found));
  FindClose(search);
  return result;
}

// utime + stime of a /proc/<pid>/stat, in milliseconds (100 ticks a second).
inline double StatCpuMs(const std::optional<std::wstring>& statPath) {
  if (!statPath) return -1;
  const std::string stat = ReadWhole(*statPath);
  const size_t close = stat.rfind(')');
  if (close == std::string::npos) return -1;
  // Fields after the name: state is the 3rd field, utime the 14th, stime the 15th.
  std::vector<std::string> fields;
  size_t at = close + 2;
  while (at < stat.size()) {
    const size_t space = stat.find(' ', at);
    fields.push_back(stat.substr(at, space - at));
    if (space == std::string::npos) break;
    at = space + 1;
  }
  if (fields.size() < 13) return -1;
  return (std::atof(fields[11].c_str()) + std::atof(fields[12].c_str())) * 10.0;
}

}  // namespace ravelo::bench
