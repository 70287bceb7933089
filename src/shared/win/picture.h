// Pictures from files of any extension (the format is recognised from the
// content: BMP, PNG, JPEG, GIF, TIFF, ICO) in a 32-bit premultiplied DIB
// that paints with or without transparency.
#pragma once

#include <windows.h>

#include <wincodec.h>  // after windows.h

#include <cstdint>
#include <climits>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "shared/win/com.h"
#include "shared/win/gdi.h"
#include "shared/win/system_library.h"

namespace ravelo::win {

class Picture {
 public:
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
  // The picture at another size, smoothed (bilinear) or pixel for pixel
  // (nearest); empty on failure. With a smaller shown size, only that top
  // left part of it is made (a picture larger than where it shows).
  std::optional<Picture> Resized(int width, int height, bool smooth = true, int shownWidth = INT_MAX,
                                 int shownHeight = INT_MAX) const;
  // The mean colour of the outermost rows and columns, over white where
  // they are transparent: the ground that continues the picture outwards.
  COLORREF EdgeColour() const;

 private:
  friend class PictureDecoder;  // decodes straight into the DIB
  friend std::optional<Picture> PictureFromBitmapResource(int resourceId);

  // opaque: known from the source, or found by looking at every pixel.
  Picture(Bitmap bitmap, std::uint32_t* bits, int width, int height, std::optional<bool> opaque = std::nullopt);
  void ScanAlpha();

  Bitmap bitmap_;
  std::uint32_t* bits_ = nullptr;  // owned by bitmap_
  int width_ = 0;
  int height_ = 0;
  bool opaque_ = true;
};

// A picture drawn at the size of the window it fills: the smoothed copy is
// made once per size (or per new source, after Reset), not on every paint.
class PictureAtSize {
 public:
  // source itself when the size is its own. With a shown size, only the
  // top left part that shows is made (Resized).
  const Picture& Of(const Picture& source, int width, int height, int shownWidth = INT_MAX,
                    int shownHeight = INT_MAX);
  void Reset() { scaled_.reset(); }
  void SetSmooth(bool smooth) { smooth_ = smooth; }

 private:
  bool smooth_ = true;
  const Picture* source_ = nullptr;
  int width_ = 0;  // the whole scaled picture's size, of which scaled_ is the top left
  int height_ = 0;
  std::optional<Picture> scaled_;
};

// A bitmap resource of the running program (any colour depth), opaque;
// empty when it is missing.
std::optional<Picture> PictureFromBitmapResource(int resourceId);

// Reads picture files. Plain 24- and 32-bit BMP files (the shipped skin) are
// decoded directly; everything else goes to WIC, whose COM library is loaded
// the first time it is needed, so a program showing only the skin starts
// without it. One decoder per window thread (it may start one thread of its
// own to read ahead).
class PictureDecoder {
 public:
  PictureDecoder() = default;
  PictureDecoder(const PictureDecoder&) = delete;
  PictureDecoder& operator=(const PictureDecoder&) = delete;
  ~PictureDecoder();

  // The first frame of the file; empty when the file is missing, unreadable
  // or not a picture.
  std::optional<Picture> Load(const std::wstring& path);

  // Starts reading the files on a thread of its own, so that the disk is
  // read while the window is being made; Load then takes each one from
  // there (once: a second Load reads the file again; one never taken stays
  // in memory while the decoder lives). Only the direct BMP decoder runs on
  // that thread; other formats wait for Load.
  void Prefetch(std::vector<std::wstring> paths);

  // The outcome of reading one file ahead.
  struct ReadAhead {
    std::wstring path;
    bool found = false;
    int width = 0;
    int height = 0;
    bool opaque = true;  // false: look at the alpha of every pixel
    std::vector<std::uint32_t> pixels;  // premultiplied BGRA; empty: left to WIC
  };

 private:
  std::optional<Picture> TakeReadAhead(std::vector<ReadAhead>::iterator entry);
  std::optional<Picture> LoadWithWic(const std::wstring& path);
  IWICImagingFactory* Factory();

  UniqueModule ole32_;
  bool comInitialised_ = false;
  bool wicTried_ = false;
  ComPtr<IWICImagingFactory> factory_;
  std::thread reader_;
  std::vector<ReadAhead> readAhead_;  // written by reader_ until it is joined
};

}  // namespace ravelo::win
