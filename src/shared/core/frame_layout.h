// Geometry of the skinned window frame of rvo and rvostyle: window size and
// shape, content area, title, window buttons, caption and text line, and the
// command-button row. A pure function of the content size, the four label
// positions and the current sizes of the controls that size themselves; the
// Win32 view (ApplyFrameLayout) applies the rectangles it returns.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <variant>

namespace ravelo {

struct Point {
  int x = 0;
  int y = 0;
  friend bool operator==(const Point&, const Point&) = default;
};

struct PointF {
  float x = 0.0f;
  float y = 0.0f;
  friend bool operator==(const PointF&, const PointF&) = default;
};

struct Size {
  int width = 0;
  int height = 0;
  friend bool operator==(const Size&, const Size&) = default;
};

// Left/top corner and size, in the coordinates of the parent window.
struct Rect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;

  int right() const { return left + width; }
  int bottom() const { return top + height; }
  friend bool operator==(const Rect&, const Rect&) = default;
};

// A line of a window-button glyph, in the button's own pixel coordinates.
// Both end points belong to the line (GDI's LineTo leaves out the last one).
struct LineSegment {
  Point from;
  Point to;
  friend bool operator==(const LineSegment&, const LineSegment&) = default;
};

// Caption and text-line positions as stored in the configuration file
// (pixels inside the content area). Any one of them being 0 asks for centring.
struct LabelPositions {
  float captionTop = 0.0f;
  float captionLeft = 0.0f;
  float textTop = 0.0f;
  float textLeft = 0.0f;
};

// rvo: the minimise and close boxes and the four command buttons I_cmd(1..4)
// (index 0..3), whose sizes are those of their loaded pictures.
struct DrawFrameParts {
  Size minimizeBox{15, 15};
  Size closeBox{15, 15};
  std::array<Size, 4> commandButtons{};
  std::int16_t showButtons = 1;  // exactly 1 shows the row
};

// rvostyle: the label buttons LB_S, LB_R, LB_M and LB_C, sized to their text.
struct StyleFrameParts {
  Size save;
  Size restore;
  Size minimize;
  Size close;
};

struct FrameLayoutInput {
  std::int16_t width = 0;   // content width in pixels
  std::int16_t height = 0;  // content height in pixels
  LabelPositions positions;
  Size captionLabel;  // current size of LPic_cap (it autosizes to its text)
  Size textLabel;     // current size of LPic_txt
  std::variant<DrawFrameParts, StyleFrameParts> parts;
};

struct DrawWindowBoxes {
  Rect minimize;  // in the window
  Rect close;
  std::array<LineSegment, 1> minimizeGlyph;
  std::array<LineSegment, 2> closeGlyph;
  int glyphPen = 1;  // line width
};

struct CommandButtonLayout {
  Rect bounds;           // in the content area; meaningful only when the row is visible
  bool disable = false;  // the layout disables this button (the stop button)
};

struct CommandRowLayout {
  bool visible = false;  // hidden: the buttons keep their previous positions
  std::array<CommandButtonLayout, 4> buttons{};
};

struct DrawFrameLayout {
  DrawWindowBoxes windowBoxes;
  CommandRowLayout commandRow;
};

struct StyleFrameLayout {
  Rect save;  // in the window
  Rect restore;
  Rect minimize;
  Rect close;
};

struct FrameLayout {
  Size window;         // outer window size in pixels
  Rect region;         // rounded-rectangle window shape ...
  Size regionCorner;   // ... and its corner ellipse
  Rect content;        // PicBack, in the window
  Point title;         // LPicBackC, in the window
  bool labelsCentred = false;
  PointF caption;      // LPic_cap left/top in the content area (unrounded)
  PointF text;         // LPic_txt left/top in the content area (unrounded)
  std::optional<DrawFrameLayout> draw;    // set for DrawFrameParts input
  std::optional<StyleFrameLayout> style;  // set for StyleFrameParts input
};

// rvo's command-button row in a content area of this size: right-aligned
// along the bottom, the stop button disabled; hidden unless showButtons is 1.
// The style editor outlines the same places on its preview.
CommandRowLayout LayOutCommandRow(const DrawFrameParts& parts, int contentWidth, int contentHeight);

// The largest content size whose outer window size still fits 16 bits.
inline constexpr std::int16_t kMaxFrameContentWidth = 32756;
inline constexpr std::int16_t kMaxFrameContentHeight = 32732;

// Empty when the outer window size would overflow 16 bits (width above
// kMaxFrameContentWidth or height above kMaxFrameContentHeight); the caller
// must then leave the window as it is.
std::optional<FrameLayout> ComputeFrameLayout(const FrameLayoutInput& input);

}  // namespace ravelo
