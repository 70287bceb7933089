#include "shared/win/skinned_frame.h"

#include <windowsx.h>

#include <utility>

#include "shared/core/full_screen.h"
#include "shared/win/control_messages.h"
#include "shared/win/frame_controls.h"
#include "shared/win/window_drag.h"

#ifndef WM_DPICHANGED
#define WM_DPICHANGED 0x02E0
#endif

namespace ravelo::win {
namespace {

void FillSolid(HDC dc, const RECT& area, COLORREF colour) {
  SetBkColor(dc, colour);
  ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &area, nullptr, 0, nullptr);
}

void SetClipChildren(HWND window, bool clip) {
  const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
  SetWindowLongPtrW(window, GWL_STYLE, clip ? style | WS_CLIPCHILDREN : style & ~WS_CLIPCHILDREN);
}

POINT ToScreen(HWND window, POINT at) {
  ClientToScreen(window, &at);
  return at;
}

}  // namespace

bool SkinnedFrame::Create(const FrameDesign& design) {
  bodyColour_ = design.bodyColour;
  const WindowClassSpec windowClass{design.className, CS_HREDRAW | CS_VREDRAW, nullptr, design.icon};
  WindowCreateSpec createSpec;
  createSpec.style = WS_POPUP | WS_CLIPCHILDREN | WS_SYSMENU | WS_MINIMIZEBOX;
  createSpec.text = design.windowCaption.c_str();
  createSpec.bounds = {0, 0, 200, 100};
  if (!CreateWindowOf(windowClass, createSpec)) return false;
  bodyCanvas_.Attach(Handle(), *this);
  scale_ = WindowScale(Handle());
  bodyCanvas_.SetScale(scale_);

  if (!title_.Create(bodyCanvas_, frame_controls::kTitle,
                     {design.title, design.titleFont, design.titleColour, PointF{10.0f, 10.0f}}))
    return false;
  title_.onMouseDown = [this](int button, POINT at) { BodyMouseDown(button, at, title_.Handle()); };
  title_.onMouseMove = [this](int buttons, POINT) { BodyMouseMove(buttons); };

  if (!content_.Create(Handle(), frame_controls::kContent, pictures_)) return false;
  content_.SetScale(scale_);
  LabelCanvas& canvas = content_.Canvas();
  if (!caption_.Create(canvas, frame_controls::kCaption,
                       {design.caption, design.captionFont, design.captionColour, PointF{}}) ||
      !text_.Create(canvas, frame_controls::kText, {design.text, design.textFont, design.textColour, PointF{}}))
    return false;
  // Screen readers read both lines (the text line is the name drawn).
  for (TextLabel* label : {&caption_, &text_}) {
    AccessibleDescription description;
    description.role = ROLE_SYSTEM_STATICTEXT;
    description.focusable = false;
    label->DescribeForScreenReaders(std::move(description));
  }
  return true;
}

void SkinnedFrame::SetBodyColour(COLORREF colour) {
  if (colour == bodyColour_) return;
  bodyColour_ = colour;
  RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE);
  RedrawWindow(title_.Handle(), nullptr, nullptr, RDW_INVALIDATE);
}

