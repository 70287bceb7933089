// Transparent text labels that size themselves to their text, and the
// canvas that paints them together with what lies behind them.
//
// Each label is a child window whose window text is its caption (screen
// readers and test tools read it with WM_GETTEXT) and which receives its own
// mouse input, but the painting is the canvas's. The host paints its
// backdrop straight (its DC leaves the label windows out); a label window's
// area is composed off screen, backdrop and every label over it, and copied
// in one step. A changed label repaints only the union of its old and new
// rectangles, so a text line that changes a hundred times a second neither
// flickers nor repaints the whole window.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "shared/core/display_scale.h"
#include "shared/core/frame_layout.h"
#include "shared/win/accessible.h"
#include "shared/win/gdi.h"
#include "shared/win/label_font.h"
#include "shared/win/offscreen.h"
#include "shared/win/window.h"

namespace ravelo::win {

class TextLabel;

class LabelCanvas {
 public:
  LabelCanvas() = default;
  LabelCanvas(const LabelCanvas&) = delete;
  LabelCanvas& operator=(const LabelCanvas&) = delete;

  void Attach(HWND host, const Backdrop& backdrop);
  HWND Host() const { return host_; }
  void Add(TextLabel& label);

  // The scale of the host's window: the labels' fonts are made for its DPI.
  // A new scale remakes every label's font (positions are the caller's).
  void SetScale(const DisplayScale& scale);
  const DisplayScale& Scale() const { return scale_; }

  // Paints an area of the host's own surface: the backdrop alone, since
  // every label is a child window that paints itself (and the host's DC
  // leaves the children out).
  void PaintHost(HDC dc, const RECT& area) const;
  // Paints area (host client coordinates) of a label window into dc, whose
  // origin lies at dcOrigin in host coordinates: backdrop and every label
  // over the area, composed off screen.
  void PaintLabelArea(HDC dc, const RECT& area, POINT dcOrigin);
  // Marks area of the host, and of the child windows over it, for repainting.
  void Invalidate(const RECT& area) const;
  // A dotted frame around one label (chosen with the keyboard), or none;
  // call again after the label moved.
  void MarkLabel(const TextLabel* label);

  HDC MeasuringDc() const { return measure_.Get(); }

 private:
  HWND host_ = nullptr;
  const Backdrop* backdrop_ = nullptr;
  std::vector<TextLabel*> labels_;
  const TextLabel* marked_ = nullptr;
  RECT markBounds_{};  // where the mark was drawn last
  DisplayScale scale_;
  OffscreenBuffer buffer_;
  MemoryDc measure_;
};

class TextLabel final : public Window {
 public:
  struct InitialState {
    std::wstring_view text;
    FontSpec font;
    COLORREF colour = RGB(0, 0, 0);
    PointF position;
    int wrapWidth = 0;  // > 0: lines wrap at this width, which the label keeps
  };
  // Mouse events with the VB-style button state (1 left, 2 right, 4 middle)
  // and the pointer in the label's own pixels.
  std::function<void(int button, POINT at)> onMouseDown;
  std::function<void(int buttons, POINT at)> onMouseMove;
  std::function<void(int button, POINT at)> onMouseUp;

  bool Create(LabelCanvas& canvas, int controlId, const InitialState& initial);

  // Each setter resizes the label to its text and repaints what changed.
  void SetText(std::wstring_view text);
  // False when no such font can be made; the label keeps its font.
  bool SetFont(const FontSpec& font);
  void SetColour(COLORREF colour);
  // Left and top in the host (device pixels), kept unrounded; the window
  // stands at the nearest pixel.
  void SetPosition(PointF leftTop);
  // Text, font and place in one step: one move and one repaint of what
  // changed. A font that cannot be made leaves the label's font.
  void Show(std::wstring_view text, const FontSpec& font, PointF leftTop);
  // The size text would take in font, the label left as it is.
  ravelo::Size Measure(std::wstring_view text, const FontSpec& font) const;
  void SetCursor(HCURSOR cursor) { cursor_ = cursor; }
  // What a screen reader is told of the label (its name is its text).
  void DescribeForScreenReaders(AccessibleDescription description) {
    accessibility_.Describe(Handle(), std::move(description));
  }

  const std::wstring& Text() const { return text_; }
  const FontSpec& FontOf() const { return fontSpec_; }
  COLORREF Colour() const { return colour_; }
  PointF Position() const { return position_; }
  ravelo::Size SizeOf() const { return {bounds_.right - bounds_.left, bounds_.bottom - bounds_.top}; }
  RECT Bounds() const { return bounds_; }  // in the host

  // Draws the text into a DC in host coordinates (used by the canvas).
  void DrawOn(HDC hostDc) const;
  // Remakes the font for the canvas's scale (used by the canvas).
  void Rescale() {
    measureFont_ = Font();
    measured_.reset();
    SetFont(fontSpec_);
  }

 private:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  UINT Format() const;
  SIZE MeasureText() const;
  SIZE MeasureWith(std::wstring_view text, HFONT font, bool italic) const;
  void Refit();

  LabelCanvas* canvas_ = nullptr;
  std::wstring text_;
  FontSpec fontSpec_;
  Font font_;
  COLORREF colour_ = RGB(0, 0, 0);
  PointF position_;
  RECT bounds_{};
  int wrapWidth_ = 0;
  HCURSOR cursor_ = nullptr;
  Accessibility accessibility_;
  // The font and result of the last Measure, which Show and the next
  // refit take over instead of making and measuring again.
  mutable FontSpec measureSpec_;
  mutable Font measureFont_;
  struct Measured {
    std::wstring text;
    FontSpec font;
    SIZE size{};
  };
  mutable std::optional<Measured> measured_;
};

// The pixel a label's unrounded coordinate stands on.
int PixelOf(float coordinate);

}  // namespace ravelo::win
