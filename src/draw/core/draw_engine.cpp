#include "draw/core/draw_engine.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <utility>

#include "draw/core/distinct_pick.h"

namespace ravelo::draw {

std::string FewerNamesLeftMessage(std::size_t asked, std::size_t drawn) {
  return "剩下的名字不足" + std::to_string(asked) + "个,本次抽出了剩下的全部" + std::to_string(drawn) + "个";
}

namespace {

// The commands offered while idle and while drawing; the buttons follow them.
struct CommandsOffered {
  bool start, stop, reload, configure;
};
constexpr CommandsOffered kIdle{true, false, true, true};
constexpr CommandsOffered kDrawing{false, true, false, false};

}  // namespace

// Marks the engine busy for the length of one input, so that an input
// arriving while an effect runs a modal loop is dropped instead of nesting.
class DrawEngine::Busy {
 public:
  explicit Busy(bool& flag) : flag_(flag) { flag_ = true; }
  ~Busy() { flag_ = false; }
  Busy(const Busy&) = delete;
  Busy& operator=(const Busy&) = delete;

 private:
  bool& flag_;
};

DrawEngine::DrawEngine(DrawEffects& effects, RandomPick picker)
    : effects_(effects), picker_(std::move(picker)) {}

bool DrawEngine::StartUp() {
  if (!Accepting()) return false;
  Busy busy(busy_);
  auto loaded = effects_.LoadNamesAndSettings();
  if (!loaded) {
    effects_.ShowMessage(kNoNameListMessage);
    OpenConfigProgram();
    ended_ = true;  // the window ends the program itself
    return false;
  }
  Adopt(*loaded, true);
  effects_.RoundChanged(pool_, false);
  ShowPlanCaption(false);
  state_.timerOn = false;
  EnterCommandState(false);
  return true;
}

void DrawEngine::OnKey(int characterCode) {
  if (!Accepting()) return;
  Busy busy(busy_);
  switch (characterCode) {
    case kKeyEnter:
      if (state_.canStart) StartDraw();
      break;
    case kKeyEsc:
      ExitProgram();
      break;
    case kKeySpace:
      if (state_.canStop) StopDraw();
      break;
    case kKeyReload:
      if (state_.canReload) Reload();
      break;
    case kKeyConfigure:
      if (state_.canConfigure) OpenConfigProgram();
      break;
    default:
      break;
  }
}

void DrawEngine::OnRemoteButton() {
  if (!Accepting()) return;
  Busy busy(busy_);
  if (state_.canStart) {
    StartDraw();
  } else if (state_.canStop) {
    StopDraw();
  }
}

void DrawEngine::OnButtonClick(CommandButton b) {
  // The flags are not consulted: a disabled button takes no click, and the
  // enabled states are the only guard.
  if (!Accepting() || !state_.ButtonEnabled(b)) return;
  Busy busy(busy_);
  switch (b) {
    case CommandButton::Start: StartDraw(); break;
    case CommandButton::Stop: StopDraw(); break;
    case CommandButton::Reload: Reload(); break;
    case CommandButton::Configure: OpenConfigProgram(); break;
  }
}

void DrawEngine::OnTimerTick() {
  // With no interval no timer was armed; a stray tick changes nothing. A
  // tick is no input: the draw goes on while a message shows (a companion
  // that did not start), since showing a name changes no state.
  if (ended_ || !state_.timerOn || drawIntervalMs_ <= 0) return;
  ShowRandomName();
}

void DrawEngine::OnMusicMenuItem() {
  if (!Accepting()) return;
  Busy busy(busy_);
  state_.musicOn = !state_.musicOn;
  if (state_.drawing) {
    if (state_.musicOn) {
      effects_.StartMusic();
    } else {
      effects_.StopMusic();
    }
  }
  effects_.SetMusicChecked(state_.musicOn);
}

void DrawEngine::OnNoRepeatMenuItem() {
  if (!Accepting()) return;
  Busy busy(busy_);
  state_.noRepeat = !state_.noRepeat;
  RefillPool();
  effects_.SetNoRepeatChecked(state_.noRepeat);
  effects_.SaveNoRepeat(state_.noRepeat);
  effects_.RoundChanged(pool_, true);
}

void DrawEngine::OnRestartRoundMenuItem() {
  if (!Accepting() || !(state_.noRepeat || roundsOn_) || (roundsOn_ && state_.drawing)) return;
  Busy busy(busy_);
  plan_.Restart();
  planWinners_.clear();
  RefillPool();
  effects_.RoundChanged(pool_, state_.noRepeat);
  ShowPlanCaption(false);
}

void DrawEngine::OnDrawCountMenuItem(int count) {
  if (!Accepting() || state_.drawing) return;
  Busy busy(busy_);
  drawCount_ = std::clamp(count, kMinDrawCount, kMaxDrawCount);
  effects_.SetDrawCountChecked(drawCount_);
  effects_.SaveDrawCount(drawCount_);
}

void DrawEngine::OnRoundsMenuItem() {
  if (!Accepting() || state_.drawing) return;
  Busy busy(busy_);
  roundsOn_ = !roundsOn_;
  // A new plan; without repeats the list's round goes on as it was.
  plan_.Restart();
  planWinners_.clear();
  if (!state_.noRepeat) {
    RefillPool();
    effects_.RoundChanged(pool_, false);
  }
  effects_.SetRoundsChecked(roundsOn_);
  effects_.SaveRounds(roundsOn_);
  ShowPlanCaption(false);
}

bool DrawEngine::OnListChosen() {
  if (!Accepting() || !state_.canReload) return false;
  Busy busy(busy_);
  nameCount_ = 0;
  pool_.Reset(0);
  lastPick_.reset();
  auto loaded = effects_.LoadList();
  if (!loaded) {
    NoListLeft();
    return true;
  }
  nameCount_ = loaded->nameCount;
  // The plan's winners are entries of the list before, which the new list
  // cannot exclude: the plan starts again, so nobody of this list wins twice.
  planWinners_.clear();
  plan_.Restart();
  RefillPool();
  if (state_.noRepeat && !loaded->drawn.empty()) pool_.ResetWithout(pool_.Remaining(), loaded->drawn);
  effects_.RoundChanged(pool_, false);
  ShowPlanCaption(false);
  return true;
}

void DrawEngine::OnCompanionMenuItem(Companion which) {
  if (!Accepting()) return;
  Busy busy(busy_);
  Launch(which);
}

void DrawEngine::OnExitRequest() {
  if (!Accepting()) return;
  Busy busy(busy_);
  ExitProgram();
}

void DrawEngine::StartDraw() {
  if (nameCount_ == 0) {
    effects_.ShowMessage(kEmptyNameListMessage);
    return;
  }
  if (roundsOn_) {
    if (plan_.Empty()) {
      effects_.ShowNotice(kNoPrizeRoundsMessage);
      return;
    }
    if (plan_.Finished()) return;
  }
  if (pool_.Remaining() == 0) {
    effects_.ShowNotice(kPoolExhaustedMessage);
    return;
  }
  thisDrawCount_ = CountOfNextDraw();
  pickedThisDraw_ = false;
  if (roundsOn_) ShowPlanCaption(true);
  state_.timerOn = true;
  if (drawIntervalMs_ > 0) effects_.EnableTimer(drawIntervalMs_);
  if (state_.musicOn) effects_.StartMusic();
  EnterCommandState(true);
}

void DrawEngine::StopDraw() {
  state_.timerOn = false;
  effects_.DisableTimer();
  if (state_.musicOn) effects_.StopMusic();
  // A draw stopped before its first tick drew nothing.
  const bool picked = pickedThisDraw_ && !lastPicks_.empty();
  pickedThisDraw_ = false;
  if (picked) {
    const PrizeRound* round = roundsOn_ ? plan_.NextToDraw() : nullptr;
    effects_.RecordResults(lastPicks_, round ? std::string_view(round->title) : std::string_view());
    if (state_.noRepeat || roundsOn_) {
      bool removed = false;
      for (const std::size_t index : lastPicks_) removed = pool_.Remove(index) || removed;
      if (removed) effects_.RoundChanged(pool_, state_.noRepeat);
    }
    if (round) {
      std::vector<std::string> winners;
      for (const std::size_t index : lastPicks_) winners.push_back(effects_.NameText(index));
      planWinners_.insert(planWinners_.end(), lastPicks_.begin(), lastPicks_.end());
      plan_.RoundDrawn(std::move(winners));
    }
  }
  if (roundsOn_) ShowPlanCaption(false);
  EnterCommandState(false);
  if (picked && lastPicks_.size() < thisDrawCount_)
    effects_.ShowNotice(FewerNamesLeftMessage(thisDrawCount_, lastPicks_.size()));
}

std::size_t DrawEngine::CountOfNextDraw() const {
  const PrizeRound* round = roundsOn_ ? plan_.NextToDraw() : nullptr;
  return static_cast<std::size_t>(std::clamp(round ? round->count : drawCount_, kMinDrawCount, kMaxDrawCount));
}

void DrawEngine::ShowPlanCaption(bool drawing) {
  effects_.ShowRoundCaption(roundsOn_ ? plan_.Caption(drawing) : std::string());
}

void DrawEngine::Reload() {
  nameCount_ = 0;
  pool_.Reset(0);
  lastPick_.reset();
  auto loaded = effects_.LoadNamesAndSettings();
  if (!loaded) {
    NoListLeft();
    return;
  }
  // A reload starts a new round, as the message of a drawn-out list says.
  Adopt(*loaded, false);
  effects_.RoundChanged(pool_, true);
  ShowPlanCaption(false);
  SetButton(CommandButton::Start, true);
  SetButton(CommandButton::Stop, false);
  state_.canStart = true;
  state_.canStop = false;
}

void DrawEngine::NoListLeft() {
  effects_.ShowMessage(kNoNameListMessage);
  OpenConfigProgram();
  ExitProgram();
}

void DrawEngine::OpenConfigProgram() {
  Launch(Companion::ConfigProgram);
  SetButton(CommandButton::Start, true);
  SetButton(CommandButton::Stop, false);
  state_.canStart = true;
  state_.canStop = false;
}

void DrawEngine::ExitProgram() {
  nameCount_ = 0;
  pool_.Reset(0);
  ended_ = true;
  effects_.EndProgram();
}

void DrawEngine::ShowRandomName() {
  if (pool_.Remaining() == 0) return;
  pickedThisDraw_ = true;
  if (thisDrawCount_ <= 1) {
    const std::size_t index = pool_.At(picker_.Pick(static_cast<std::uint32_t>(pool_.Remaining())));
    lastPick_ = index;
    lastPicks_.assign(1, index);
    effects_.ShowName(index);
    return;
  }
  const std::vector<std::size_t> slots = PickDistinctSlots(picker_, pool_.Remaining(), thisDrawCount_);
  lastPicks_.clear();
  for (const std::size_t slot : slots) lastPicks_.push_back(pool_.At(slot));
  lastPick_ = lastPicks_.front();
  effects_.ShowNames(lastPicks_);
}

void DrawEngine::RefillPool() {
  // NameCount is a 32-bit signed count; a longer list draws from its head.
  constexpr std::size_t kMaxNames = std::numeric_limits<std::int32_t>::max();
  pool_.Reset(std::min(nameCount_, kMaxNames));
  if (roundsOn_ && !planWinners_.empty()) pool_.ResetWithout(pool_.Remaining(), planWinners_);
}

void DrawEngine::Adopt(const LoadedDraw& loaded, bool carryRound) {
  nameCount_ = loaded.nameCount;
  drawIntervalMs_ = loaded.drawIntervalMs;
  state_.noRepeat = loaded.noRepeat;
  drawCount_ = std::clamp(loaded.drawCount, kMinDrawCount, kMaxDrawCount);
  roundsOn_ = loaded.rounds;
  plan_ = PrizePlan(loaded.prizeRounds);
  planWinners_.clear();
  RefillPool();
  if (carryRound && loaded.noRepeat && !loaded.drawn.empty()) pool_.ResetWithout(pool_.Remaining(), loaded.drawn);
  effects_.SetNoRepeatChecked(loaded.noRepeat);
  effects_.SetDrawCountChecked(drawCount_);
  effects_.SetRoundsChecked(roundsOn_);
  // Loading the settings always turns the music back on.
  state_.musicOn = true;
  effects_.SetMusicChecked(true);
}

void DrawEngine::EnterCommandState(bool drawing) {
  const CommandsOffered& states = drawing ? kDrawing : kIdle;
  SetButton(CommandButton::Start, states.start);
  SetButton(CommandButton::Stop, states.stop);
  SetButton(CommandButton::Reload, states.reload);
  SetButton(CommandButton::Configure, states.configure);
  state_.canStart = states.start;
  state_.canStop = states.stop;
  state_.canReload = states.reload;
  state_.canConfigure = states.configure;
  state_.drawing = drawing;
}

void DrawEngine::SetButton(CommandButton b, bool enabled) {
  state_.buttonEnabled[static_cast<std::size_t>(b) - 1] = enabled;
  effects_.SetButtonEnabled(b, enabled);
}

bool DrawEngine::Launch(Companion which) {
  if (effects_.LaunchCompanion(which)) return true;
  effects_.ShowMessage(CompanionFailedMessage(which));
  return false;
}

}  // namespace ravelo::draw
