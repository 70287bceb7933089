#include "draw/win/draw_window.h"

#include "draw/win/draw_controls.h"
#include "resource_ids.h"
#include "shared/core/file_system.h"
#include "shared/core/ini_file.h"
#include "shared/core/probes.h"
#include "shared/win/message_box.h"
#include "shared/win/process.h"
#include "shared/win/wide_text.h"

namespace ravelo::win {
namespace {

constexpr wchar_t kTitleText[] = L"Ravelo2.8";
constexpr wchar_t kTitleFontName[] = L"宋体";
constexpr float kTitlePoints = 9.0f;
constexpr wchar_t kNoConfigMessage[] = L"找不到配置文件,系统将为您载入默认设置";
constexpr std::string_view kConfigProgram = "rvocfg.exe";
constexpr std::array<const wchar_t*, 4> kCommandNames{L"开始", L"暂停", L"刷新，重新载入配置信息或名单",
                                                      L"配置程序"};

bool FileExistsAt(const std::string& utf8Path) {
  return !utf8Path.empty() && IsExistingFile(PathFromUtf8(utf8Path));
}

// The window waits for the first draw: start, reload and configure are live,
// stop is not.
draw::CommandState StartUpCommands() {
  draw::CommandState state;
  state.canStart = true;
  state.canReload = true;
  state.canConfigure = true;
  state.musicOn = true;
  state.buttonEnabled = {true, false, true, true};
  return state;
}

// After launching the configuration program start is live and stop is not;
// reload and configure keep their state.
draw::CommandState AfterConfigLaunch(draw::CommandState state) {
  state.canStart = true;
  state.canStop = false;
  state.buttonEnabled[0] = true;
  state.buttonEnabled[1] = false;
  return state;
}

FontSpec FontOf(const FontChoice& choice) {
  return {Widen(choice.name.value_or("")), choice.points.value_or(9.0f), choice.bold, choice.italic};
}

}  // namespace

bool DrawWindow::Create() {
  // The design is the built-in look, with the command buttons hidden: it is
  // what stays when a setting stops the layout early.
  const LabelSettings caption = BuiltInCaption();
  const LabelSettings text = BuiltInText();
  FrameLayoutArgs designLayout = BuiltInFrameLayout();
  designLayout.showButtons = 0;
  const FrameColours colours = ResolveFrameColours(designLayout.frameColour, designLayout.titleColour);

  FrameDesign design;
  design.className = draw_controls::kWindowClass;
  design.windowCaption = draw_controls::kWindowCaption;
  design.icon = LoadIconW(ThisModule(), MAKEINTRESOURCEW(IDI_APP));
  design.bodyColour = static_cast<COLORREF>(colours.body.value_or(0));
  design.title = kTitleText;
  design.titleFont = {kTitleFontName, kTitlePoints, false, false};
  design.titleColour = static_cast<COLORREF>(colours.title.value_or(0xFFFFFF));
  design.caption = Widen(caption.text);
  design.captionFont = FontOf(caption.font);
  design.captionColour = static_cast<COLORREF>(caption.colour.value_or(0));
  design.text = Widen(text.text);
  design.textFont = FontOf(text.font);
  design.textColour = static_cast<COLORREF>(text.colour.value_or(0));
  if (!SkinnedFrame::Create(design)) return false;

  hand_ = LoadCursorW(ThisModule(), MAKEINTRESOURCEW(IDC_POINTING_HAND));
  if (!minimizeBox_.Create(Handle(), draw_controls::kMinimizeBox, L"最小化") ||
      !closeBox_.Create(Handle(), draw_controls::kCloseBox, L"关闭"))
    return false;
  minimizeBox_.onClick = [this] {
    ShowWindow(Handle(), SW_MINIMIZE);
    minimizeBox_.EndHover();
  };
  closeBox_.onClick = [this] { ExitProgram(); };

  for (std::size_t i = 0; i < commandButtons_.size(); ++i) {
    ImageButton& button = commandButtons_[i];
    if (!button.Create(Content().Handle(), draw_controls::CommandId(static_cast<int>(i) + 1), kCommandNames[i],
                       Content()))
      return false;
    button.onClick = [this, i] {
      if (onCommand) onCommand(i);
    };
  }
  ApplyFrameLayout(designLayout);
  return true;
}

bool DrawWindow::StartUp() {
  paths_ = InstallPaths::FromProgramFolder(ProgramFolder());
  if (!LoadNames()) {
    ShowWarning(Handle(), Widen(draw::kNoNameListMessage));
    OpenConfigProgram();
    return false;
  }
  LoadSettings();
  SetCommands(StartUpCommands());
  ApplyModernTitleFont();
  // What the first look does not need waits until the window shows.
  PostMessageW(Handle(), kFinishStartUp, 0, 0);
  return true;
}

void DrawWindow::FinishStartUp() {
  if (!tooltips_.Create()) return;
  for (std::size_t i = 0; i < commandButtons_.size(); ++i)
    tooltips_.Add(commandButtons_[i].Handle(), kCommandNames[i]);
}

bool DrawWindow::LoadNames() { return Loadname(PathFromUtf8(paths_.NameListPath()), names_); }

void DrawWindow::LoadSettings() {
  const std::string configPath = paths_.ConfigPath();
  if (!FileExistsAt(configPath)) {
    ShowWarning(Handle(), kNoConfigMessage);
    ApplyPlan(PlanDefaults(paths_, FileExistsAt, settings_));
    return;
  }
  const ConfigTexts texts = ConfigTexts::Read(ProfileReader::Open(PathFromUtf8(configPath)));
  Screenrs screen(system_);
  const ScreenBounds bounds{screen.dmPelsWidth(), screen.dmPelsHeight()};
  ApplyPlan(PlanFromConfig(texts, bounds, paths_, FileExistsAt, settings_));
}

void DrawWindow::ApplyPlan(const SettingsPlan& plan) {
  ApplyLabel(CaptionLabel(), plan.caption);
  ApplyLabel(TextLine(), plan.text);
  ApplyFrameLayout(plan.layout);
  if (plan.timerInterval) timerInterval_ = *plan.timerInterval;
  if (plan.makeTopMost) {
    SetTopMost(true);
    topMostChecked_ = true;
  }
  ApplyBackground(plan);
  musicFile_ = plan.musicPath;
  musicOn_ = true;
}

void DrawWindow::ApplyLabel(TextLabel& label, const LabelSettings& settings) {
  label.SetText(Widen(settings.text));
  // A colour that is no colour leaves the label's own.
  if (settings.colour) label.SetColour(static_cast<COLORREF>(*settings.colour));
  // Name and size only when given; bold and italic always.
  FontSpec font = label.FontOf();
  if (settings.font.name) font.name = Widen(*settings.font.name);
  if (settings.font.points) font.points = *settings.font.points;
  font.bold = settings.font.bold;
  font.italic = settings.font.italic;
  label.SetFont(font);
}

void DrawWindow::ApplyFrameLayout(const FrameLayoutArgs& args) {
  // The colour texts are converted in order, and the first that is no
  // colour ends the layout with what has been applied so far.
  const FrameColours colours = ResolveFrameColours(args.frameColour, args.titleColour);
  if (!colours.body) return;
  const auto body = static_cast<COLORREF>(*colours.body);
  SetBodyColour(body);
  minimizeBox_.SetBackColour(body);
  closeBox_.SetBackColour(body);
  if (!colours.title) return;
  const auto title = static_cast<COLORREF>(*colours.title);
  Title().SetColour(title);
  minimizeBox_.SetForeColour(title);
  closeBox_.SetForeColour(title);
  if (args.width > kMaxFrameContentWidth || args.height > kMaxFrameContentHeight) return;

  const bool showButtons = args.showButtons == 1;
  if (showButtons) LoadCommandPictures();
  DrawFrameParts parts;
  parts.showButtons = args.showButtons;
  for (std::size_t i = 0; i < commandButtons_.size(); ++i) parts.commandButtons[i] = commandButtons_[i].NaturalSize();
  FrameLayoutInput input;
  input.width = args.width;
  input.height = args.height;
  input.positions = args.positions;
  input.captionLabel = CaptionLabel().SizeOf();
  input.textLabel = TextLine().SizeOf();
  input.parts = parts;
  const std::optional<FrameLayout> layout = ComputeFrameLayout(input);
  if (!layout || !layout->draw) return;

  ApplyGeometry(*layout);
  const DrawFrameLayout& draw = *layout->draw;
  minimizeBox_.Place(draw.windowBoxes.minimize);
  minimizeBox_.SetGlyph(draw.windowBoxes.minimizeGlyph);
  closeBox_.Place(draw.windowBoxes.close);
  closeBox_.SetGlyph(draw.windowBoxes.closeGlyph);

  if (!draw.commandRow.visible) {
    for (ImageButton& button : commandButtons_) button.Show(false);
    return;
  }
  for (std::size_t i = 0; i < commandButtons_.size(); ++i) {
    ImageButton& button = commandButtons_[i];
    button.SetCursor(hand_);
    button.Place(draw.commandRow.buttons[i].bounds);
    button.Show(true);
  }
  for (std::size_t i = 0; i < commandButtons_.size(); ++i) {
    if (draw.commandRow.buttons[i].disable) {
      commandButtons_[i].Enable(false);
      commands_.buttonEnabled[i] = false;
    }
  }
}

void DrawWindow::LoadCommandPictures() {
  for (std::size_t i = 0; i < commandButtons_.size(); ++i) {
    const std::string path = paths_.CommonFile("but" + std::to_string(i + 1) + ".pte");
    // A missing or damaged picture leaves the plain face with the button's name.
    commandButtons_[i].SetPicture(Pictures().Load(Widen(path)));
  }
}

void DrawWindow::ApplyBackground(const SettingsPlan& plan) {
  if (Content().LoadBackground(Widen(plan.backgroundPath))) return;
  // From the configuration file a picture that cannot be shown leaves the
  // background as it was; the built-in defaults give the plain ground.
  if (plan.fromDefaults) Content().ClearBackground();
}

void DrawWindow::ApplyModernTitleFont() {
  const getWinVer version(system_);
  if (!UsesModernUiFont(version.GetWindowsVersion())) return;
  FontSpec font = Title().FontOf();
  font.name = Widen(kModernUiFontName);
  Title().SetFont(font);
}

void DrawWindow::OpenConfigProgram() {
  if (!LaunchProgram(paths_.ProgramFile(kConfigProgram)))
    ShowWarning(Handle(), Widen(draw::kConfigProgramFailedMessage));
  SetCommands(AfterConfigLaunch(commands_));
}

void DrawWindow::ShowName(std::size_t index) {
  if (index >= names_.size()) return;
  // The list keeps UTF-16 text, which is what the W functions take.
  static_assert(sizeof(wchar_t) == sizeof(char16_t));
  const std::u16string_view name = names_[index];
  TextLine().SetText(std::wstring_view(reinterpret_cast<const wchar_t*>(name.data()), name.size()));
}

void DrawWindow::SetCommands(const draw::CommandState& state) {
  commands_ = state;
  for (std::size_t i = 0; i < commandButtons_.size(); ++i) commandButtons_[i].Enable(state.buttonEnabled[i]);
}

void DrawWindow::ExitProgram() {
  names_.Clear();
  DestroyWindow(Handle());
}

LRESULT DrawWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CHAR:
      if (onKey) onKey(static_cast<wchar_t>(wParam));
      return 0;
    case WM_TIMER:
      if (onTimer) onTimer(wParam);
      return 0;
    case WM_CLOSE:
      ExitProgram();
      return 0;
    case kFinishStartUp:
      FinishStartUp();
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      break;
  }
  return SkinnedFrame::HandleMessage(message, wParam, lParam);
}

}  // namespace ravelo::win
