#include "shared/win/skinned_form.h"

#include <algorithm>
#include <climits>

#include "resource_ids.h"
#include "shared/core/reading_order.h"
#include "shared/win/control_messages.h"
#include "shared/win/form_controls.h"
#include "shared/win/message_loop.h"
#include "shared/win/popup_menu.h"
#include "shared/win/window_drag.h"
#include "shared/win/window_dpi.h"

namespace ravelo::win {
namespace {

using namespace form_frame;

constexpr int kHeadlineTop = 1;
constexpr int kHeadlineHeight = 28;
constexpr int kBoxSize = 12;
constexpr int kBoxTop = 8;
constexpr COLORREF kPlainGround = RGB(246, 249, 255);
constexpr COLORREF kPlainHeadline = RGB(86, 128, 196);
constexpr COLORREF kBorder = RGB(70, 110, 180);
constexpr COLORREF kGroupLine = RGB(168, 188, 222);

void FillSolid(HDC dc, const RECT& area, COLORREF colour) {
  SetBkColor(dc, colour);
  ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &area, nullptr, 0, nullptr);
}

// Lines of the given width, drawn below and right of their coordinate.
void HorizontalLine(HDC dc, int left, int right, int y, int width, COLORREF colour) {
  if (right > left) FillSolid(dc, RECT{left, y, right, y + width}, colour);
}

void VerticalLine(HDC dc, int x, int top, int bottom, int width, COLORREF colour) {
  if (bottom > top) FillSolid(dc, RECT{x, top, x + width, bottom}, colour);
}

}  // namespace

bool SkinnedForm::Create(const SkinnedFormDesign& design) {
  design_ = design;
  uiFont_ = design.uiFont;
  hand_ = HandCursor();
  const WindowClassSpec windowClass{design.className, 0, nullptr, design.icon};
  WindowCreateSpec createSpec;
  createSpec.style = WS_POPUP | WS_CLIPCHILDREN | WS_SYSMENU | WS_MINIMIZEBOX;
  createSpec.text = design_.windowCaption.c_str();
  // The window has no frame: its size is the client size.
  createSpec.bounds = {0, 0, design.width, design.height};
  if (!CreateWindowOf(windowClass, createSpec)) return false;
  scale_ = WindowScale(Handle());
  size_ = scale_.ToDevice(ravelo::Size{design.width, design.height});
  // Sized and centred in one move: each move of a window with its controls
  // costs start-up time.
  const int left = (GetSystemMetrics(SM_CXSCREEN) - size_.width) / 2;
  const int top = (GetSystemMetrics(SM_CYSCREEN) - size_.height) / 2;
  SetWindowPos(Handle(), nullptr, left, top, size_.width, size_.height, SWP_NOZORDER | SWP_NOACTIVATE);
  controlFont_ = CreateLabelFont(uiFont_, scale_.Dpi());
  MarkAsForm(Handle());
  canvas_.Attach(Handle(), *this);
  canvas_.SetScale(scale_);

  AddText(design_.title, {16, 10}, RGB(0, 0, 0));
  const int right = design.width - 13;
  if (!AddBox(closeBox_, kCloseBox, L"关闭", right, IDB_CLOSE, IDB_CLOSE_HOVER, [this] {
        if (onClose) onClose();
      }))
    return false;
  if (design.minimiseBox &&
      !AddBox(minimiseBox_, kMinimiseBox, L"最小化", right - 16, IDB_MINIMIZE, IDB_MINIMIZE_HOVER, [this] {
        minimiseBox_.ShowNormal();
        if (onMinimise) onMinimise();
        else ShowWindow(Handle(), SW_MINIMIZE);
      }))
    return false;
  if (design.menuBox && !AddBox(menuBox_, kMenuBox, L"菜单", right - 32, IDB_MENU, IDB_MENU_HOVER, [this] {
        if (onMenu) onMenu(GetFocus() == menuBox_.Handle() ? PopupPoint() : PointerOnScreen());
        menuBox_.ShowNormal();
      }))
    return false;
  return true;
}

