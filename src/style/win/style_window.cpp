#include "style/win/style_window.h"

#include "resource_ids.h"
#include "shared/core/file_system.h"
#include "shared/core/ini_file.h"
#include "shared/core/probes.h"
#include "shared/win/command_buttons.h"
#include "shared/win/frame_controls.h"
#include "shared/win/frame_design.h"
#include "shared/win/frame_layout_view.h"
#include "shared/win/label_settings_view.h"
#include "shared/win/message_box.h"
#include "shared/win/process.h"
#include "shared/win/wide_text.h"
#include "style/core/style_save.h"
#include "style/win/style_controls.h"

namespace ravelo::win {
namespace {

constexpr wchar_t kTitleText[] = L"Ravelo风格编辑";
constexpr wchar_t kNoConfigMessage[] = L"找不到配置文件,请运行配置程序重新配置";
constexpr wchar_t kSaved[] = L"保存显示风格成功";
constexpr wchar_t kSaveFailed[] = L"保存显示风格失败,请尝试去除程序系统文件夹只读属性";

POINT OnScreen(HWND window, POINT inWindow) {
  ClientToScreen(window, &inWindow);
  return inWindow;
}

}  // namespace

bool StyleWindow::Create() {
  FrameDesign design = BuiltInFrameDesign();
  design.className = style_controls::kWindowClass;
  design.windowCaption = style_controls::kWindowCaption;
  design.icon = LoadIconW(ThisModule(), MAKEINTRESOURCEW(IDI_APP));
  design.title = kTitleText;
  if (!SkinnedFrame::Create(design)) return false;

  hand_ = HandCursor();
  drag_ = DragCursor();
  using namespace style_controls;
  if (!CreateButton(save_, kSave, L"保存", &StyleWindow::Save) ||
      !CreateButton(restore_, kRestore, L"还原", &StyleWindow::Restore) ||
      !CreateButton(minimize_, kMinimize, L"最小化", &StyleWindow::Minimize) ||
      !CreateButton(cancel_, kCancel, L"取消", &StyleWindow::Cancel))
    return false;
  // The title's right button opens the menu; its left button moves the
  // window (the frame's own move handler stays).
  Title().onMouseDown = [this](int button, POINT at) {
    if (button == 2) ShowMenu(OnScreen(Title().Handle(), at));
  };
  MakeDraggable(CaptionLabel());
  MakeDraggable(TextLine());
  MakeAccessible();
  // The built-in layout is what stays when a setting stops the layout early.
  const FrameLayoutArgs builtIn = BuiltInFrameLayout();
  Layout(builtIn.width, builtIn.height, builtIn.frameColour, builtIn.titleColour, builtIn.positions);
  return true;
}

LabelButtonRow StyleWindow::ButtonRow() { return {save_, restore_, minimize_, cancel_, hand_, drag_}; }

bool StyleWindow::CreateButton(TextLabel& button, int id, const wchar_t* text, void (StyleWindow::*onClick)()) {
  if (!button.Create(BodyCanvas(), id, {text, Title().FontOf(), Title().Colour(), PointF{}})) return false;
  button.onMouseUp = [this, &button, onClick](int which, POINT at) {
    const ravelo::Size size = button.SizeOf();
    if (which == 1 && at.x >= 0 && at.y >= 0 && at.x < size.width && at.y < size.height) (this->*onClick)();
  };
  return true;
}

void StyleWindow::MakeDraggable(TextLabel& label) {
  label.onMouseDown = [this](int, POINT at) {
    // The mouse takes over from the keyboard's choice.
    Choose(-1);
    grab_.Press({at.x, at.y});
  };
  label.onMouseMove = [this, &label](int buttons, POINT at) {
    if (const auto moved = grab_.Move(buttons, {at.x, at.y}, label.Position())) label.SetPosition(*moved);
  };
  label.onMouseUp = [this, &label](int, POINT) { PlaceInside(label, Scale().ToDesign(label.Position())); };
}

void StyleWindow::PlaceInside(TextLabel& label, PointF designLeftTop) {
  RECT content{};
  GetClientRect(Content().Handle(), &content);
  // The bounds hold in design pixels, where the label is saved.
  const DisplayScale& scale = Scale();
  label.SetPosition(scale.ToDevice(ReleasedPosition(designLeftTop, scale.ToDesign(label.SizeOf()),
                                                    scale.ToDesign(ravelo::Size{content.right, content.bottom}))));
}

std::array<TextLabel*, 6> StyleWindow::KeyStops() {
  return {&CaptionLabel(), &TextLine(), &save_, &restore_, &minimize_, &cancel_};
}

void StyleWindow::MakeAccessible() {
  const auto stops = KeyStops();
  for (size_t i = 0; i < stops.size(); ++i) {
    AccessibleDescription description;
    description.extraState = [this, i] { return chosen_ == static_cast<int>(i) ? STATE_SYSTEM_FOCUSED : 0L; };
    if (i < 2) {
      // The two labels: read as text that moves.
      description.role = ROLE_SYSTEM_STATICTEXT;
      description.extraState = [this, i] {
        return STATE_SYSTEM_MOVEABLE | (chosen_ == static_cast<int>(i) ? STATE_SYSTEM_FOCUSED : 0L);
      };
    } else {
      description.defaultAction = L"按下";
      description.doDefaultAction = [this, i] {
        Choose(static_cast<int>(i));
        OnKey(VK_RETURN);
      };
    }
    stops[i]->DescribeForScreenReaders(std::move(description));
  }
}

void StyleWindow::Choose(int stop) {
  chosen_ = stop;
  const auto stops = KeyStops();
  TextLabel* label = stop >= 0 ? stops[static_cast<size_t>(stop)] : nullptr;
  Content().Canvas().MarkLabel(stop >= 0 && stop < 2 ? label : nullptr);
  BodyCanvas().MarkLabel(stop >= 2 ? label : nullptr);
  if (label) NotifyWinEvent(EVENT_OBJECT_FOCUS, label->Handle(), OBJID_CLIENT, CHILDID_SELF);
}

bool StyleWindow::OnKey(WPARAM key) {
  const bool shift = GetKeyState(VK_SHIFT) < 0;
  const bool control = GetKeyState(VK_CONTROL) < 0;
  const int count = static_cast<int>(KeyStops().size());
  switch (key) {
    case VK_TAB:
      Choose(shift ? (chosen_ <= 0 ? count - 1 : chosen_ - 1) : (chosen_ + 1) % count);
      return true;
    case VK_ESCAPE:
      Cancel();
      return true;
    case 'S':
      if (!control) return false;
      Save();
      return true;
    case VK_RETURN:
    case VK_SPACE: {
      void (StyleWindow::*const actions[])() = {&StyleWindow::Save, &StyleWindow::Restore, &StyleWindow::Minimize,
                                               &StyleWindow::Cancel};
      if (chosen_ < 2) return false;
      (this->*actions[chosen_ - 2])();
      return true;
    }
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN: {
      if (chosen_ < 0 || chosen_ >= 2) return false;
      TextLabel& label = *KeyStops()[static_cast<size_t>(chosen_)];
      const float step = shift ? 10.0f : 1.0f;
      PointF at = Scale().ToDesign(label.Position());
      at.x += key == VK_LEFT ? -step : key == VK_RIGHT ? step : 0.0f;
      at.y += key == VK_UP ? -step : key == VK_DOWN ? step : 0.0f;
      PlaceInside(label, at);
      Content().Canvas().MarkLabel(&label);
      return true;
    }
    default:
      return false;
  }
}

LRESULT StyleWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_KEYDOWN && OnKey(wParam)) return 0;
  if (message == WM_CONTEXTMENU && lParam == -1) {
    // Shift+F10 or the context-menu key: the title's menu, below the title.
    RECT title;
    GetWindowRect(Title().Handle(), &title);
    ShowMenu({title.left, title.bottom});
    return 0;
  }
  return SkinnedFrame::HandleMessage(message, wParam, lParam);
}

