#include "shared/core/display_scale.h"

#include <gtest/gtest.h>

namespace ravelo {
namespace {

TEST(DisplayScale, RoundsOnceHalfAwayFromZero) {
  struct Case {
    int dpi, design, device;
  };
  for (const Case& c : {Case{96, 7, 7}, Case{120, 2, 3}, Case{120, -2, -3}, Case{144, 5, 8}, Case{144, 15, 23},
                        Case{192, 611, 1222}, Case{0, 600, 600}}) {
    EXPECT_EQ(DisplayScale(c.dpi).ToDevice(c.design), c.device) << c.dpi << " " << c.design;
  }
}

TEST(DisplayScale, StoredPositionsSurviveTheTripToTheScreenAndBack) {
  for (int dpi : {96, 120, 144, 192}) {
    const DisplayScale scale(dpi);
    for (int design = -50; design <= 2000; ++design)
      ASSERT_EQ(scale.ToDesign(scale.ToDevice(design)), design) << dpi;
  }
}

// Edges are converted, so touching rectangles keep touching.
TEST(DisplayScale, LayoutKeepsEdgesAndLabelFractionsAndScalesTheGlyphs) {
  FrameLayoutInput input;
  input.width = 600;
  input.height = 450;
  input.positions = {101.0f, 33.0f, 201.0f, 45.0f};
  const FrameLayout device = ToDevice(*ComputeFrameLayout(input), DisplayScale(144));
  EXPECT_EQ(device.window, (Size{917, 728}));
  EXPECT_EQ(device.content, (Rect{8, 45, 900, 675}));
  EXPECT_EQ(device.caption, (PointF{49.5f, 151.5f}));
  EXPECT_EQ(device.draw->windowBoxes.close, (Rect{882, 14, 23, 22}));
  EXPECT_EQ(device.draw->windowBoxes.closeGlyph[0], (LineSegment{{6, 6}, {17, 17}}));
  EXPECT_EQ(device.draw->windowBoxes.glyphPen, 2);
}

TEST(DisplayScale, ScreenIsReportedInDesignPixelsRoundedDown) {
  EXPECT_EQ(ToDesign(DisplayMode{1920, 1080}, DisplayScale(144)), (DisplayMode{1280, 720}));
  EXPECT_EQ(ToDesign(DisplayMode{1366, 768}, DisplayScale(120)), (DisplayMode{1092, 614}));
}

}  // namespace
}  // namespace ravelo
