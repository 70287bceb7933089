// The skinned window frame of rvo and rvostyle: a borderless window in the
// body colour with a rounded shape, the title label at its top left, and the
// content area (PicBack) with the caption and text labels standing on its
// background picture. Pressing the left button on the body or the title and
// moving the mouse moves the window.
//
// The frame applies geometry computed by ComputeFrameLayout (in design
// pixels, converted to the window's DPI by ApplyFrameLayout); each program
// adds its own window buttons and applies their part of the layout. When
// the window moves to a screen of another DPI, the frame takes the size
// Windows suggests, remakes its fonts and asks the program to lay it out
// again (OnScaleChanged).
#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>

#include "shared/core/frame_layout.h"
#include "shared/win/content_panel.h"
#include "shared/win/label_font.h"
#include "shared/win/offscreen.h"
#include "shared/win/text_label.h"
#include "shared/win/window.h"
#include "shared/win/window_dpi.h"

namespace ravelo::win {

// How the frame looks before any setting is applied.
struct FrameDesign {
  const wchar_t* className = nullptr;
  std::wstring windowCaption;  // the task bar text
  HICON icon = nullptr;
  COLORREF bodyColour = RGB(64, 0, 128);
  std::wstring title;  // LPicBackC
  FontSpec titleFont;
  COLORREF titleColour = RGB(255, 255, 255);
  std::wstring caption;  // LPic_cap
  FontSpec captionFont;
  COLORREF captionColour = RGB(0, 0, 0);
  std::wstring text;  // LPic_txt
  FontSpec textFont;
  COLORREF textColour = RGB(0, 0, 0);
};

class SkinnedFrame : public Window, public Backdrop {
 public:
  // A mouse button (1 left, 2 right, 4 middle) went down on the body or on
  // the title, at a point on the screen.
  std::function<void(int button, POINT onScreen)> onBodyMouseDown;

  // Creates the window hidden, with its title, content area and labels.
  bool Create(const FrameDesign& design);

  PictureDecoder& Pictures() { return pictures_; }
  TextLabel& Title() { return title_; }
  // The canvas of the body's own labels (the title and a program's text
  // buttons in the title row).
  LabelCanvas& BodyCanvas() { return bodyCanvas_; }
  ContentPanel& Content() { return content_; }
  TextLabel& CaptionLabel() { return caption_; }
  TextLabel& TextLine() { return text_; }

  const DisplayScale& Scale() const { return scale_; }

  void SetBodyColour(COLORREF colour);
  COLORREF BodyColour() const { return bodyColour_; }

  // Window size and rounded shape, the content area, the title, caption and
  // text line; the program's own buttons are left to the program.
  void ApplyGeometry(const FrameLayout& layout);

  // Keeps the window above all others (HWND_TOPMOST) or not (HWND_NOTOPMOST).
  void SetTopMost(bool topMost);

  // Shows the window in the middle of the screen (or where full screen
  // puts it).
  void ShowCentred();
  // Moves the window, still hidden, to the middle of the screen.
  void Centre();

  // Full screen on a monitor (its rectangle on the virtual screen): the
  // window covers it, above the task bar, without title or shape; the
  // content is shown at scale and centred, and the rest of the monitor in
  // the content's ground. Called again, it moves to another monitor. The
  // program then lays the frame out again, as after a change of DPI.
  void EnterFullScreen(const RECT& monitor, const DisplayScale& scale);
  // Back to the window's place, size and scale from before full screen;
  // the program lays it out again.
  void LeaveFullScreen();
  bool IsFullScreen() const { return fullScreen_.has_value(); }
  const RECT* FullScreenMonitor() const { return fullScreen_ ? &*fullScreen_ : nullptr; }

  void PaintBackdrop(HDC dc, const RECT& area) const override;

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  // The program applies its layout again at the new Scale(); what it kept
  // in device pixels is at the previous one.
  virtual void OnScaleChanged(const DisplayScale& /*previous*/) {}
  // What the first look does not need: asked for during start-up, run by
  // FinishStartUp once the window has shown and the message loop runs.
  void FinishStartUpLater() const;
  virtual void FinishStartUp() {}

 private:
  static constexpr UINT kFinishStartUp = WM_APP + 1;

  void BodyMouseDown(int button, POINT inWindow, HWND from);
  void BodyMouseMove(int buttons);
  void SetScale(const DisplayScale& scale);

  // Where the left button went down on the body or the title (screen).
  std::optional<POINT> pressedAt_;
  COLORREF bodyColour_ = RGB(64, 0, 128);
  DisplayScale scale_;
  std::optional<RECT> fullScreen_;  // the monitor while in full screen
  RECT windowed_{};                 // the window's place before it
  PictureDecoder pictures_;
  LabelCanvas bodyCanvas_;
  TextLabel title_;
  ContentPanel content_;
  TextLabel caption_;
  TextLabel text_;
};

}  // namespace ravelo::win
