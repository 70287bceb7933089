// The command state of the draw window: which keys and buttons are live,
// whether a draw runs, whether music accompanies it, and what each key,
// button, timer tick and music menu click does.
//
// The engine decides; the window carries out. Every visible consequence goes
// through DrawEffects, which the window implements with its timer, music
// player, buttons, labels, message boxes and process launches.
//
// Two cases the window's layout leaves open are settled here:
// - A name list without names (the file exists but holds only empty lines):
//   start-up and reload succeed, but Enter and button 1 refuse to start a
//   draw; they show kEmptyNameListMessage and change nothing.
// - A draw interval of 0 (or less): a started draw counts as running (the
//   timer is "on", Space stops it), but no timer is armed, so the text line
//   keeps what it shows until the draw is stopped.
// A companion program that cannot be started is reported with a message; the
// command state changes as it would have after a successful launch.
//
// Without repeats ("不重复抽取", off unless the settings turn it on), the name
// shown at a stop leaves the pool of the following draws, and the round goes
// on across restarts and changes of list (the window keeps each list's drawn
// names); a reload, "重新开始本轮" or turning the option off or on starts a
// new round with the whole list, and with the pool empty a start says
// kPoolExhaustedMessage instead. Every stop after a draw that
// showed a name hands that name to the record of results.
//
// A draw shows [Draw] count names at once, never one entry twice; with fewer
// names left it takes those left and says so after the stop. With prize
// rounds ("按奖项抽取") each start draws the plan's next round with that
// round's count, its winners leave the pool for the rest of the plan whatever
// "不重复抽取" says, and once the last round has stopped a start does nothing
// until "重新开始本轮", a reload or another list starts the plan again.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "draw/core/draw_pool.h"
#include "draw/core/prize_plan.h"
#include "draw/core/random_pick.h"
#include "shared/core/companion.h"

namespace ravelo::draw {

// Character codes of the keys the window passes on.
inline constexpr int kKeyEnter = 13;
inline constexpr int kKeyEsc = 27;
inline constexpr int kKeySpace = 32;
inline constexpr int kKeyReload = '1';     // 49
inline constexpr int kKeyConfigure = '2';  // 50

// The four command buttons I_cmd(1) .. I_cmd(4).
enum class CommandButton { Start = 1, Stop = 2, Reload = 3, Configure = 4 };

// The draw window starts rvocfg.exe and rvostyle.exe.
using ravelo::Companion;

// Message box texts (warning icon, title "Ravelo", one OK button).
inline constexpr std::string_view kNoNameListMessage = "找不到抽签名单文件,请重新设置抽签名单";
inline constexpr std::string_view kEmptyNameListMessage = "抽签名单中没有名字,请先在配置程序中添加抽签名单";
// Information icon.
inline constexpr std::string_view kPoolExhaustedMessage = "名单中的名字已全部抽完,刷新后可重新开始";

// Information after a stop that drew fewer names than asked for: the names
// left (or the whole list) were fewer than the count.
std::string FewerNamesLeftMessage(std::size_t asked, std::size_t drawn);

// What a successful load of the name list and the settings tells the engine.
// The names themselves stay with the window; the engine picks indices.
struct LoadedDraw {
  std::size_t nameCount = 0;  // names in the list (NameCount)
  int drawIntervalMs = 0;     // the configured timer interval
  bool noRepeat = false;      // [Draw] norepeat
  // The names drawn in the list's round so far, as the window kept them
  // (indices, ascending); taken only without repeats and where a round
  // goes on (start-up, a list chosen), not on a reload.
  std::vector<std::size_t> drawn;
  // Read with the settings only (LoadNamesAndSettings); a chosen list keeps
  // the draw count and the prize plan as they are.
  int drawCount = 1;                // [Draw] count, 1 to 50
  bool rounds = false;              // [Draw] rounds: "按奖项抽取"
  std::vector<PrizeRound> prizeRounds{};  // rounds.txt (empty when missing)
};

// The window's side. Every call happens on the window's thread, from inside
// one of DrawEngine's public functions.
class DrawEffects {
 public:
  virtual ~DrawEffects() = default;

