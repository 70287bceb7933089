#include "draw/core/text_fit.h"

#include <gtest/gtest.h>

#include <cmath>

namespace ravelo::draw {
namespace {

// A stand-in font: each character as wide as its pixel height, which is the
// size in points rounded to whole pixels (96 dpi), as a real font steps.
int PixelsOf(float points) { return static_cast<int>(std::lround(points * 96.0f / 72.0f)); }
MeasureText SizeOf(int characters) {
  return [characters](float points) { return Size{characters * PixelsOf(points), PixelsOf(points)}; };
}
bool Fits(Size size, Size content) { return size.width <= content.width && size.height <= content.height; }

constexpr Size kContent{600, 450};
constexpr float kPoints = 72.0f;  // 96 pixels a character
constexpr TextLineLayout kPlaced{{156.0f, 250.0f}, kPoints, std::nullopt};  // explicit positions
constexpr TextLineLayout kCentred{{156.0f, 250.0f}, kPoints, 300.0f};       // "开始啦" centred on 300

TEST(FitTextLine, ANameThatFitsStandsWhereTheLayoutPutsTheLine) {
  // 2 characters, 192 pixels: the explicit left edge, or centred on the line's centre.
  EXPECT_EQ(FitTextLine(kPlaced, kContent, SizeOf(2)), (TextLineFit{{156.0f, 250.0f}, kPoints}));
  EXPECT_EQ(FitTextLine(kCentred, kContent, SizeOf(2)), (TextLineFit{{204.0f, 250.0f}, kPoints}));
  EXPECT_EQ(FitTextLine(kCentred, kContent, SizeOf(5)), (TextLineFit{{60.0f, 250.0f}, kPoints}));
}

TEST(FitTextLine, ANameThatWouldPassAnEdgeMovesJustInside) {
  // 6 characters from 156 end at 732: left to end at 600. From top 400 the
  // 96 pixels end at 496: up to end at 450. Edges above and left: in to 0.
  EXPECT_EQ(FitTextLine({{156.0f, 400.0f}, kPoints, std::nullopt}, kContent, SizeOf(6)),
            (TextLineFit{{24.0f, 354.0f}, kPoints}));
  EXPECT_EQ(FitTextLine({{-30.0f, -5.0f}, kPoints, std::nullopt}, kContent, SizeOf(2)),
            (TextLineFit{{0.0f, 0.0f}, kPoints}));
}

// Every size from 4 to 1,000 points, short and long names, in the shipped
// area and the smallest: the largest size that fits (the configured one
// when it does), inside the area, centred in each direction it was too
// large in; at 4 points a name still too large is centred and cut.
TEST(FitTextLine, AtAnySizeANameIsShownInTheLargestSizeThatFits) {
  for (const Size content : {kContent, Size{250, 100}}) {
    for (const int characters : {1, 2, 4, 10, 60}) {
      const MeasureText sizeAt = SizeOf(characters);
      for (int configured = 4; configured <= 1000; ++configured) {
        SCOPED_TRACE(testing::Message() << content.width << "x" << content.height << ", " << characters
                                        << " characters at " << configured << " pt");
        const auto points = static_cast<float>(configured);
        const Size asConfigured = sizeAt(points);
        for (const TextLineFit fit : {FitTextLine({{20.0f, 30.0f}, points, std::nullopt}, content, sizeAt),
                                      FitTextLine({{20.0f, 30.0f}, points, static_cast<float>(content.width) / 2.0f}, content, sizeAt)}) {
          const Size shown = sizeAt(fit.points);
          if (Fits(asConfigured, content)) {
            ASSERT_EQ(fit.points, points);
          } else if (fit.points > kSmallestFittingPoints) {
            ASSERT_TRUE(Fits(shown, content));
            ASSERT_FALSE(Fits(sizeAt(fit.points * 1.05f + 1.0f), content)) << "needlessly small: " << fit.points;
          } else {
            ASSERT_EQ(fit.points, kSmallestFittingPoints);
          }
          const auto centred = [](int length, int extent) { return static_cast<float>(extent - length) / 2.0f; };
          if (asConfigured.width > content.width) ASSERT_EQ(fit.place.x, centred(shown.width, content.width));
          else ASSERT_TRUE(fit.place.x >= 0 && fit.place.x + static_cast<float>(shown.width) <= static_cast<float>(content.width));
          if (asConfigured.height > content.height) ASSERT_EQ(fit.place.y, centred(shown.height, content.height));
          else ASSERT_TRUE(fit.place.y >= 0 && fit.place.y + static_cast<float>(shown.height) <= static_cast<float>(content.height));
        }
      }
    }
  }
}

}  // namespace
}  // namespace ravelo::draw
