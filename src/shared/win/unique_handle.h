// Owners of Win32 handles: one template, one owner type per kind of handle.
// Each owner releases its handle exactly once and cannot be copied.
// INVALID_HANDLE_VALUE, which CreateFileW and FindFirstFileW return on
// failure, is held as no handle at all.
#pragma once

#include <windows.h>

#include <utility>

namespace ravelo::win {

template <typename T, typename Traits>
class UniqueResource {
 public:
  UniqueResource() = default;
  explicit UniqueResource(T handle) : handle_(Traits::Adopt(handle)) {}
  UniqueResource(UniqueResource&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
  UniqueResource& operator=(UniqueResource&& other) noexcept {
    if (this != &other) Reset(std::exchange(other.handle_, nullptr));
    return *this;
  }
  UniqueResource(const UniqueResource&) = delete;
  UniqueResource& operator=(const UniqueResource&) = delete;
  ~UniqueResource() { Reset(); }

  T Get() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }
  void Reset(T handle = nullptr) {
    if (handle_) Traits::Close(handle_);
    handle_ = Traits::Adopt(handle);
  }
  // Hands the handle to a new owner (SetWindowRgn takes the region).
  T Release() { return std::exchange(handle_, nullptr); }
  // Releases now and says whether the system did: a file written through
  // the handle may report a failed flush only here.
  bool Close() {
    const T handle = std::exchange(handle_, nullptr);
    return handle != nullptr && Traits::Close(handle) != FALSE;
  }

 private:
  T handle_ = nullptr;
};

struct KernelHandleTraits {
  static HANDLE Adopt(HANDLE h) { return h == INVALID_HANDLE_VALUE ? nullptr : h; }
  static BOOL Close(HANDLE h) { return CloseHandle(h); }
};

struct FindHandleTraits {
  static HANDLE Adopt(HANDLE h) { return h == INVALID_HANDLE_VALUE ? nullptr : h; }
  static BOOL Close(HANDLE h) { return FindClose(h); }
};

struct ModuleTraits {
  static HMODULE Adopt(HMODULE module) { return module; }
  static BOOL Close(HMODULE module) { return FreeLibrary(module); }
};

struct GdiObjectTraits {
  template <typename T>
  static T Adopt(T object) { return object; }
  static BOOL Close(HGDIOBJ object) { return DeleteObject(object); }
};

struct MenuTraits {
  static HMENU Adopt(HMENU menu) { return menu; }
  static BOOL Close(HMENU menu) { return DestroyMenu(menu); }
};

// Process, thread, job, snapshot, file and mapping handles.
using UniqueHandle = UniqueResource<HANDLE, KernelHandleTraits>;
// Searches begun with FindFirstFileW.
using UniqueFindHandle = UniqueResource<HANDLE, FindHandleTraits>;
// DLLs loaded at run time.
using UniqueModule = UniqueResource<HMODULE, ModuleTraits>;
// Menus built at run time (a submenu goes with its parent).
using UniqueMenu = UniqueResource<HMENU, MenuTraits>;
// A GDI object (font, brush, pen, bitmap, region) deleted with DeleteObject.
template <typename T>
using GdiObject = UniqueResource<T, GdiObjectTraits>;

}  // namespace ravelo::win
