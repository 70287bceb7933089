// The settings form's model: loading, fonts, the checks of OK, the writes and the size rule.
#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "config/core/settings_form.h"
#include "config/core/settings_save.h"
#include "shared/core/ini_file.h"
#include "unit/shared/scratch_folder.h"

namespace ravelo::config {
namespace {

using ravelo::testing::ScratchFolder;

TEST(SettingsFormLoad, AMissingFileGivesTheDefaults) {
  const LoadedSettings missing = LoadSettings(ProfileReader::Open(FilePath()));
  EXPECT_FALSE(missing.fileFound);
  EXPECT_EQ(missing.values, DefaultFormValues());
  EXPECT_TRUE(LoadSettings(ProfileReader::FromBytes("")).fileFound);
}

TEST(SettingsFormLoad, ReadsEveryValueWithItsConversion) {
  // UTF-8 with its byte order mark, so the test can write Chinese.
  const LoadedSettings loaded = LoadSettings(ProfileReader::FromBytes(
      "\xEF\xBB\xBF[Form]\r\ncaption=年会抽奖\r\ntext=准备\r\nbgpic=0\r\nbrmic=D:\\m.wav\r\nsmc=2\r\ntop=-1\r\n"
      "[Time]\r\ntime=123\r\n[Color]\r\ncaption=16777215\r\ntext=255\r\n"
      "[Style]\r\nwidth=800   \r\nheight=500\r\nform=0\r\ncaption=65280\r\n"
      "[Caption]\r\nfontname=黑体\r\nfontsize=10.5\r\nfontbold=-1\r\nfontitalic=1\r\n"
      "[Text]\r\nfontname=宋体\r\nfontsize=72\r\nfontbold=0\r\nfontitalic=0\r\n"));
  // "0" is no file chosen; the buffer widths cut the speed to "12", the size to "10." and "-1" to "-".
  const FormValues expected{.caption = "年会抽奖", .text = "准备", .backPicture = "", .music = "D:\\m.wav",
                            .speed = "12", .width = "800", .height = "500", .captionColour = 16777215,
                            .textColour = 255, .frameColour = 0, .titleColour = 65280, .showButtons = true,
                            .stayOnTop = false, .captionFont = {"黑体", "10.", "0", "1"},
                            .textFont = {"宋体", "72", "0", "0"}};
  EXPECT_EQ(loaded.values, expected);
  // A colour that is no RGB value shows as black.
  const FormValues bad = LoadSettings(ProfileReader::FromBytes("[Color]\r\ncaption=-1\r\ntext=16777216\r\n")).values;
  EXPECT_EQ(std::tuple(bad.captionColour, bad.textColour), std::tuple(0u, 0u));
}

TEST(FontTexts, OfTheDialogAndAsDescribed) {
  EXPECT_EQ(FontTextsOf("楷体", 10.5f, true, false), (FontTexts{"楷体", "10.5", "1", "0"}));
  EXPECT_EQ(DescribeFont({"宋体", "26", "-1", "0"}, true), "当前标题字体:宋体. 字号:26 .粗体.");
  EXPECT_EQ(DescribeFont({"楷体", "10.5", "1", "1"}, true), "当前标题字体:楷体. 字号:10.5 .粗体.斜体.");
  EXPECT_EQ(DescribeFont({"楷体", "12", "0", "1"}, false), "当前内容字体:楷体. 字号:12斜体.");
}

FormValues WithNumbers(const char* speed, const char* width, const char* height) {
  FormValues v = DefaultFormValues();
  std::tie(v.speed, v.width, v.height) = std::tuple(speed, width, height);
  return v;
}

TEST(SettingsSave, NormalisesToTheLargestIntegerNotAboveTheLeadingNumber) {
  FormValues v = WithNumbers("9.7x", "-2.5", "");
  NormaliseNumbers(v);
  EXPECT_EQ(v.speed + " " + v.width + " " + v.height, "9 -3 0");
}

TEST(SettingsSave, ChecksTheLimitsAndReportsTheFirstFailureOnly) {
  const ScreenLimits screen{1004, 668};
  const std::tuple<const char*, const char*, const char*, std::optional<CheckedBox>> cases[] = {
      {"1", "250", "100", std::nullopt},       {"50", "1004", "668", std::nullopt},
      {"0", "600", "450", CheckedBox::Speed},  {"51", "600", "450", CheckedBox::Speed},
      {"10", "249", "450", CheckedBox::Width}, {"10", "1005", "450", CheckedBox::Width},
      {"10", "600", "99", CheckedBox::Height}, {"10", "600", "669", CheckedBox::Height},
      {"0", "1", "1", CheckedBox::Speed},      {"10", "9e99", "450", CheckedBox::Width},
  };
  for (const auto& [speed, width, height, refused] : cases) {
    const auto refusal = CheckLimits(WithNumbers(speed, width, height), screen);
    EXPECT_EQ(refusal ? std::optional(refusal->box) : std::nullopt, refused) << speed << " " << width << " " << height;
  }
  EXPECT_EQ(CheckLimits(WithNumbers("", "1", "1"), screen)->message, "抽签间隔的范围是1—50,请重新输入");
  EXPECT_EQ(CheckLimits(WithNumbers("10", "1", "1"), screen)->message, "界面宽度不小于250或不超过1004,请重新输入");
  EXPECT_EQ(CheckLimits(WithNumbers("10", "600", "1"), screen)->message, "界面高度度不小于100或不超过668,请重新输入");
}

std::vector<std::string> WritesOf(const SavePlan& plan) {
  std::vector<std::string> texts;
  for (const ProfileWrite& w : ProfileWritesOf(plan.writes))
    texts.push_back(std::string(w.section) + "/" + std::string(w.key) + "=" + std::string(w.valueUtf8));
  return texts;
}

TEST(SettingsSave, WithoutAFileAtStartUpWritesEveryFieldPaddedInTheFilesOrder) {
  FormValues v = DefaultFormValues();
  v.caption = "  抽签  ";
  const std::string blanks(255, ' ');
  const SavePlan plan = PlanSave(v, std::nullopt);
  EXPECT_TRUE(plan.sizeChanged);
  EXPECT_EQ(WritesOf(plan), (std::vector<std::string>{
      "Form/caption=抽签" + blanks.substr(0, 27),  // 31 bytes: 4 of GBK and 27 blanks
      "Form/text=开始啦" + blanks.substr(0, 25), "Form/bgpic=0" + blanks, "Form/brmic=0" + blanks,
      "Form/smc=1 ", "Form/top=0 ", "Time/Time=10 ", "Color/caption=255       ", "Color/text=16744576  ",
      "Style/width=600  ", "Style/height=450  ", "Style/form=8388672   ", "Style/caption=16777215  ",
      "Caption/fontname=宋体" + blanks.substr(0, 46), "Caption/fontsize=26  ", "Caption/fontbold=1 ",
      "Caption/fontitalic=0 ", "Text/fontname=宋体" + blanks.substr(0, 46), "Text/fontsize=72  ",
      "Text/fontbold=0 ", "Text/fontitalic=0 ",
      "Style/captiontop=0", "Style/captionleft=0", "Style/texttop=0", "Style/textleft=0"}));
}

// A value set in the form is written, every other key is left to the file;
// a size set here resets the positions, in that save only.
TEST(SettingsSave, WritesWhatTheOperatorSetInTheForm) {
  const FormValues stored = DefaultFormValues();
  EXPECT_TRUE(PlanSave(stored, stored).writes.empty());
  FormValues v = stored;
  v.caption = "年会";
  v.frameColour = 0;
  SavePlan plan = PlanSave(v, stored);
  EXPECT_FALSE(plan.sizeChanged);
  EXPECT_EQ(WritesOf(plan), (std::vector<std::string>{"Form/caption=年会" + std::string(27, ' '),
                                                      "Style/form=0         "}));
  v = stored;
  v.width = "700";
  plan = PlanSave(v, stored);
  EXPECT_TRUE(plan.sizeChanged);
  EXPECT_EQ(WritesOf(plan), (std::vector<std::string>{"Style/width=700  ", "Style/captiontop=0", "Style/captionleft=0",
                                                      "Style/texttop=0", "Style/textleft=0"}));
  // Saved, then changed back: a size change again; saved, then untouched: none.
  EXPECT_TRUE(PlanSave(stored, v).sizeChanged);
  EXPECT_FALSE(PlanSave(v, v).sizeChanged);
}

// rvostyle saves the frame colours while the form is open; the form's OK
// then keeps them, and a value set in both windows goes to the last save.
TEST(SettingsSave, KeepsWhatAnotherProgramSavedMeanwhile) {
  ScratchFolder folder;
  const auto file = folder.File("rvoconfig.rcf");
  ASSERT_TRUE(WriteProfileValues(file, ProfileWritesOf(PlanSave(DefaultFormValues(), std::nullopt).writes)));
  const FormValues loaded = LoadSettings(ProfileReader::Open(file)).values;
  const ProfileWrite style[] = {{"Style", "form", "32768     "}, {"Style", "caption", "65280     "}};
  ASSERT_TRUE(WriteProfileValues(file, style));

  FormValues v = loaded;
  v.caption = "年会";
  v.titleColour = 255;
  ASSERT_TRUE(WriteProfileValues(file, ProfileWritesOf(PlanSave(v, loaded).writes)));
  const FormValues now = LoadSettings(ProfileReader::Open(file)).values;
  EXPECT_EQ(std::tuple(now.caption, now.frameColour, now.titleColour), std::tuple("年会", 32768u, 255u));
}

TEST(SettingsSave, RefusesATextItsFieldCannotHoldNamingTheBox) {
  FormValues v = DefaultFormValues();
  v.caption = "一二三四五六七八九十一二三四五 ";  // 30 bytes and a blank, which is trimmed
  v.backPicture = "D:\\" + std::string(252, 'x');
  EXPECT_FALSE(CheckTexts(v));
  v.music = "D:\\音乐\\\U0001F600.wav";
  v.text = std::string(31, 'a');
  const auto text = CheckTexts(v);
  ASSERT_TRUE(text);
  EXPECT_EQ(text->box, CheckedBox::Text);  // the first box in the form's order
  EXPECT_FALSE(text->emptyBox);
  EXPECT_EQ(text->message, "内容太长,最多保存30个字节(一个汉字占2个字节),请修改后再保存");
  v.text = "开始";
  EXPECT_EQ(CheckTexts(v)->message, "背景音乐的路径中有无法保存的字符(如表情符号或生僻字),请换用其他文件夹或文件名");
  EXPECT_EQ(CheckText(CheckedBox::Picture, v.backPicture + "x")->message,
            "背景图片的路径太长,最多保存255个字节(一个汉字占2个字节),请换用路径较短的文件");
  EXPECT_FALSE(CheckFontName("微软雅黑"));
  EXPECT_TRUE(CheckFontName(std::string(50, 'f')));
}

TEST(SettingsSave, ReportsSuccessOnlyWhenWritten) {
  EXPECT_EQ(SaveReport(true, false), "修改成功,请重新运行Ravelo或进行刷新.");
  EXPECT_EQ(SaveReport(true, true), "修改成功,但您已经修改显示窗口的大小.\r\n标题和内容的显示位置已还原.");
  EXPECT_EQ(SaveReport(false, true), "无法更新程序配置,请尝试去除程序系统文件夹只读属性");
}

}  // namespace
}  // namespace ravelo::config
