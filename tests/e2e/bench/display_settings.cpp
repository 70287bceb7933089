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
  explicit RegistryKey(const wchar_t* path = kX11DriverKey) {
    if (RegCreateKeyExW(HKEY_CURRENT_USER, path, 0, nullptr, 0, KEY_QUERY_VALUE | KEY_SET_VALUE, nullptr,
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

std::optional<DWORD> ReadDword(HKEY key, const wchar_t* name) {
  DWORD value = 0;
  DWORD size = sizeof value;
  DWORD type = 0;
  if (RegQueryValueExW(key, name, nullptr, &type, reinterpret_cast<BYTE*>(&value), &size) != ERROR_SUCCESS ||
      type != REG_DWORD)
    return std::nullopt;
  return value;
}

void WriteDword(HKEY key, const wchar_t* name, DWORD value) {
  RegSetValueExW(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
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
  RegistryKey key(kDesktopKey);
  previous_ = ReadDword(key.Get(), kLogPixels);
  WriteDword(key.Get(), kLogPixels, dpi);
}

ScopedLogPixels::~ScopedLogPixels() {
  RegistryKey key(kDesktopKey);
  if (previous_)
    WriteDword(key.Get(), kLogPixels, *previous_);
  else
    RegDeleteValueW(key.Get(), kLogPixels);
}

}  // namespace ravelo::e2e