bool StyleWindow::StartUp() {
  paths_ = InstallPaths::FromProgramFolder(ProgramFolder());
  const std::string configPath = paths_.ConfigPath();
  if (!IsExistingFileAt(configPath)) {
    ShowWarning(Handle(), kNoConfigMessage);
    return false;
  }
  ApplyModernTitleFont();
  const ConfigTexts texts = ConfigTexts::Read(ProfileReader::Open(PathFromUtf8(configPath)));
  {
    Screenrs screen(system_);
    const ScreenBounds bounds{screen.dmPelsWidth(), screen.dmPelsHeight()};
    ApplyStartPlan(PlanStyleStart(texts, bounds, paths_, IsExistingFileAt));
  }
  start_ = StyleSnapshot::Take(BodyColour(), Title().Colour(), Scale().ToDesign(CaptionLabel().Position()),
                               Scale().ToDesign(TextLine().Position()));
  stored_ = StyleFields(ShownStyle());
  FinishStartUpLater();
  return true;
}

void StyleWindow::ApplyModernTitleFont() {
  for (TextLabel* label : {&Title(), &save_, &restore_, &minimize_, &cancel_}) {
    FontSpec font = label->FontOf();
    if (UseUiFont(font, system_)) label->SetFont(font);
  }
}

void StyleWindow::ApplyStartPlan(const StyleStartPlan& plan) {
  ApplyLabelSettings(CaptionLabel(), plan.caption);
  ApplyLabelSettings(TextLine(), plan.text);
  // A picture that cannot be shown leaves the plain ground.
  Content().LoadBackground(Widen(plan.backgroundPath));
  showButtons_ = plan.showButtons;
  Layout(plan.width, plan.height, plan.frameColour, plan.titleColour, plan.positions);
}

