#include "shared/win/common_dialogs.h"

#include <algorithm>

#include <commdlg.h>

#include <vector>

#include "shared/win/common_controls_context.h"
#include "shared/win/gdi.h"
#include "shared/win/system_library.h"

namespace ravelo::win {

HMODULE CommonDialogs::Library() {
  if (!comdlg32_) comdlg32_ = LoadSystemLibrary(L"comdlg32.dll");
  return comdlg32_.Get();
}

std::optional<COLORREF> CommonDialogs::ChooseColour(HWND owner) {
  const ScopedCommonControls themed;
  const auto choose = ProcAddress<BOOL(WINAPI*)(CHOOSECOLORW*)>(Library(), "ChooseColorW");
  if (!choose) return std::nullopt;
  CHOOSECOLORW dialog{};
  dialog.lStructSize = sizeof(dialog);
  dialog.hwndOwner = owner;
  dialog.rgbResult = colour_;
  dialog.lpCustColors = customColours_.data();
  dialog.Flags = CC_RGBINIT | CC_ANYCOLOR;
  if (!choose(&dialog)) return std::nullopt;
  colour_ = dialog.rgbResult & 0xFFFFFF;
  return colour_;
}

std::optional<FontSpec> CommonDialogs::ChooseLabelFont(HWND owner, const FontSpec& preset) {
  const ScopedCommonControls themed;
  const auto choose = ProcAddress<BOOL(WINAPI*)(CHOOSEFONTW*)>(Library(), "ChooseFontW");
  if (!choose) return std::nullopt;
  LOGFONTW font = LabelLogFont(preset, ScreenDpiY());
  CHOOSEFONTW dialog{};
  dialog.lStructSize = sizeof(dialog);
  dialog.hwndOwner = owner;
  dialog.lpLogFont = &font;
  // Screen fonts: the labels are shown on the screen, and no printer may exist.
  dialog.Flags = CF_SCREENFONTS | CF_INITTOLOGFONTSTRUCT;
  if (!choose(&dialog)) return std::nullopt;
  FontSpec chosen;
  chosen.name = font.lfFaceName;
  chosen.points = static_cast<float>(dialog.iPointSize) / 10.0f;
  chosen.bold = font.lfWeight >= FW_BOLD;
  chosen.italic = font.lfItalic != 0;
  return chosen;
}

namespace {

// The open and save dialogs differ only in their function, flags and what
// the name box starts with.
std::optional<std::wstring> RunFileDialog(HMODULE library, const char* function, HWND owner,
                                          const OpenFileRequest& request, DWORD flags,
                                          const std::wstring& defaultName, const std::wstring& defaultExtension) {
  const ScopedCommonControls themed;
  const auto run = ProcAddress<BOOL(WINAPI*)(OPENFILENAMEW*)>(library, function);
  if (!run) return std::nullopt;
  const std::wstring filter = DialogFilter(request.filter);
  std::vector<wchar_t> path(32768, L'\0');
  defaultName.copy(path.data(), std::min(defaultName.size(), path.size() - 1));
  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof(dialog);
  dialog.hwndOwner = owner;
  dialog.lpstrFilter = filter.c_str();
  dialog.nFilterIndex = static_cast<DWORD>(request.filterIndex);
  dialog.lpstrFile = path.data();
  dialog.nMaxFile = static_cast<DWORD>(path.size());
  dialog.lpstrTitle = request.title.c_str();
  dialog.lpstrDefExt = defaultExtension.empty() ? nullptr : defaultExtension.c_str();
  // The current folder stays the program's.
  dialog.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR | flags;
  if (!run(&dialog)) return std::nullopt;
  return std::wstring(path.data());
}

}  // namespace

std::optional<std::wstring> CommonDialogs::OpenFile(HWND owner, const OpenFileRequest& request) {
  return RunFileDialog(Library(), "GetOpenFileNameW", owner, request, OFN_FILEMUSTEXIST, {}, {});
}

std::optional<std::wstring> CommonDialogs::SaveFile(HWND owner, const OpenFileRequest& request,
                                                   const std::wstring& defaultName,
                                                   const std::wstring& defaultExtension) {
  return RunFileDialog(Library(), "GetSaveFileNameW", owner, request, OFN_OVERWRITEPROMPT, defaultName,
                       defaultExtension);
}

std::wstring DialogFilter(const std::wstring& pairs) {
  std::wstring filter = pairs;
  for (auto& c : filter)
    if (c == L'|') c = L'\0';
  filter.push_back(L'\0');
  filter.push_back(L'\0');
  return filter;
}

}  // namespace ravelo::win
