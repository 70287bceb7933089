// The bench proves itself against its fixture program: every reading, input,
// message-box, screen and process function must reach another process, and
// every wait must fail in time with a message that says what it waited for.
#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <sstream>

#include "bench/bench.h"
#include "fixture/fixture_layout.h"

namespace ravelo::e2e {
namespace {

namespace fx = fixture;
using namespace std::chrono_literals;

template <typename F>
Milliseconds TimeOf(F&& action) {
  const auto start = std::chrono::steady_clock::now();
  action();
  return std::chrono::duration_cast<Milliseconds>(std::chrono::steady_clock::now() - start);
}

// Runs action, which must throw a TimeoutError; returns its message.
template <typename F>
std::string TimeoutMessageOf(F&& action) {
  try {
    action();
  } catch (const TimeoutError& e) {
    return e.what();
  }
  ADD_FAILURE() << "no TimeoutError";
  return {};
}

Point Center(const RECT& r) { return Rect::From(r).Center(); }

class BenchSelfTest : public ::testing::Test {
 protected:
  BenchSelfTest() {
    install_.CopyIn(TestProgramFolder() + fx::kProgram, std::wstring(L"bin\\") + fx::kProgram);
  }

  Process StartFixture(const std::wstring& arguments = {}) { return install_.Start(fx::kProgram, arguments); }
  static Window MainWindowOf(const Process& p) {
    return p.WaitForWindow({.className = fx::kClassName, .text = fx::kTitle});
  }

