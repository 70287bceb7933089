#include "draw/core/text_fit.h"

#include <algorithm>

namespace ravelo::draw {
namespace {

// Each try shrinks by at least this share: a font's width grows in steps of
// whole pixels of height, so a size scaled by the exact overshoot may still
// round to the same font.
constexpr float kLeastShrink = 0.97f;
constexpr int kMostTries = 64;

}  // namespace

TextLineFit FitTextLine(float configuredLeft, float configuredPoints, int contentWidth,
                        const MeasureTextWidth& widthAt) {
  const int width = widthAt(configuredPoints);
  if (configuredLeft + static_cast<float>(width) <= static_cast<float>(contentWidth))
    return {configuredLeft, configuredPoints};
  if (width <= contentWidth) return {static_cast<float>(contentWidth - width), configuredPoints};

  float points = configuredPoints;
  int shown = width;
  for (int i = 0; i < kMostTries && shown > contentWidth && points > kSmallestFittingPoints; ++i) {
    const float scaled = points * static_cast<float>(contentWidth) / static_cast<float>(shown);
    points = std::max(kSmallestFittingPoints, std::min(scaled, points * kLeastShrink));
    shown = widthAt(points);
  }
  return {static_cast<float>(contentWidth - shown) / 2.0f, points};
}

}  // namespace ravelo::draw
