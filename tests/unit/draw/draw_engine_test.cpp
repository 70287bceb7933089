#include "draw/core/draw_engine.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace ravelo::draw {
namespace {

// A window stand-in: records every effect as a short line, and loads the
// name count and interval the test sets.
class RecordingWindow : public DrawEffects {
 public:
  std::optional<LoadedDraw> nextLoad = LoadedDraw{3, 10, false, {}};
  bool launchSucceeds = true;
  std::vector<std::string> log;
  std::function<void()> duringMessage;  // runs while a "modal" message shows

  void EnableTimer(int intervalMs) override { log.push_back("timer on " + std::to_string(intervalMs)); }
  void DisableTimer() override { log.push_back("timer off"); }
  void StartMusic() override { log.push_back("music start"); }
  void StopMusic() override { log.push_back("music stop"); }
  void SetButtonEnabled(CommandButton b, bool enabled) override {
    log.push_back("button " + std::to_string(static_cast<int>(b)) + (enabled ? " on" : " off"));
  }
  void SetMusicChecked(bool checked) override { log.push_back(checked ? "music checked" : "music unchecked"); }
  std::optional<LoadedDraw> LoadNamesAndSettings() override {
    log.push_back("load");
    return nextLoad;
  }
  std::optional<LoadedDraw> LoadList() override {
    log.push_back("load list");
    return nextLoad;
  }
  bool LaunchCompanion(Companion which) override {
    log.push_back(which == Companion::ConfigProgram ? "launch rvocfg" : "launch rvostyle");
    return launchSucceeds;
  }
  void EndProgram() override { log.push_back("end"); }
  void ShowName(std::size_t index) override { log.push_back("name " + std::to_string(index)); }
  void ShowMessage(std::string_view text) override {
    log.push_back("message " + std::string(text));
    if (duringMessage) duringMessage();
  }

  void ShowNotice(std::string_view text) override { log.push_back("notice " + std::string(text)); }
  // Kept apart from the log, which the older cases compare whole.
  void SetNoRepeatChecked(bool checked) override { noRepeatChecked = checked; }
  void SaveNoRepeat(bool on) override { saved.push_back(on); }
  void RecordResults(const std::vector<std::size_t>& indices, std::string_view round) override {
    recorded.insert(recorded.end(), indices.begin(), indices.end());
    recordedRounds.emplace_back(round);
  }
  void ShowNames(const std::vector<std::size_t>& indices) override { shownAtOnce.push_back(indices); }
  std::string NameText(std::size_t index) const override { return "n" + std::to_string(index); }
  void SetDrawCountChecked(int count) override { countChecked = count; }
  void SaveDrawCount(int count) override { countSaved.push_back(count); }
  void SetRoundsChecked(bool on) override { roundsChecked = on; }
  void SaveRounds(bool) override {}
  void ShowRoundCaption(std::string_view text) override { caption = text; }
  void RoundChanged(const DrawPool& pool, bool save) override { rounds.emplace_back(pool.Remaining(), save); }
  std::vector<std::pair<std::size_t, bool>> rounds;  // names left, kept for the next run
  bool noRepeatChecked = false;
  std::vector<bool> saved;
  std::vector<std::size_t> recorded;
  std::vector<std::string> recordedRounds;  // the round of each stop's lines
  std::vector<std::vector<std::size_t>> shownAtOnce;
  int countChecked = 0;
  std::vector<int> countSaved;
  bool roundsChecked = false;
  std::string caption;

  // The log since the last call, then cleared.
  std::vector<std::string> Take() { return std::exchange(log, {}); }
};

using Log = std::vector<std::string>;

CommandState IdleState() {
  CommandState s;
  s.canStart = s.canReload = s.canConfigure = true;
  s.musicOn = true;
  s.buttonEnabled = {true, false, true, true};
  return s;
}

CommandState DrawingState() {
  CommandState s;
  s.canStop = true;
  s.drawing = s.timerOn = s.musicOn = true;
  s.buttonEnabled = {false, true, false, false};
  return s;
}

class DrawEngineTest : public ::testing::Test {
 protected:
  void StartUpIdle() {
    ASSERT_TRUE(engine.StartUp());
    window.Take();
  }
  void StartDrawing() {
    StartUpIdle();
    engine.OnKey(kKeyEnter);
    window.Take();
  }

