// Plain value types of the bench: screen points, rectangles and colours, with
// equality and gtest printing so that failed comparisons read well.
#pragma once

#include <windows.h>

#include <cstdint>
#include <iosfwd>

namespace ravelo::e2e {

struct Point {
  int x = 0;
  int y = 0;
  friend bool operator==(const Point&, const Point&) = default;
  Point operator+(Point d) const { return {x + d.x, y + d.y}; }
  Point operator-(Point d) const { return {x - d.x, y - d.y}; }
};

// Right and bottom are exclusive, as in RECT.
struct Rect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;

  static Rect From(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }
  static Rect FromSize(int x, int y, int width, int height) { return {x, y, x + width, y + height}; }
  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  Point TopLeft() const { return {left, top}; }
  Point Center() const { return {left + Width() / 2, top + Height() / 2}; }
  bool Contains(Point p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }
  bool Empty() const { return Width() <= 0 || Height() <= 0; }
  Rect Offset(Point d) const { return {left + d.x, top + d.y, right + d.x, bottom + d.y}; }
  friend bool operator==(const Rect&, const Rect&) = default;
};

// A 24-bit colour. Win32 keeps colours as COLORREF 0x00BBGGRR (red in the
// low byte), which is also how the configuration file stores them.
struct Color {
  std::uint8_t r = 0;
  std::uint8_t g = 0;
  std::uint8_t b = 0;

  COLORREF ToColorref() const { return RGB(r, g, b); }
  // True when every channel differs by at most tolerance.
  bool Near(Color other, int tolerance) const;
  friend bool operator==(const Color&, const Color&) = default;
};

void PrintTo(const Point& p, std::ostream* os);
void PrintTo(const Rect& r, std::ostream* os);
void PrintTo(const Color& c, std::ostream* os);  // as #RRGGBB

}  // namespace ravelo::e2e
