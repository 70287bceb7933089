#include "draw/win/draw_window.h"

#include "draw/core/full_screen_option.h"
#include "draw/core/no_repeat_option.h"
#include "draw/win/draw_controls.h"
#include "resource_ids.h"
#include "shared/core/file_system.h"
#include "shared/core/full_screen.h"
#include "shared/core/ini_file.h"
#include "shared/core/probes.h"
#include "shared/version.h"
#include "shared/win/command_buttons.h"
#include "shared/win/frame_design.h"
#include "shared/win/label_settings_view.h"
#include "shared/win/message_box.h"
#include "shared/win/process.h"
#include "shared/win/wide_text.h"

namespace ravelo::win {
namespace {

constexpr wchar_t kTitleText[] = L"Ravelo" RAVELO_VERSION_TEXT;
constexpr wchar_t kNoConfigMessage[] = L"找不到配置文件,系统将为您载入默认设置";
constexpr std::string_view kHelpPicture = "helpbox.pte";
constexpr wchar_t kHelpBoxName[] = L"操作帮助";
constexpr wchar_t kHelpBoxTip[] = L"单击关闭";

}  // namespace

DrawWindow::DrawWindow() : engine_(*this, draw::RandomPick::FromSystemClock()) {}

bool DrawWindow::Create() {
  // The design is the built-in look, with the command buttons hidden: it is
  // what stays when a setting stops the layout early.
  FrameLayoutArgs designLayout = BuiltInFrameLayout();
  designLayout.showButtons = 0;

  FrameDesign design = BuiltInFrameDesign();
  design.className = draw_controls::kWindowClass;
  design.windowCaption = draw_controls::kWindowCaption;
  design.icon = LoadIconW(ThisModule(), MAKEINTRESOURCEW(IDI_APP));
  design.title = kTitleText;
  if (!SkinnedFrame::Create(design)) return false;

  hand_ = HandCursor();
  if (!minimizeBox_.Create(Handle(), draw_controls::kMinimizeBox, L"最小化") ||
      !closeBox_.Create(Handle(), draw_controls::kCloseBox, L"关闭"))
    return false;
  minimizeBox_.onClick = [this] {
    ShowWindow(Handle(), SW_MINIMIZE);
    minimizeBox_.EndHover();
  };
  closeBox_.onClick = [this] { engine_.OnExitRequest(); };

  for (std::size_t i = 0; i < commandButtons_.size(); ++i) {
    ImageButton& button = commandButtons_[i];
    if (!button.Create(Content().Handle(), draw_controls::CommandId(static_cast<int>(i) + 1), kCommandButtonNames[i],
                       Content()))
      return false;
    button.onClick = [this, i] { engine_.OnButtonClick(static_cast<draw::CommandButton>(i + 1)); };
  }
  onBodyMouseDown = [this](int button, POINT onScreen) {
    if (button == 2) ShowMenuAt(onScreen);
  };
  if (!CreateListStatus()) return false;
  Layout(designLayout);
  return true;
}

bool DrawWindow::StartUp() {
  paths_ = InstallPaths::FromProgramFolder(ProgramFolder());
  if (!engine_.StartUp()) return false;
  ApplyModernTitleFont();
  if (startFullScreen_) StartInFullScreen();
  // What the first look does not need waits until the window shows.
  FinishStartUpLater();
  return true;
}

void DrawWindow::FinishStartUp() {
  if (!tooltips_.Create()) return;
  for (std::size_t i = 0; i < commandButtons_.size(); ++i)
    tooltips_.Add(commandButtons_[i].Handle(), kCommandButtonNames[i]);
}

void DrawWindow::LoadSettings() {
  // The settings start from the configured look, not from a name shrunk to fit.
  fittedText_.RestoreLayout();
  const std::string configPath = paths_.ConfigPath();
  noRepeat_ = false;
  drawCount_ = 1;
  rounds_ = false;
  if (!IsExistingFileAt(configPath)) {
    ShowWarning(Handle(), kNoConfigMessage);
    ApplyPlan(PlanDefaults(paths_, IsExistingFileAt, settings_));
  } else {
    const ProfileReader reader = ProfileReader::Open(PathFromUtf8(configPath));
    const ConfigTexts texts = ConfigTexts::Read(reader);
    noRepeat_ = draw::NoRepeatFromText(reader.Read(draw::kNoRepeatSection, draw::kNoRepeatKey,
                                                   draw::kNoRepeatFieldBytes));
    drawCount_ = DrawCountFromText(reader.Read(kDrawCountSection, kDrawCountKey, kDrawCountFieldBytes));
    rounds_ = RoundsFromText(reader.Read(kRoundsSection, kRoundsKey, kRoundsFieldBytes));
    startFullScreen_ = draw::FullScreenFromText(
        reader.Read(draw::kFullScreenSection, draw::kFullScreenKey, draw::kFullScreenFieldBytes));
    fullScreenMonitor_ = reader.Read(draw::kFullScreenSection, draw::kFullScreenMonitorKey,
                                     draw::kFullScreenMonitorFieldBytes);
    Screenrs screen(system_);
    const ScreenBounds bounds{screen.dmPelsWidth(), screen.dmPelsHeight()};
    ApplyPlan(PlanFromConfig(texts, bounds, paths_, IsExistingFileAt, settings_));
  }
  fittedText_.RememberLayout(labelsCentred_);
  configuredCaption_ = CaptionLabel().Text();
  // The plan is read afresh with the settings; a missing file is no plan.
  prizeRounds_ = ReadPrizeRounds(PathFromUtf8(data_.RoundsPath())).value_or(std::vector<PrizeRound>{});
}

void DrawWindow::ApplyPlan(const SettingsPlan& plan) {
  ApplyLabelSettings(CaptionLabel(), plan.caption);
  ApplyLabelSettings(TextLine(), plan.text);
  Layout(plan.layout);
  if (plan.timerInterval) timerInterval_ = *plan.timerInterval;
  if (plan.makeTopMost) {
    // Full screen keeps the window on top anyway; leaving it applies the mark.
    if (!IsFullScreen()) SetTopMost(true);
    menu_.SetChecked(draw_controls::kMenuTopMost, true);
  }
  ApplyBackground(plan);
  // Named only: the device opens when a draw with music starts.
  music_.SetFile(Widen(plan.musicPath));
}

void DrawWindow::Layout(const FrameLayoutArgs& args) {
  layoutArgs_ = args;
  // Set again by PlaceParts when the layout runs to its end.
  labelsCentred_ = false;
  // New settings can change the content's size, and so the scale that fits.
  if (const RECT* monitor = FullScreenMonitor())
    EnterFullScreen(*monitor, DisplayScale(FullScreenDpi({args.width, args.height},
                                                          {monitor->right - monitor->left,
                                                           monitor->bottom - monitor->top})));
  ApplyFrameLayout(*this, *this, args);
  PlaceListStatus();
}

void DrawWindow::OnScaleChanged(const DisplayScale&) {
  // The text line's place and size are remembered at the old scale.
  fittedText_.RestoreLayout();
  Layout(layoutArgs_);
  fittedText_.RememberLayout(labelsCentred_);
  RelayOutNameGrid();
}

void DrawWindow::OnBodyColour(COLORREF colour) {
  minimizeBox_.SetBackColour(colour);
  closeBox_.SetBackColour(colour);
}

void DrawWindow::OnTitleColour(COLORREF colour) {
  minimizeBox_.SetForeColour(colour);
  closeBox_.SetForeColour(colour);
}

FrameParts DrawWindow::MeasureParts(const FrameLayoutArgs& args) {
  if (args.showButtons == 1) LoadCommandPictures();
  DrawFrameParts parts;
  parts.showButtons = args.showButtons;
  for (std::size_t i = 0; i < commandButtons_.size(); ++i) parts.commandButtons[i] = commandButtons_[i].NaturalSize();
  return parts;
}

void DrawWindow::PlaceParts(const FrameLayout& layout) {
  labelsCentred_ = layout.labelsCentred;
  if (!layout.draw) return;
  const DrawFrameLayout& draw = *layout.draw;
  // Full screen has no frame: the window boxes go with it.
  ShowWindow(minimizeBox_.Handle(), IsFullScreen() ? SW_HIDE : SW_SHOWNA);
  ShowWindow(closeBox_.Handle(), IsFullScreen() ? SW_HIDE : SW_SHOWNA);
  minimizeBox_.Place(draw.windowBoxes.minimize);
  minimizeBox_.SetGlyph(draw.windowBoxes.minimizeGlyph, draw.windowBoxes.glyphPen);
  closeBox_.Place(draw.windowBoxes.close);
  closeBox_.SetGlyph(draw.windowBoxes.closeGlyph, draw.windowBoxes.glyphPen);

  if (!draw.commandRow.visible) {
    for (ImageButton& button : commandButtons_) button.Show(false);
    return;
  }
  for (std::size_t i = 0; i < commandButtons_.size(); ++i) {
    ImageButton& button = commandButtons_[i];
    button.SetCursor(hand_);
    button.Place(draw.commandRow.buttons[i].bounds);
    // Above the caption and the text line wherever they stand, so a name
    // never takes a button's clicks.
    button.BringToTop();
    button.Show(true);
  }
  // The layout leaves the stop button dead; it runs only while no draw
  // runs, when the command state has it dead anyway.
  for (std::size_t i = 0; i < commandButtons_.size(); ++i) {
    if (draw.commandRow.buttons[i].disable) commandButtons_[i].Enable(false);
  }
}

void DrawWindow::LoadCommandPictures() {
  // A missing or damaged picture leaves the plain face with the button's name.
  for (std::size_t i = 0; i < commandButtons_.size(); ++i)
    commandButtons_[i].SetPicture(LoadCommandButtonPicture(Pictures(), paths_, i));
}

void DrawWindow::ApplyBackground(const SettingsPlan& plan) {
  // From the configuration file a picture that cannot be shown leaves the
  // background as it was; the built-in defaults give the plain ground.
  if (!Content().LoadBackground(Widen(plan.backgroundPath)) && plan.fromDefaults) Content().ClearBackground();
  // In full screen the ground around the content follows the picture.
  if (IsFullScreen()) RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE);
}

