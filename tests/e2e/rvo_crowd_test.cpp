// rvo in front of a crowd: a drawn name is shown whole, draws without
// repeats ("不重复抽取", kept in the configuration file), and the record of
// results in history.txt.
#include <gtest/gtest.h>

#include <regex>
#include <set>
#include <string>
#include <vector>

#include "rvo_parts.h"

namespace ravelo::e2e {
namespace {

using namespace rvo;

inline constexpr wchar_t kPoolExhausted[] = L"名单中的名字已全部抽完,刷新后可重新开始";
inline constexpr wchar_t kNoHistory[] = L"还没有抽签记录";
inline constexpr wchar_t kHistoryFile[] = L"history.txt";

// One draw by the keys: starts, waits for a name, stops; the name that stays.
std::wstring DrawOnce(const Window& main) {
  main.PostKey(VK_RETURN);
  EXPECT_TRUE(TextLineChanges(main)) << "the draw did not start";
  main.PostKey(VK_SPACE);
  EXPECT_TRUE(PollUntil([&] { return ButtonStates(main) == kIdleButtons; }, kDefaultTimeout));
  return TextLine(main).Text();
}

TEST(RvoCrowd, ANameWiderThanTheContentAreaIsShownWhole) {
  Installation install;
  const std::wstring longName = L"阿卜杜热合曼·买买提";
  WriteNames(install, {longName});
  Process rvo = install.Start(L"rvo.exe");
  const Window main = WaitForDrawWindow(rvo);
  EXPECT_EQ(DrawOnce(main), longName);
  const Rect content = Content(main).WindowRect();
  const Rect line = TextLine(main).WindowRect();
  EXPECT_GE(line.left, content.left);
  EXPECT_LE(line.right, content.right);
  EXPECT_GT(line.Width(), content.Width() * 3 / 4) << "shrunk further than needed";
}

TEST(RvoCrowd, WithoutRepeatsEachNameComesOnceAndTheChoiceSurvivesARestart) {
  Installation install;
  const std::vector<std::wstring> names{L"张伟", L"王芳", L"李娜"};
  WriteNames(install, names);
  {
    Process rvo = install.Start(L"rvo.exe");
    const Window main = WaitForDrawWindow(rvo);
    ChooseMenuItem(rvo, main, MenuItem::NoRepeat);
    EXPECT_TRUE(PollUntil([&] { return install.IniValue(L"Draw", L"norepeat") == L"1"; }, kDefaultTimeout));
    main.PostKey(VK_ESCAPE);
    rvo.ExpectExit();
  }
  Process rvo = install.Start(L"rvo.exe");
  const Window main = WaitForDrawWindow(rvo);
  std::set<std::wstring> drawn;
  for (int i = 0; i < 3; ++i) drawn.insert(DrawOnce(main));
  EXPECT_EQ(drawn, std::set<std::wstring>(names.begin(), names.end()));

  main.PostKey(VK_RETURN);
  MessageBoxWindow box = rvo.WaitForMessageBox(L"Ravelo");
  EXPECT_EQ(box.Text(), kPoolExhausted);
  EXPECT_EQ(box.Icon(), MessageBoxIcon::Information);
  box.Press(IDOK);
  EXPECT_FALSE(TextLineChanges(main, Milliseconds{300})) << "a draw started all the same";
  EXPECT_EQ(ButtonStates(main), kIdleButtons);
}

TEST(RvoCrowd, EveryStopAddsTheShownNameToTheRecord) {
  Installation install;
  WriteNames(install, {L"张伟", L"王芳（三年二班）", L"Ann Lee"});
  Process rvo = install.Start(L"rvo.exe");
  const Window main = WaitForDrawWindow(rvo);
  ChooseMenuItem(rvo, main, MenuItem::History);
  MessageBoxWindow box = rvo.WaitForMessageBox(L"Ravelo");
  EXPECT_EQ(box.Text(), kNoHistory);
  box.Press(IDOK);

  std::vector<std::wstring> shown;
  for (int i = 0; i < 2; ++i) shown.push_back(DrawOnce(main));
  const std::string bytes = install.ReadBytes(kHistoryFile);
  ASSERT_EQ(bytes.rfind("\xEF\xBB\xBF", 0), 0u) << "no UTF-8 byte-order mark";
  // One line per stop: the local time, a tab and the name shown.
  const std::wstring stamp = L"\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d\t";
  const std::wstring text = FromUtf8(bytes.substr(3));
  EXPECT_TRUE(std::regex_match(text, std::wregex(stamp + shown[0] + L"\r\n" + stamp + shown[1] + L"\r\n")))
      << ToUtf8(text);
}

TEST(RvoCrowd, ARecordThatCannotBeWrittenLeavesTheDrawAloneAndTheMenuItemSaysWhy) {
  Installation install;
  WriteNames(install, {L"张伟", L"王芳"});
  install.WriteBytes(L"history.txt\\blocked", "");  // a folder where the file would go
  Process rvo = install.Start(L"rvo.exe");
  const Window main = WaitForDrawWindow(rvo);
  DrawOnce(main);
  ChooseMenuItem(rvo, main, MenuItem::History);
  MessageBoxWindow box = rvo.WaitForMessageBox(L"Ravelo");
  EXPECT_EQ(box.Text().rfind(L"最近的抽签结果未能记入抽签记录文件history.txt:", 0), 0u) << ToUtf8(box.Text());
  EXPECT_EQ(box.Icon(), MessageBoxIcon::Warning);
  box.Press(IDOK);
  DrawOnce(main);  // and the next draw runs as usual
}

}  // namespace
}  // namespace ravelo::e2e
