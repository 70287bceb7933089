// The names of a draw of several while it flips: one window over the grid's
// area paints them all, backdrop and names composed off screen in one pass,
// so fifty names changing a hundred times a second cost one paint per tick
// instead of fifty. Only the union of the names' old and new places is
// repainted. When the draw stops, each name becomes a label window of its
// own holding its text (draw_window_names.cpp), which screen readers read.
#pragma once

#include <windows.h>

#include <string>
#include <utility>
#include <vector>

#include "shared/core/frame_layout.h"
#include "shared/win/label_font.h"
#include "shared/win/offscreen.h"
#include "shared/win/window.h"

namespace ravelo::win {

class NameGridView final : public Window {
 public:
  struct Name {
    std::wstring text;
    FontSpec font;
    RECT bounds{};  // in the host's client area
  };

  // A hidden child of host, whose backdrop it paints under the names.
  bool Create(HWND host, int controlId, const Backdrop& backdrop);
  // The view covers this part of the host; the fonts are made for dpi.
  void Place(const RECT& area, int dpi);
  // Shows these names (hidden until the first names come).
  void Show(std::vector<Name> names, COLORREF colour);
  void Hide();

 private:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  HFONT FontFor(const FontSpec& wanted);
  // Marks these places (in the host) for repainting, in one step.
  void Invalidate(const std::vector<RECT>& places) const;

  const Backdrop* backdrop_ = nullptr;
  RECT area_{};
  int dpi_ = 96;
  std::vector<Name> names_;
  COLORREF colour_ = RGB(0, 0, 0);
  std::vector<std::pair<FontSpec, Font>> fonts_;  // made at dpi_, few: the grid's size and the odd smaller one
  OffscreenBuffer buffer_;
};

}  // namespace ravelo::win