void DrawWindow::ApplyModernTitleFont() {
  FontSpec font = Title().FontOf();
  if (UseUiFont(font, system_)) Title().SetFont(font);
}

// --- What the engine asks of the window ------------------------------------

void DrawWindow::EnableTimer(int intervalMs) {
  SetTimer(Handle(), kDrawTimer, static_cast<UINT>(intervalMs), nullptr);
}

void DrawWindow::DisableTimer() {
  KillTimer(Handle(), kDrawTimer);
  // Only a stop disarms the timer: the names it fixed become labels.
  FixNames();
}

void DrawWindow::StartMusic() { music_.Start(); }

void DrawWindow::StopMusic() { music_.Stop(); }

void DrawWindow::SetButtonEnabled(draw::CommandButton button, bool enabled) {
  commandButtons_[static_cast<std::size_t>(button) - 1].Enable(enabled);
}

void DrawWindow::SetMusicChecked(bool checked) { menu_.SetChecked(draw_controls::kMenuMusic, checked); }

std::optional<draw::LoadedDraw> DrawWindow::LoadNamesAndSettings() {
  if (!LoadNames()) return std::nullopt;
  LoadSettings();
  draw::LoadedDraw loaded{names_.size(), timerInterval_, noRepeat_,
                          noRepeat_ ? ReadDrawnNames() : std::vector<std::size_t>{}};
  loaded.drawCount = drawCount_;
  loaded.rounds = rounds_;
  loaded.prizeRounds = prizeRounds_;
  return loaded;
}

