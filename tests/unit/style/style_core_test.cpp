// The style editor's portable rules: start-up plan, drag and release bounds,
// the starting state for restore, and the six writes of a save.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "shared/core/encoding.h"
#include "shared/core/ini_file.h"
#include "shared/core/paths.h"
#include "style/core/label_drag.h"
#include "style/core/style_save.h"
#include "style/core/style_settings.h"

namespace ravelo {
namespace {

const InstallPaths kPaths = InstallPaths::FromProgramFolder("C:\\Apps\\Lots");
const std::string kBackPte = "C:\\Apps\\common\\back.pte";

StyleStartPlan PlanOf(const std::string& utf8File, std::set<std::string> files = {}) {
  const ConfigTexts texts = ConfigTexts::Read(ProfileReader::FromBytes(Utf8ToGbk(utf8File)));
  return PlanStyleStart(texts, {1004, 668}, kPaths,
                        [files](const std::string& path) { return files.count(path) > 0; });
}

TEST(PlanStyleStart, TakesSizeColoursAndPositionsFromTheirKeys) {
  const StyleStartPlan plan = PlanOf(
      "[Style]\r\nwidth=99999\r\nheight=0\r\nform=8388672\r\ncaption= 255 \r\n"
      "captiontop= 45\r\ncaptionleft=12.5\r\ntexttop=-3\r\ntextleft=x\r\n");
  EXPECT_EQ(plan.width, 1004);  // 9999 from the 5-byte field, limited by the screen
  EXPECT_EQ(plan.height, 100);
  EXPECT_EQ(plan.frameColour, "8388672");
  EXPECT_EQ(plan.titleColour, "255");
  EXPECT_EQ(plan.positions.captionTop, 45.0f);
  EXPECT_EQ(plan.positions.captionLeft, 12.5f);
  EXPECT_EQ(plan.positions.textTop, -3.0f);
  EXPECT_EQ(plan.positions.textLeft, 0.0f);
}

TEST(PlanStyleStart, BackgroundFallsBackToTheDefaultPicture) {
  const std::string own = "D:\\skins\\hall.jpg";
  EXPECT_EQ(PlanOf("[Form]\r\nbgpic=0\r\n", {"0", kBackPte}).backgroundPath, kBackPte);
  EXPECT_EQ(PlanOf("[Form]\r\nbgpic=\r\n").backgroundPath, kBackPte);
  EXPECT_EQ(PlanOf("[Form]\r\nbgpic=" + own + "\r\n").backgroundPath, kBackPte);
  EXPECT_EQ(PlanOf("[Form]\r\nbgpic=" + own + "\r\n", {own}).backgroundPath, own);
}

TEST(LabelDrag, MovesWithTheLeftButtonAloneKeepingTheGrabbedPoint) {
  LabelDrag drag;
  drag.Press({10, 5});
  EXPECT_EQ(drag.Move(1, {25, 2}, {100.0f, 50.0f}), (PointF{115.0f, 47.0f}));
  EXPECT_EQ(drag.Move(1, {10, 5}, {0.5f, 0.0f}), (PointF{0.5f, 0.0f}));
  EXPECT_EQ(drag.Move(1, {-400, -300}, {10.0f, 10.0f}), (PointF{-400.0f, -295.0f}));  // no bound while moving
  for (int buttons : {0, 2, 3, 4, 5}) EXPECT_FALSE(drag.Move(buttons, {25, 2}, {100.0f, 50.0f})) << buttons;
}

TEST(ReleasedPosition, PullsTheLabelBackInside) {
  const Size content{600, 400};
  struct Case {
    PointF at;
    Size label;
    PointF expected;
  };
  const Case cases[] = {
      {{-30.0f, -0.5f}, {100, 40}, {1.0f, 1.0f}},         // past the left and top edges: 1, not 0
      {{0.0f, 0.0f}, {100, 40}, {1.0f, 1.0f}},            // exactly 0 would centre both labels in rvo
      {{550.0f, 390.0f}, {100, 40}, {500.0f, 360.0f}},    // flush with the right and bottom edges
      {{500.0f, 360.0f}, {100, 40}, {500.0f, 360.0f}},    // already flush
      {{37.5f, 12.25f}, {100, 40}, {37.5f, 12.25f}},      // inside: kept as it is
      {{-5.0f, 3.0f}, {700, 500}, {-100.0f, -100.0f}},    // larger than the content: flush right, negative
      {{-5.0f, 3.0f}, {600, 400}, {1.0f, 1.0f}},          // exactly as large: 1 rather than 0
  };
  for (const Case& c : cases) {
    const PointF released = ReleasedPosition(c.at, c.label, content);
    EXPECT_EQ(released, c.expected) << c.at.x << "," << c.at.y;
  }
}

TEST(StyleSnapshot, KeepsColourTextsAndPositionsThroughSevenDigits) {
  const StyleSnapshot start = StyleSnapshot::Take(8388672, 16777215, {120.0f, 45.0f}, {1234.567891f, -3.0f});
  EXPECT_EQ(start.frameColour, "8388672");
  EXPECT_EQ(start.titleColour, "16777215");
  EXPECT_EQ(start.FrameColour(), 8388672u);
  EXPECT_EQ(start.TitleColour(), 16777215u);
  EXPECT_EQ(start.caption, (PointF{120.0f, 45.0f}));
  EXPECT_EQ(start.text, (PointF{1234.568f, -3.0f}));
}

TEST(PositionText, SpaceBeforeANonNegativeValueShortestForm) {
  EXPECT_EQ(PositionText(120.0f), " 120");
  EXPECT_EQ(PositionText(37.5f), " 37.5");
  EXPECT_EQ(PositionText(-3.0f), "-3");
  EXPECT_EQ(PositionText(0.0f), " 0");
  EXPECT_EQ(PositionText(-0.0f), " 0");
  EXPECT_EQ(PositionText(-100.25f), "-100.25");
}

TEST(SavedPosition, TheWholePixelTheLabelShowsAtNeverZero) {
  const std::pair<float, float> cases[] = {{144.5f, 145.0f}, {144.49f, 144.0f}, {-3.5f, -4.0f},
                                           {0.4f, 1.0f},     {-0.4f, 1.0f},     {12.0f, 12.0f}};
  for (const auto& [position, saved] : cases) EXPECT_EQ(SavedPosition(position), saved) << position;
}

TEST(PlanStyleSave, SixKeysInOrderCutOrPaddedToTheirFields) {
  const auto writes = PlanStyleSave({{120.0f, 45.0f}, {1234.5f, 123.75f}, 8388672, 255});
  const std::pair<std::string, std::string> expected[] = {
      {"captiontop", " 45  "}, {"captionleft", " 120 "}, {"texttop", " 123."},
      {"textleft", " 1234"},   {"form", "8388672   "},    {"caption", "255       "}};
  ASSERT_EQ(writes.size(), std::size(expected));
  for (std::size_t i = 0; i < writes.size(); ++i) {
    EXPECT_EQ(writes[i].key, expected[i].first);
    EXPECT_EQ(writes[i].field, expected[i].second);
  }
  EXPECT_EQ(PlanStyleSave({{-100.25f, 1.0f}, {}, 0, 0})[1].field, "-100.");
}

}  // namespace
}  // namespace ravelo
