// One tooltip control for the windows of a frame.
#pragma once

#include <windows.h>

#include <string>

namespace ravelo::win {

class Tooltips {
 public:
  Tooltips() = default;
  Tooltips(const Tooltips&) = delete;
  Tooltips& operator=(const Tooltips&) = delete;
  ~Tooltips();

  bool Create(HWND owner);
  // Shows text while the pointer rests on window.
  void Add(HWND window, const std::wstring& text);

 private:
  HWND tooltip_ = nullptr;
};

}  // namespace ravelo::win
