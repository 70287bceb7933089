#include "bench/locations.h"

#include <windows.h>

#include <vector>

#include "bench/build_locations.h"

namespace ravelo::e2e {
namespace {

std::wstring Environment(const wchar_t* name) {
  const DWORD size = GetEnvironmentVariableW(name, nullptr, 0);
  if (size == 0) return {};
  std::wstring value(size, L'\0');
  const DWORD n = GetEnvironmentVariableW(name, value.data(), size);
  value.resize(n);
  return value;
}

std::wstring EnvironmentOr(const wchar_t* name, const wchar_t* builtIn) {
  std::wstring value = Environment(name);
  return WithTrailingBackslash(value.empty() ? std::wstring(builtIn) : value);
}

}  // namespace

std::wstring WithTrailingBackslash(std::wstring folder) {
  if (!folder.empty() && folder.back() != L'\\') folder += L'\\';
  return folder;
}

std::wstring StagedInstallationFolder() { return EnvironmentOr(L"RAVELO_E2E_STAGE_DIR", RAVELO_E2E_STAGE_DIR); }

std::wstring FailureArtifactFolder() {
  return EnvironmentOr(L"RAVELO_E2E_ARTIFACT_DIR", RAVELO_E2E_ARTIFACT_DIR);
}

std::wstring TestProgramFolder() {
  std::vector<wchar_t> buffer(MAX_PATH);
  for (;;) {
    const DWORD n = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (n < buffer.size()) {
      std::wstring path(buffer.data(), n);
      return path.substr(0, path.find_last_of(L'\\') + 1);
    }
    buffer.resize(buffer.size() * 2);
  }
}

}  // namespace ravelo::e2e
