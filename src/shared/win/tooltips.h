// One tooltip control for the windows of a frame. The common controls
// library is loaded only when the tooltips are made (after the window
// shows), which keeps it out of the program's start. It has no owner: under
// Wine a top-most owned popup (a tooltip is one) stops its owner from being
// made top-most, and the draw window must be able to stay on top.
#pragma once

#include <windows.h>

#include <string>

#include "shared/win/system_library.h"

namespace ravelo::win {

class Tooltips {
 public:
  Tooltips() = default;
  Tooltips(const Tooltips&) = delete;
  Tooltips& operator=(const Tooltips&) = delete;
  ~Tooltips();

  // Loads the common controls the first time; false when they are missing.
  bool Create();
  bool Created() const { return tooltip_ != nullptr; }
  // Shows text while the pointer rests on window.
  void Add(HWND window, const std::wstring& text);
  // Replaces the text of a window added before.
  void SetText(HWND window, const std::wstring& text);
  // Shows text while the pointer rests on an area of host (client
  // coordinates); areaId tells the areas of one host apart.
  void AddArea(HWND host, UINT_PTR areaId, const RECT& area, const std::wstring& text);

 private:
  UniqueModule commonControls_;
  HWND tooltip_ = nullptr;
};

}  // namespace ravelo::win
