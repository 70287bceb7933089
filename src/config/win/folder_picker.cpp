#include "config/win/folder_picker.h"

#include <shlobj.h>
#include <shobjidl.h>

#include "shared/win/com.h"
#include "shared/win/system_library.h"

namespace ravelo::win::config {
namespace {

using CoInitializeExFn = HRESULT(WINAPI*)(void*, DWORD);
using CoUninitializeFn = void(WINAPI*)();
using CoCreateInstanceFn = HRESULT(WINAPI*)(REFCLSID, IUnknown*, DWORD, REFIID, void**);
using CoTaskMemFreeFn = void(WINAPI*)(void*);
using ParseNameFn = HRESULT(WINAPI*)(PCWSTR, IBindCtx*, REFIID, void**);
using BrowseFn = PIDLIST_ABSOLUTE(WINAPI*)(LPBROWSEINFOW);
using PathOfFn = BOOL(WINAPI*)(PCIDLIST_ABSOLUTE, LPWSTR);

const UniqueModule& Ole32() {
  static const UniqueModule module = LoadSystemLibrary(L"ole32.dll");
  return module;
}
const UniqueModule& Shell32() {
  static const UniqueModule module = LoadSystemLibrary(L"shell32.dll");
  return module;
}

// COM for the time of one dialog.
class ComScope {
 public:
  ComScope() {
    const auto initialise = ProcAddress<CoInitializeExFn>(Ole32().Get(), "CoInitializeEx");
    initialised_ = initialise && SUCCEEDED(initialise(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE));
  }
  ComScope(const ComScope&) = delete;
  ComScope& operator=(const ComScope&) = delete;
  ~ComScope() {
    if (!initialised_) return;
    if (const auto uninitialise = ProcAddress<CoUninitializeFn>(Ole32().Get(), "CoUninitialize")) uninitialise();
  }

 private:
  bool initialised_ = false;
};

// nullopt: this dialog is not available (so the older one is tried); an
// empty string: the operator cancelled.
std::optional<std::wstring> PickWithFileDialog(HWND owner, const std::wstring& title, const std::wstring& start) {
  const auto create = ProcAddress<CoCreateInstanceFn>(Ole32().Get(), "CoCreateInstance");
  const auto free = ProcAddress<CoTaskMemFreeFn>(Ole32().Get(), "CoTaskMemFree");
  if (!create || !free) return std::nullopt;
  ComPtr<IFileOpenDialog> dialog;
  if (FAILED(create(CLSID_FileOpenDialog, nullptr, CLSCTX_INPROC_SERVER, IID_IFileOpenDialog,
                    reinterpret_cast<void**>(dialog.Put()))))
    return std::nullopt;
  FILEOPENDIALOGOPTIONS options = 0;
  dialog->GetOptions(&options);
  if (FAILED(dialog->SetOptions(options | FOS_PICKFOLDERS | FOS_FORCEFILESYSTEM | FOS_PATHMUSTEXIST)))
    return std::nullopt;
  dialog->SetTitle(title.c_str());
  if (const auto parse = ProcAddress<ParseNameFn>(Shell32().Get(), "SHCreateItemFromParsingName")) {
    ComPtr<IShellItem> folder;
    if (!start.empty() && SUCCEEDED(parse(start.c_str(), nullptr, IID_IShellItem, reinterpret_cast<void**>(folder.Put()))))
      dialog->SetFolder(folder.Get());
  }
  if (FAILED(dialog->Show(owner))) return std::wstring();
  ComPtr<IShellItem> chosen;
  if (FAILED(dialog->GetResult(chosen.Put()))) return std::wstring();
  PWSTR path = nullptr;
  if (FAILED(chosen->GetDisplayName(SIGDN_FILESYSPATH, &path)) || !path) return std::wstring();
  std::wstring result(path);
  free(path);
  return result;
}

std::optional<std::wstring> PickWithFolderTree(HWND owner, const std::wstring& title) {
  const auto browse = ProcAddress<BrowseFn>(Shell32().Get(), "SHBrowseForFolderW");
  const auto pathOf = ProcAddress<PathOfFn>(Shell32().Get(), "SHGetPathFromIDListW");
  const auto free = ProcAddress<CoTaskMemFreeFn>(Ole32().Get(), "CoTaskMemFree");
  if (!browse || !pathOf || !free) return std::nullopt;
  BROWSEINFOW info{};
  info.hwndOwner = owner;
  info.lpszTitle = title.c_str();
  info.ulFlags = BIF_RETURNONLYFSDIRS | BIF_NEWDIALOGSTYLE;
  PIDLIST_ABSOLUTE chosen = browse(&info);
  if (!chosen) return std::nullopt;
  wchar_t path[MAX_PATH] = {};
  const bool found = pathOf(chosen, path);
  free(chosen);
  if (!found || !path[0]) return std::nullopt;
  return std::wstring(path);
}

}  // namespace

std::optional<std::wstring> PickFolder(HWND owner, const std::wstring& title, const std::wstring& start) {
  const ComScope com;
  if (auto picked = PickWithFileDialog(owner, title, start)) {
    if (picked->empty()) return std::nullopt;
    return picked;
  }
  return PickWithFolderTree(owner, title);
}

}  // namespace ravelo::win::config
