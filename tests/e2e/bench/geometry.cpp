#include "bench/geometry.h"

#include <cstdio>
#include <cstdlib>
#include <ostream>

namespace ravelo::e2e {

bool Color::Near(Color other, int tolerance) const {
  return std::abs(r - other.r) <= tolerance && std::abs(g - other.g) <= tolerance &&
         std::abs(b - other.b) <= tolerance;
}

void PrintTo(const Point& p, std::ostream* os) { *os << "(" << p.x << ", " << p.y << ")"; }

void PrintTo(const Rect& r, std::ostream* os) {
  *os << "[" << r.left << ", " << r.top << " - " << r.right << ", " << r.bottom << "] (" << r.Width() << "x"
      << r.Height() << ")";
}

void PrintTo(const Color& c, std::ostream* os) {
  char text[8];
  std::snprintf(text, sizeof text, "#%02X%02X%02X", c.r, c.g, c.b);
  *os << text;
}

}  // namespace ravelo::e2e
