// Pictures from files of any extension (the format is recognised from the
// content: BMP, PNG, JPEG, GIF, TIFF, ICO), decoded by WIC into a 32-bit
// premultiplied DIB that paints with or without transparency.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "shared/win/gdi.h"

namespace ravelo::win {

class Picture {
 public:
  // Decodes the first frame of the file; empty when the file is missing,
  // unreadable or not a picture. Needs COM on the calling thread.
  static std::optional<Picture> Load(const std::wstring& path);

  // A picture of the given size from 32-bit premultiplied BGRA pixels, top row first.
  static std::optional<Picture> FromPixels(int width, int height, const std::uint32_t* pixels);

  Picture(Picture&&) noexcept = default;
  Picture& operator=(Picture&&) noexcept = default;

  int Width() const { return width_; }
  int Height() const { return height_; }

  bool Opaque() const { return opaque_; }

  // Paints the picture at (x, y) at its own size, blending where it is
  // transparent.
  void Draw(HDC dc, int x, int y) const;
  // Paints only the part of the picture, placed at (0, 0), that lies in area.
  void DrawPart(HDC dc, const RECT& area) const;

  // The disabled look: grey, and half transparent over what lies behind.
  Picture Greyed() const;

 private:
  Picture(Bitmap bitmap, std::uint32_t* bits, int width, int height);
  void ScanAlpha();

  Bitmap bitmap_;
  std::uint32_t* bits_ = nullptr;  // owned by bitmap_
  int width_ = 0;
  int height_ = 0;
  bool opaque_ = true;
};

}  // namespace ravelo::win
