#include "platform_profile.h"

#include <windows.h>

#include <vector>

#include "shared/core/encoding.h"
#include "shared/core/file_system.h"

namespace ravelo::agreement {
namespace {

// The path as the ANSI functions take it (code page 936 on the test system).
std::string AnsiPath(const std::filesystem::path& path) {
  const std::wstring& wide = path.native();
  const int n = WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr,
                                    nullptr);
  std::string ansi(static_cast<size_t>(n), '\0');
  WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), ansi.data(), n, nullptr, nullptr);
  return ansi;
}

}  // namespace

std::string PlatformRead(const std::filesystem::path& file, std::string_view section, std::string_view key,
                         size_t bufferBytes) {
  std::vector<char> buffer(bufferBytes + 1, '\0');  // one spare NUL: the text always ends
  GetPrivateProfileStringA(Utf8ToGbk(section).c_str(), Utf8ToGbk(key).c_str(), "", buffer.data(),
                           static_cast<DWORD>(bufferBytes), AnsiPath(file).c_str());
  return GbkToUtf8(buffer.data());
}

bool PlatformWrite(const std::filesystem::path& file, std::string_view section, std::string_view key,
                   std::string_view valueUtf8) {
  return WritePrivateProfileStringA(Utf8ToGbk(section).c_str(), Utf8ToGbk(key).c_str(),
                                    Utf8ToGbk(valueUtf8).c_str(), AnsiPath(file).c_str()) != FALSE;
}

}  // namespace ravelo::agreement