  // Arm the draw timer with this interval (always > 0) / disarm it.
  virtual void EnableTimer(int intervalMs) = 0;
  virtual void DisableTimer() = 0;
  // Open and play the music file from its start, asynchronously / stop and
  // close it. Failures stay silent.
  virtual void StartMusic() = 0;
  virtual void StopMusic() = 0;
  virtual void SetButtonEnabled(CommandButton button, bool enabled) = 0;
  // The check mark of the menu item "开启音乐"; it always equals MusicOn.
  virtual void SetMusicChecked(bool checked) = 0;
  // Empty the name list and read it again (Loadname); when there is no file,
  // return nullopt and read no settings. Otherwise read and apply the
  // configuration file (or its defaults, with their message), give the music
  // player its file, and return the name count and the timer interval.
  virtual std::optional<LoadedDraw> LoadNamesAndSettings() = 0;
  // Empty the name list and read the names of the list in use, with the
  // names drawn in its round when a round without repeats runs (noRepeat
  // and drawIntervalMs are not read); nullopt when there is no file.
  virtual std::optional<LoadedDraw> LoadList() = 0;
  // Start the companion from the program folder, not waiting; false when it
  // could not be started.
  virtual bool LaunchCompanion(Companion which) = 0;
  // Empty the name list, release the windows and end the program at once.
  virtual void EndProgram() = 0;
  // The text line shows the name at this index of the list (NameIndex).
  virtual void ShowName(std::size_t index) = 0;
  // A modal warning message box.
  virtual void ShowMessage(std::string_view text) = 0;
  // A modal message box with the information icon.
  virtual void ShowNotice(std::string_view text) = 0;
  // The check mark of "不重复抽取" / storing the choice in the settings.
  virtual void SetNoRepeatChecked(bool checked) = 0;
  virtual void SaveNoRepeat(bool on) = 0;
  // The pool changed: a name left it, a new round began, or a round was
  // taken over from the window's store. save: the window keeps the drawn
  // names for the next run (not for a round it has just handed in).
  virtual void RoundChanged(const DrawPool& pool, bool save) = 0;
  // A draw stopped on the names at these indices (one, or several at
  // once): append a line per name to the record, all with the same time;
  // round: the prize round's title, empty without rounds. Failures stay
  // with the record and never reach the draw.
  virtual void RecordResults(const std::vector<std::size_t>& indices, std::string_view round) = 0;
  // Several names at once: the text line's area shows the names at these
  // indices (count > 1; ShowName shows a draw of one).
  virtual void ShowNames(const std::vector<std::size_t>& indices) = 0;
  // The name at this index as UTF-8 (for the prize plan's winners).
  virtual std::string NameText(std::size_t index) const = 0;
  // "每次抽取人数": the radio mark / storing the choice in the settings.
  virtual void SetDrawCountChecked(int count) = 0;
  virtual void SaveDrawCount(int count) = 0;
  // "按奖项抽取": the check mark / storing the choice in the settings.
  virtual void SetRoundsChecked(bool on) = 0;
  virtual void SaveRounds(bool on) = 0;
  // The caption shows this prize round's title (or that the plan is over);
  // empty: the configured caption again.
  virtual void ShowRoundCaption(std::string_view text) = 0;
};

// The flags and enabled states after the last procedure.
struct CommandState {
  bool canStart = false;
  bool canStop = false;
  bool canReload = false;
  bool canConfigure = false;
  bool drawing = false;
  bool musicOn = false;
  bool noRepeat = false;
  bool timerOn = false;  // logically on; with interval 0 it never ticks
  std::array<bool, 4> buttonEnabled{};  // index 0 is I_cmd(1)

