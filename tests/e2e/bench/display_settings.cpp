#include "bench/display_settings.h"

#include <windows.h>

namespace ravelo::e2e {
namespace {

constexpr wchar_t kX11DriverKey[] = L"Software\\Wine\\X11 Driver";
constexpr wchar_t kManaged[] = L"Managed";
constexpr wchar_t kDesktopKey[] = L"Control Panel\\Desktop";
constexpr wchar_t kLogPixels[] = L"LogPixels";

class RegistryKey {
 public:
  RegistryKey() {
    if (RegCreateKeyExW(HKEY_CURRENT_USER, kX11DriverKey, 0, nullptr, 0, KEY_QUERY_VALUE | KEY_SET_VALUE, nullptr,
                        &key_, nullptr) != ERROR_SUCCESS)
      key_ = nullptr;
  }
  RegistryKey(const RegistryKey&) = delete;
  RegistryKey& operator=(const RegistryKey&) = delete;
  ~RegistryKey() {
    if (key_) RegCloseKey(key_);
  }
  HKEY Get() const { return key_; }

 private:
  HKEY key_ = nullptr;
};

std::optional<std::wstring> ReadString(HKEY key, const wchar_t* name) {
  wchar_t value[64] = {};
  DWORD size = sizeof value - sizeof(wchar_t);
  DWORD type = 0;
  if (RegQueryValueExW(key, name, nullptr, &type, reinterpret_cast<BYTE*>(value), &size) != ERROR_SUCCESS ||
      type != REG_SZ)
    return std::nullopt;
  return std::wstring(value);
}

bool WriteString(HKEY key, const wchar_t* name, const std::wstring& value) {
  return RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                        static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t))) == ERROR_SUCCESS;
}

}  // namespace

bool RunningUnderWine() {
  const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
  return ntdll && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

ScopedSelfManagedWindows::ScopedSelfManagedWindows() {
  if (!RunningUnderWine()) return;
  RegistryKey key;
  if (!key.Get()) return;
  previous_ = ReadString(key.Get(), kManaged);
  applied_ = WriteString(key.Get(), kManaged, L"N");
}

ScopedSelfManagedWindows::~ScopedSelfManagedWindows() {
  if (!applied_) return;
  RegistryKey key;
  if (!key.Get()) return;
  if (previous_)
    WriteString(key.Get(), kManaged, *previous_);
  else
    RegDeleteValueW(key.Get(), kManaged);
}

ScopedLogPixels::ScopedLogPixels(DWORD dpi) {
  DWORD value = 0;
  DWORD size = sizeof value;
  if (RegGetValueW(HKEY_CURRENT_USER, kDesktopKey, kLogPixels, RRF_RT_REG_DWORD, nullptr, &value, &size) ==
      ERROR_SUCCESS)
    previous_ = value;
  RegSetKeyValueW(HKEY_CURRENT_USER, kDesktopKey, kLogPixels, REG_DWORD, &dpi, sizeof dpi);
}

ScopedLogPixels::~ScopedLogPixels() {
  if (previous_)
    RegSetKeyValueW(HKEY_CURRENT_USER, kDesktopKey, kLogPixels, REG_DWORD, &*previous_, sizeof(DWORD));
  else
    RegDeleteKeyValueW(HKEY_CURRENT_USER, kDesktopKey, kLogPixels);
}

}  // namespace ravelo::e2e
