// The settings form's model: loading, defaults, the font description, the
// checks of OK, the writes with their padded fields, and the size rule.
#include <gtest/gtest.h>

#include <string>

#include "config/core/settings_form.h"
#include "config/core/settings_save.h"
#include "shared/core/ini_file.h"

namespace ravelo::config {
namespace {

// A file in UTF-8 with its byte order mark, so the test can write Chinese.
ProfileReader ReaderOf(const std::string& text) { return ProfileReader::FromBytes("\xEF\xBB\xBF" + text); }

const std::string kFullFile =
    "[Form]\r\ncaption=年会抽奖\r\ntext=准备\r\nbgpic=0\r\nbrmic=D:\\m.wav\r\nsmc=1\r\ntop=0\r\n"
    "[Time]\r\ntime=20\r\n[Color]\r\ncaption=255\r\ntext=65280\r\n"
    "[Style]\r\nwidth=800   \r\nheight=500\r\nform=0\r\ncaption=16777215\r\n"
    "[Caption]\r\nfontname=黑体\r\nfontsize=10.5\r\nfontbold=-1\r\nfontitalic=1\r\n"
    "[Text]\r\nfontname=宋体\r\nfontsize=72\r\nfontbold=0\r\nfontitalic=0\r\n";

TEST(SettingsFormLoad, AMissingFileGivesTheDefaultsAndNoLoadedSize) {
  const LoadedSettings loaded = LoadSettings(ProfileReader::FromBytes(""));
  // FromBytes always "exists"; a reader of a missing file does not.
  const LoadedSettings missing = LoadSettings(ProfileReader::Open(FilePath()));
  EXPECT_TRUE(loaded.fileFound);
  EXPECT_FALSE(missing.fileFound);
  EXPECT_EQ(missing.values, DefaultFormValues());
  EXPECT_EQ(missing.loadedWidth, 0);
  EXPECT_EQ(missing.loadedHeight, 0);
  const FormValues d = DefaultFormValues();
  EXPECT_EQ(d.caption, "Ravelo");
  EXPECT_EQ(d.text, "开始啦");
  EXPECT_TRUE(d.showButtons);
  EXPECT_FALSE(d.stayOnTop);
  EXPECT_EQ(d.textColour, 16744576u);
}

TEST(SettingsFormLoad, ReadsEveryValueWithItsConversion) {
  const LoadedSettings loaded = LoadSettings(ReaderOf(kFullFile));
  const FormValues& v = loaded.values;
  EXPECT_EQ(v.caption, "年会抽奖");
  EXPECT_EQ(v.backPicture, "") << "\"0\" means no file chosen";
  EXPECT_EQ(v.music, "D:\\m.wav");
  EXPECT_EQ(v.speed, "20");
  EXPECT_EQ(v.width, "800");
  EXPECT_EQ(loaded.loadedWidth, 800);
  EXPECT_EQ(loaded.loadedHeight, 500);
  EXPECT_EQ(v.textColour, 65280u);
  EXPECT_EQ(v.frameColour, 0u);
  EXPECT_TRUE(v.showButtons);
  EXPECT_FALSE(v.stayOnTop);
  // Four bytes of size and two of each flag arrive: "10." and "-".
  EXPECT_EQ(v.captionFont, (FontTexts{"黑体", "10.", "0", "1"}));
}

TEST(SettingsFormLoad, EdgeValues) {
  struct Case {
    const char* lines;
    bool showButtons;
    std::string speed;
    std::int16_t loadedWidth;
  };
  const Case cases[] = {
      {"[Form]\r\ntop=0\r\n", false, "", 0},                 // only smc missing: not ticked
      {"[Form]\r\nsmc=2\r\n", true, "", 0},                  // any non-zero number ticks
      {"[Form]\r\nsmc=-1\r\n", false, "", 0},            // only "-" fits the 2-byte buffer
      {"[Form]\r\nsmc=x\r\n", false, "", 0},                 // not a number
      {"[Time]\r\ntime=123\r\n", false, "12", 0},            // 3-byte buffer
      {"[Style]\r\nwidth=abc\r\n", false, "", 0},            // a width that is no number reads as 0
      {"[Style]\r\nwidth=9e99\r\n", false, "", 32767},       // saturates rather than overflowing
  };
  for (const Case& c : cases) {
    const LoadedSettings loaded = LoadSettings(ReaderOf(c.lines));
    EXPECT_EQ(loaded.values.showButtons, c.showButtons) << c.lines;
    EXPECT_EQ(loaded.values.speed, c.speed) << c.lines;
    EXPECT_EQ(loaded.loadedWidth, c.loadedWidth) << c.lines;
  }
  const LoadedSettings longCaption = LoadSettings(ReaderOf("[Form]\r\ncaption=" + std::string(40, 'x') + "\r\n"));
  EXPECT_EQ(longCaption.values.caption, std::string(30, 'x'));
  const LoadedSettings badColour = LoadSettings(ReaderOf("[Color]\r\ncaption=-5\r\n[Style]\r\nform=99999999\r\n"));
  EXPECT_EQ(badColour.values.captionColour, 0u) << "no RGB colour shows as black";
  EXPECT_EQ(badColour.values.frameColour, 0u);
}

TEST(DescribeFontTest, Texts) {
  EXPECT_EQ(DescribeFont(DefaultFormValues().captionFont, true), "当前标题字体:宋体. 字号:26 .粗体.");
  EXPECT_EQ(DescribeFont(DefaultFormValues().textFont, false), "当前内容字体:宋体. 字号:72");
  EXPECT_EQ(DescribeFont(FontTextsOf("楷体", 10.5f, true, true), true), "当前标题字体:楷体. 字号:10.5 .粗体.斜体.");
  EXPECT_EQ(DescribeFont(FontTextsOf("楷体", 12.0f, false, true), false), "当前内容字体:楷体. 字号:12斜体.");
  EXPECT_EQ(DescribeFont({"宋体", "9", "-1", "0"}, true), "当前标题字体:宋体. 字号:9 .粗体.");
}

FormValues WithNumbers(const char* speed, const char* width, const char* height) {
  FormValues v = DefaultFormValues();
  v.speed = speed;
  v.width = width;
  v.height = height;
  return v;
}

TEST(SettingsSave, NormalisesToTheIntegerPartOfTheLeadingNumber) {
  FormValues v = WithNumbers("5a", "", "9.5");
  NormaliseNumbers(v);
  EXPECT_EQ(v.speed, "5");
  EXPECT_EQ(v.width, "0");
  EXPECT_EQ(v.height, "9");
  v = WithNumbers(" 7", "-2.5", "3.7");
  NormaliseNumbers(v);
  EXPECT_EQ(v.speed, "7");
  EXPECT_EQ(v.width, "-3") << "the largest integer not above it";
  EXPECT_EQ(v.height, "3");
}

TEST(SettingsSave, ChecksTheLimitsAndReportsTheFirstFailureOnly) {
  const ScreenLimits screen{1004, 668};
  struct Case {
    const char* speed;
    const char* width;
    const char* height;
    std::optional<CheckedBox> refused;
  };
  const Case cases[] = {
      {"1", "250", "100", std::nullopt},       {"50", "1004", "668", std::nullopt},
      {"0", "600", "450", CheckedBox::Speed},  {"51", "600", "450", CheckedBox::Speed},
      {"", "600", "450", CheckedBox::Speed},   {"10", "249", "450", CheckedBox::Width},
      {"10", "1005", "450", CheckedBox::Width}, {"10", "600", "99", CheckedBox::Height},
      {"10", "600", "669", CheckedBox::Height}, {"0", "1", "1", CheckedBox::Speed},
      {"10", "9e99", "450", CheckedBox::Width},
  };
  for (const Case& c : cases) {
    const auto refusal = CheckLimits(WithNumbers(c.speed, c.width, c.height), screen);
    ASSERT_EQ(refusal.has_value(), c.refused.has_value()) << c.speed << " " << c.width << " " << c.height;
    if (refusal) {
      EXPECT_EQ(refusal->box, *c.refused) << c.speed << " " << c.width << " " << c.height;
    }
  }
  EXPECT_EQ(CheckLimits(WithNumbers("0", "1", "1"), screen)->message, "抽签间隔的范围是1—50,请重新输入");
  EXPECT_EQ(CheckLimits(WithNumbers("10", "1005", "1"), screen)->message,
            "界面宽度不小于250或不超过1004,请重新输入");
  EXPECT_EQ(CheckLimits(WithNumbers("10", "600", "669"), screen)->message,
            "界面高度度不小于100或不超过668,请重新输入");
}

TEST(SettingsSave, WritesEveryFieldPaddedInTheFilesOrder) {
  FormValues v = DefaultFormValues();
  v.caption = "  抽签  ";
  const auto writes = PlanWrites(v, false);
  const std::vector<ConfigWrite> expected = {
      {"Form", "caption", "抽签" + std::string(27, ' ')},  // 31 bytes: 4 of GBK and 27 blanks
      {"Form", "text", "开始啦" + std::string(25, ' ')},
      {"Form", "bgpic", "0" + std::string(255, ' ')},
      {"Form", "brmic", "0" + std::string(255, ' ')},
      {"Form", "smc", "1 "},
      {"Form", "top", "0 "},
      {"Time", "Time", "10 "},
      {"Color", "caption", "255       "},
      {"Color", "text", "16744576  "},
      {"Style", "width", "600  "},
      {"Style", "height", "450  "},
      {"Style", "form", "8388672   "},
      {"Style", "caption", "16777215  "},
      {"Caption", "fontname", "宋体" + std::string(46, ' ')},
      {"Caption", "fontsize", "26  "},
      {"Caption", "fontbold", "1 "},
      {"Caption", "fontitalic", "0 "},
      {"Text", "fontname", "宋体" + std::string(46, ' ')},
      {"Text", "fontsize", "72  "},
      {"Text", "fontbold", "0 "},
      {"Text", "fontitalic", "0 "},
  };
  EXPECT_EQ(writes, expected);
  const auto withPositions = PlanWrites(v, true);
  ASSERT_EQ(withPositions.size(), 25u);
  EXPECT_EQ(withPositions[21], (ConfigWrite{"Style", "captiontop", "0"}));
  EXPECT_EQ(withPositions[24], (ConfigWrite{"Style", "textleft", "0"}));
}

TEST(SettingsSave, ASizeChangeStaysForTheRestOfTheRun) {
  SizeTracker tracker(600, 450);
  EXPECT_FALSE(tracker.SizeChanged(WithNumbers("10", "600", "450")));
  EXPECT_TRUE(tracker.SizeChanged(WithNumbers("10", "700", "450")));
  EXPECT_TRUE(tracker.SizeChanged(WithNumbers("10", "600", "450"))) << "changed back: the positions reset again";
  SizeTracker noFile(0, 0);
  EXPECT_TRUE(noFile.SizeChanged(WithNumbers("10", "600", "450"))) << "without a file the first save changes the size";
}

TEST(SettingsSave, ReportsSuccessOnlyWhenWritten) {
  EXPECT_EQ(SaveReport(true, false), "修改成功,请重新运行Ravelo或进行刷新.");
  EXPECT_EQ(SaveReport(true, true), "修改成功,但您已经修改显示窗口的大小.\r\n标题和内容的显示位置已还原.");
  EXPECT_EQ(SaveReport(false, true), "无法更新程序配置,请尝试去除程序系统文件夹只读属性");
}

TEST(SettingsSave, WhatASaveWritesLoadsBackUnchanged) {
  FormValues v = DefaultFormValues();
  v.caption = "年会";
  v.music = "C:\\音乐\\a.wav";
  v.stayOnTop = true;
  v.captionFont = FontTextsOf("黑体", 12.5f, true, true);  // "12.5" fills its 4-byte field: "12."
  std::string file;
  for (const ConfigWrite& w : PlanWrites(v, true)) file = ApplyProfileWrite(file, w.section, w.key, w.value);
  const LoadedSettings loaded = LoadSettings(ProfileReader::FromBytes(file));
  v.captionFont.size = "12.";
  EXPECT_EQ(loaded.values, v);
  EXPECT_EQ(loaded.loadedWidth, 600);
}

}  // namespace
}  // namespace ravelo::config