  RecordingWindow window;
  DrawEngine engine{window, RandomPick(1, [] { return std::uint64_t{0}; })};
};

TEST_F(DrawEngineTest, ADrawStartsOnEnterAndStopsOnSpaceOnTheLastNameShown) {
  EXPECT_TRUE(engine.StartUp());
  EXPECT_EQ(engine.State(), IdleState());
  EXPECT_EQ(window.Take(), (Log{"load", "music checked", "button 1 on", "button 2 off", "button 3 on", "button 4 on"}));
  engine.OnTimerTick();
  EXPECT_TRUE(window.Take().empty()) << "no tick effect while idle";

  engine.OnKey(kKeyEnter);
  EXPECT_EQ(engine.State(), DrawingState());
  EXPECT_EQ(window.Take(), (Log{"timer on 10", "music start", "button 1 off", "button 2 on", "button 3 off", "button 4 off"}));
  std::set<std::string> shown;
  for (int i = 0; i < 100; ++i) engine.OnTimerTick();
  for (const auto& line : window.Take()) shown.insert(line);
  EXPECT_EQ(shown, (std::set<std::string>{"name 0", "name 1", "name 2"}));

  engine.OnKey(kKeySpace);
  EXPECT_EQ(engine.State(), IdleState());
  EXPECT_EQ(window.Take(), (Log{"timer off", "music stop", "button 1 on", "button 2 off", "button 3 on", "button 4 on"}));
  EXPECT_EQ(window.recorded, std::vector<std::size_t>{*engine.LastPick()});
  engine.OnKey(kKeyEnter);
  engine.OnKey(kKeySpace);
  EXPECT_EQ(window.recorded.size(), 1u) << "a draw that showed no name records nothing";
}

TEST_F(DrawEngineTest, WithoutANameListStartUpAndReloadLaunchTheConfigProgramAndGiveUp) {
  for (const bool atStartUp : {true, false}) {
    SCOPED_TRACE(atStartUp ? "start-up" : "reload");
    RecordingWindow w;
    DrawEngine e{w, RandomPick(1, [] { return std::uint64_t{0}; })};
    if (atStartUp) {
      w.nextLoad.reset();
      EXPECT_FALSE(e.StartUp());
    } else {
      ASSERT_TRUE(e.StartUp());
      w.Take();
      w.nextLoad.reset();
      e.OnKey(kKeyReload);
    }
    const Log log = w.Take();
    ASSERT_GE(log.size(), 3u);
    EXPECT_EQ(Log(log.begin(), log.begin() + 3),
              (Log{"load", "message 找不到抽签名单文件,请重新设置抽签名单", "launch rvocfg"}));
    // At start-up the window ends the program itself.
    EXPECT_EQ(std::count(log.begin(), log.end(), "end"), atStartUp ? 0 : 1);
    EXPECT_TRUE(e.Ended());
  }
}

// Each input in each state: what it does first, or nothing.
TEST_F(DrawEngineTest, InputsActOnlyInTheStatesThatOfferThem) {
  enum class Input { Key, Button };
  const struct {
    bool drawing;
    Input input;
    int code;  // a key's character code or a button's number
    const char* firstEffect;
  } rows[] = {
      {false, Input::Key, kKeySpace, nullptr},        {false, Input::Button, 2, nullptr},
      {false, Input::Key, kKeyEnter, "timer on 10"},  {false, Input::Button, 1, "timer on 10"},
      {false, Input::Key, kKeyReload, "load"},        {false, Input::Button, 3, "load"},
      {false, Input::Key, kKeyConfigure, "launch rvocfg"}, {false, Input::Button, 4, "launch rvocfg"},
      {true, Input::Key, kKeyEnter, nullptr},         {true, Input::Button, 1, nullptr},
      {true, Input::Key, kKeyReload, nullptr},        {true, Input::Button, 3, nullptr},
      {true, Input::Key, kKeyConfigure, nullptr},     {true, Input::Button, 4, nullptr},
      {true, Input::Key, kKeySpace, "timer off"},     {true, Input::Button, 2, "timer off"},
      {false, Input::Key, 'a', nullptr},              {false, Input::Key, 13 + 256, nullptr},
      {true, Input::Key, -1, nullptr},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(std::to_string(row.code) + (row.drawing ? " while drawing" : " while idle"));
    DrawEngine fresh{window, RandomPick(1, [] { return std::uint64_t{0}; })};
    ASSERT_TRUE(fresh.StartUp());
    if (row.drawing) fresh.OnKey(kKeyEnter);
    window.Take();
    const CommandState before = fresh.State();
    if (row.input == Input::Key) {
      fresh.OnKey(row.code);
    } else {
      fresh.OnButtonClick(static_cast<CommandButton>(row.code));
    }
    const Log log = window.Take();
    if (row.firstEffect == nullptr) {
      EXPECT_TRUE(log.empty());
      EXPECT_EQ(fresh.State(), before);
    } else {
      ASSERT_FALSE(log.empty());
      EXPECT_EQ(log.front(), row.firstEffect);
    }
  }
}

TEST_F(DrawEngineTest, ReloadReplacesNamesAndIntervalAndTurnsTheMusicBackOn) {
  StartUpIdle();
  engine.OnMusicMenuItem();
  window.Take();
  window.nextLoad = LoadedDraw{1, 25, false, {}};
  engine.OnKey(kKeyReload);
  EXPECT_EQ(window.Take(), (Log{"load", "music checked", "button 1 on", "button 2 off"}));
  EXPECT_EQ(engine.State(), IdleState());
  engine.OnKey(kKeyEnter);
  EXPECT_EQ(window.Take().front(), "timer on 25");
  for (int i = 0; i < 20; ++i) engine.OnTimerTick();
  EXPECT_EQ(window.Take(), Log(20, "name 0")) << "only the new list's one name";
}

TEST_F(DrawEngineTest, EscEndsTheProgramAtOnceEvenDuringADrawAndNothingActsAfter) {
  StartDrawing();
  engine.OnKey(kKeyEsc);
  EXPECT_EQ(window.Take(), (Log{"end"})) << "no stop of timer or music first";
  EXPECT_TRUE(engine.Ended());
  engine.OnTimerTick();
  engine.OnKey(kKeySpace);
  engine.OnExitRequest();
  EXPECT_TRUE(window.Take().empty());

  // The close box and "退出" end an idle program the same way.
  DrawEngine other{window, RandomPick(1, [] { return std::uint64_t{0}; })};
  ASSERT_TRUE(other.StartUp());
  window.Take();
  other.OnExitRequest();
  EXPECT_EQ(window.Take(), (Log{"end"}));
}

TEST_F(DrawEngineTest, IntervalZeroRunsADrawThatNeverTicks) {
  window.nextLoad = LoadedDraw{2, 0, false, {}};
  StartUpIdle();
  engine.OnKey(kKeyEnter);
  EXPECT_EQ(window.Take(), (Log{"music start", "button 1 off", "button 2 on", "button 3 off", "button 4 off"}));
  EXPECT_TRUE(engine.State().timerOn);
  engine.OnTimerTick();
  engine.OnKey(kKeySpace);
  EXPECT_FALSE(engine.LastPick().has_value());
}

TEST_F(DrawEngineTest, TheRemoteButtonStartsWhereEnterWouldAndElseStopsWhereSpaceWould) {
  StartUpIdle();
  engine.OnRemoteButton();
  EXPECT_EQ(engine.State(), DrawingState());
  EXPECT_EQ(window.Take(), (Log{"timer on 10", "music start", "button 1 off", "button 2 on", "button 3 off", "button 4 off"}));
  engine.OnTimerTick();
  window.Take();
  engine.OnRemoteButton();
  EXPECT_EQ(engine.State(), IdleState());
  EXPECT_EQ(window.recorded.size(), 1u);

  // An empty list refuses it as it refuses Enter.
  DrawEngine empty{window, RandomPick(1, [] { return std::uint64_t{0}; })};
  window.nextLoad = LoadedDraw{0, 10, false, {}};
  ASSERT_TRUE(empty.StartUp());
  window.Take();
  empty.OnRemoteButton();
  EXPECT_EQ(window.Take(), (Log{"message 抽签名单中没有名字,请先在配置程序中添加抽签名单"}));
}

TEST_F(DrawEngineTest, AnEmptyNameListRefusesToStart) {
  window.nextLoad = LoadedDraw{0, 10, false, {}};
  StartUpIdle();
  engine.OnButtonClick(CommandButton::Start);
  EXPECT_EQ(window.Take(), (Log{"message 抽签名单中没有名字,请先在配置程序中添加抽签名单"}));
  EXPECT_EQ(engine.State(), IdleState());
}

TEST_F(DrawEngineTest, TheMusicSwitchActsAtOnceDuringADrawAndKeepsAnIdleDrawSilent) {
  StartDrawing();
  engine.OnMusicMenuItem();
  EXPECT_EQ(window.Take(), (Log{"music stop", "music unchecked"}));
  engine.OnMusicMenuItem();
  EXPECT_EQ(window.Take(), (Log{"music start", "music checked"}));
  engine.OnKey(kKeySpace);
  window.Take();
  engine.OnMusicMenuItem();
  EXPECT_EQ(window.Take(), (Log{"music unchecked"}));
  engine.OnKey(kKeyEnter);
  engine.OnKey(kKeySpace);
  const Log log = window.Take();
  EXPECT_EQ(std::count(log.begin(), log.end(), "music start") + std::count(log.begin(), log.end(), "music stop"), 0);
}

TEST_F(DrawEngineTest, CompanionsLaunchWithoutTouchingTheDrawAndAFailureIsReported) {
  StartDrawing();
  engine.OnCompanionMenuItem(Companion::ConfigProgram);
  engine.OnCompanionMenuItem(Companion::StyleEditor);
  EXPECT_EQ(window.Take(), (Log{"launch rvocfg", "launch rvostyle"}));
  EXPECT_EQ(engine.State(), DrawingState());

  engine.OnKey(kKeySpace);
  window.Take();
  window.launchSucceeds = false;
  engine.OnCompanionMenuItem(Companion::StyleEditor);
  EXPECT_EQ(window.Take(), (Log{"launch rvostyle", "message 无法启动风格编辑器rvostyle.exe,请检查程序文件夹"}));
  engine.OnKey(kKeyConfigure);
  EXPECT_EQ(window.Take(), (Log{"launch rvocfg", "message 无法启动配置程序rvocfg.exe,请检查程序文件夹",
                                "button 1 on", "button 2 off"}));
  EXPECT_EQ(engine.State(), IdleState());
}

TEST_F(DrawEngineTest, InputDuringAModalMessageIsDroppedWhileTheDrawGoesOn) {
  StartDrawing();
  window.launchSucceeds = false;
  window.duringMessage = [this] {
    for (int i = 0; i < 3; ++i) engine.OnTimerTick();
    engine.OnKey(kKeySpace);
    engine.OnKey(kKeyEsc);
  };
  engine.OnCompanionMenuItem(Companion::ConfigProgram);
  const Log log = window.Take();
  EXPECT_EQ(std::count_if(log.begin(), log.end(), [](const std::string& l) { return l.rfind("name ", 0) == 0; }), 3);
  EXPECT_EQ(engine.State(), DrawingState()) << "Space during the message stopped the draw";
  EXPECT_FALSE(engine.Ended());
}

// --- Draws without repeats ---------------------------------------------------

// One draw of a few ticks; the name shown last is the result.
std::size_t DrawOnce(DrawEngine& engine) {
  engine.OnKey(kKeyEnter);
  for (int i = 0; i < 5; ++i) engine.OnTimerTick();
  engine.OnKey(kKeySpace);
  return *engine.LastPick();
}

TEST_F(DrawEngineTest, WithoutRepeatsEveryNameComesOnceThenStartingSaysSo) {
  window.nextLoad = LoadedDraw{3, 10, true, {}};
  StartUpIdle();
  EXPECT_TRUE(window.noRepeatChecked);
  std::set<std::size_t> drawn;
  for (int i = 0; i < 3; ++i) drawn.insert(DrawOnce(engine));
  EXPECT_EQ(drawn, (std::set<std::size_t>{0, 1, 2}));
  window.Take();
  engine.OnKey(kKeyEnter);
  EXPECT_EQ(window.Take(), Log{"notice 名单中的名字已全部抽完,刷新后可重新开始"});
  EXPECT_FALSE(engine.State().drawing);
}

// The round the window kept goes on at start-up and when a list is chosen;
// a reload, the restart item and the option's switch start a new one, and
// every change reaches the window's store.
TEST_F(DrawEngineTest, ASavedRoundGoesOnUntilReloadRestartOrTheOptionStartsANewOne) {
  window.nextLoad = LoadedDraw{3, 10, true, {0, 2}};
  StartUpIdle();
  EXPECT_EQ(DrawOnce(engine), 1u) << "the only name left";
  engine.OnKey(kKeyEnter);
  EXPECT_EQ(window.Take().back(), "notice 名单中的名字已全部抽完,刷新后可重新开始");

  window.nextLoad = LoadedDraw{4, 25, false, {3}};
  engine.OnMusicMenuItem();
  EXPECT_TRUE(engine.OnListChosen());
  EXPECT_EQ(engine.NamesLeft(), 3u) << "the chosen list's round";
  EXPECT_TRUE(engine.State().noRepeat && !engine.State().musicOn) << "a list chosen keeps the switches";
  engine.OnKey(kKeyEnter);
  const Log started = window.Take();
  EXPECT_NE(std::find(started.begin(), started.end(), "timer on 10"), started.end()) << "and the settings";
  engine.OnKey(kKeySpace);
  window.nextLoad = LoadedDraw{4, 10, true, {}};
  engine.OnKey(kKeyReload);
  EXPECT_EQ(engine.NamesLeft(), 4u) << "reload";
  DrawOnce(engine);
  engine.OnRestartRoundMenuItem();
  EXPECT_EQ(engine.NamesLeft(), 4u) << "restart item";
  DrawOnce(engine);
  engine.OnNoRepeatMenuItem();
  EXPECT_FALSE(window.noRepeatChecked);
  engine.OnRestartRoundMenuItem();
  DrawOnce(engine);
  EXPECT_EQ(engine.NamesLeft(), 4u) << "turned off: nobody leaves";
  engine.OnNoRepeatMenuItem();
  EXPECT_TRUE(engine.State().noRepeat);
  EXPECT_EQ(window.saved, (std::vector<bool>{false, true}));
  using Round = std::pair<std::size_t, bool>;
  EXPECT_EQ(window.rounds, (std::vector<Round>{{1, false}, {0, true}, {3, false}, {4, true}, {3, true},
                                               {4, true}, {3, true}, {4, true}, {4, true}}));

  window.nextLoad = LoadedDraw{2, 10, false, {0}};
  engine.OnKey(kKeyEnter);
  EXPECT_FALSE(engine.OnListChosen()) << "during a draw";
  engine.OnKey(kKeySpace);
  engine.OnNoRepeatMenuItem();
  EXPECT_TRUE(engine.OnListChosen());
  EXPECT_EQ(engine.NamesLeft(), 2u) << "without repeats nothing is carried";
  window.nextLoad.reset();
  window.Take();
  EXPECT_TRUE(engine.OnListChosen());
  EXPECT_TRUE(engine.Ended()) << "no list at all";
  EXPECT_EQ(window.Take().front(), "load list");
}

// Several names at once: every tick shows count different entries of the
// pool; the stop records them all and, without repeats, all leave the pool;
// fewer left than the count draws those left and says so.
TEST_F(DrawEngineTest, ADrawOfSeveralShowsDistinctNamesAndTakesThoseLeftWhenFewer) {
  LoadedDraw load{5, 10, true, {}};
  load.drawCount = 3;
  window.nextLoad = load;
  DrawEngine drawing{window, RandomPick::FromSystemClock()};
  ASSERT_TRUE(drawing.StartUp());
  EXPECT_EQ(window.countChecked, 3);
  drawing.OnKey(kKeyEnter);
  for (int i = 0; i < 200; ++i) drawing.OnTimerTick();
  std::set<std::size_t> seen;
  for (const auto& shown : window.shownAtOnce) {
    ASSERT_EQ(std::set<std::size_t>(shown.begin(), shown.end()).size(), 3u);
    seen.insert(shown.begin(), shown.end());
  }
  EXPECT_EQ(seen.size(), 5u) << "every name can come";
  const std::vector<std::size_t> last = window.shownAtOnce.back();
  window.Take();
  drawing.OnKey(kKeySpace);
  EXPECT_EQ(window.recorded, last);
  EXPECT_EQ(drawing.NamesLeft(), 2u);
  const Log stopped = window.Take();
  EXPECT_EQ(std::count_if(stopped.begin(), stopped.end(), [](const std::string& l) { return l.starts_with("notice"); }), 0)
      << "no message while the count was met";

  drawing.OnKey(kKeyEnter);
  drawing.OnTimerTick();
  drawing.OnKey(kKeySpace);
  EXPECT_EQ(window.shownAtOnce.back().size(), 2u);
  EXPECT_EQ(drawing.NamesLeft(), 0u);
  EXPECT_EQ(window.Take().back(), "notice 剩下的名字不足3个,本次抽出了剩下的全部2个");
  drawing.OnDrawCountMenuItem(1);
  EXPECT_EQ(window.countSaved, std::vector<int>{1});
}

// A plan of rounds with repeats allowed: each start draws the next round's
// count under its title, nobody wins twice, and after the last round a start
// does nothing until the restart item begins the plan again.
TEST_F(DrawEngineTest, APrizePlanRunsItsRoundsInOrderAndNoOneWinsTwice) {
  LoadedDraw load{4, 10, false, {}};
  load.rounds = true;
  load.prizeRounds = {{"三等奖", 2}, {"一等奖", 2}};
  window.nextLoad = load;
  DrawEngine drawing{window, RandomPick::FromSystemClock()};
  ASSERT_TRUE(drawing.StartUp());
  EXPECT_TRUE(window.roundsChecked);
  std::set<std::size_t> winners;
  for (const char* title : {"三等奖", "一等奖"}) {
    drawing.OnKey(kKeyEnter);
    EXPECT_EQ(window.caption, title);
    for (int i = 0; i < 20; ++i) drawing.OnTimerTick();
    drawing.OnKey(kKeySpace);
    EXPECT_EQ(window.recordedRounds.back(), title);
    winners.insert(window.shownAtOnce.back().begin(), window.shownAtOnce.back().end());
  }
  EXPECT_EQ(winners.size(), 4u) << "no one twice";
  EXPECT_EQ(window.caption, "全部奖项已抽完");
  EXPECT_EQ(drawing.Plan().WinnersText().find("三等奖\r\n"), 0u);
  window.Take();
  drawing.OnKey(kKeyEnter);
  EXPECT_FALSE(drawing.State().drawing);
  EXPECT_TRUE(window.Take().empty());
  drawing.OnRestartRoundMenuItem();
  EXPECT_EQ(drawing.NamesLeft(), 4u);
  EXPECT_EQ(window.caption, "");
  drawing.OnKey(kKeyEnter);
  EXPECT_TRUE(drawing.State().drawing);
  drawing.OnKey(kKeySpace);

  // Another list: its entries are other people, so the plan starts over.
  window.nextLoad = load;
  EXPECT_TRUE(drawing.OnListChosen());
  EXPECT_EQ(drawing.NamesLeft(), 4u);
  EXPECT_EQ(window.caption, "");
  EXPECT_EQ(drawing.Plan().WinnersText(), "");

  load.prizeRounds.clear();
  window.nextLoad = load;
  drawing.OnKey(kKeyReload);
  window.Take();
  drawing.OnKey(kKeyEnter);
  EXPECT_EQ(window.Take(), Log{"notice 还没有设置奖项,请在配置程序的“奖项设置”中添加奖项"});
}

}  // namespace
}  // namespace ravelo::draw
