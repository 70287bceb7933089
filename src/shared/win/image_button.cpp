#include "shared/win/image_button.h"

#include <algorithm>
#include <utility>

#include "shared/win/control_messages.h"
#include "shared/win/window_dpi.h"

namespace ravelo::win {
namespace {

constexpr wchar_t kButtonClass[] = L"RaveloImageButton";
constexpr ravelo::Size kMinimumFace{48, 24};
constexpr int kFacePadding = 10;

Font MessageFont() {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof(metrics);
  if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0)) return Font();
  return Font(CreateFontIndirectW(&metrics.lfMessageFont));
}

}  // namespace

bool ImageButton::Create(HWND parent, int controlId, const std::wstring& name, const Backdrop& backdrop,
                         const std::optional<ravelo::Rect>& bounds) {
  name_ = name;
  backdrop_ = &backdrop;
  const WindowClassSpec windowClass{kButtonClass, 0, nullptr, nullptr};
  WindowCreateSpec createSpec;
  createSpec.style = WS_CHILD | WS_CLIPSIBLINGS | (bounds ? WS_VISIBLE : 0);
  if (bounds) createSpec.bounds = {bounds->left, bounds->top, bounds->left + bounds->width, bounds->top + bounds->height};
  createSpec.text = name_.c_str();
  createSpec.parent = parent;
  createSpec.controlId = controlId;
  // Sized by the layout; the plain face's font is made when first needed.
  if (!CreateWindowOf(windowClass, createSpec)) return false;
  AccessibleDescription description;
  description.defaultAction = L"按下";
  description.doDefaultAction = [this] { Click(); };
  accessibility_.Describe(Handle(), std::move(description));
  return true;
}

void ImageButton::MakeTabStop() {
  SetWindowLongPtrW(Handle(), GWL_STYLE, GetWindowLongPtrW(Handle(), GWL_STYLE) | WS_TABSTOP);
}

void ImageButton::ReadAsPicture() {
  AccessibleDescription description;
  description.role = ROLE_SYSTEM_GRAPHIC;
  description.focusable = false;
  accessibility_.Describe(Handle(), std::move(description));
}

void ImageButton::Click() {
  if (IsWindowEnabled(Handle()) && onClick) onClick();
}

void ImageButton::SetPicture(std::optional<Picture> picture) {
  picture_ = std::move(picture);
  pictureSized_.Reset();
  greyedSized_.Reset();
  greyed_.reset();
  InvalidateRect(Handle(), nullptr, FALSE);
}

void ImageButton::SetHoverPicture(std::optional<Picture> picture) {
  hover_ = std::move(picture);
  hoverSized_.Reset();
  InvalidateRect(Handle(), nullptr, FALSE);
}

void ImageButton::ShowNormal() {
  if (GetCapture() == Handle() && !click_.Pressed()) ReleaseCapture();
  if (std::exchange(hovering_, false)) InvalidateRect(Handle(), nullptr, FALSE);
}

void ImageButton::TrackHover(POINT at) {
  if (!hover_) return;
  // Leaving releases the capture; WM_CAPTURECHANGED then clears the press.
  const bool inside = HoldCaptureWhileInside(Handle(), at);
  if (std::exchange(hovering_, inside) != inside) InvalidateRect(Handle(), nullptr, FALSE);
}

ravelo::Size PlainFaceSize(std::wstring_view name) {
  const Font font = MessageFont();
  WindowDc screen(nullptr);
  ScopedSelect select(screen.Get(), font ? static_cast<HGDIOBJ>(font.Get()) : GetStockObject(DEFAULT_GUI_FONT));
  SIZE text{};
  GetTextExtentPoint32W(screen.Get(), name.data(), static_cast<int>(name.size()), &text);
  // The message font is made for the system DPI; the size is in design pixels.
  const ravelo::Size design = SystemScale().ToDesign(ravelo::Size{text.cx, text.cy});
  return {std::max<int>(kMinimumFace.width, design.width + 2 * kFacePadding),
          std::max<int>(kMinimumFace.height, design.height + kFacePadding)};
}

ravelo::Size ImageButton::NaturalSize() const {
  if (picture_) return {picture_->Width(), picture_->Height()};
  return PlainFaceSize(name_);
}

void ImageButton::KeepPixelsSharp() {
  for (PictureAtSize* sized : {&pictureSized_, &greyedSized_, &hoverSized_}) sized->SetSmooth(false);
}

void ImageButton::Place(const ravelo::Rect& bounds) {
  // Painted anew where it lands (below), so its old pixels are not copied.
  SetWindowPos(Handle(), nullptr, bounds.left, bounds.top, bounds.width, bounds.height,
               SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOCOPYBITS);
  InvalidateRect(Handle(), nullptr, FALSE);
}

void ImageButton::Show(bool visible) { ShowWindow(Handle(), visible ? SW_SHOWNA : SW_HIDE); }