bool SkinnedForm::AddBox(ImageButton& box, int controlId, const wchar_t* name, int right, int normalBitmap,
                         int hoverBitmap, std::function<void()> onClick) {
  if (!AddButton(box, controlId, name, {right - kBoxSize, kBoxTop, kBoxSize, kBoxSize})) return false;
  box.SetPicture(PictureFromBitmapResource(normalBitmap));
  box.SetHoverPicture(PictureFromBitmapResource(hoverBitmap));
  box.SetCursor(hand_);
  box.KeepPixelsSharp();
  box.onClick = std::move(onClick);
  AddTip(box.Handle(), name);
  return true;
}

bool SkinnedForm::AddLabel(TextLabel& label, int controlId, std::wstring_view text, POINT at, COLORREF colour) {
  return AddLabel(label, controlId, {text, uiFont_, colour, PointF{static_cast<float>(at.x), static_cast<float>(at.y)}});
}

bool SkinnedForm::AddLabel(TextLabel& label, int controlId, TextLabel::InitialState design) {
  design.position = scale_.ToDevice(design.position);
  design.wrapWidth = scale_.ToDevice(design.wrapWidth);
  return label.Create(canvas_, controlId, design);
}

bool SkinnedForm::AddButton(ImageButton& button, int controlId, const std::wstring& name, const ravelo::Rect& design) {
  if (!button.Create(Handle(), controlId, name, *this, scale_.ToDevice(design))) return false;
  buttons_.push_back(&button);
  return true;
}

void SkinnedForm::AddLink(int linkId, std::wstring_view text, POINT at, COLORREF colour, const std::wstring& tip,
                          std::function<void()> onClick) {
  const RECT bounds = texts_[AddText(text, at, colour)].bounds;
  AddHotAreaAt(linkId, bounds, tip, std::wstring(text), ROLE_SYSTEM_LINK, std::move(onClick));
}

void SkinnedForm::AddHotArea(int areaId, const RECT& design, const std::wstring& tip, std::function<void()> onClick) {
  AddHotAreaAt(areaId, ToDevice(scale_, design), tip, tip, ROLE_SYSTEM_PUSHBUTTON, std::move(onClick));
}

void SkinnedForm::AddHotAreaAt(int areaId, const RECT& bounds, const std::wstring& tip, const std::wstring& name,
                               long role, std::function<void()> onClick) {
  hotAreas_.push_back({areaId, bounds, name, role, std::move(onClick)});
  if (!tip.empty()) tips_.AddArea(Handle(), static_cast<UINT_PTR>(areaId), bounds, tip);
}

size_t SkinnedForm::AddSwatch(int areaId, const RECT& design, const std::wstring& tip, std::function<void()> onClick,
                              std::function<COLORREF()> colour) {
  AddHotArea(areaId, design, tip, std::move(onClick));
  swatches_.push_back({ToDevice(scale_, design), std::move(colour)});
  return swatches_.size() - 1;
}

void SkinnedForm::RefreshSwatch(size_t swatch) const { InvalidateRect(Handle(), &swatches_[swatch].bounds, FALSE); }

size_t SkinnedForm::AddPictureArea(int areaId, const RECT& design, const std::wstring& tip,
                                   std::function<void()> onClick) {
  AddHotArea(areaId, design, tip, std::move(onClick));
  pictureAreas_.push_back({ToDevice(scale_, design), std::nullopt, {}});
  return pictureAreas_.size() - 1;
}

void SkinnedForm::SetAreaPicture(size_t area, std::optional<Picture> picture) {
  PictureArea& target = pictureAreas_[area];
  target.picture = std::move(picture);
  target.sized.Reset();
  InvalidateRect(Handle(), &target.bounds, FALSE);
}

int SkinnedForm::HotAreaAt(POINT at) const {
  for (size_t i = 0; i < hotAreas_.size(); ++i)
    if (PtInRect(&hotAreas_[i].bounds, at)) return static_cast<int>(i);
  return -1;
}

void SkinnedForm::SetBackground(std::optional<Picture> picture) {
  background_ = std::move(picture);
  backgroundSized_.Reset();
  RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
}

void SkinnedForm::SetHeadline(std::optional<Picture> picture) {
  headline_ = std::move(picture);
  headlineSized_.Reset();
  RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
}