void StyleWindow::Layout(std::int16_t width, std::int16_t height, std::string_view frameColour,
                         std::string_view titleColour, const LabelPositions& p) {
  size_ = {width, height};
  ApplyFrameLayout(*this, ButtonRow(), width, height, frameColour, titleColour, p.captionTop, p.captionLeft,
                   p.textTop, p.textLeft);
  OutlineCommandButtons();
}

void StyleWindow::OutlineCommandButtons() {
  // Where the draw program's buttons stand over the labels: marked, not saved.
  DrawFrameParts parts;
  parts.showButtons = showButtons_;
  if (showButtons_ == 1) parts.commandButtons = CommandButtonSizes(Pictures(), paths_);
  const CommandRowLayout row = LayOutCommandRow(parts, size_.width, size_.height);
  std::vector<ravelo::Rect> outlines;
  if (row.visible)
    for (const CommandButtonLayout& button : row.buttons) outlines.push_back(Scale().ToDevice(button.bounds));
  Content().SetOutlines(std::move(outlines));
}

void StyleWindow::OnScaleChanged(const DisplayScale& previous) {
  const PointF caption = previous.ToDesign(CaptionLabel().Position());
  const PointF text = previous.ToDesign(TextLine().Position());
  Layout(size_.width, size_.height, std::to_string(BodyColour()), std::to_string(Title().Colour()),
         {caption.y, caption.x, text.y, text.x});
}

void StyleWindow::FinishStartUp() {
  if (!tooltips_.Create()) return;
  tooltips_.Add(CaptionLabel().Handle(), L"单击拖动标题修改显示位置");
  tooltips_.Add(TextLine().Handle(), L"单击拖动内容修改显示位置");
  tooltips_.Add(Title().Handle(), L"右键选择编辑窗口标题或窗口风格颜色");
  tooltips_.Add(save_.Handle(), L"保存当前修改");
  tooltips_.Add(restore_.Handle(), L"还原最初状态");
  tooltips_.Add(minimize_.Handle(), L"最小化");
  tooltips_.Add(cancel_.Handle(), L"取消");
}

StyleValues StyleWindow::ShownStyle() {
  // The design pixel of the screen pixel the label shows at, whatever the DPI.
  const auto saved = [this](PointF shown) {
    const PointF p = Scale().ToDesign(PointF{static_cast<float>(PixelOf(shown.x)), static_cast<float>(PixelOf(shown.y))});
    return PointF{SavedPosition(p.x), SavedPosition(p.y)};
  };
  return {saved(CaptionLabel().Position()), saved(TextLine().Position()), BodyColour(), Title().Colour()};
}

void StyleWindow::Save() {
  const StyleValues shown = ShownStyle();
  const FilePath config = PathFromUtf8(paths_.ConfigPath());
  // Only what was set here is written: the keys rvocfg or another editor
  // saved meanwhile stay. A file gone meanwhile gets all six.
  const std::array<FieldValue, 6> fields = StyleFields(shown);
  const std::vector<FieldValue> changed =
      IsExistingFile(config) ? PlanStyleSave(stored_, shown) : std::vector<FieldValue>(fields.begin(), fields.end());
  // Whatever is written reaches the file in one replace, or nothing does.
  if (changed.empty() || WriteProfileValues(config, ProfileWritesOf(changed))) {
    stored_ = fields;
    ShowInformation(Handle(), kSaved);
  } else {
    ShowWarning(Handle(), kSaveFailed);
  }
}

void StyleWindow::Restore() {
  SetFrameColour(start_.FrameColour());
  SetTitleColour(start_.TitleColour());
  CaptionLabel().SetPosition(Scale().ToDevice(start_.caption));
  TextLine().SetPosition(Scale().ToDevice(start_.text));
}

void StyleWindow::Minimize() { ShowWindow(Handle(), SW_MINIMIZE); }

void StyleWindow::Cancel() { DestroyWindow(Handle()); }

void StyleWindow::SetFrameColour(COLORREF colour) {
  SetBodyColour(colour);
  // The title row's buttons stand on the body and show its colour.
  for (const TextLabel* button : {&save_, &restore_, &minimize_, &cancel_})
    RedrawWindow(button->Handle(), nullptr, nullptr, RDW_INVALIDATE);
}

void StyleWindow::SetTitleColour(COLORREF colour) {
  for (TextLabel* label : {&Title(), &save_, &restore_, &minimize_, &cancel_}) label->SetColour(colour);
}

void StyleWindow::ShowMenu(POINT onScreen) {
  using namespace style_controls;
  switch (ChooseStyleMenuItem(Handle(), onScreen)) {
    case kMenuTitleColour:
      if (const auto colour = dialogs_.ChooseColour(Handle())) SetTitleColour(*colour);
      break;
    case kMenuFrameColour:
      if (const auto colour = dialogs_.ChooseColour(Handle())) SetFrameColour(*colour);
      break;
    case kMenuDrawProgram: LaunchCompanion(Handle(), paths_, Companion::DrawProgram); break;
    case kMenuConfig: LaunchCompanion(Handle(), paths_, Companion::ConfigProgram); break;
    default: break;
  }
}

}  // namespace ravelo::win
