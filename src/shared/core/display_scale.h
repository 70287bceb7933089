// Design pixels against device pixels. Every length of the design (window
// and control geometry, the stored sizes and positions) is in 96-DPI pixels;
// a window shows it at its display's DPI. Each conversion rounds once, half
// away from zero, so that stored values survive the trip to the screen and
// back at every scale from 100 % up.
#pragma once

#include "shared/core/frame_layout.h"
#include "shared/core/probes.h"

namespace ravelo {

class DisplayScale {
 public:
  static constexpr int kDesignDpi = 96;

  // A DPI of 0 or less (a failed query) means the design scale.
  explicit constexpr DisplayScale(int dpi = kDesignDpi) : dpi_(dpi > 0 ? dpi : kDesignDpi) {}

  int Dpi() const { return dpi_; }

  int ToDevice(int design) const;
  float ToDevice(float design) const;  // unrounded: labels keep fractions
  Size ToDevice(Size design) const;
  Point ToDevice(Point design) const;
  PointF ToDevice(PointF design) const;
  // The edges are converted, so rectangles that touch keep touching.
  Rect ToDevice(const Rect& design) const;

  int ToDesign(int device) const;
  float ToDesign(float device) const;  // unrounded
  Size ToDesign(Size device) const;
  PointF ToDesign(PointF device) const;

  friend bool operator==(const DisplayScale&, const DisplayScale&) = default;

 private:
  int dpi_;
};

// The layout, computed in design pixels, as the window shows it.
FrameLayout ToDevice(const FrameLayout& design, const DisplayScale& scale);

// The screen in design pixels, rounded down so the design never claims
// more room than the screen has.
DisplayMode ToDesign(const DisplayMode& physical, const DisplayScale& scale);

}  // namespace ravelo
