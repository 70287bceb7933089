#include "draw/core/text_fit.h"

#include <gtest/gtest.h>

#include <cmath>

namespace ravelo::draw {
namespace {

// A stand-in font: each character as wide as its pixel height, which is the
// size in points rounded to whole pixels (96 dpi), as a real font steps.
MeasureTextWidth WidthOf(int characters) {
  return [characters](float points) { return characters * static_cast<int>(std::lround(points * 96.0f / 72.0f)); };
}

constexpr int kContentWidth = 600;
constexpr float kLeft = 156.0f;  // the shipped layout's text line
constexpr float kPoints = 72.0f;  // 96 pixels a character

TEST(FitTextLine, KeepsTheLayoutForATextThatFitsAndMendsOneThatDoesNot) {
  // 384 pixels from 156 end at 540: as laid out; 576 pixels: moved left to end at the edge.
  EXPECT_EQ(FitTextLine(kLeft, kPoints, kContentWidth, WidthOf(4)), (TextLineFit{kLeft, kPoints}));
  EXPECT_EQ(FitTextLine(kLeft, kPoints, kContentWidth, WidthOf(6)), (TextLineFit{600.0f - 576.0f, kPoints}));
  // 960 pixels: smaller, but not needlessly, and centred.
  const TextLineFit fit = FitTextLine(kLeft, kPoints, kContentWidth, WidthOf(10));
  const int width = WidthOf(10)(fit.points);
  EXPECT_LT(fit.points, kPoints);
  EXPECT_LE(width, kContentWidth);
  EXPECT_GT(WidthOf(10)(fit.points / 0.9f), kContentWidth);
  EXPECT_FLOAT_EQ(fit.left, static_cast<float>(kContentWidth - width) / 2.0f);
}

TEST(FitTextLine, ATextTooLongForAnySizeIsCentredAtTheSmallest) {
  const TextLineFit fit = FitTextLine(kLeft, kPoints, kContentWidth, WidthOf(500));
  EXPECT_EQ(fit, (TextLineFit{(600.0f - 2500.0f) / 2.0f, kSmallestFittingPoints}));  // 5 pixels a character
}

}  // namespace
}  // namespace ravelo::draw
