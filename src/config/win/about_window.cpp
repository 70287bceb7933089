#include "config/win/about_window.h"

#include "config/win/secondary_form.h"
#include "config/win/web_pages.h"
#include "resource_ids.h"
#include "shared/version.h"
#include "shared/win/picture.h"

namespace ravelo::win::config {
namespace {

using namespace secondary_controls::about;

constexpr int kWidth = 465;
constexpr int kHeight = 281;
constexpr COLORREF kInk = RGB(0, 0, 0);
constexpr COLORREF kLinkInk = RGB(0, 0, 192);

constexpr wchar_t kAuthorText[] = L"作者：Ravelo 开发组";
constexpr wchar_t kRightsText[] = L"版权所有：Ravelo 开发组";
constexpr wchar_t kNoticeText[] =
    L"本软件按“现状”提供，不附带任何明示或暗示的担保。抽签结果请由主持人当场核对并公布。";
constexpr wchar_t kHomeText[] = L"© Ravelo 开发组 · 主页";

PointF At(int x, int y) { return {static_cast<float>(x), static_cast<float>(y)}; }

}  // namespace

bool AboutWindow::Open(const std::wstring& baseFolder, HWND settingsWindow) {
  settingsWindow_ = settingsWindow;
  const SkinnedFormDesign design = SecondaryFormDesign(kWindowClass, kCaption, kWidth, kHeight);
  if (!Create(design) || !CreateControls(baseFolder)) return false;
  onClose = [this] { Close(); };
  ApplyDialogSkin(*this, baseFolder, ok_);
  MessageBeep(MB_OK);
  EnableWindow(settingsWindow_, FALSE);
  ShowCentred();
  return true;
}

bool AboutWindow::CreateControls(const std::wstring& baseFolder) {
  const FontSpec& font = UiFont();
  FontSpec productFont = font;
  productFont.points = 12.0f;
  productFont.bold = true;
  const struct {
    TextLabel& label;
    int id;
    std::wstring text;
    FontSpec font;
    PointF at;
    int wrapWidth;
  } labels[] = {
      {product_, kProduct, L"Ravelo", productFont, At(216, 40), 0},
      {version_, kVersion, std::wstring(L"版本：") + kVersionText, font, At(216, 67), 0},
      {author_, kAuthor, kAuthorText, font, At(216, 93), 0},
      {rights_, kRights, kRightsText, font, At(216, 120), 0},
      {notice_, kNotice, kNoticeText, font, At(16, 144), 433},
  };
  for (const auto& l : labels) {
    if (!AddLabel(l.label, l.id, {l.text, l.font, kInk, l.at, l.wrapWidth})) return false;
  }
  AddLink(kHomeLink, kHomeText, {264, 184}, kLinkInk, L"", [this] { OpenWebPage(Handle(), kHomePage); });

  const struct {
    ImageButton& button;
    int id;
    const wchar_t* name;
    ravelo::Rect bounds;
  } pictures[] = {
      {logo_, kLogo, L"Ravelo", {16, 48, 180, 80}},
      {picture1_, kFirstPicture, L"i1", {16, 184, 48, 48}},
      {picture2_, kFirstPicture + 1, L"i2", {72, 184, 48, 48}},
      {ok_, kOk, L"确定", {200, 248, 58, 22}},
  };
  for (const auto& p : pictures) {
    if (!AddButton(p.button, p.id, p.name, p.bounds)) return false;
  }
  logo_.SetPicture(PictureFromBitmapResource(IDB_LOGO));
  picture1_.SetPicture(CommonPicture(Pictures(), baseFolder, L"i1.pte"));
  picture2_.SetPicture(CommonPicture(Pictures(), baseFolder, L"i2.pte"));
  ok_.SetPicture(CommonPicture(Pictures(), baseFolder, L"enter.pte"));
  logo_.SetCursor(Hand());
  logo_.onClick = [this] { OpenWebPage(Handle(), kSoftwarePage); };
  ok_.SetHoverPicture(CommonPicture(Pictures(), baseFolder, L"menter.pte"));
  ok_.onClick = [this] { Close(); };
  AddTip(ok_.Handle(), L"确定");
  return true;
}

void AboutWindow::Close() {
  // Enabled before the box goes, so that the activation passes to it.
  GiveBackSettingsWindow();
  DestroyWindow(Handle());
}

void AboutWindow::GiveBackSettingsWindow() const {
  EnableWindow(settingsWindow_, TRUE);
  ShowWindow(settingsWindow_, SW_SHOW);
  SetForegroundWindow(settingsWindow_);
}

LRESULT AboutWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  // However the box goes (its buttons, Alt+F4, the task bar, the system),
  // the settings form comes back.
  if (message == WM_DESTROY) GiveBackSettingsWindow();
  return SkinnedForm::HandleMessage(message, wParam, lParam);
}

}  // namespace ravelo::win::config