  Installation install_;
};

class BenchInstallation : public BenchSelfTest {};
class BenchProcess : public BenchSelfTest {};
class BenchWindows : public BenchSelfTest {};
class BenchInput : public BenchSelfTest {};
class BenchMessageBoxes : public BenchSelfTest {};
class BenchScreen : public BenchSelfTest {};

// --- Installation --------------------------------------------------------

TEST_F(BenchInstallation, IsAFreshCompleteCopyUnderTempThatIsRemovedAfterwards) {
  wchar_t temp[MAX_PATH + 1];
  GetTempPathW(MAX_PATH + 1, temp);
  EXPECT_EQ(install_.Root().rfind(temp, 0), 0u) << ToUtf8(install_.Root());
  EXPECT_TRUE(install_.Exists(L"bin\\rvo.exe"));
  EXPECT_TRUE(install_.Exists(L"common\\back.pte"));
  Installation staged(StagedInstallationFolder());
  EXPECT_EQ(install_.ReadBytes(Installation::kNameList), staged.ReadBytes(Installation::kNameList));
  EXPECT_EQ(install_.ReadBytes(Installation::kConfigFile), staged.ReadBytes(Installation::kConfigFile));

  std::wstring root;
  {
    Installation other;
    root = other.Root();
    EXPECT_NE(root, install_.Root());
    other.WriteGbk(L"common\\extra\\new.txt", L"新文件");
  }
  EXPECT_EQ(GetFileAttributesW(root.c_str()), INVALID_FILE_ATTRIBUTES) << ToUtf8(root) << " is still there";
}

TEST_F(BenchInstallation, RefusesASourceThatIsNoInstallation) {
  try {
    Installation bad(install_.PathOf(L"common"));
    FAIL() << "a folder without bin\\rvo.exe was copied";
  } catch (const BenchError& e) {
    EXPECT_NE(std::string(e.what()).find("has no bin\\rvo.exe"), std::string::npos) << e.what();
  }
}

TEST_F(BenchInstallation, WritesAndReadsGbkText) {
  install_.WriteGbk(Installation::kNameList, L"张三\r\n李四\r\n");
  EXPECT_EQ(install_.ReadBytes(Installation::kNameList), "\xD5\xC5\xC8\xFD\r\n\xC0\xEE\xCB\xC4\r\n");
  EXPECT_EQ(install_.ReadGbk(Installation::kNameList), L"张三\r\n李四\r\n");
}

TEST_F(BenchInstallation, ReadsAndWritesIniKeysAsGbk) {
  install_.WriteGbk(Installation::kConfigFile, L"[Form]\r\ncaption=年会抽奖\r\n");
  EXPECT_EQ(install_.IniValue(L"Form", L"caption"), L"年会抽奖");
  EXPECT_EQ(install_.IniValue(L"Form", L"missing"), L"");
  install_.SetIniValue(L"Text", L"fontname", L"宋体");
  EXPECT_EQ(install_.IniValue(L"Text", L"fontname"), L"宋体");
  EXPECT_NE(install_.ReadBytes(Installation::kConfigFile).find("fontname=\xCB\xCE\xCC\xE5"), std::string::npos);
}

TEST_F(BenchInstallation, RemovesFilesAndHoldsThemLocked) {
  ASSERT_TRUE(install_.Exists(Installation::kNameList));
  {
    UniqueHandle lock = install_.HoldOpen(Installation::kNameList);
    EXPECT_THROW(install_.ReadBytes(Installation::kNameList), BenchError);
  }
  EXPECT_NO_THROW(install_.ReadBytes(Installation::kNameList));
  install_.Remove(Installation::kNameList);
  install_.Remove(L"common");
  install_.Remove(L"no-such-file.txt");
  EXPECT_FALSE(install_.Exists(Installation::kNameList));
  EXPECT_FALSE(install_.Exists(L"common\\rvoconfig.rcf"));
  EXPECT_THROW(install_.ReadBytes(Installation::kNameList), BenchError);
}

TEST_F(BenchInstallation, EndsItsRunningProgramsBeforeDeletingItself) {
  auto other = std::make_unique<Installation>();
  other->CopyIn(TestProgramFolder() + fx::kProgram, std::wstring(L"bin\\") + fx::kProgram);
  Process p = other->Start(fx::kProgram);
  MainWindowOf(p);
  EXPECT_EQ(other->RunningProcesses(), std::vector<DWORD>{p.Id()});
  const std::wstring root = other->Root();
  other.reset();
  EXPECT_TRUE(p.WaitForExit(2s));
  EXPECT_EQ(GetFileAttributesW(root.c_str()), INVALID_FILE_ATTRIBUTES);
}

// --- Processes -------------------------------------------------------------

TEST_F(BenchProcess, ReportsTheExitCode) {
  Process quick = StartFixture(L"--exit 42");
  EXPECT_EQ(quick.ExpectExit(), 42u);
  EXPECT_FALSE(quick.IsRunning());

  Process p = StartFixture();
  EXPECT_EQ(p.ImageName(), fx::kProgram);
  MainWindowOf(p).PostKey(VK_ESCAPE);
  EXPECT_EQ(p.ExpectExit(), fx::kEscapeExitCode);
  EXPECT_EQ(p.ExitCode(), fx::kEscapeExitCode);
}

TEST_F(BenchProcess, ExpectExitFailsInTimeWhileTheProgramRuns) {
  Process p = StartFixture();
  MainWindowOf(p);
  std::string message;
  const Milliseconds took = TimeOf([&] { message = TimeoutMessageOf([&] { p.ExpectExit(300ms); }); });
  EXPECT_EQ(message, p.Describe() + " did not exit within 300 ms");
  EXPECT_GE(took, 290ms);
  EXPECT_LT(took, 1500ms);
  EXPECT_TRUE(p.IsRunning());
  EXPECT_EQ(p.ExitCode(), std::nullopt);
}

TEST_F(BenchProcess, KillEndsTheProgramAndWhatItStarted) {
  Process p = StartFixture();
  MainWindowOf(p).PostKey('C');
  const Window child = WaitForWindow({.className = fx::kClassName, .text = fx::kChildTitle});
  const DWORD childId = child.ProcessId();
  EXPECT_NE(childId, p.Id());
  EXPECT_EQ(p.Descendants(), std::vector<DWORD>{childId});
  Process adopted = Process::Attach(childId);
  EXPECT_EQ(adopted.ImageName(), fx::kProgram);

  p.Kill();
  EXPECT_FALSE(p.IsRunning());
  EXPECT_TRUE(adopted.WaitForExit(2s)) << "the started copy survived";
  EXPECT_TRUE(install_.RunningProcesses().empty());
}

TEST_F(BenchProcess, AttachedProcessReportsItsExit) {
  Process p = StartFixture();
  MainWindowOf(p).PostKey('C');
  const Window child = WaitForWindow({.className = fx::kClassName, .text = fx::kChildTitle});
  Process adopted = Process::Attach(child.ProcessId());
  child.PostClose();
  EXPECT_EQ(adopted.ExpectExit(), 0u);
  EXPECT_TRUE(p.IsRunning());
}

// --- Windows -------------------------------------------------------------

TEST_F(BenchWindows, FindsTheWindowByClassAndChineseTitleAndReadsItsState) {
  Process p = StartFixture();
  const Window main = MainWindowOf(p);
  EXPECT_EQ(main.Text(), fx::kTitle);
  EXPECT_EQ(main.ClassName(), fx::kClassName);
  EXPECT_EQ(main.ProcessId(), p.Id());
  EXPECT_TRUE(main.IsVisible());
  EXPECT_TRUE(main.IsEnabled());
  EXPECT_FALSE(main.IsTopmost());
  EXPECT_EQ(main.WindowRect(), Rect::FromSize(fx::kLeft, fx::kTop, fx::kWidth, fx::kHeight));
  EXPECT_EQ(p.Windows(), std::vector<Window>{main}) << "one visible top-level window";

  const Rect client = main.ClientRect();
  const Rect outer = main.WindowRect();
  EXPECT_GT(client.Width(), fx::kWidth - 40);
  EXPECT_GT(client.Height(), fx::kHeight - 80);
  EXPECT_TRUE(outer.Contains(client.TopLeft()));
  EXPECT_TRUE(outer.Contains({client.right - 1, client.bottom - 1}));
  EXPECT_EQ(main.ToScreen({0, 0}), client.TopLeft());
  EXPECT_EQ(main.ToClient(client.TopLeft() + Point{5, 7}), (Point{5, 7}));
}

TEST_F(BenchWindows, ReadsChildControlsOfAnotherProcess) {
  Process p = StartFixture();
  const Window main = MainWindowOf(p);
  const Window greeting = main.ChildById(fx::kGreetingId);
  EXPECT_EQ(greeting.Text(), fx::kGreeting);
  EXPECT_EQ(greeting.ClassName(), L"Static");
  EXPECT_EQ(greeting.Parent(), main);
  EXPECT_EQ(greeting.WindowRect(), Rect::FromSize(20, 10, 300, 20).Offset(main.ClientRect().TopLeft()));

  const auto buttons = main.Children({.className = L"Button"});
  ASSERT_EQ(buttons.size(), 1u);
  EXPECT_EQ(buttons[0].Text(), fx::kButtonText);
  EXPECT_EQ(buttons[0].ControlId(), fx::kButtonId);
  EXPECT_EQ(main.Child({.text = L"点击：0"}).ControlId(), fx::kClickLabelId);
  EXPECT_EQ(main.Children().size(), 9u);
}

TEST_F(BenchWindows, ReadsTheEnabledStateAndTheTopmostFlag) {
  Process p = StartFixture();
  const Window main = MainWindowOf(p);
  const Window button = main.ChildById(fx::kButtonId);
  EXPECT_TRUE(button.IsEnabled());
  main.PostKey('D');
  WaitUntil([&] { return !button.IsEnabled(); }, kDefaultTimeout, [] { return "the button stayed enabled"; });
  EXPECT_THROW(button.ClickButton(), BenchError);
  mouse::Click(button.WindowRect().Center());  // reaches the window behind the button
  main.ChildById(fx::kMouseLabelId).WaitForText(L"左键：70,74");
  main.PostKey('D');
  WaitUntil([&] { return button.IsEnabled(); }, kDefaultTimeout, [] { return "the button stayed disabled"; });
  main.ChildById(fx::kKeyLabelId).WaitForText(L"按键：68");
  EXPECT_EQ(main.ChildById(fx::kClickLabelId).Text(), L"点击：0");

  main.PostKey('T');
  main.WaitUntilTopmost(true);
  main.PostKey('T');
  main.WaitUntilTopmost(false);
}

TEST_F(BenchWindows, ReadsTheWindowRegionOfAnotherProcess) {
  Process p = StartFixture();
  const Window main = MainWindowOf(p);
  EXPECT_FALSE(main.Region().has_value()) << "no region before R";
  main.PostKey('R');
  WaitUntil([&] { return main.Region().has_value(); }, kDefaultTimeout, [] { return "no window region"; });
  const WindowRegion shape = *main.Region();
  EXPECT_EQ(shape.bounds, Rect::FromSize(0, 0, fx::kWidth, fx::kHeight));
  EXPECT_FALSE(shape.Contains({0, 0})) << "a rounded corner is cut off";
  EXPECT_FALSE(shape.Contains({fx::kWidth - 1, fx::kHeight - 1}));
  EXPECT_TRUE(shape.Contains({fx::kRegionCornerDiameter / 2, 0}));
  EXPECT_TRUE(shape.Contains({fx::kWidth / 2, fx::kHeight / 2}));
}

TEST_F(BenchWindows, WaitForWindowFailsInTimeNamingWhatItWaitedFor) {
  Process p = StartFixture();
  MainWindowOf(p);
  std::string message;
  const Milliseconds took = TimeOf([&] {
    message = TimeoutMessageOf([&] { p.WaitForWindow({.className = L"NoSuchClass", .text = L"不存在"}, 300ms); });
  });
  EXPECT_GE(took, 290ms);
  EXPECT_LT(took, 1500ms);
  EXPECT_EQ(message, "no visible window of class \"NoSuchClass\" titled \"不存在\" from ravelo_e2e_fixture.exe (pid " +
                         std::to_string(p.Id()) + ") (visible there: RaveloE2eFixture \"抽签测试窗口\") within 300 ms");
}

TEST_F(BenchWindows, WaitForWindowFailsAtOnceWhenTheProgramEnds) {
  Process p = StartFixture(L"--exit 3");
  try {
    const Milliseconds took = TimeOf([&] { p.WaitForWindow({.className = fx::kClassName}, 10s); });
    FAIL() << "found a window after " << took.count() << " ms";
  } catch (const TimeoutError& e) {
    FAIL() << "waited the whole timeout: " << e.what();
  } catch (const BenchError& e) {
    EXPECT_EQ(std::string(e.what()), p.Describe() + " exited with code 3 before showing a visible window of class "
                                                     "\"RaveloE2eFixture\"");
  }
}

TEST_F(BenchWindows, WaitsForTextsAndChildrenFailInTime) {
  Process p = StartFixture();
  const Window main = MainWindowOf(p);
  const Window label = main.ChildById(fx::kKeyLabelId);
  std::string message = TimeoutMessageOf([&] { label.WaitForText(L"按键：99", 200ms); });
  EXPECT_NE(message.find("did not become \"按键：99\" (last \"按键：无\") within 200 ms"), std::string::npos) << message;
  message = TimeoutMessageOf([&] { main.WaitForChild({.className = L"Edit"}, 200ms); });
  EXPECT_NE(message.find("no child visible window of class \"Edit\" in window of class \"RaveloE2eFixture\""),
            std::string::npos)
      << message;
  EXPECT_THROW(main.ChildById(4242), BenchError);
  message = TimeoutMessageOf([&] { main.WaitUntilGone(200ms); });
  EXPECT_NE(message.find("did not close within 200 ms"), std::string::npos) << message;
}

// --- Keys and the mouse ----------------------------------------------------

TEST_F(BenchInput, PostedKeysReachTheHandlersAndBecomeCharacters) {
  Process p = StartFixture();
  const Window main = MainWindowOf(p);
  main.PostKey('A');
  main.ChildById(fx::kKeyLabelId).WaitForText(L"按键：65");
  main.ChildById(fx::kCharLabelId).WaitForText(L"字符：a");
  main.PostChar(L'抽');
  main.ChildById(fx::kCharLabelId).WaitForText(L"字符：抽");
  main.PostKey(VK_RETURN);
  main.ChildById(fx::kKeyLabelId).WaitForText(L"按键：13");
}

TEST_F(BenchInput, SentKeysReachTheForegroundWindow) {
  Process p = StartFixture();
  const Window main = MainWindowOf(p);
  main.Activate();
  EXPECT_EQ(main.Focus(), main);
  keyboard::Press('B');
  main.ChildById(fx::kKeyLabelId).WaitForText(L"按键：66");
  main.ChildById(fx::kCharLabelId).WaitForText(L"字符：b");
  keyboard::Type(L"签");
  main.ChildById(fx::kCharLabelId).WaitForText(L"字符：签");
}

TEST_F(BenchInput, ClicksButtonsByMessageAndByMouse) {
  Process p = StartFixture();
  const Window main = MainWindowOf(p);
  const Window button = main.ChildById(fx::kButtonId);
  const Window count = main.ChildById(fx::kClickLabelId);
  button.ClickButton();
  count.WaitForText(L"点击：1");
  mouse::Click(button.WindowRect().Center());
  count.WaitForText(L"点击：2");
}

TEST_F(BenchInput, MouseClicksHoversAndDragsReachAnotherProcess) {
  Process p = StartFixture();
  const Window main = MainWindowOf(p);
  mouse::MoveTo(main.ToScreen({300, 170}));
  main.ChildById(fx::kHoverLabelId).WaitForText(L"悬停：300,170");
  EXPECT_EQ(mouse::Position(), main.ToScreen({300, 170}));

  mouse::Click(main.ToScreen({30, 210}));
  main.ChildById(fx::kMouseLabelId).WaitForText(L"左键：30,210");

  mouse::Drag(main.ToScreen({170, 210}), main.ToScreen({290, 270}));
  main.ChildById(fx::kDragLabelId).WaitForText(L"拖动：170,210→290,270");
}

TEST_F(BenchInput, DraggingByTheSystemMoveLoopMovesTheWindow) {
  Process p = StartFixture();
  const Window main = MainWindowOf(p);
  const Rect before = main.WindowRect();
  const Point grip = main.ToScreen(Center(fx::kGrip));
  mouse::Drag(grip, grip + Point{60, 40});
  const Rect expected = before.Offset({60, 40});
  Rect last;
  WaitUntil([&] { return (last = main.WindowRect()) == expected; }, kDefaultTimeout, [&] {
    std::ostringstream os;
    PrintTo(last, &os);
    return "the window did not move by (60, 40): it is at " + os.str();
  });
}

TEST_F(BenchInput, ResetInputReleasesWhatAnEarlierTestLeftHeld) {
  mouse::MoveTo({10, 10});
  mouse::Press(MouseButton::Left);
  keyboard::Down(VK_SHIFT);
  ASSERT_TRUE(GetAsyncKeyState(VK_LBUTTON) & 0x8000);
  ResetInput();
  EXPECT_FALSE(GetAsyncKeyState(VK_LBUTTON) & 0x8000);
  EXPECT_FALSE(GetAsyncKeyState(VK_SHIFT) & 0x8000);
  EXPECT_EQ(mouse::Position(), (Point{ScreenBounds().right - 1, ScreenBounds().bottom - 1}));
}

TEST_F(BenchInput, PostedMouseMessagesAreTheFallback) {
  Process p = StartFixture();
  const Window main = MainWindowOf(p);
  main.PostDrag({180, 220}, {250, 260});
  main.ChildById(fx::kDragLabelId).WaitForText(L"拖动：180,220→250,260");
  main.PostMouseMove({12, 34});
  main.ChildById(fx::kHoverLabelId).WaitForText(L"悬停：12,34");
  const Point swatch = main.ToScreen(Center(fx::kSwatch));
  EXPECT_EQ(WindowAt(swatch), main);
  PostClickAt(swatch);
  main.ChildById(fx::kMouseLabelId).WaitForText(L"左键：80,240");
}

// --- Message boxes ---------------------------------------------------------

TEST_F(BenchMessageBoxes, RightClickBoxIsReadAndAnswered) {
  Process p = StartFixture();
  const Window main = MainWindowOf(p);
  EXPECT_FALSE(p.FindMessageBox().has_value());
  mouse::RightClick(main.ToScreen({300, 170}));
  const MessageBoxWindow box = p.WaitForMessageBox(fx::kBoxTitle);
  EXPECT_EQ(box.Title(), L"Ravelo");
  EXPECT_EQ(box.Text(), fx::kWarningText);
  EXPECT_EQ(box.Icon(), MessageBoxIcon::Warning);
  EXPECT_EQ(box.ButtonIds(), std::vector<int>{IDOK});
  EXPECT_EQ(box.Dialog().Owner(), main);
  box.Press(IDOK);
  main.ChildById(fx::kMessageLabelId).WaitForText(L"消息框：1");
}

TEST_F(BenchMessageBoxes, TellsTheInformationIconFromTheWarning) {
  Process p = StartFixture();
  const Window main = MainWindowOf(p);
  main.PostKey('I');
  const MessageBoxWindow box = p.WaitForMessageBox();
  EXPECT_EQ(box.Text(), fx::kInfoText);
  EXPECT_EQ(box.Icon(), MessageBoxIcon::Information);
  EXPECT_THROW(box.Press(IDCANCEL), BenchError) << "the box has no Cancel button";
  box.Press();
  main.ChildById(fx::kMessageLabelId).WaitForText(L"消息框：1");
}

TEST_F(BenchMessageBoxes, PostedRightClickAlsoOpensTheBoxAndWaitsFailInTime) {
  Process p = StartFixture();
  const Window main = MainWindowOf(p);
  const std::string message = TimeoutMessageOf([&] { p.WaitForMessageBox(L"Ravelo", 200ms); });
  EXPECT_NE(message.find("no visible window of class \"#32770\" titled \"Ravelo\" from ravelo_e2e_fixture.exe"),
            std::string::npos)
      << message;
  main.PostClick({300, 170}, MouseButton::Right);
  p.WaitForMessageBox(L"Ravelo").Press();
}

// --- The screen ----------------------------------------------------------

TEST_F(BenchScreen, ReadsExactColoursOfAnotherProcessWindow) {
  Process p = StartFixture();
  const Window main = MainWindowOf(p);
  const Point swatch = main.ToScreen(Center(fx::kSwatch));
  WaitForPixel(swatch, Color::FromColorref(fx::kSwatchColor));
  const Image client = main.CaptureClient();
  EXPECT_EQ(client.Area(), main.ClientRect());
  const int swatchArea = Rect::From(fx::kSwatch).Width() * Rect::From(fx::kSwatch).Height();
  EXPECT_EQ(client.Count(Color::FromColorref(fx::kSwatchColor)), swatchArea);
  EXPECT_EQ(client.At(fx::kDragPad.left, fx::kDragPad.top), Color::FromColorref(fx::kDragPadColor));
  EXPECT_EQ(client.AtScreen(main.ToScreen({fx::kGrip.right - 1, fx::kGrip.bottom - 1})),
            Color::FromColorref(fx::kGripColor));

  mouse::Click(swatch);
  WaitForPixel(swatch, Color::FromColorref(fx::kSwatchOtherColor));
  EXPECT_EQ(main.CaptureClient().Count(Color::FromColorref(fx::kSwatchOtherColor)), swatchArea);
}

TEST_F(BenchScreen, WaitsUntilTheWindowAndItsControlsArePainted) {
  Process p = StartFixture();
  const Window main = MainWindowOf(p);
  main.WaitUntilPainted();
  EXPECT_FALSE(main.HasPendingPaint());
  const Color dark{0, 0, 0};
  const Image texts = main.ChildById(fx::kMessageLabelId).CaptureWindow();
  EXPECT_GT(texts.Count(dark, 100), 20) << "the last label shows no text yet";
  const Image button = main.ChildById(fx::kButtonId).CaptureWindow();
  EXPECT_GT(button.Count(dark, 100), 20) << "the button shows no caption yet";
}

TEST_F(BenchScreen, WaitForPixelFailsInTimeNamingTheColours) {
  Process p = StartFixture();
  const Window main = MainWindowOf(p);
  const Point swatch = main.ToScreen(Center(fx::kSwatch));
  WaitForPixel(swatch, Color::FromColorref(fx::kSwatchColor));
  const std::string message = TimeoutMessageOf([&] { WaitForPixel(swatch, Color{1, 2, 3}, 200ms); });
  EXPECT_NE(message.find("did not become #010203 (last #2080E0) within 200 ms"), std::string::npos) << message;
}

TEST_F(BenchScreen, SavesTheScreenAsABitmap) {
  Process p = StartFixture();
  MainWindowOf(p);
  const std::wstring path = install_.PathOf(L"screen.bmp");
  ASSERT_TRUE(SaveScreenshot(path));
  const std::string bmp = install_.ReadBytes(L"screen.bmp");
  const Rect screen = ScreenBounds();
  ASSERT_GE(bmp.size(), 54u);
  EXPECT_EQ(bmp.substr(0, 2), "BM");
  EXPECT_EQ(bmp.size(), 54u + 4u * static_cast<size_t>(screen.Width() * screen.Height()));
}

}  // namespace
}  // namespace ravelo::e2e
