// The style editor's start-up plan, drag and release bounds, restore state and save.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "shared/core/encoding.h"
#include "shared/core/ini_file.h"
#include "shared/core/paths.h"
#include "style/core/label_drag.h"
#include "style/core/style_save.h"
#include "style/core/style_settings.h"

namespace ravelo {
namespace {

StyleStartPlan PlanOf(const std::string& utf8File, std::set<std::string> files = {}) {
  const ConfigTexts texts = ConfigTexts::Read(ProfileReader::FromBytes(Utf8ToGbk(utf8File)));
  return PlanStyleStart(texts, {1004, 668}, InstallPaths::FromProgramFolder("C:\\Apps\\Lots"),
                        [files](const std::string& path) { return files.count(path) > 0; });
}

TEST(PlanStyleStart, TakesSizeColoursPositionsAndBackgroundFromTheirKeys) {
  const StyleStartPlan plan = PlanOf(
      "[Style]\r\nwidth=99999\r\nheight=0\r\nform=8388672\r\ncaption= 255 \r\n"
      "captiontop= 45\r\ncaptionleft=12.5\r\ntexttop=-3\r\ntextleft=x\r\n[Form]\r\nbgpic=D:\\hall.jpg\r\nsmc=1\r\n",
      {"D:\\hall.jpg"});
  EXPECT_EQ(plan.width, 1004);  // 9999 from the 5-byte field, limited by the screen
  EXPECT_EQ(plan.height, 100);
  EXPECT_EQ(plan.frameColour, "8388672");
  EXPECT_EQ(plan.titleColour, "255");
  const LabelPositions& at = plan.positions;
  EXPECT_EQ(std::tuple(at.captionTop, at.captionLeft, at.textTop, at.textLeft), std::tuple(45.0f, 12.5f, -3.0f, 0.0f));
  EXPECT_EQ(plan.backgroundPath, "D:\\hall.jpg");
  EXPECT_EQ(plan.showButtons, 1);  // the command buttons' places are outlined
  EXPECT_EQ(PlanOf("[Form]\r\nsmc=0\r\n").showButtons, 0);
}

TEST(LabelDrag, MovesWithTheLeftButtonAloneKeepingTheGrabbedPoint) {
  LabelDrag drag;
  drag.Press({10, 5});
  EXPECT_EQ(drag.Move(1, {25, 2}, {100.0f, 50.0f}), (PointF{115.0f, 47.0f}));
  EXPECT_EQ(drag.Move(1, {-400, -300}, {10.0f, 10.0f}), (PointF{-400.0f, -295.0f}));  // no bound while moving
  for (int buttons : {0, 2, 3}) EXPECT_FALSE(drag.Move(buttons, {25, 2}, {100.0f, 50.0f})) << buttons;
}

TEST(ReleasedPosition, PullsTheLabelBackInside) {
  const std::tuple<PointF, Size, PointF> cases[] = {
      {{0.0f, 0.0f}, {100, 40}, {1.0f, 1.0f}},          // exactly 0 would centre both labels in rvo
      {{550.0f, 390.0f}, {100, 40}, {500.0f, 360.0f}},  // flush with the right and bottom edges
      {{37.5f, 12.25f}, {100, 40}, {37.5f, 12.25f}},    // inside: kept as it is
      {{-5.0f, 3.0f}, {700, 500}, {-100.0f, -100.0f}},  // larger than the content: flush right, negative
      {{-5.0f, 3.0f}, {600, 400}, {1.0f, 1.0f}},        // exactly as large: 1 rather than 0
  };
  for (const auto& [at, label, expected] : cases) EXPECT_EQ(ReleasedPosition(at, label, {600, 400}), expected) << at.x;
}

TEST(StyleSnapshot, KeepsColourTextsAndPositionsThroughSevenDigits) {
  const StyleSnapshot start = StyleSnapshot::Take(8388672, 16777215, {120.0f, 45.0f}, {1234.567891f, -3.0f});
  EXPECT_EQ(start.titleColour, "16777215");
  EXPECT_EQ(start.FrameColour(), 8388672u);
  EXPECT_EQ(start.caption, (PointF{120.0f, 45.0f}));
  EXPECT_EQ(start.text, (PointF{1234.568f, -3.0f}));
}

TEST(PositionText, SpaceBeforeANonNegativeValueShortestForm) {
  const std::pair<float, const char*> cases[] = {{37.5f, " 37.5"}, {-100.25f, "-100.25"}, {-0.0f, " 0"}};
  for (const auto& [value, text] : cases) EXPECT_EQ(PositionText(value), text);
}

TEST(SavedPosition, TheWholePixelTheLabelShowsAtNeverZero) {
  const std::pair<float, float> cases[] = {{144.5f, 145.0f}, {144.49f, 144.0f}, {-3.5f, -4.0f}, {0.4f, 1.0f}, {-0.4f, 1.0f}};
  for (const auto& [position, saved] : cases) EXPECT_EQ(SavedPosition(position), saved) << position;
}

TEST(StyleFields, SixKeysInOrderCutOrPaddedToTheirFields) {
  const auto fields = StyleFields({{120.0f, 45.0f}, {1234.5f, 123.75f}, 8388672, 255});
  std::vector<std::pair<std::string, std::string>> written;
  for (const FieldValue& f : fields) written.emplace_back(SpecOf(f.key).writtenKey, f.field);
  EXPECT_EQ(written, (std::vector<std::pair<std::string, std::string>>{{"captiontop", " 45  "}, {"captionleft", " 120 "},
      {"texttop", " 123."}, {"textleft", " 1234"}, {"form", "8388672   "}, {"caption", "255       "}}));
  EXPECT_EQ(StyleFields({{-100.25f, 1.0f}, {}, 0, 0})[1].field, "-100.");
}

}  // namespace
}  // namespace ravelo
