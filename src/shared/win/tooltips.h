// One tooltip control for the windows of a frame. It has no owner: under
// Wine a top-most owned popup (a tooltip is one) stops its owner from being
// made top-most, and the draw window must be able to stay on top.
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

  bool Create();
  // Shows text while the pointer rests on window.
  void Add(HWND window, const std::wstring& text);

 private:
  HWND tooltip_ = nullptr;
};

}  // namespace ravelo::win
