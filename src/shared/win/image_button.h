// A picture button: shows its picture at the button's size (the picture's
// own at 96 DPI, its natural size being in design pixels) over
// whatever lies behind it, a greyed rendering of it while disabled, and a
// plain button face with its name when there is no picture. Clicked with the
// left button (press and release on it); the window text is its name. A
// button made a Tab stop is pressed with Space or Enter while it has the
// focus, and shows a dotted focus mark then. Screen readers read it as a
// push button.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "shared/core/frame_layout.h"
#include "shared/win/accessible.h"
#include "shared/win/click_tracker.h"
#include "shared/win/control_messages.h"
#include "shared/win/gdi.h"
#include "shared/win/offscreen.h"
#include "shared/win/picture.h"
#include "shared/win/window.h"

namespace ravelo::win {

// The size of a plain face with this name, in design pixels.
ravelo::Size PlainFaceSize(std::wstring_view name);

class ImageButton final : public Window {
 public:
  std::function<void()> onClick;

  // backdrop paints the parent's surface (in the parent's coordinates).
  // Without bounds the button is made hidden, for a layout to place and
  // show; with them it is made visible there (one step less per button).
  bool Create(HWND parent, int controlId, const std::wstring& name, const Backdrop& backdrop,
              const std::optional<ravelo::Rect>& bounds = std::nullopt);

  // Empty: the plain face.
  void SetPicture(std::optional<Picture> picture);
  // A picture shown while the pointer is over the button, edges included.
  // While it shows, the button holds the mouse capture, so the move that
  // leaves it (however fast, even past the window's edge) still arrives and
  // puts the normal picture back and releases the capture.
  void SetHoverPicture(std::optional<Picture> picture);
  // Back to the normal picture (after a click that opened a menu or a dialog).
  void ShowNormal();
  bool HasPicture() const { return picture_.has_value(); }
  // The picture's size, or the plain face's.
  ravelo::Size NaturalSize() const;

  void SetCursor(HCURSOR cursor) { cursor_ = cursor; }
  // Pictures scaled without smoothing (small glyphs stay crisp).
  void KeepPixelsSharp();
  void Place(const ravelo::Rect& bounds);
  void Show(bool visible);
  // Above every sibling, so that it covers the labels and buttons it overlaps.
  void BringToTop();
  void Enable(bool enabled);
  // Reached with Tab (a form's buttons); rvo's buttons take no focus.
  void MakeTabStop();
  // A button that does nothing on a click is read as a picture.
  void ReadAsPicture();
  // As a click, when enabled.
  void Click();

 private:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void Paint(HDC dc);
  void PaintPlainFace(HDC dc, const RECT& face, bool enabled) const;
  void TrackHover(POINT at);
  HGDIOBJ FaceFont() const;

  std::wstring name_;
  const Backdrop* backdrop_ = nullptr;
  std::optional<Picture> picture_;
  std::optional<Picture> greyed_;  // made when first painted disabled
  std::optional<Picture> hover_;
  // The three pictures at the button's size (the layout scales it with the DPI).
  PictureAtSize pictureSized_;
  PictureAtSize greyedSized_;
  PictureAtSize hoverSized_;
  bool hovering_ = false;
  ButtonKeys keys_;
  mutable Font faceFont_;  // the system's message font, made on first use
  HCURSOR cursor_ = nullptr;
  ClickTracker click_;
  OffscreenBuffer buffer_;
  Accessibility accessibility_;
};

}  // namespace ravelo::win
