// PicBack: the content area of the skinned frame. It shows its background
// picture from the top left corner over a white ground, at its own size
// in design pixels (smoothed when the window's DPI enlarges it), and the caption and text labels over both.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "shared/core/frame_layout.h"
#include "shared/win/offscreen.h"
#include "shared/win/picture.h"
#include "shared/win/text_label.h"
#include "shared/win/window.h"

namespace ravelo::win {

class ContentPanel final : public Window, public Backdrop {
 public:
  // pictures decodes the background; it outlives the panel.
  bool Create(HWND frame, int controlId, PictureDecoder& pictures);

  LabelCanvas& Canvas() { return canvas_; }

  // False when the file cannot be shown; the background stays as it was.
  bool LoadBackground(const std::wstring& path);
  // Back to the plain white ground.
  void ClearBackground();
  bool HasPicture() const { return picture_.has_value(); }
  // What continues the background beyond the panel (around it in full
  // screen): the mean colour of the picture's edges where it covers the
  // panel, else the plain ground.
  COLORREF Ground() const;

  void Place(const ravelo::Rect& bounds);
  // The window's scale: the background's size and the labels' fonts follow it.
  void SetScale(const DisplayScale& scale);

  // Dotted outlines over everything, for places the operator should see are
  // taken (rectangles in the panel's device pixels); empty: none.
  void SetOutlines(std::vector<ravelo::Rect> outlines);

  void PaintBackdrop(HDC dc, const RECT& area) const override;
  void PaintOverlay(HDC dc, const RECT& area) const override;

 private:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  LabelCanvas canvas_;
  PictureDecoder* pictures_ = nullptr;
  std::optional<Picture> picture_;
  mutable PictureAtSize sized_;
  mutable std::optional<COLORREF> edge_;  // of picture_, found on first use
  std::vector<ravelo::Rect> outlines_;
};

}  // namespace ravelo::win