void SkinnedFrame::ApplyGeometry(const FrameLayout& layout) {
  if (fullScreen_) {
    const RECT& monitor = *fullScreen_;
    const ravelo::Size area{monitor.right - monitor.left, monitor.bottom - monitor.top};
    // The shape goes while the window is small, and all of it is painted
    // anew: nothing of the old pixels is copied into the monitor-sized one.
    SetWindowRgn(Handle(), nullptr, FALSE);
    // The first paint at the new size fills the whole window in one pass
    // and the content area paints over it. Under Wine that is about twice
    // times faster on a large screen than filling only the ground around
    // the content area, clipped; the paint clips the children again.
    SetClipChildren(Handle(), false);
    SetWindowPos(Handle(), HWND_TOPMOST, monitor.left, monitor.top, area.width, area.height,
                 SWP_NOACTIVATE | SWP_NOCOPYBITS);
    content_.Place(CentredIn(area, {layout.content.width, layout.content.height}));
    caption_.SetPosition(layout.caption);
    text_.SetPosition(layout.text);
    return;
  }
  SetWindowPos(Handle(), nullptr, 0, 0, layout.window.width, layout.window.height,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  const Rect& r = layout.region;
  Region shape(CreateRoundRectRgn(r.left, r.top, r.right(), r.bottom(), layout.regionCorner.width,
                                  layout.regionCorner.height));
  // The system owns the region once the window has it.
  if (shape && SetWindowRgn(Handle(), shape.Get(), TRUE)) shape.Release();
  content_.Place(layout.content);
  title_.SetPosition({static_cast<float>(layout.title.x), static_cast<float>(layout.title.y)});
  caption_.SetPosition(layout.caption);
  text_.SetPosition(layout.text);
}

void SkinnedFrame::SetScale(const DisplayScale& scale) {
  scale_ = scale;
  bodyCanvas_.SetScale(scale);
  content_.SetScale(scale);
}

void SkinnedFrame::SetTopMost(bool topMost) {
  SetWindowPos(Handle(), topMost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void SkinnedFrame::EnterFullScreen(const RECT& monitor, const DisplayScale& scale) {
  if (!fullScreen_) {
    GetWindowRect(Handle(), &windowed_);
    ShowWindow(title_.Handle(), SW_HIDE);
  }
  fullScreen_ = monitor;
  SetScale(scale);
}

void SkinnedFrame::LeaveFullScreen() {
  if (!fullScreen_) return;
  fullScreen_.reset();
  // The place first: the scale is that of the monitor the window returns to.
  SetWindowPos(Handle(), HWND_NOTOPMOST, windowed_.left, windowed_.top, windowed_.right - windowed_.left,
               windowed_.bottom - windowed_.top, SWP_NOACTIVATE | SWP_NOCOPYBITS);
  ShowWindow(title_.Handle(), SW_SHOWNA);
  SetClipChildren(Handle(), true);
  SetScale(WindowScale(Handle()));
}

void SkinnedFrame::Centre() {
  RECT bounds;
  GetWindowRect(Handle(), &bounds);
  const int width = bounds.right - bounds.left;
  const int height = bounds.bottom - bounds.top;
  const int left = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
  const int top = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
  SetWindowPos(Handle(), nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void SkinnedFrame::ShowCentred() {
  if (!fullScreen_) Centre();
  ShowWindow(Handle(), SW_SHOWNORMAL);
  UpdateWindow(Handle());
}

void SkinnedFrame::FinishStartUpLater() const { PostMessageW(Handle(), kFinishStartUp, 0, 0); }

void SkinnedFrame::PaintBackdrop(HDC dc, const RECT& area) const {
  FillSolid(dc, area, fullScreen_ ? content_.Ground() : bodyColour_);
}

void SkinnedFrame::BodyMouseDown(int button, POINT inWindow, HWND from) {
  const POINT onScreen = ToScreen(from, inWindow);
  pressedAt_.reset();
  if (button == 1) pressedAt_ = onScreen;
  if (onBodyMouseDown) onBodyMouseDown(button, onScreen);
}

void SkinnedFrame::BodyMouseMove(int buttons) {
  // Full screen stays where it is.
  if (fullScreen_ || !StartsWindowDrag(buttons)) return;
  // The move loop keeps the window where it is at the point of this move,
  // which may be far from the press when moves came together: the window
  // first catches up, so the pointer holds it where it was pressed.
  if (const auto pressed = std::exchange(pressedAt_, std::nullopt)) {
    const DWORD at = GetMessagePos();
    RECT frame;
    GetWindowRect(Handle(), &frame);
    SetWindowPos(Handle(), nullptr, frame.left + GET_X_LPARAM(at) - pressed->x, frame.top + GET_Y_LPARAM(at) - pressed->y,
                 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  BeginWindowDrag(Handle());
}

LRESULT SkinnedFrame::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (auto answer = AnswerPaintMessages(Handle(), message, [this](const PaintDc& paint) {
        bodyCanvas_.PaintHost(paint.Get(), paint.Area());
        SetClipChildren(Handle(), true);
      }))
    return *answer;
  switch (message) {
    case kFinishStartUp:
      FinishStartUp();
      return 0;
    case WM_DESTROY:
      // The frame is its program's main window.
      PostQuitMessage(0);
      return 0;
    case WM_ACTIVATE:
      // Keys go to the window itself, whichever part was clicked.
      if (LOWORD(wParam) != WA_INACTIVE) SetFocus(Handle());
      return 0;
    // The body keeps the mouse while a button is down, so the moves of a
    // drag that starts near the content area still arrive here.
    case WM_LBUTTONDOWN:
      SetCapture(Handle());
      BodyMouseDown(1, PointFromLParam(lParam), Handle());
      return 0;
    case WM_RBUTTONDOWN:
      SetCapture(Handle());
      BodyMouseDown(2, PointFromLParam(lParam), Handle());
      return 0;
    case WM_MBUTTONDOWN:
      SetCapture(Handle());
      BodyMouseDown(4, PointFromLParam(lParam), Handle());
      return 0;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
      if (MouseButtons(wParam) == 0 && GetCapture() == Handle()) ReleaseCapture();
      return 0;
    case WM_MOUSEMOVE:
      BodyMouseMove(MouseButtons(wParam));
      return 0;
    case WM_DPICHANGED: {
      // Full screen keeps the monitor's size and its own scale.
      if (fullScreen_) return 0;
      const RECT& suggested = *reinterpret_cast<const RECT*>(lParam);
      SetWindowPos(Handle(), nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                   suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
      const DisplayScale previous = scale_;
      SetScale(DisplayScale(HIWORD(wParam)));
      OnScaleChanged(previous);
      return 0;
    }
    default:
      break;
  }
  return Default(message, wParam, lParam);
}

}  // namespace ravelo::win