  bool ButtonEnabled(CommandButton b) const { return buttonEnabled[static_cast<std::size_t>(b) - 1]; }
  bool operator==(const CommandState&) const = default;
};

class DrawEngine {
 public:
  DrawEngine(DrawEffects& effects, RandomPick picker);
  DrawEngine(const DrawEngine&) = delete;
  DrawEngine& operator=(const DrawEngine&) = delete;

  // Start-up, while the window is created and before it is shown. Loads the
  // names and settings and sets the idle state (all four buttons are set).
  // Without a name list: shows kNoNameListMessage, launches the
  // configuration program and returns false; the window must then end the
  // program without being shown (EndProgram is not called) and the engine
  // ignores all further input.
  bool StartUp();

  // Input from the window. Each is ignored after the program has ended, and
  // while another of them is still running (a modal message box can let
  // messages through); only the timer's ticks go on then, so that a draw
  // keeps running behind a message.
  void OnKey(int characterCode);        // WM_CHAR of the window, whatever has the focus
  void OnButtonClick(CommandButton b);  // a click on an enabled I_cmd(i)
  // A presenter remote's one button (its page and arrow keys): starts a
  // draw when Enter would, else stops it when Space would.
  void OnRemoteButton();
  void OnTimerTick();                   // a tick of the draw timer
  void OnMusicMenuItem();               // "开启音乐"
  void OnNoRepeatMenuItem();            // "不重复抽取"
  void OnRestartRoundMenuItem();        // "重新开始本轮": without repeats or with rounds
  void OnDrawCountMenuItem(int count);  // "每次抽取人数": between draws
  void OnRoundsMenuItem();              // "按奖项抽取": between draws
  // The list in use changed ("选择名单"): its names are loaded (LoadList)
  // and its own round goes on; the settings, music and option stay as they
  // are (a reload takes the settings afresh). Without any name list, as
  // Reload. Only when a reload could run; false otherwise, and nothing was
  // loaded.
  bool OnListChosen();
  void OnCompanionMenuItem(Companion which);  // "配置程序", "编辑风格": no state change
  void OnExitRequest();                 // close box, "退出"

  const CommandState& State() const { return state_; }
  std::size_t NameCount() const { return nameCount_; }
  std::size_t NamesLeft() const { return pool_.Remaining(); }
  std::optional<std::size_t> LastPick() const { return lastPick_; }  // NameIndex
  bool RoundsOn() const { return roundsOn_; }
  const PrizePlan& Plan() const { return plan_; }
  bool Ended() const { return ended_; }

 private:
  class Busy;

  void StartDraw();
  void StopDraw();
  void Reload();
  void NoListLeft();  // no name list at all: the message, rvocfg, the end
  void OpenConfigProgram();
  void ExitProgram();
  void ShowRandomName();

  bool Accepting() const { return !ended_ && !busy_; }
  void Adopt(const LoadedDraw& loaded, bool carryRound);
  // Every name back in the pool but the plan's winners.
  void RefillPool();
  std::size_t CountOfNextDraw() const;
  void ShowPlanCaption(bool drawing);
  void EnterCommandState(bool drawing);  // buttons and flags of the idle or the drawing state
  void SetButton(CommandButton b, bool enabled);
  bool Launch(Companion which);

  DrawEffects& effects_;
  RandomPick picker_;
  DrawPool pool_;
  CommandState state_;
  std::size_t nameCount_ = 0;
  int drawIntervalMs_ = 0;
  std::optional<std::size_t> lastPick_;
  std::vector<std::size_t> lastPicks_;  // every name the last tick showed
  std::size_t thisDrawCount_ = 1;       // names the running draw shows
  bool pickedThisDraw_ = false;
  int drawCount_ = 1;
  bool roundsOn_ = false;
  PrizePlan plan_;
  std::vector<std::size_t> planWinners_;  // indices in the list in use
  bool ended_ = false;
  bool busy_ = false;
};

}  // namespace ravelo::draw
