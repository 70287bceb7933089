// One tooltip control for the windows of a frame. The common controls
// library is loaded only when the tooltips are made (after the window
// shows), which keeps it out of the program's start. It has no owner: under
// Wine a top-most owned popup (a tooltip is one) stops its owner from being
// made top-most, and the draw window must be able to stay on top.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "shared/win/system_library.h"

namespace ravelo::win {

class Tooltips {
 public:
  Tooltips() = default;
  Tooltips(const Tooltips&) = delete;
  Tooltips& operator=(const Tooltips&) = delete;
  ~Tooltips();

  // Loads the common controls the first time and gives the control the
  // tips added so far; false when they are missing.
  bool Create();
  // Shows text while the pointer rests on window. Before Create the tip is
  // kept, so a window can be given its tips while it is made.
  void Add(HWND window, const std::wstring& text);
  // Replaces the text of a window added before (before Create, adds it).
  void SetText(HWND window, const std::wstring& text);
  // Shows text while the pointer rests on an area of host (client
  // coordinates); areaId tells the areas of one host apart.
  void AddArea(HWND host, UINT_PTR areaId, const RECT& area, const std::wstring& text);

 private:
  struct Tip {
    HWND window;  // the tool's window, or the host of an area
    UINT_PTR areaId;
    RECT area;  // empty: the whole window
    std::wstring text;
  };
  void Give(const Tip& tip) const;

  UniqueModule commonControls_;
  HWND tooltip_ = nullptr;
  std::vector<Tip> pending_;
};

}  // namespace ravelo::win