void ImageButton::BringToTop() {
  SetWindowPos(Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void ImageButton::Enable(bool enabled) {
  if (!enabled) click_.Cancel();
  EnableWindow(Handle(), enabled ? TRUE : FALSE);
}

void ImageButton::Paint(HDC dc) {
  RECT client;
  GetClientRect(Handle(), &client);
  // Compose in the parent's coordinates so the backdrop lines up.
  RECT inParent = client;
  MapWindowPoints(Handle(), GetParent(Handle()), reinterpret_cast<POINT*>(&inParent), 2);
  HDC buffer = buffer_.Begin(inParent);
  if (!buffer) return;
  if (backdrop_) backdrop_->PaintBackdrop(buffer, inParent);
  const bool enabled = IsWindowEnabled(Handle()) != FALSE;
  if (picture_) {
    if (!enabled && !greyed_) greyed_ = picture_->Greyed();
    const int width = client.right - client.left;
    const int height = client.bottom - client.top;
    const Picture& shown = !enabled && greyed_  ? greyedSized_.Of(*greyed_, width, height)
                           : hovering_ && hover_ ? hoverSized_.Of(*hover_, width, height)
                                                 : pictureSized_.Of(*picture_, width, height);
    shown.Draw(buffer, inParent.left, inParent.top);
  } else {
    PaintPlainFace(buffer, inParent, enabled);
  }
  if (GetFocus() == Handle() && !(SendMessageW(Handle(), WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS)) {
    RECT mark = inParent;
    InflateRect(&mark, -2, -2);
    SetTextColor(buffer, RGB(0, 0, 0));
    SetBkColor(buffer, RGB(255, 255, 255));
    DrawFocusRect(buffer, &mark);
  }
  buffer_.End(dc, {0, 0});
}

void ImageButton::PaintPlainFace(HDC dc, const RECT& face, bool enabled) const {
  // A rounded slate face with a light rim and the button's name.
  const COLORREF fill = enabled ? RGB(58, 74, 104) : RGB(96, 100, 110);
  const COLORREF rim = enabled ? RGB(150, 170, 210) : RGB(130, 134, 140);
  const COLORREF ink = enabled ? RGB(255, 255, 255) : RGB(170, 172, 178);
  Brush brush(CreateSolidBrush(fill));
  Pen pen(CreatePen(PS_SOLID, 1, rim));
  {
    ScopedSelect selectBrush(dc, brush.Get());
    ScopedSelect selectPen(dc, pen.Get());
    RoundRect(dc, face.left, face.top, face.right, face.bottom, 6, 6);
  }
  ScopedSelect selectFont(dc, FaceFont());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, ink);
  RECT text = face;
  DrawTextW(dc, name_.c_str(), static_cast<int>(name_.size()), &text,
            DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
}

HGDIOBJ ImageButton::FaceFont() const {
  if (!faceFont_) faceFont_ = MessageFont();
  return faceFont_ ? static_cast<HGDIOBJ>(faceFont_.Get()) : GetStockObject(DEFAULT_GUI_FONT);
}

LRESULT ImageButton::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (auto answer = AnswerPaintMessages(Handle(), message, [this](const PaintDc& paint) { Paint(paint.Get()); }))
    return *answer;
  if (auto answer = accessibility_.HandleMessage(message, wParam, lParam)) return *answer;
  if (auto answer = keys_.Answer(message, wParam, lParam, [this] { Click(); })) return *answer;
  switch (message) {
    case WM_ENABLE:
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_UPDATEUISTATE:
      // The focus mark comes or goes.
      InvalidateRect(Handle(), nullptr, FALSE);
      if (message == WM_UPDATEUISTATE) break;
      return 0;
    case WM_SETCURSOR:
      if (ShowOwnCursor(cursor_, lParam)) return TRUE;
      break;
    case WM_LBUTTONDOWN:
      click_.Press(Handle());
      return 0;
    case WM_LBUTTONUP:
      if (click_.Release(Handle(), lParam) && onClick) onClick();
      return 0;
    case BM_CLICK:
      // Clicked by a program or an accessibility tool; a disabled button stays dead.
      Click();
      return 0;
    case WM_MOUSEMOVE:
      TrackHover(PointFromLParam(lParam));
      return 0;
    case WM_MOUSELEAVE:
      TrackHover(PointerInClient(Handle()));
      return 0;
    case WM_CAPTURECHANGED:
      // Wine tells a window that takes the capture it already holds (the
      // press after a hover) that the capture changed: that loses nothing.
      if (reinterpret_cast<HWND>(lParam) == Handle()) return 0;
      click_.Cancel();
      if (hover_ && std::exchange(hovering_, false)) InvalidateRect(Handle(), nullptr, FALSE);
      return 0;
    default:
      break;
  }
  return Default(message, wParam, lParam);
}

}  // namespace ravelo::win
