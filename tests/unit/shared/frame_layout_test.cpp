#include "shared/core/frame_layout.h"

#include <gtest/gtest.h>

#include <utility>

namespace ravelo {
namespace {

DrawFrameParts DrawParts(std::int16_t showButtons = 1) {
  DrawFrameParts parts;
  parts.commandButtons = {Size{40, 30}, Size{41, 31}, Size{42, 32}, Size{43, 33}};
  parts.showButtons = showButtons;
  return parts;
}

FrameLayoutInput DrawInput(std::int16_t width = 600, std::int16_t height = 450) {
  FrameLayoutInput in;
  in.width = width;
  in.height = height;
  in.captionLabel = {120, 40};
  in.textLabel = {300, 30};
  in.parts = DrawParts();
  return in;
}

FrameLayoutInput StyleInput() {
  FrameLayoutInput in = DrawInput();
  in.parts = StyleFrameParts{Size{30, 12}, Size{31, 12}, Size{32, 12}, Size{33, 12}};
  return in;
}

TEST(FrameLayout, FrameAroundTheContent) {
  const auto layout = ComputeFrameLayout(DrawInput(600, 450));
  ASSERT_TRUE(layout);
  EXPECT_EQ(layout->window, (Size{611, 485}));
  EXPECT_EQ(layout->region, (Rect{0, 0, 611, 485}));
  EXPECT_EQ(layout->regionCorner, (Size{5, 5}));
  EXPECT_EQ(layout->content, (Rect{5, 30, 600, 450}));
  EXPECT_EQ(layout->title, (Point{10, 10}));
}

TEST(FrameLayout, RefusesSizesWhoseOuterSizeOverflows16Bits) {
  EXPECT_EQ(ComputeFrameLayout(DrawInput(32756, 450)).value().window.width, 32767);
  EXPECT_FALSE(ComputeFrameLayout(DrawInput(32757, 450)));
  EXPECT_EQ(ComputeFrameLayout(DrawInput(600, 32732)).value().window.height, 32767);
  EXPECT_FALSE(ComputeFrameLayout(DrawInput(600, 32733)));
  FrameLayoutInput style = StyleInput();
  style.width = 32767;
  EXPECT_FALSE(ComputeFrameLayout(style));
}

TEST(FrameLayout, DrawWindowBoxesAreRightAligned) {
  const auto layout = ComputeFrameLayout(DrawInput(600, 450));
  ASSERT_TRUE(layout && layout->draw);
  EXPECT_FALSE(layout->style);
  const DrawWindowBoxes& boxes = layout->draw->windowBoxes;
  EXPECT_EQ(boxes.close, (Rect{611 - 15 - 8, 9, 15, 15}));
  EXPECT_EQ(boxes.minimize, (Rect{611 - 15 - 15 - 5 - 8, 9, 15, 15}));
}

TEST(FrameLayout, StyleButtonsRunRightToLeftWithGapsOfFive) {
  const auto layout = ComputeFrameLayout(StyleInput());
  ASSERT_TRUE(layout && layout->style);
  EXPECT_FALSE(layout->draw);
  const StyleFrameLayout& b = *layout->style;
  EXPECT_EQ(b.close, (Rect{611 - 33 - 8, 10, 33, 12}));
  EXPECT_EQ(b.save, (Rect{611 - 30 - 31 - 32 - 33 - 5 - 5 - 5 - 8, 10, 30, 12}));
}

// Given positions are taken as they are, negative ones too; any zero centres
// both labels. Centring is unrounded and places the text from the bottom:
// height - captionTop - captionHeight - 10, not captionTop + captionHeight + 10 (235.5).
TEST(FrameLayout, LabelsAtTheirPositionsOrCentredWhenAnyIsZero) {
  const std::pair<LabelPositions, bool> rows[] = {
      {{12.5f, 7.0f, 200.0f, 300.0f}, false}, {{-5, -6, -7, -8}, false}, {{120, 0, 200, 300}, true},
      {{0, 1, 1, 1}, true}, {{1, 1, 0, 1}, true}, {{1, 1, 1, 0}, true}, {{}, true}};
  for (const auto& [positions, centred] : rows) {
    FrameLayoutInput in = DrawInput(601, 450);
    in.captionLabel = {121, 41};
    in.positions = positions;
    const auto layout = ComputeFrameLayout(in);
    ASSERT_TRUE(layout);
    EXPECT_EQ(layout->labelsCentred, centred);
    // Centred: (601-121)/2, (450-41-30-10)/2 and 450-184.5-41-10.
    EXPECT_EQ(layout->caption, (centred ? PointF{240.0f, 184.5f} : PointF{positions.captionLeft, positions.captionTop}));
    EXPECT_EQ(layout->text, (centred ? PointF{150.5f, 214.5f} : PointF{positions.textLeft, positions.textTop}));
  }
}

TEST(FrameLayout, CommandRowSitsRightAlignedAboveTheBottom) {
  const auto layout = ComputeFrameLayout(DrawInput(600, 450));
  ASSERT_TRUE(layout && layout->draw);
  const CommandRowLayout& row = layout->draw->commandRow;
  ASSERT_TRUE(row.visible);
  EXPECT_EQ(row.buttons[3].bounds, (Rect{600 - 43 - 10, 390, 43, 33}));
  EXPECT_EQ(row.buttons[0].bounds, (Rect{600 - 40 - 41 - 42 - 43 - 10 - 5 - 5 - 5, 390, 40, 30}));
  // Only the stop button is disabled by the layout.
  for (std::size_t i = 0; i < row.buttons.size(); ++i) EXPECT_EQ(row.buttons[i].disable, i == 1) << i;
}

TEST(FrameLayout, CommandRowIsShownOnlyForExactlyOne) {
  for (const std::int16_t flag : {std::int16_t{0}, std::int16_t{2}, std::int16_t{-1}}) {
    FrameLayoutInput in = DrawInput();
    in.parts = DrawParts(flag);
    const auto layout = ComputeFrameLayout(in);
    ASSERT_TRUE(layout && layout->draw);
    const CommandRowLayout& row = layout->draw->commandRow;
    EXPECT_FALSE(row.visible) << flag;
    for (const CommandButtonLayout& button : row.buttons) EXPECT_FALSE(button.disable) << flag;
  }
}

}  // namespace
}  // namespace ravelo
