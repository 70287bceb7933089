// Owners of the Win32 handles the bench holds: kernel handles and GDI
// objects. Each owner closes its handle exactly once and cannot be copied.
#pragma once

#include <windows.h>

#include <utility>

namespace ravelo::e2e {

// A kernel handle (process, thread, job, snapshot, file) closed with CloseHandle.
class UniqueHandle {
 public:
  UniqueHandle() = default;
  explicit UniqueHandle(HANDLE h) : handle_(h == INVALID_HANDLE_VALUE ? nullptr : h) {}
  UniqueHandle(UniqueHandle&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
  UniqueHandle& operator=(UniqueHandle&& other) noexcept {
    if (this != &other) Reset(std::exchange(other.handle_, nullptr));
    return *this;
  }
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;
  ~UniqueHandle() { Reset(); }

  HANDLE Get() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }
  void Reset(HANDLE h = nullptr) {
    if (handle_) CloseHandle(handle_);
    handle_ = h;
  }

 private:
  HANDLE handle_ = nullptr;
};

// The screen's device context, released on scope exit.
class ScreenDc {
 public:
  ScreenDc() : dc_(GetDC(nullptr)) {}
  ScreenDc(const ScreenDc&) = delete;
  ScreenDc& operator=(const ScreenDc&) = delete;
  ~ScreenDc() {
    if (dc_) ReleaseDC(nullptr, dc_);
  }
  HDC Get() const { return dc_; }

 private:
  HDC dc_;
};

// A memory device context compatible with another one.
class MemoryDc {
 public:
  explicit MemoryDc(HDC compatibleWith) : dc_(CreateCompatibleDC(compatibleWith)) {}
  MemoryDc(const MemoryDc&) = delete;
  MemoryDc& operator=(const MemoryDc&) = delete;
  ~MemoryDc() {
    if (dc_) DeleteDC(dc_);
  }
  HDC Get() const { return dc_; }

 private:
  HDC dc_;
};

// Any GDI object (bitmap, region, brush), deleted with DeleteObject.
template <typename T>
class GdiObject {
 public:
  explicit GdiObject(T object = nullptr) : object_(object) {}
  GdiObject(const GdiObject&) = delete;
  GdiObject& operator=(const GdiObject&) = delete;
  ~GdiObject() {
    if (object_) DeleteObject(object_);
  }
  T Get() const { return object_; }

 private:
  T object_;
};

// Selects a GDI object into a DC and puts the previous one back on scope exit,
// so an object is never deleted while still selected.
class ScopedSelect {
 public:
  ScopedSelect(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
  ScopedSelect(const ScopedSelect&) = delete;
  ScopedSelect& operator=(const ScopedSelect&) = delete;
  ~ScopedSelect() { SelectObject(dc_, previous_); }

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

}  // namespace ravelo::e2e
