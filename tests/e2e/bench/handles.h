// Owners of the Win32 handles the bench holds: kernel handles here, GDI
// objects from the programs' shared ones. Each owner closes its handle
// exactly once and cannot be copied.
#pragma once

#include <windows.h>

#include <utility>

#include "shared/win/gdi.h"

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

// The GDI owners are the programs' own.
using win::CreateTopDownDib;
using win::GdiObject;
using win::MemoryDc;
using win::ScopedSelect;
using win::WindowDc;

}  // namespace ravelo::e2e
