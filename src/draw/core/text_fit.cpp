#include "draw/core/text_fit.h"

#include <algorithm>

namespace ravelo::draw {
namespace {

// Each try shrinks by at least this share: a font's size grows in steps of
// whole pixels of height, so a size scaled by the exact overshoot may still
// round to the same font.
constexpr float kLeastShrink = 0.97f;
constexpr int kMostTries = 64;

bool Fits(Size size, Size content) { return size.width <= content.width && size.height <= content.height; }

// The share of the size that fits the area (below 1 when it does not).
float FittingShare(Size size, Size content) {
  float share = 1.0f;
  if (size.width > 0) share = std::min(share, static_cast<float>(content.width) / static_cast<float>(size.width));
  if (size.height > 0) share = std::min(share, static_cast<float>(content.height) / static_cast<float>(size.height));
  return share;
}

// A coordinate moved just far enough for [at, at + length] to lie in [0, extent].
float KeepInside(float at, int length, int extent) {
  if (at + static_cast<float>(length) > static_cast<float>(extent)) at = static_cast<float>(extent - length);
  return std::max(at, 0.0f);
}

float Centred(int length, int extent) { return static_cast<float>(extent - length) / 2.0f; }

}  // namespace

TextLineFit FitTextLine(const TextLineLayout& layout, Size content, const MeasureText& sizeAt) {
  float points = layout.points;
  Size shown = sizeAt(points);
  const bool tooWide = shown.width > content.width;
  const bool tooTall = shown.height > content.height;
  for (int i = 0; i < kMostTries && !Fits(shown, content) && points > kSmallestFittingPoints; ++i) {
    points = std::max(kSmallestFittingPoints, std::min(points * FittingShare(shown, content), points * kLeastShrink));
    shown = sizeAt(points);
  }
  const float left = layout.centreX ? *layout.centreX - static_cast<float>(shown.width) / 2.0f : layout.place.x;
  return {{tooWide ? Centred(shown.width, content.width) : KeepInside(left, shown.width, content.width),
           tooTall ? Centred(shown.height, content.height) : KeepInside(layout.place.y, shown.height, content.height)},
          points};
}

}  // namespace ravelo::draw