void SkinnedForm::AddGroupBox(const RECT& box, const TextLabel& caption) {
  groups_.push_back({ToDevice(scale_, box), &caption, 0});
}

void SkinnedForm::AddGroupBox(const RECT& box, size_t captionText) {
  groups_.push_back({ToDevice(scale_, box), nullptr, captionText});
}

size_t SkinnedForm::AddText(std::wstring_view text, POINT design, COLORREF colour) {
  const POINT at{scale_.ToDevice(static_cast<int>(design.x)), scale_.ToDevice(static_cast<int>(design.y))};
  SIZE size{};
  {
    ScopedSelect select(measure_.Get(), controlFont_.Get());
    GetTextExtentPoint32W(measure_.Get(), text.data(), static_cast<int>(text.size()), &size);
  }
  const RECT bounds{at.x, at.y, at.x + size.cx, at.y + size.cy};
  texts_.push_back({std::wstring(text), bounds, colour});
  InvalidateRect(Handle(), &bounds, FALSE);
  return texts_.size() - 1;
}

void SkinnedForm::ShowCentred() {
  ShowWindow(Handle(), SW_SHOWNORMAL);
  UpdateWindow(Handle());
  for (ImageButton* button : buttons_) {
    if (button->onClick) button->MakeTabStop();
    else button->ReadAsPicture();
  }
  // The drawn controls' stops wait for the keyboard: the first stop in
  // reading order is a window of the form's own.
  if (const std::vector<HWND> order = TabOrder(); !order.empty()) SetFocus(order.front());
  tips_.Create();
}

void SkinnedForm::PrepareKeyboard() {
  if (keyboardReady_) return;
  keyboardReady_ = true;
  MakeStops();
  // The Tab order is the windows' z-order; none of them overlap, so
  // nothing needs repainting.
  HWND previous = HWND_TOP;
  for (HWND stop : TabOrder()) {
    SetWindowPos(stop, previous, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOREDRAW | SWP_NOOWNERZORDER | SWP_NOSENDCHANGING);
    previous = stop;
  }
}

void SkinnedForm::MakeStops() {
  for (size_t i = stops_.size(); i < hotAreas_.size(); ++i) {
    const HotArea& area = hotAreas_[i];
    auto stop = std::make_unique<DrawnControlStop>();
    if (!stop->Create(Handle(), area.id, area.name, area.role, area.bounds)) return;
    stop->onActivate = [this, i] {
      if (!hotAreas_[i].onClick) return;
      actingFromKeyboard_ = true;
      hotAreas_[i].onClick();
      actingFromKeyboard_ = false;
    };
    stop->onFocusChange = [this, i](bool focused) {
      if (focused) focusedArea_ = static_cast<int>(i);
      else if (focusedArea_ == static_cast<int>(i)) focusedArea_ = -1;
      const RECT mark = FocusMarkOf(i);
      InvalidateRect(Handle(), &mark, FALSE);
    };
    stops_.push_back(std::move(stop));
  }
}

RECT SkinnedForm::FocusMarkOf(size_t area) const {
  RECT mark = hotAreas_[area].bounds;
  InflateRect(&mark, scale_.ToDevice(2), scale_.ToDevice(2));
  return mark;
}

