#include "config/win/settings_window.h"

#include <cstdint>
#include <string_view>

#include "config/core/settings_form.h"
#include "config/core/settings_save.h"
#include "config/core/skin_file_check.h"
#include "config/win/settings_controls.h"
#include "resource_ids.h"
#include "shared/core/config_changes.h"
#include "shared/core/file_system.h"
#include "shared/core/ini_file.h"
#include "shared/core/probes.h"
#include "shared/version.h"
#include "shared/win/message_box.h"
#include "shared/win/process.h"
#include "shared/win/wide_text.h"

namespace ravelo::win::config {
namespace {

namespace ids = ravelo::settings_controls;
using ravelo::config::FontTexts;
using ravelo::config::FormValues;

static_assert(ids::kCloseBox == form_frame::kCloseBox &&
              ids::kMinimiseBox == form_frame::kMinimiseBox && ids::kMenuBox == form_frame::kMenuBox);

constexpr int kWidth = 649;
constexpr int kHeight = 449;
constexpr COLORREF kCaptionInk = RGB(128, 64, 64);
constexpr COLORREF kHintInk = RGB(192, 64, 0);
constexpr COLORREF kLinkInk = RGB(128, 128, 255);
constexpr COLORREF kBrowseInk = RGB(0, 0, 128);
constexpr COLORREF kWhite = RGB(255, 255, 255);

struct LabelSpec {
  std::wstring_view text;
  POINT at;
};

// La(1)..La(16).
constexpr LabelSpec kCaptions[] = {
    {L"基本配置", {32, 48}},  {L"标题:", {40, 80}},     {L"内容:", {40, 112}},     {L"背景:", {40, 144}},
    {L"音乐:", {40, 176}},    {L"速度:", {40, 208}},     {L"系统提示", {440, 48}},  {L"界面设计", {32, 256}},
    {L"窗口大小:", {40, 288}}, {L"风格颜色:", {40, 320}}, {L"标题颜色:", {40, 352}}, {L"(宽)", {144, 288}},
    {L"(高)", {224, 288}},    {L"其它设置", {440, 256}},  {L"附加选项", {432, 320}},  {L"推荐风格", {432, 272}},
};

// Lt(1)..Lt(8).
constexpr LabelSpec kHints[] = {
    {L"(显示在程序上方的标题)", {216, 80}},
    {L"(准备抽签时显示的内容)", {216, 112}},
    {L"(背景图片,未设置保持默认)", {248, 144}},
    {L"(背景音乐,未设置保持默认)", {248, 176}},
    {L"(抽签循环速度,数值越小速度越快,1-50)", {120, 208}},
    {L"(抽签窗口的界面大小)", {256, 288}},
    {L"(界面的边框风格颜色)", {136, 320}},
    {L"(窗口的标题颜色)", {136, 352}},
};

// The group boxes and the index of their caption in La.
struct GroupSpec {
  RECT box;
  int caption;
};
constexpr GroupSpec kGroups[] = {
    {{16, 56, 416, 240}, 0}, {{424, 56, 632, 240}, 6}, {{16, 264, 416, 384}, 7}, {{424, 264, 632, 384}, 13}};

struct LinkSpec {
  std::wstring_view text;
  std::wstring_view tip;
};
// L_a, L_s, L_d, L_h.
constexpr LinkSpec kLinks[] = {
    {L"添加删除抽签名单", L"添加或删除抽签名单"},
    {L"编辑界面显示风格", L"编辑Ravelo界面显示风格"},
    {L"运行显示Ravelo", L"运行显示Ravelo主程序"},
    {L"查看系统使用帮助", L"帮助"},
    {L"设置数据位置", L"名单和抽签记录的保存位置"},
    {L"奖项设置", L"按奖项抽取的各轮奖项和每次抽取人数"},
};
static_assert(std::size(kLinks) == std::size(ids::kLinkTop));

// The tips of Pic(1)..Pic(4).
constexpr std::wstring_view kSwatchTips[] = {
    L"单击设置标题颜色或字体",
    L"单击设置内容颜色或字体",
    L"窗口风格背景色,单击设置",
    L"窗口标题颜色,单击设置",
};
static_assert(std::size(kSwatchTips) == std::size(ids::kSwatchAt));

// The model's colours that swatches Pic(1)..Pic(4) show.
constexpr std::uint32_t FormValues::*kSwatchColours[] = {&FormValues::captionColour, &FormValues::textColour,
                                                         &FormValues::frameColour, &FormValues::titleColour};

// Where swatch i (Pic(i + 1)) and preset i (Pic(i + 5)) stand, in design pixels.
RECT SwatchDesign(size_t i) {
  const int left = ids::kSwatchAt[i][0];
  const int top = ids::kSwatchAt[i][1];
  return {left, top, left + ids::kSwatchSide, top + ids::kSwatchSide};
}

RECT PresetDesign(size_t i) {
  const int left = ids::PresetLeft(static_cast<int>(i));
  return {left, ids::kPresetTop, left + ids::kSwatchSide, ids::kPresetTop + ids::kSwatchSide};
}

constexpr MenuEntry kCaptionMenu[] = {{ids::kMenuCaptionColour, L"设置标题颜色"},
                                      {ids::kMenuCaptionFont, L"设置标题字体"}};  // msetbt
constexpr MenuEntry kTextMenu[] = {{ids::kMenuTextColour, L"设置内容颜色"},
                                   {ids::kMenuTextFont, L"设置内容字体"}};  // msettxt
constexpr MenuEntry kMainMenu[] = {
    {ids::kMenuNameList, L"添加/删除抽签名单"}, {ids::kMenuEditStyle, L"编辑界面显示风格"},
    {ids::kMenuRunDraw, L"运行Ravelo"},          {ids::kMenuUpdate, L"官方更新"},
    {ids::kMenuAbout, L"关于"},                  {ids::kMenuHelp, L"帮助"},
    {ids::kMenuClose, L"关闭"}};  // mymenu

// The pictures of OK, cancel and defaults (Pic(11) to Pic(13)): normal and hover.
struct ButtonSkin {
  const wchar_t* normal;
  const wchar_t* hover;
};
constexpr ButtonSkin kButtonSkins[] = {
    {L"enter.pte", L"menter.pte"}, {L"cancel.pte", L"mcancel.pte"}, {L"mor.pte", L"mmor.pte"}};

std::wstring PresetPicture(size_t index) { return L"style" + std::to_wstring(index + 1) + L".pte"; }

std::wstring TitleText() { return std::wstring(L"Ravelo ") + kVersionText + L" 配置程序"; }

// A preset swatch whose picture is missing shows its colours: the style
// colour with a band of the title colour.
std::optional<Picture> PresetFallback(const ravelo::config::StylePreset& preset) {
  constexpr int kSide = 25;
  std::uint32_t pixels[kSide * kSide];
  const auto bgra = [](std::uint32_t rgb) {
    return 0xFF000000u | ((rgb & 0xFF) << 16) | (rgb & 0xFF00) | ((rgb >> 16) & 0xFF);
  };
  for (int y = 0; y < kSide; ++y)
    for (int x = 0; x < kSide; ++x)
      pixels[y * kSide + x] = bgra(y >= 3 && y < 8 && x >= 3 && x < 22 ? preset.titleColour : preset.frameColour);
  return Picture::FromPixels(kSide, kSide, pixels);
}

}  // namespace

bool SettingsWindow::Create() {
  paths_ = InstallPaths::FromProgramFolder(ProgramFolder());
  baseFolder_ = Widen(paths_.baseFolder);
  SkinnedFormDesign design;
  design.className = ids::kWindowClass;
  design.windowCaption = ids::kWindowCaption;
  design.icon = LoadIconW(ThisModule(), MAKEINTRESOURCEW(IDI_APP));
  design.width = kWidth;
  design.height = kHeight;
  design.title = TitleText();
  // The font rule: the modern UI font from Windows Vista on.
  UseUiFont(design.uiFont, system_);
  design.minimiseBox = true;
  design.menuBox = true;
  // The skin is read from the disk while the windows are made.
  std::vector<std::wstring> skin;
  for (const std::wstring_view name : kDialogSkinPictures) skin.push_back(CommonPicturePath(baseFolder_, name));
  for (const ButtonSkin& button : kButtonSkins) {
    skin.push_back(CommonPicturePath(baseFolder_, button.normal));
    skin.push_back(CommonPicturePath(baseFolder_, button.hover));
  }
  for (size_t i = 0; i < ravelo::config::StylePresets().size(); ++i) skin.push_back(CommonPicturePath(baseFolder_, PresetPicture(i)));
  Pictures().Prefetch(std::move(skin));
  if (!SkinnedForm::Create(design)) return false;
  links_ = std::make_unique<ConfigLinks>(Handle(), ConfigFolders{baseFolder_, Widen(paths_.programFolder), paths_});
  onClose = [this] { QuitProgram(); };
  onMenu = [this](POINT at) { ShowMainMenu(at); };
  onRightClick = [this](POINT at) { ShowMainMenu(at); };
  CreateLabels();
  CreateSwatches();
  if (!CreateInputs() || !CreateButtons()) return false;
  ApplySkin();
  return true;
}

void SettingsWindow::CreateLabels() {
  // La(1)..La(16) and Lt(1)..Lt(8) only show text: drawn on the background.
  std::array<size_t, std::size(kCaptions)> captions{};
  for (size_t i = 0; i < std::size(kCaptions); ++i) captions[i] = AddText(kCaptions[i].text, kCaptions[i].at, kCaptionInk);
  for (const LabelSpec& hint : kHints) AddText(hint.text, hint.at, kHintInk);
  for (const GroupSpec& group : kGroups) AddGroupBox(group.box, captions[static_cast<size_t>(group.caption)]);

  AddLink(ids::kBrowsePicture, L"浏览", {216, 144}, kBrowseInk, L"选择背景文件", [this] { Browse(true); });
  AddLink(ids::kBrowseMusic, L"浏览", {216, 176}, kBrowseInk, L"选择音乐文件", [this] { Browse(false); });

  const std::function<void()> actions[] = {
      [this] { links_->OpenNameList(); },
      [this] { LaunchCompanion(Companion::StyleEditor); },
      [this] { LaunchCompanion(Companion::DrawProgram); },
      [this] { links_->OpenHelp(); },
      [this] { links_->ChangeDataFolder(); },
      [this] { links_->EditPrizeRounds(); },
  };
  for (size_t i = 0; i < std::size(kLinks); ++i)
    AddLink(ids::kFirstLink + static_cast<int>(i), kLinks[i].text, {ids::kLinkLeft, ids::kLinkTop[i]}, kLinkInk,
            std::wstring(kLinks[i].tip), actions[i]);
}

bool SettingsWindow::CreateInputs() {
  using ravelo::config::CheckedBox;
  struct EditSpec {
    CheckedBox box;
    int id;
    RECT bounds;
    const wchar_t* name;  // for screen readers
    std::string FormValues::*field;
  };
  const EditSpec edits[] = {
      {CheckedBox::Caption, ids::kCaptionBox, {80, 72, 209, 97}, L"标题", &FormValues::caption},
      {CheckedBox::Text, ids::kTextBox, {80, 104, 209, 129}, L"内容", &FormValues::text},
      {CheckedBox::Picture, ids::kPictureBox, {80, 136, 209, 161}, L"背景", &FormValues::backPicture},
      {CheckedBox::Music, ids::kMusicBox, {80, 168, 209, 193}, L"音乐", &FormValues::music},
      {CheckedBox::Speed, ids::kSpeedBox, {80, 200, 113, 225}, L"速度", &FormValues::speed},
      {CheckedBox::Width, ids::kWidthBox, {104, 280, 137, 305}, L"窗口大小(宽)", &FormValues::width},
      {CheckedBox::Height, ids::kHeightBox, {184, 280, 217, 305}, L"窗口大小(高)", &FormValues::height},
  };
  for (const EditSpec& edit : edits) {
    // Each box takes what its field in the file holds, counted in GBK bytes.
    EditBox& box = BoxOf(edit.box);
    if (!box.Create(Handle(), edit.id, edit.bounds, FieldCapacity(ravelo::config::KeyOfBox(edit.box)))) return false;
    box.SetFont(ControlFont());
    box.SetAccessibleName(edit.name);
    box.onChange = [this, &box, field = edit.field] { model_.*field = Narrow(box.Text()); };
  }
  if (!stayOnTop_.Create(Handle(), ids::kStayOnTop, L"程序运行时的窗口保持在最前端", {432, 336, 625, 353}, kHintInk,
                         kWhite) ||
      !showButtons_.Create(Handle(), ids::kShowButtons, L"程序在运行时显示控制操作按钮", {432, 360, 625, 377},
                           kHintInk, kWhite))
    return false;
  stayOnTop_.SetFont(ControlFont());
  showButtons_.SetFont(ControlFont());
  stayOnTop_.onToggle = [this] { model_.stayOnTop = stayOnTop_.Checked(); };
  showButtons_.onToggle = [this] { model_.showButtons = showButtons_.Checked(); };
  return true;
}

void SettingsWindow::CreateSwatches() {
  // Drawn on the form, as hot areas: no window each. Their indices are
  // those of Pic(1)..Pic(4) and Pic(5)..Pic(10), counted from 0.
  const std::function<void()> swatchActions[] = {
      [this] { RunMenuCommand(ShowPopupMenu(Handle(), kCaptionMenu, PopupPoint())); },
      [this] { RunMenuCommand(ShowPopupMenu(Handle(), kTextMenu, PopupPoint())); },
      [this] { ChooseColour(2); },
      [this] { ChooseColour(3); },
  };
  for (size_t i = 0; i < std::size(swatchActions); ++i)
    AddSwatch(ids::PicId(static_cast<int>(i) + 1), SwatchDesign(i), std::wstring(kSwatchTips[i]), swatchActions[i],
              [this, colour = kSwatchColours[i]] { return static_cast<COLORREF>(model_.*colour); });
  const auto& presets = ravelo::config::StylePresets();
  for (size_t i = 0; i < presets.size(); ++i) {
    AddPictureArea(ids::PicId(static_cast<int>(i) + 5), PresetDesign(i), Widen(presets[i].name), [this, i] {
      const auto& chosen = ravelo::config::StylePresets()[i];
      SetColour(2, chosen.frameColour);
      SetColour(3, chosen.titleColour);
    });
  }
}

bool SettingsWindow::CreateButtons() {
  struct ButtonSpec {
    ImageButton& button;
    int index;
    const wchar_t* name;
    int left;
  };
  const ButtonSpec buttons[] = {{ok_, 11, L"确定", 200}, {cancel_, 12, L"取消", 295}, {defaults_, 13, L"默认", 392}};
  for (const ButtonSpec& entry : buttons) {
    if (!AddButton(entry.button, ids::PicId(entry.index), entry.name, {entry.left, 408, 58, 22})) return false;
    entry.button.SetCursor(Hand());
    AddTip(entry.button.Handle(), entry.name);
  }
  ok_.onClick = [this] { Save(); };
  cancel_.onClick = [this] { QuitProgram(); };
  defaults_.onClick = [this] { ShowValues(ravelo::config::DefaultFormValues()); };
  return true;
}

void SettingsWindow::ApplySkin() {
  ApplyDialogSkin(*this, baseFolder_, ok_);
  ImageButton* const buttons[] = {&ok_, &cancel_, &defaults_};
  for (size_t i = 0; i < std::size(buttons); ++i) {
    // A missing picture leaves the plain face with the button's name.
    auto normal = CommonPicture(Pictures(), baseFolder_, kButtonSkins[i].normal);
    auto hover = normal ? CommonPicture(Pictures(), baseFolder_, kButtonSkins[i].hover) : std::nullopt;
    buttons[i]->SetPicture(std::move(normal));
    buttons[i]->SetHoverPicture(std::move(hover));
  }
  const auto& presets = ravelo::config::StylePresets();
  for (size_t i = 0; i < presets.size(); ++i) {
    auto picture = CommonPicture(Pictures(), baseFolder_, PresetPicture(i));
    SetAreaPicture(i, picture ? std::move(picture) : PresetFallback(presets[i]));
  }
}

void SettingsWindow::StartUp() {
  const ProfileReader reader = ProfileReader::Open(PathFromUtf8(paths_.ConfigPath()));
  const ravelo::config::LoadedSettings loaded = ravelo::config::LoadSettings(reader);
  if (!loaded.fileFound) ShowWarning(nullptr, Widen(ravelo::config::kConfigMissingMessage));
  ShowValues(loaded.values);
  // As the form holds them, so that an untouched value compares equal.
  if (loaded.fileFound) stored_ = model_;
  ShowCentred();
}

void SettingsWindow::ShowValues(const FormValues& values) {
  model_ = values;
  // A colour is the swatch's background: the byte above RGB is no part of it.
  for (std::uint32_t FormValues::*colour : kSwatchColours) model_.*colour &= 0xFFFFFF;
  // Each box's change reports its text back into the model: taken from a
  // copy, so that the boxes filled first do not change what is still to show.
  const FormValues shown = model_;
  caption_.SetText(Widen(shown.caption));
  text_.SetText(Widen(shown.text));
  backPicture_.SetText(Widen(shown.backPicture));
  music_.SetText(Widen(shown.music));
  speed_.SetText(Widen(shown.speed));
  width_.SetText(Widen(shown.width));
  height_.SetText(Widen(shown.height));
  model_ = shown;
  for (size_t swatch = 0; swatch < std::size(kSwatchColours); ++swatch) RefreshSwatch(swatch);
  showButtons_.SetChecked(shown.showButtons);
  stayOnTop_.SetChecked(shown.stayOnTop);
  ShowFont(true, shown.captionFont);
  ShowFont(false, shown.textFont);
}

void SettingsWindow::SetColour(size_t swatch, COLORREF colour) {
  model_.*kSwatchColours[swatch] = colour & 0xFFFFFF;
  RefreshSwatch(swatch);
}

void SettingsWindow::ShowFont(bool isCaption, const FontTexts& font) {
  (isCaption ? model_.captionFont : model_.textFont) = font;
  const EditBox& box = isCaption ? caption_ : text_;
  ChangeTip(box.Handle(), Widen(ravelo::config::DescribeFont(font, isCaption)));
}

EditBox& SettingsWindow::BoxOf(ravelo::config::CheckedBox box) {
  using ravelo::config::CheckedBox;
  switch (box) {
    case CheckedBox::Caption: return caption_;
    case CheckedBox::Text: return text_;
    case CheckedBox::Picture: return backPicture_;
    case CheckedBox::Music: return music_;
    case CheckedBox::Speed: return speed_;
    case CheckedBox::Width: return width_;
    default: return height_;
  }
}

void SettingsWindow::Refuse(const ravelo::config::Refusal& refusal) {
  ShowWarning(Handle(), Widen(refusal.message));
  EditBox& box = BoxOf(refusal.box);
  if (refusal.emptyBox) box.SetText(L"");
  else box.SelectAll();
  box.Focus();
}

void SettingsWindow::Save() {
  FormValues values = model_;
  ravelo::config::NormaliseNumbers(values);
  Screenrs screen(system_);
  const ravelo::config::ScreenLimits limits{screen.dmPelsWidth().value_or(INT16_MAX),
                                            screen.dmPelsHeight().value_or(INT16_MAX)};
  auto refusal = ravelo::config::CheckTexts(values);
  if (!refusal) refusal = ravelo::config::CheckLimits(values, limits);
  if (refusal) {
    // The numbers show as they were read; the refused box is emptied or selected.
    ShowValues(values);
    Refuse(*refusal);
    ok_.ShowNormal();
    return;
  }
  const FilePath config = PathFromUtf8(paths_.ConfigPath());
  // Only what the operator set here is written; every other key stays as the
  // file holds it now (rvostyle may have saved meanwhile). A file gone since
  // start-up gets every key.
  const ravelo::config::SavePlan plan =
      ravelo::config::PlanSave(values, IsExistingFile(config) ? stored_ : std::nullopt);
  // One replace of the whole file: either every key is stored or none.
  const bool written = plan.writes.empty() || WriteProfileValues(config, ProfileWritesOf(plan.writes));
  if (written) stored_ = values;
  // A picture or music of "0" is the default one, shown as an empty box.
  FormValues shown = values;
  for (std::string* path : {&shown.backPicture, &shown.music})
    if (*path == "0") path->clear();
  ShowValues(shown);
  // A typed picture or music path without its file is saved, and said.
  const auto missing =
      written ? ravelo::config::MissingSkinFileReport(values, plan.sizeChanged, IsExistingFileAt) : std::nullopt;
  const std::wstring report = Widen(missing ? *missing : ravelo::config::SaveReport(written, plan.sizeChanged));
  if (written && !missing) ShowInformation(Handle(), report);
  else ShowWarning(Handle(), report);
  ok_.ShowNormal();
}

void SettingsWindow::QuitProgram() {
  if (links_->NameListOpen()) {
    ShowWarning(Handle(), L"当前添加/删除抽签名单窗口未关闭.\r\n请关闭添加/删除抽签名单窗口再退出.");
    CloseBox().ShowNormal();
    return;
  }
  // Nothing is saved; the other windows go with the process.
  PostQuitMessage(0);
}

void SettingsWindow::ShowMainMenu(POINT onScreen) { RunMenuCommand(ShowPopupMenu(Handle(), kMainMenu, onScreen)); }

void SettingsWindow::RunMenuCommand(UINT command) {
  switch (command) {
    case ids::kMenuNameList: links_->OpenNameList(); break;
    case ids::kMenuEditStyle: LaunchCompanion(Companion::StyleEditor); break;
    case ids::kMenuRunDraw: LaunchCompanion(Companion::DrawProgram); break;
    case ids::kMenuUpdate: links_->OpenUpdatePage(); break;
    case ids::kMenuAbout: links_->ShowAbout(); break;
    case ids::kMenuHelp: links_->OpenHelp(); break;
    case ids::kMenuClose: QuitProgram(); break;
    case ids::kMenuCaptionColour: ChooseColour(0); break;
    case ids::kMenuCaptionFont: ChooseLabelFont(true); break;
    case ids::kMenuTextColour: ChooseColour(1); break;
    case ids::kMenuTextFont: ChooseLabelFont(false); break;
    default: break;  // dismissed
  }
}

void SettingsWindow::ChooseColour(size_t swatch) {
  if (const auto colour = dialogs_.ChooseColour(Handle())) SetColour(swatch, *colour);
}

void SettingsWindow::ChooseLabelFont(bool isCaption) {
  const ravelo::config::FontPreset preset = ravelo::config::FontDialogPreset(isCaption);
  const auto chosen = dialogs_.ChooseLabelFont(Handle(), FontSpec{Widen(preset.name), preset.points, preset.bold,
                                                             preset.italic});
  if (!chosen) return;
  if (const auto problem = ravelo::config::CheckFontName(Narrow(chosen->name))) {
    ShowWarning(Handle(), Widen(*problem));
    return;
  }
  ShowFont(isCaption, ravelo::config::FontTextsOf(Narrow(chosen->name), chosen->points, chosen->bold,
                                                  chosen->italic));
}

void SettingsWindow::Browse(bool picture) {
  const OpenFileRequest request =
      picture ? OpenFileRequest{L"选择背景图片", L"BMP(*.bmp)|*.bmp|JPG(*.jpg)|*.jpg|JPEG(*.jpeg)|*.jpeg|GIF(*.gif)|*.gif", 2}
              : OpenFileRequest{L"选择背景音乐", L"WAV(*.wav)|*.wav|MP3(*.mp3)|*.mp3|WMA(*.wma)|*.wma", 1};
  const auto path = dialogs_.OpenFile(Handle(), request);
  if (!path) return;
  // A path its field cannot hold is refused as a typed one is; the box keeps its text.
  const auto box = picture ? ravelo::config::CheckedBox::Picture : ravelo::config::CheckedBox::Music;
  if (const auto refusal = ravelo::config::CheckText(box, Narrow(*path))) {
    Refuse(*refusal);
    return;
  }
  BoxOf(box).SetText(*path);
}

void SettingsWindow::LaunchCompanion(Companion which) {
  ::ravelo::win::LaunchCompanion(Handle(), paths_, which);
}

}  // namespace ravelo::win::config
