#include "draw/core/draw_settings.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "shared/core/encoding.h"
#include "shared/core/ini_file.h"
#include "shared/core/paths.h"

namespace ravelo {
namespace {

const InstallPaths kPaths = InstallPaths::FromProgramFolder("C:\\Apps\\Lots");
const std::string kBackPte = "C:\\Apps\\common\\back.pte";
const std::string kSoundWma = "C:\\Apps\\common\\sound.wma";
const ScreenBounds k1024x768{1004, 668};

// A configuration file in memory, written as GBK like the real one.
ConfigTexts TextsOf(const std::string& utf8File) {
  return ConfigTexts::Read(ProfileReader::FromBytes(Utf8ToGbk(utf8File)));
}

const std::string kShippedFile =
    "[Form]\r\ncaption=Ravelo\r\ntext=开始啦\r\nbgpic=0\r\nbrmic=0\r\nsmc=1\r\ntop=0\r\n"
    "[Color]\r\ncaption=255\r\ntext=16744576\r\n"
    "[Time]\r\nTime=10\r\n"
    "[Style]\r\nwidth=600\r\nheight=450\r\nform=8388672\r\ncaption=16777215\r\n"
    "captiontop=0\r\ncaptionleft=0\r\ntexttop=0\r\ntextleft=0\r\n"
    "[Caption]\r\nfontname=宋体\r\nfontsize=26\r\nfontbold=1\r\nfontitalic=0\r\n"
    "[Text]\r\nfontname=宋体\r\nfontsize=72\r\nfontbold=0\r\nfontitalic=0\r\n";

FileExists Existing(std::set<std::string> files) {
  return [files = std::move(files)](const std::string& path) { return files.count(path) > 0; };
}

SettingsPlan Plan(const ConfigTexts& texts, DrawSettingsState& state,
                  const FileExists& exists = Existing({}), ScreenBounds screen = k1024x768) {
  return PlanFromConfig(texts, screen, kPaths, exists, state);
}

// The look of the shipped file, which is also the built-in one.
void ExpectBuiltInLook(const SettingsPlan& plan) {
  EXPECT_EQ(plan.caption.text, "Ravelo");
  EXPECT_EQ(plan.caption.colour, 255u);
  EXPECT_EQ(plan.caption.font.name, "宋体");
  EXPECT_EQ(plan.caption.font.points, 26.0f);
  EXPECT_TRUE(plan.caption.font.bold);
  EXPECT_FALSE(plan.caption.font.italic);
  EXPECT_EQ(plan.text.text, "开始啦");
  EXPECT_EQ(plan.text.colour, 16744576u);
  EXPECT_EQ(plan.text.font.points, 72.0f);
  EXPECT_FALSE(plan.text.font.bold);
  EXPECT_EQ(plan.layout.width, 600);
  EXPECT_EQ(plan.layout.height, 450);
  EXPECT_EQ(plan.layout.frameColour, "8388672");
  EXPECT_EQ(plan.layout.titleColour, "16777215");
  EXPECT_EQ(plan.layout.positions.captionTop, 0.0f);
  EXPECT_EQ(plan.layout.showButtons, 1);
  EXPECT_EQ(plan.timerInterval, 10);
  EXPECT_FALSE(plan.makeTopMost);
  EXPECT_EQ(plan.backgroundPath, kBackPte);
  EXPECT_EQ(plan.musicPath, kSoundWma);
}

TEST(PlanFromConfig, TheShippedFileGivesTheBuiltInLook) {
  DrawSettingsState state;
  const SettingsPlan plan = Plan(TextsOf(kShippedFile), state);
  EXPECT_FALSE(plan.fromDefaults);
  ExpectBuiltInLook(plan);
  EXPECT_EQ(state.contentWidth, 600);
  EXPECT_EQ(state.drawInterval, 10);
  EXPECT_EQ(state.backPicture, "0");
}

TEST(PlanFromConfig, ContentSizeIsClampedToTheScreenThereIs) {
  DrawSettingsState state;
  ConfigTexts texts = TextsOf(kShippedFile);
  texts[ConfigKey::StyleWidth] = "100";
  texts[ConfigKey::StyleHeight] = "9999";
  SettingsPlan plan = Plan(texts, state);
  EXPECT_EQ(plan.layout.width, 250);
  EXPECT_EQ(plan.layout.height, 668);
  EXPECT_EQ(state.contentWidth, 250);
  // Without a screen size only the minimum applies.
  texts[ConfigKey::StyleWidth] = "9999";
  plan = Plan(texts, state, Existing({}), ScreenBounds{});
  EXPECT_EQ(plan.layout.width, 9999);
}

TEST(PlanFromConfig, FlagsCompareAsTheFileMeansThem) {
  DrawSettingsState state;
  ConfigTexts texts = TextsOf(kShippedFile);
  texts[ConfigKey::FormTop] = "1";
  texts[ConfigKey::FormSmc] = "-1";
  texts[ConfigKey::CaptionFontbold] = "-";  // no number: 0
  texts[ConfigKey::CaptionFontitalic] = "1";
  texts[ConfigKey::TextFontbold] = "-1";
  texts[ConfigKey::TextFontitalic] = "";
  SettingsPlan plan = Plan(texts, state);
  EXPECT_TRUE(plan.makeTopMost);
  EXPECT_EQ(plan.layout.showButtons, -1);  // only exactly 1 shows the buttons
  EXPECT_FALSE(plan.caption.font.bold);
  EXPECT_TRUE(plan.caption.font.italic);
  EXPECT_TRUE(plan.text.font.bold);
  EXPECT_FALSE(plan.text.font.italic);
  EXPECT_EQ(state.textBold, -1);

  texts[ConfigKey::FormTop] = "2";
  plan = Plan(texts, state);
  EXPECT_FALSE(plan.makeTopMost);
  EXPECT_EQ(state.stayOnTop, 2);
}

TEST(PlanFromConfig, UnusableValuesLeaveTheLabelsAsTheyAre) {
  DrawSettingsState state;
  ConfigTexts texts = TextsOf(kShippedFile);
  texts[ConfigKey::ColorCaption] = "";
  texts[ConfigKey::ColorText] = "light blue";
  texts[ConfigKey::CaptionFontname] = "";
  texts[ConfigKey::CaptionFontsize] = "";
  texts[ConfigKey::TextFontsize] = "big";
  texts[ConfigKey::TimeTime] = "-5";
  const SettingsPlan plan = Plan(texts, state);
  EXPECT_FALSE(plan.caption.colour);
  EXPECT_FALSE(plan.text.colour);
  EXPECT_FALSE(plan.caption.font.name);
  EXPECT_EQ(plan.text.font.name, "宋体");
  EXPECT_FALSE(plan.caption.font.points);
  EXPECT_FALSE(plan.text.font.points);
  EXPECT_FALSE(plan.timerInterval);
  EXPECT_EQ(state.drawInterval, -5);
}

TEST(PlanFromConfig, AnEmptyFileGivesTheSmallestWindowAndAutomaticPlaces) {
  DrawSettingsState state;
  const SettingsPlan plan = Plan(TextsOf(""), state);
  EXPECT_EQ(plan.caption.text, "");
  EXPECT_EQ(plan.layout.width, 250);
  EXPECT_EQ(plan.layout.height, 100);
  EXPECT_EQ(plan.layout.showButtons, 0);
  EXPECT_EQ(plan.timerInterval, 0);  // a timer that never ticks
  EXPECT_EQ(plan.layout.positions.captionTop, 0.0f);
  EXPECT_EQ(plan.backgroundPath, kBackPte);
  EXPECT_EQ(plan.musicPath, kSoundWma);
}

TEST(PlanFromConfig, PositionsAreKeptAsReals) {
  DrawSettingsState state;
  ConfigTexts texts = TextsOf(kShippedFile);
  texts[ConfigKey::StyleCaptiontop] = "12.5";
  texts[ConfigKey::StyleCaptionleft] = "-40";
  texts[ConfigKey::StyleTexttop] = "200";
  texts[ConfigKey::StyleTextleft] = "30";
  const SettingsPlan plan = Plan(texts, state);
  EXPECT_EQ(plan.layout.positions.captionTop, 12.5f);
  EXPECT_EQ(plan.layout.positions.captionLeft, -40.0f);
  EXPECT_EQ(plan.layout.positions.textTop, 200.0f);
  EXPECT_EQ(plan.layout.positions.textLeft, 30.0f);
  EXPECT_EQ(state.positions.textTop, 200.0f);
}

TEST(PlanFromConfig, BackgroundAndMusicFallBackToTheDefaultFiles) {
  DrawSettingsState state;
  ConfigTexts texts = TextsOf(kShippedFile);
  texts[ConfigKey::FormBgpic] = "D:\\pics\\stage.jpg";
  texts[ConfigKey::FormBrmic] = "D:\\music\\gone.mp3";
  SettingsPlan plan = Plan(texts, state, Existing({"D:\\pics\\stage.jpg"}));
  EXPECT_EQ(plan.backgroundPath, "D:\\pics\\stage.jpg");
  EXPECT_EQ(plan.musicPath, kSoundWma);
  EXPECT_EQ(state.musicFile, "D:\\music\\gone.mp3");  // the state keeps what the file says

  // "0" means the default file even when a file named "0" exists.
  texts[ConfigKey::FormBgpic] = "0";
  plan = Plan(texts, state, Existing({"0", "D:\\pics\\stage.jpg"}));
  EXPECT_EQ(plan.backgroundPath, kBackPte);
}

TEST(PlanDefaults, AppliesTheBuiltInSettingsAndKeepsTheRestOfTheState) {
  DrawSettingsState state;
  state.contentWidth = 800;
  state.frameColour = "0";
  state.showButtons = 0;
  state.stayOnTop = 1;
  state.backPicture = "D:\\x.bmp";
  state.positions.captionTop = 5.0f;
  const SettingsPlan plan = PlanDefaults(kPaths, Existing({"D:\\x.bmp"}), state);
  EXPECT_TRUE(plan.fromDefaults);
  ExpectBuiltInLook(plan);

  EXPECT_EQ(state.contentWidth, 800);
  EXPECT_EQ(state.frameColour, "0");
  EXPECT_EQ(state.showButtons, 0);
  EXPECT_EQ(state.positions.captionTop, 5.0f);
  EXPECT_EQ(state.stayOnTop, 0);
  EXPECT_EQ(state.backPicture, "0");
  EXPECT_EQ(state.musicFile, "0");
  EXPECT_EQ(state.drawInterval, 10);
}

}  // namespace
}  // namespace ravelo
