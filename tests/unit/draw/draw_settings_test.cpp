#include "draw/core/draw_settings.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <tuple>

#include "shared/core/encoding.h"
#include "shared/core/ini_file.h"
#include "shared/core/paths.h"

namespace ravelo {
namespace {

const InstallPaths kPaths = InstallPaths::FromProgramFolder("C:\\Apps\\Lots");
const std::string kSoundWma = "C:\\Apps\\common\\sound.wma";

// The configuration file as shipped, written as GBK like the real one.
ConfigTexts ShippedTexts() {
  return ConfigTexts::Read(ProfileReader::FromBytes(Utf8ToGbk(
      "[Form]\r\ncaption=Ravelo\r\ntext=开始啦\r\nbgpic=0\r\nbrmic=0\r\nsmc=1\r\ntop=0\r\n"
      "[Color]\r\ncaption=255\r\ntext=16744576\r\n[Time]\r\nTime=10\r\n"
      "[Style]\r\nwidth=600\r\nheight=450\r\nform=8388672\r\ncaption=16777215\r\n"
      "captiontop=0\r\ncaptionleft=0\r\ntexttop=0\r\ntextleft=0\r\n"
      "[Caption]\r\nfontname=宋体\r\nfontsize=26\r\nfontbold=1\r\nfontitalic=0\r\n"
      "[Text]\r\nfontname=宋体\r\nfontsize=72\r\nfontbold=0\r\nfontitalic=0\r\n")));
}

FileExists Existing(std::set<std::string> files) {
  return [files = std::move(files)](const std::string& path) { return files.count(path) > 0; };
}

// Everything a plan puts on the window.
auto Look(const SettingsPlan& p) {
  const FontChoice &c = p.caption.font, &t = p.text.font;
  const FrameLayoutArgs& l = p.layout;
  return std::tuple(p.caption.text, p.caption.colour, c.name, c.points, c.bold, c.italic, p.text.text,
                    p.text.colour, t.name, t.points, t.bold, t.italic, l.width, l.height, l.frameColour,
                    l.titleColour, l.positions.captionTop, l.positions.captionLeft, l.positions.textTop,
                    l.positions.textLeft, l.showButtons, p.timerInterval, p.makeTopMost, p.backgroundPath,
                    p.musicPath);
}

TEST(PlanFromConfig, TheShippedFileLooksLikeTheBuiltInSettings) {
  DrawSettingsState fileState, defaultState;
  const SettingsPlan fromFile = PlanFromConfig(ShippedTexts(), {1004, 668}, kPaths, Existing({}), fileState);
  const SettingsPlan builtIn = PlanDefaults(kPaths, Existing({}), defaultState);
  EXPECT_FALSE(fromFile.fromDefaults);
  EXPECT_TRUE(builtIn.fromDefaults);
  EXPECT_EQ(Look(fromFile), Look(builtIn));
}

TEST(PlanFromConfig, KeepsWhatTheFileSaysAndAppliesWhatCanBeApplied) {
  using K = ConfigKey;
  ConfigTexts texts = ShippedTexts();
  for (const auto& [key, value] : std::initializer_list<std::pair<K, const char*>>{
           {K::StyleWidth, "100"}, {K::StyleHeight, "9999"}, {K::StyleCaptiontop, "12.5"},
           {K::StyleCaptionleft, "-40"}, {K::StyleTexttop, "200"}, {K::StyleTextleft, "30"}, {K::FormTop, "1"},
           {K::FormSmc, "-1"}, {K::TimeTime, "-5"}, {K::TextFontbold, "-1"}, {K::CaptionFontname, ""},
           {K::FormBgpic, "D:\\stage.jpg"}, {K::FormBrmic, "D:\\gone.mp3"}}) {
    texts[key] = value;
  }
  DrawSettingsState state;
  SettingsPlan plan = PlanFromConfig(texts, {1004, 668}, kPaths, Existing({"D:\\stage.jpg"}), state);
  const FrameLayoutArgs& l = plan.layout;
  EXPECT_EQ(std::tuple(l.width, l.height, l.positions.captionTop, l.positions.captionLeft, l.positions.textTop,
                       l.positions.textLeft, l.showButtons),  // only exactly 1 shows the buttons
            std::tuple(250, 668, 12.5f, -40.0f, 200.0f, 30.0f, -1));
  EXPECT_EQ(std::tuple(state.contentWidth, state.positions.textTop, state.drawInterval, state.textBold, state.musicFile),
            std::tuple(250, 200.0f, -5, -1, "D:\\gone.mp3"));
  EXPECT_TRUE(plan.makeTopMost);
  EXPECT_FALSE(plan.timerInterval) << "a negative interval keeps the running timer";
  EXPECT_TRUE(plan.text.font.bold);
  EXPECT_FALSE(plan.caption.font.name);
  EXPECT_EQ(plan.backgroundPath, "D:\\stage.jpg");
  EXPECT_EQ(plan.musicPath, kSoundWma);

  texts[K::FormTop] = "2";
  texts[K::TimeTime] = "0";
  plan = PlanFromConfig(texts, ScreenBounds{}, kPaths, Existing({}), state);
  EXPECT_FALSE(plan.makeTopMost);
  EXPECT_EQ(state.stayOnTop, 2);
  EXPECT_EQ(plan.timerInterval, 0);
  EXPECT_EQ(plan.layout.height, 9999) << "without a screen size only the minimum applies";
}

TEST(PlanDefaults, AppliesTheBuiltInSettingsAndKeepsTheRestOfTheState) {
  DrawSettingsState state;
  std::tie(state.contentWidth, state.frameColour, state.backPicture, state.stayOnTop, state.positions.captionTop) =
      std::tuple(800, "0", "D:\\x.bmp", 1, 5.0f);
  EXPECT_EQ(PlanDefaults(kPaths, Existing({"D:\\x.bmp"}), state).backgroundPath, "C:\\Apps\\common\\back.pte");
  EXPECT_EQ(std::tuple(state.contentWidth, state.frameColour, state.showButtons, state.positions.captionTop),
            std::tuple(800, "0", 0, 5.0f));
  EXPECT_EQ(std::tuple(state.stayOnTop, state.backPicture, state.musicFile, state.drawInterval),
            std::tuple(0, "0", "0", 10));
}

}  // namespace
}  // namespace ravelo