std::optional<draw::LoadedDraw> DrawWindow::LoadList() {
  if (!LoadNames()) return std::nullopt;
  const bool noRepeat = engine_.State().noRepeat;
  return draw::LoadedDraw{names_.size(), timerInterval_, noRepeat, noRepeat ? ReadDrawnNames() : std::vector<std::size_t>{}};
}

bool DrawWindow::LaunchCompanion(draw::Companion which) {
  // The engine tells the user when it fails.
  return ::ravelo::win::LaunchCompanion(paths_, which);
}

void DrawWindow::EndProgram() {
  // The timer and an open music device end with the process.
  names_.Clear();
  DestroyWindow(Handle());
}

void DrawWindow::ShowName(std::size_t index) {
  if (index >= names_.size()) return;
  if (!gridIndices_.empty()) HideNameGrid();
  // The list keeps UTF-16 text, which is what the W functions take.
  static_assert(sizeof(wchar_t) == sizeof(char16_t));
  const std::u16string_view name = names_[index];
  RECT content{};
  GetClientRect(Content().Handle(), &content);
  fittedText_.Show(std::wstring_view(reinterpret_cast<const wchar_t*>(name.data()), name.size()),
                   {content.right - content.left, content.bottom - content.top});
}

void DrawWindow::ShowMessage(std::string_view text) { ShowWarning(Handle(), Widen(text)); }