std::vector<HWND> SkinnedForm::TabOrder() {
  // The frame's boxes come last: the form's own controls are what a reader
  // looks for first.
  std::vector<HWND> stops;
  std::vector<HWND> frameBoxes;
  for (HWND child = GetWindow(Handle(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (!(GetWindowLongPtrW(child, GWL_STYLE) & WS_TABSTOP)) continue;
    const int id = GetDlgCtrlID(child);
    (id == kCloseBox || id == kMinimiseBox || id == kMenuBox ? frameBoxes : stops).push_back(child);
  }
  std::vector<ravelo::Rect> bounds;
  for (HWND stop : stops) {
    const auto drawn = std::find_if(stops_.begin(), stops_.end(), [stop](const auto& s) { return s->Handle() == stop; });
    RECT r;
    if (drawn != stops_.end()) {
      r = (*drawn)->Bounds();
    } else {
      GetWindowRect(stop, &r);
      MapWindowPoints(nullptr, Handle(), reinterpret_cast<POINT*>(&r), 2);
    }
    bounds.push_back({r.left, r.top, r.right - r.left, r.bottom - r.top});
  }
  std::vector<ravelo::Rect> groups;
  for (const GroupBox& group : groups_)
    groups.push_back({group.box.left, group.box.top, group.box.right - group.box.left, group.box.bottom - group.box.top});
  for (size_t i = 0; i < stops.size(); ++i) NameByItsText(stops[i], bounds[i]);
  std::vector<HWND> order;
  for (size_t i : ReadingOrder(bounds, groups)) order.push_back(stops[i]);
  order.insert(order.end(), frameBoxes.begin(), frameBoxes.end());
  return order;
}

void SkinnedForm::NameByItsText(HWND window, const ravelo::Rect& bounds) {
  FormControl* control = FormControl::Of(window);
  if (!control || control->HasAccessibleName()) return;
  // As Windows names a box by the label before it: the nearest text on its
  // left in the same row, else the nearest one just above it.
  const StaticText* best = nullptr;
  int bestDistance = INT_MAX;
  for (const StaticText& text : texts_) {
    const RECT& t = text.bounds;
    const int overlapY = std::min<int>(t.bottom, bounds.bottom()) - std::max<int>(t.top, bounds.top);
    const int overlapX = std::min<int>(t.right, bounds.right()) - std::max<int>(t.left, bounds.left);
    int distance = INT_MAX;
    if (t.right <= bounds.left + 2 && 2 * overlapY >= t.bottom - t.top) distance = bounds.left - t.right;
    else if (t.bottom <= bounds.top + 2 && overlapX > 0) distance = 2 * (bounds.top - t.bottom) + 1;
    if (distance < bestDistance) {
      bestDistance = distance;
      best = &text;
    }
  }
  if (!best) return;
  std::wstring name = best->text;
  while (!name.empty() && (name.back() == L':' || name.back() == L'\uFF1A' || name.back() == L' ')) name.pop_back();
  control->SetAccessibleName(std::move(name));
}

POINT SkinnedForm::PopupPoint() const {
  HWND focus = GetFocus();
  RECT below{};
  if (actingFromKeyboard_ && focusedArea_ >= 0) {
    below = hotAreas_[static_cast<size_t>(focusedArea_)].bounds;
    MapWindowPoints(Handle(), nullptr, reinterpret_cast<POINT*>(&below), 2);
  } else if (focus && IsChild(Handle(), focus) && focus == menuBox_.Handle()) {
    GetWindowRect(focus, &below);
  } else {
    return PointerOnScreen();
  }
  return {below.left, below.bottom};
}

void SkinnedForm::ShowMenuFromKeyboard() {
  if (!onMenu || !menuBox_.Handle()) return;
  RECT box;
  GetWindowRect(menuBox_.Handle(), &box);
  onMenu({box.left, box.bottom});
}

void SkinnedForm::AddTip(HWND window, const std::wstring& text) { tips_.Add(window, text); }

void SkinnedForm::ChangeTip(HWND window, const std::wstring& text) { tips_.SetText(window, text); }

void SkinnedForm::PaintBackdrop(HDC dc, const RECT& area) const {
  FillSolid(dc, area, kPlainGround);
  const auto sized = [this](PictureAtSize& cache, const Picture& picture) -> const Picture& {
    const ravelo::Size size = scale_.ToDevice(ravelo::Size{picture.Width(), picture.Height()});
    return cache.Of(picture, size.width, size.height);
  };
  if (background_) sized(backgroundSized_, *background_).DrawPart(dc, area);
  const RECT strip{0, scale_.ToDevice(kHeadlineTop), size_.width, scale_.ToDevice(kHeadlineTop + kHeadlineHeight)};
  RECT headlineArea;
  if (IntersectRect(&headlineArea, &strip, &area)) {
    if (headline_) {
      POINT previous{};
      OffsetWindowOrgEx(dc, 0, -strip.top, &previous);
      RECT inPicture = headlineArea;
      OffsetRect(&inPicture, 0, -strip.top);
      sized(headlineSized_, *headline_).DrawPart(dc, inPicture);
      SetWindowOrgEx(dc, previous.x, previous.y, nullptr);
    } else {
      FillSolid(dc, headlineArea, kPlainHeadline);
    }
  }
  const int line = scale_.ToDevice(1);
  const int gap = scale_.ToDevice(4);
  for (const GroupBox& group : groups_) {
    const RECT& b = group.box;
    const RECT caption = group.caption ? group.caption->Bounds() : texts_[group.captionText].bounds;
    HorizontalLine(dc, b.left, caption.left - gap, b.top, line, kGroupLine);
    HorizontalLine(dc, caption.right + gap, b.right, b.top, line, kGroupLine);
    HorizontalLine(dc, b.left, b.right + line, b.bottom, line, kGroupLine);
    VerticalLine(dc, b.left, b.top, b.bottom, line, kGroupLine);
    VerticalLine(dc, b.right, b.top, b.bottom, line, kGroupLine);
  }
  if (!texts_.empty()) {
    ScopedSelect select(dc, controlFont_.Get());
    SetBkMode(dc, TRANSPARENT);
    for (const StaticText& t : texts_) {
      RECT overlap;
      if (!IntersectRect(&overlap, &t.bounds, &area)) continue;
      SetTextColor(dc, t.colour);
      ExtTextOutW(dc, t.bounds.left, t.bounds.top, 0, nullptr, t.text.c_str(), static_cast<UINT>(t.text.size()), nullptr);
    }
  }
  RECT overlap;
  for (const SwatchArea& swatch : swatches_) {
    if (!IntersectRect(&overlap, &swatch.bounds, &area)) continue;
    RECT inside = swatch.bounds;
    DrawEdge(dc, &inside, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
    FillSolid(dc, inside, swatch.colour() & 0xFFFFFF);
  }
  for (const PictureArea& pictureArea : pictureAreas_) {
    const RECT& b = pictureArea.bounds;
    if (!pictureArea.picture || !IntersectRect(&overlap, &b, &area)) continue;
    pictureArea.sized.Of(*pictureArea.picture, b.right - b.left, b.bottom - b.top).Draw(dc, b.left, b.top);
  }
  if (focusedArea_ >= 0 && !(SendMessageW(Handle(), WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS)) {
    const RECT mark = FocusMarkOf(static_cast<size_t>(focusedArea_));
    if (IntersectRect(&overlap, &mark, &area)) {
      SetTextColor(dc, RGB(0, 0, 0));
      SetBkColor(dc, RGB(255, 255, 255));
      DrawFocusRect(dc, &mark);
    }
  }
  // L(1)..L(4): the border.
  const int w = size_.width;
  const int h = size_.height;
  HorizontalLine(dc, 0, w, 0, line, kBorder);
  HorizontalLine(dc, 0, w, h - line, line, kBorder);
  VerticalLine(dc, 0, 0, h, line, kBorder);
  VerticalLine(dc, w - line, 0, h, line, kBorder);
}

bool SkinnedForm::InHeadline(POINT at) const {
  return at.y >= scale_.ToDevice(kHeadlineTop) && at.y < scale_.ToDevice(kHeadlineTop + kHeadlineHeight) && at.x >= 0 &&
         at.x < size_.width;
}

LRESULT SkinnedForm::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (auto answer = DispatchToControl(message, wParam, lParam)) return *answer;
  if (message == FormKeyboardMessage()) {
    PrepareKeyboard();
    return 0;
  }
  // A screen reader looking at the form finds the drawn controls too.
  if (message == WM_GETOBJECT) PrepareKeyboard();
  if (auto answer = AnswerPaintMessages(Handle(), message,
                                        [this](const PaintDc& paint) { canvas_.PaintHost(paint.Get(), paint.Area()); }))
    return *answer;
  switch (message) {
    case WM_ACTIVATE:
      // A window that is no dialog forgets its focused control when it is
      // deactivated: keep it and give it back.
      if (LOWORD(wParam) == WA_INACTIVE) {
        HWND focus = GetFocus();
        if (focus && IsChild(Handle(), focus)) lastFocus_ = focus;
      } else {
        HWND focus = lastFocus_ && IsWindow(lastFocus_) ? lastFocus_ : GetNextDlgTabItem(Handle(), nullptr, FALSE);
        if (focus) {
          SetFocus(focus);
          return 0;
        }
      }
      break;
    case WM_SETCURSOR:
      if (reinterpret_cast<HWND>(wParam) == Handle() && LOWORD(lParam) == HTCLIENT && hand_) {
        POINT at;
        GetCursorPos(&at);
        ScreenToClient(Handle(), &at);
        if (HotAreaAt(at) >= 0) {
          ::SetCursor(hand_);
          return TRUE;
        }
      }
      break;
    case WM_LBUTTONDOWN:
      pressedArea_ = HotAreaAt(PointFromLParam(lParam));
      if (pressedArea_ >= 0) SetCapture(Handle());
      return 0;
    case WM_LBUTTONUP:
      if (const int pressed = std::exchange(pressedArea_, -1); pressed >= 0) {
        ReleaseCapture();
        // Released where it was pressed: a press dragged off the area is no click.
        const HotArea& area = hotAreas_[static_cast<size_t>(pressed)];
        if (HotAreaAt(PointFromLParam(lParam)) == pressed && area.onClick) area.onClick();
      }
      return 0;
    case WM_CAPTURECHANGED:
      pressedArea_ = -1;
      return 0;
    case WM_MOUSEMOVE:
      if (StartsWindowDrag(MouseButtons(wParam)) && InHeadline(PointFromLParam(lParam))) BeginWindowDrag(Handle());
      return 0;
    case WM_RBUTTONDOWN:
      if (onRightClick) {
        POINT at = PointFromLParam(lParam);
        ClientToScreen(Handle(), &at);
        onRightClick(at);
      }
      return 0;
    case WM_CLOSE:
      // Alt+F4 and the task bar's close act as the close box.
      if (!onClose) break;
      onClose();
      return 0;
    case WM_COMMAND:
      // Enter and Esc, from the form's keys (no control has these ids).
      if (LOWORD(wParam) == IDOK && lParam == 0) {
        if (defaultButton_) defaultButton_->Click();
        return 0;
      }
      if (LOWORD(wParam) == IDCANCEL && lParam == 0) {
        if (onCancel) onCancel();
        else if (onClose) onClose();
        return 0;
      }
      break;
    case WM_SYSCOMMAND:
      // Alt pressed and released alone: the program's menu, as a menu bar would open.
      if ((wParam & 0xFFF0) == SC_KEYMENU && lParam == 0 && onMenu && menuBox_.Handle()) {
        ShowMenuFromKeyboard();
        return 0;
      }
      break;
    case WM_CONTEXTMENU:
      // Shift+F10 or the context-menu key (no point given).
      if (lParam == -1 && onMenu && menuBox_.Handle()) {
        ShowMenuFromKeyboard();
        return 0;
      }
      break;
    case WM_UPDATEUISTATE:
      if (focusedArea_ >= 0) {
        const RECT mark = FocusMarkOf(static_cast<size_t>(focusedArea_));
        InvalidateRect(Handle(), &mark, FALSE);
      }
      break;
    default:
      break;
  }
  return Default(message, wParam, lParam);
}

std::optional<Picture> CommonPicture(PictureDecoder& pictures, const std::wstring& baseFolder,
                                     std::wstring_view name) {
  return pictures.Load(CommonPicturePath(baseFolder, name));
}

std::wstring CommonPicturePath(const std::wstring& baseFolder, std::wstring_view name) {
  return baseFolder + L"common\\" + std::wstring(name);
}

void ApplyDialogSkin(SkinnedForm& form, const std::wstring& baseFolder, ImageButton& enterButton) {
  form.SetBackground(CommonPicture(form.Pictures(), baseFolder, kDialogSkinPictures[0]));
  form.SetHeadline(CommonPicture(form.Pictures(), baseFolder, kDialogSkinPictures[1]));
  enterButton.SetCursor(form.Hand());
  form.SetDefaultButton(enterButton);
}

}  // namespace ravelo::win
