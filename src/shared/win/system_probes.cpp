#include "shared/win/system_probes.h"

#include <windows.h>

#include "shared/win/system_library.h"
#include "shared/win/window_dpi.h"

namespace ravelo::win {
namespace {

// RtlGetVersion reports the real version whatever the manifest declares;
// ntdll exports it on every Windows NT (and on Wine).
using RtlGetVersionFn = LONG(WINAPI*)(OSVERSIONINFOW*);

RtlGetVersionFn LoadRtlGetVersion() {
  return ProcAddress<RtlGetVersionFn>(GetModuleHandleW(L"ntdll.dll"), "RtlGetVersion");
}

}  // namespace

std::optional<DisplayMode> Win32SystemQueries::CurrentDisplayMode() const {
  DEVMODEW mode{};
  mode.dmSize = sizeof(mode);
  if (!EnumDisplaySettingsW(nullptr, ENUM_CURRENT_SETTINGS, &mode)) return std::nullopt;
  // The limits are design sizes: the screen as a program Windows scales sees it.
  return ToDesign(DisplayMode{mode.dmPelsWidth, mode.dmPelsHeight}, SystemScale());
}

std::optional<std::uint32_t> Win32SystemQueries::OsMajorVersion() const {
  static const RtlGetVersionFn rtlGetVersion = LoadRtlGetVersion();
  OSVERSIONINFOW info{};
  info.dwOSVersionInfoSize = sizeof(info);
  if (rtlGetVersion != nullptr) {
    if (rtlGetVersion(&info) == 0) return info.dwMajorVersion;  // STATUS_SUCCESS
    return std::nullopt;
  }
  // The manifest declares Windows 10, so this reports the truth there too.
#if defined(_MSC_VER)
#pragma warning(suppress : 4996)  // deprecated, but the fallback is the point
#endif
  if (!GetVersionExW(&info)) return std::nullopt;
  return info.dwMajorVersion;
}

}  // namespace ravelo::win