void DrawWindow::ShowNotice(std::string_view text) { ShowInformation(Handle(), Widen(text)); }

// SetNoRepeatChecked and SaveNoRepeat: draw_window_results.cpp; the draws of several names and the prize rounds: draw_window_names.cpp.

// --- The menu ------------------------------------------------------------------

void DrawWindow::OnMenuItem(int itemId) {
  switch (itemId) {
    case draw_controls::kMenuMusic: engine_.OnMusicMenuItem(); break;
    case draw_controls::kMenuTopMost: ToggleTopMost(); break;
    case draw_controls::kMenuFullScreen: SetFullScreen(!IsFullScreen()); break;
    case draw_controls::kMenuNoRepeat: engine_.OnNoRepeatMenuItem(); break;
    case draw_controls::kMenuRestartRound: engine_.OnRestartRoundMenuItem(); break;
    case draw_controls::kMenuRounds: engine_.OnRoundsMenuItem(); break;
    case draw_controls::kMenuWinners: ShowWinners(); break;
    case draw_controls::kMenuHistory: ShowHistory(); break;
    case draw_controls::kMenuHistoryCsv: SaveHistoryAsTable(); break;
    case draw_controls::kMenuConfig: engine_.OnCompanionMenuItem(draw::Companion::ConfigProgram); break;
    case draw_controls::kMenuStyle: engine_.OnCompanionMenuItem(draw::Companion::StyleEditor); break;
    case draw_controls::kMenuHelp: ShowHelpPicture(); break;
    case draw_controls::kMenuExit: engine_.OnExitRequest(); break;
    default:
      if (const auto list = menu_.ListOf(itemId)) ChooseList(*list);
      if (const auto count = DrawMenu::DrawCountOf(itemId)) engine_.OnDrawCountMenuItem(*count);
      break;
  }
}

void DrawWindow::ToggleTopMost() {
  // The check mark says what the menu last did (or the settings asked for).
  const bool wasOnTop = menu_.IsChecked(draw_controls::kMenuTopMost);
  // Full screen stays on top; leaving it applies the mark.
  if (!IsFullScreen()) SetTopMost(!wasOnTop);
  menu_.SetChecked(draw_controls::kMenuTopMost, !wasOnTop);
}

bool DrawWindow::CreateHelpBox() {
  if (helpBox_.Handle()) return true;
  // Made on first use. It covers the content's top left corner when shown;
  // a click on it hides it again.
  if (!helpBox_.Create(Content().Handle(), draw_controls::kHelpBox, kHelpBoxName, Content())) return false;
  helpBox_.onClick = [this] { helpBox_.Show(false); };
  if (tooltips_.Create()) tooltips_.Add(helpBox_.Handle(), kHelpBoxTip);
  return true;
}

void DrawWindow::ShowHelpPicture() {
  // Read afresh every time, shown at its own size (in design pixels).
  // Without a picture that can be shown the item does nothing.
  std::optional<Picture> picture = Pictures().Load(Widen(paths_.CommonFile(kHelpPicture)));
  if (!picture || !CreateHelpBox()) return;
  const ravelo::Size size{picture->Width(), picture->Height()};
  helpBox_.SetPicture(std::move(picture));
  helpBox_.SetCursor(hand_);
  helpBox_.Place(Scale().ToDevice(ravelo::Rect{0, 0, size.width, size.height}));
  helpBox_.BringToTop();
  helpBox_.Show(true);
}

LRESULT DrawWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CHAR:
      if (PassesCharToEngine(static_cast<int>(wParam))) engine_.OnKey(static_cast<int>(wParam));
      return 0;
    case WM_KEYDOWN:
      if (OnKeyDown(wParam, lParam)) return 0;
      break;
    case WM_TIMER:
      if (wParam == kDrawTimer) engine_.OnTimerTick();
      return 0;
    case WM_COMMAND:
      // Menu items only: the window has no controls that send commands.
      if (HIWORD(wParam) == 0 && lParam == 0) OnMenuItem(LOWORD(wParam));
      return 0;
    case WM_CLOSE:
      engine_.OnExitRequest();
      return 0;
    default:
      break;
  }
  return SkinnedFrame::HandleMessage(message, wParam, lParam);
}

}  // namespace ravelo::win
