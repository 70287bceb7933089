#include "shared/win/picture.h"

#include <wincodec.h>

#include <algorithm>
#ifdef __SSE2__
#include <emmintrin.h>
#endif
#include <cmath>
#include <cstring>
#include <vector>
#include <limits>
#include <system_error>

#include "shared/core/bitmap_file.h"
#include "shared/core/file_system.h"

namespace ravelo::win {
namespace {

// The largest picture accepted: a damaged header must not ask for gigabytes.
constexpr UINT kMaxPictureSide = 16384;

// Files larger than this are no skin picture: leave them to WIC, which
// reads only what it needs.
constexpr std::uint64_t kMaxDirectRead = 64u << 20;

// Reads and decodes one file with the direct decoder only (no GDI, no COM:
// it runs beside the thread that makes the windows).
PictureDecoder::ReadAhead ReadAheadOf(std::wstring path) {
  PictureDecoder::ReadAhead result;
  result.path = std::move(path);
  std::optional<std::string> bytes = ReadWholeFile(FilePath(result.path), kMaxDirectRead);
  result.found = bytes || IsExistingFile(FilePath(result.path));
  if (!bytes) return result;
  if (std::optional<SimpleBmp> bmp = ParseSimpleBmp(*bytes)) {
    result.width = bmp->width;
    result.height = bmp->height;
    result.opaque = !bmp->alpha;
    result.pixels.resize(static_cast<size_t>(bmp->width) * static_cast<size_t>(bmp->height));
    CopySimpleBmpPixels(*bytes, *bmp, result.pixels.data());
  }
  return result;
}

// A bitmap resource that is a plain 24- or 32-bit DIB without alpha (what
// the programs ship), in the form of a BMP file, for the direct decoder.
struct PlainBitmap {
  std::string file;
  SimpleBmp bmp;
};
std::optional<PlainBitmap> PlainBitmapResource(int resourceId) {
  const HMODULE module = GetModuleHandleW(nullptr);
  const HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(resourceId), MAKEINTRESOURCEW(2));  // RT_BITMAP
  const HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
  const auto* dib = loaded ? static_cast<const char*>(LockResource(loaded)) : nullptr;
  const DWORD size = found ? SizeofResource(module, found) : 0;
  BITMAPINFOHEADER header{};
  if (!dib || size < sizeof(header)) return std::nullopt;
  std::memcpy(&header, dib, sizeof(header));
  if (header.biClrUsed > size / 4) return std::nullopt;
  const std::uint32_t masks = header.biCompression == BI_BITFIELDS && header.biSize == sizeof(header) ? 12 : 0;
  // The file form of the DIB: a 14-byte file header before it, which says
  // where the pixels start.
  const std::uint32_t pixelsAt = 14 + header.biSize + masks + header.biClrUsed * 4;
  std::string file = {'B', 'M', 0, 0, 0, 0, 0, 0, 0, 0};
  for (int shift = 0; shift < 32; shift += 8) file.push_back(static_cast<char>((pixelsAt >> shift) & 0xFF));
  file.append(dib, size);
  const std::optional<SimpleBmp> bmp = ParseSimpleBmp(file);
  if (!bmp || bmp->alpha) return std::nullopt;
  return PlainBitmap{std::move(file), *bmp};
}

}  // namespace

Picture::Picture(Bitmap bitmap, std::uint32_t* bits, int width, int height, std::optional<bool> opaque)
    : bitmap_(std::move(bitmap)), bits_(bits), width_(width), height_(height) {
  if (opaque)
    opaque_ = *opaque;
  else
    ScanAlpha();
}

void Picture::ScanAlpha() {
  const size_t count = static_cast<size_t>(width_) * static_cast<size_t>(height_);
  opaque_ = std::all_of(bits_, bits_ + count, [](std::uint32_t p) { return (p >> 24) == 0xFF; });
}

std::optional<Picture> Picture::FromPixels(int width, int height, const std::uint32_t* pixels) {
  if (width <= 0 || height <= 0) return std::nullopt;
  auto dib = CreateTopDownDib(width, height);
  if (!dib) return std::nullopt;
  std::memcpy(dib->second, pixels, static_cast<size_t>(width) * static_cast<size_t>(height) * 4);
  return Picture(std::move(dib->first), dib->second, width, height);
}

void Picture::Draw(HDC dc, int x, int y) const {
  // Moving the origin puts the picture's (0, 0) at (x, y).
  POINT previous{};
  OffsetWindowOrgEx(dc, -x, -y, &previous);
  DrawPart(dc, RECT{0, 0, width_, height_});
  SetWindowOrgEx(dc, previous.x, previous.y, nullptr);
}

void Picture::DrawPart(HDC dc, const RECT& area) const {
  const RECT all{0, 0, width_, height_};
  RECT part;
  if (!bitmap_ || !IntersectRect(&part, &all, &area)) return;
  const int w = part.right - part.left;
  const int h = part.bottom - part.top;
  MemoryDc source(dc);
  ScopedSelect select(source.Get(), bitmap_.Get());
  if (opaque_) {
    BitBlt(dc, part.left, part.top, w, h, source.Get(), part.left, part.top, SRCCOPY);
    return;
  }
  const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
  GdiAlphaBlend(dc, part.left, part.top, w, h, source.Get(), part.left, part.top, w, h, blend);
}

Picture Picture::Greyed() const {
  auto dib = CreateTopDownDib(width_, height_);
  if (!dib) return Picture(Bitmap(), nullptr, 0, 0);
  const size_t count = static_cast<size_t>(width_) * static_cast<size_t>(height_);
  for (size_t i = 0; i < count; ++i) {
    const std::uint32_t p = bits_[i];
    const std::uint32_t b = p & 0xFF;
    const std::uint32_t g = (p >> 8) & 0xFF;
    const std::uint32_t r = (p >> 16) & 0xFF;
    const std::uint32_t a = p >> 24;
    // Premultiplied throughout: grey from the weighted channels, then half
    // of the coverage so that what lies behind shows through.
    const std::uint32_t grey = (r * 77 + g * 151 + b * 28) >> 8;
    const std::uint32_t half = grey / 2;
    dib->second[i] = ((a / 2) << 24) | (half << 16) | (half << 8) | half;
  }
  return Picture(std::move(dib->first), dib->second, width_, height_);
}

namespace {

// Where each target pixel of one axis samples the source: the two
// neighbouring source pixels and the weight of the second (0..256), or the
// nearest pixel alone (weight 0).
struct Sample {
  int first = 0;
  int second = 0;
  std::uint32_t weight = 0;
};

std::vector<Sample> Samples(int target, int source, bool smooth) {
  std::vector<Sample> samples(static_cast<size_t>(target));
  for (int i = 0; i < target; ++i) {
    // Pixel centres map onto pixel centres.
    const double at = (i + 0.5) * source / target - 0.5;
    Sample& s = samples[static_cast<size_t>(i)];
    if (!smooth) {
      s.first = s.second = std::clamp(static_cast<int>(std::lround(at)), 0, source - 1);
      continue;
    }
    const int below = static_cast<int>(std::floor(at));
    s.first = std::clamp(below, 0, source - 1);
    s.second = std::clamp(below + 1, 0, source - 1);
    s.weight = static_cast<std::uint32_t>(std::lround((at - below) * 256));
  }
  return samples;
}

// The four 8-bit channels of a pixel in four 16-bit lanes, so that one
// multiplication weighs them all.
constexpr std::uint64_t kLanes = 0x00FF00FF00FF00FFull;
constexpr std::uint64_t kHalves = 0x0080008000800080ull;

std::uint64_t Spread(std::uint32_t pixel) {
  return (pixel & 0x00FF00FFu) | (static_cast<std::uint64_t>(pixel & 0xFF00FF00u) << 24);
}

std::uint32_t Gather(std::uint64_t lanes) {
  return static_cast<std::uint32_t>((lanes & 0x00FF00FFu) | ((lanes >> 24) & 0xFF00FF00u));
}

// a and b blended by the weight of b (0..256), rounded back to 8 bits a lane.
std::uint64_t Blend(std::uint64_t a, std::uint64_t b, std::uint32_t weight) {
  return ((a * (256 - weight) + b * weight + kHalves) >> 8) & kLanes;
}

// target = upper and lower blended by the weight of lower (0..256), pixel
// by pixel; SSE2 takes four pixels at a time where the compiler has it.
void BlendRows(const std::uint32_t* upper, const std::uint32_t* lower, std::uint32_t weight, std::uint32_t* target,
               size_t count) {
  size_t x = 0;
#ifdef __SSE2__
  const __m128i upperWeight = _mm_set1_epi16(static_cast<short>(256 - weight));
  const __m128i lowerWeight = _mm_set1_epi16(static_cast<short>(weight));
  const __m128i half = _mm_set1_epi16(128);
  const __m128i zero = _mm_setzero_si128();
  // Each 8-bit channel in a 16-bit lane: 255 * 256 + 128 still fits.
  const auto blend = [&](__m128i a, __m128i b) {
    return _mm_srli_epi16(
        _mm_add_epi16(_mm_add_epi16(_mm_mullo_epi16(a, upperWeight), _mm_mullo_epi16(b, lowerWeight)), half), 8);
  };
  for (; x + 4 <= count; x += 4) {
    const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(upper + x));
    const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(lower + x));
    const __m128i low = blend(_mm_unpacklo_epi8(a, zero), _mm_unpacklo_epi8(b, zero));
    const __m128i high = blend(_mm_unpackhi_epi8(a, zero), _mm_unpackhi_epi8(b, zero));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(target + x), _mm_packus_epi16(low, high));
  }
#endif
  for (; x < count; ++x) target[x] = Gather(Blend(Spread(upper[x]), Spread(lower[x]), weight));
}

}  // namespace

std::optional<Picture> Picture::Resized(int width, int height, bool smooth, int shownWidth, int shownHeight) const {
  if (width <= 0 || height <= 0 || shownWidth <= 0 || shownHeight <= 0 || !bits_) return std::nullopt;
  std::vector<Sample> columns = Samples(width, width_, smooth);
  std::vector<Sample> rows = Samples(height, height_, smooth);
  columns.resize(std::min<size_t>(columns.size(), static_cast<size_t>(shownWidth)));
  rows.resize(std::min<size_t>(rows.size(), static_cast<size_t>(shownHeight)));
  width = static_cast<int>(columns.size());
  height = static_cast<int>(rows.size());
  auto dib = CreateTopDownDib(width, height);
  if (!dib) return std::nullopt;
  // Each source row the target needs is scaled across once (every target
  // row blends two of them), so a large target costs one blend a pixel.
  // Premultiplied channels blend without dark fringes at transparent edges.
  const auto across = [&](int sourceRow, std::vector<std::uint32_t>& into) {
    const std::uint32_t* line = bits_ + static_cast<size_t>(sourceRow) * static_cast<size_t>(width_);
    for (size_t x = 0; x < columns.size(); ++x)
      into[x] = Gather(Blend(Spread(line[columns[x].first]), Spread(line[columns[x].second]), columns[x].weight));
  };
  std::vector<std::uint32_t> upper(columns.size()), lower(columns.size());
  int upperRow = -1, lowerRow = -1;
  std::uint32_t* target = dib->second;
  for (const Sample& row : rows) {
    if (upperRow != row.first) {
      if (lowerRow == row.first) {
        upper.swap(lower);
        std::swap(upperRow, lowerRow);
      } else {
        across(row.first, upper);
        upperRow = row.first;
      }
    }
    if (lowerRow != row.second) {
      across(row.second, lower);
      lowerRow = row.second;
    }
    BlendRows(upper.data(), lower.data(), row.weight, target, columns.size());
    target += columns.size();
  }
  // Blending keeps an opaque picture opaque.
  return Picture(std::move(dib->first), dib->second, width, height, opaque_ ? std::optional<bool>(true) : std::nullopt);
}

COLORREF Picture::EdgeColour() const {
  if (!bits_ || width_ <= 0 || height_ <= 0) return RGB(255, 255, 255);
  std::uint64_t red = 0, green = 0, blue = 0, count = 0;
  const auto add = [&](int x, int y) {
    const std::uint32_t pixel = bits_[static_cast<size_t>(y) * static_cast<size_t>(width_) + static_cast<size_t>(x)];
    // Premultiplied: what the alpha leaves uncovered shows the white ground.
    const std::uint32_t uncovered = opaque_ ? 0 : 255 - (pixel >> 24);
    red += ((pixel >> 16) & 0xFF) + uncovered;
    green += ((pixel >> 8) & 0xFF) + uncovered;
    blue += (pixel & 0xFF) + uncovered;
    ++count;
  };
  for (int x = 0; x < width_; ++x) {
    add(x, 0);
    if (height_ > 1) add(x, height_ - 1);
  }
  for (int y = 1; y + 1 < height_; ++y) {
    add(0, y);
    if (width_ > 1) add(width_ - 1, y);
  }
  const auto mean = [&](std::uint64_t sum) { return static_cast<BYTE>(std::min<std::uint64_t>(255, sum / count)); };
  return RGB(mean(red), mean(green), mean(blue));
}

const Picture& PictureAtSize::Of(const Picture& source, int width, int height, int shownWidth, int shownHeight) {
  if (width == source.Width() && height == source.Height()) return source;
  const int partWidth = std::min(width, shownWidth), partHeight = std::min(height, shownHeight);
  if (source_ != &source || !scaled_ || width_ != width || height_ != height || scaled_->Width() != partWidth ||
      scaled_->Height() != partHeight) {
    source_ = &source;
    width_ = width;
    height_ = height;
    scaled_ = source.Resized(width, height, smooth_, shownWidth, shownHeight);
  }
  return scaled_ ? *scaled_ : source;
}

PictureDecoder::~PictureDecoder() {
  if (reader_.joinable()) reader_.join();
  factory_.Reset();
  if (comInitialised_) {
    if (auto uninitialise = ProcAddress<void(WINAPI*)()>(ole32_.Get(), "CoUninitialize")) uninitialise();
  }
}

void PictureDecoder::Prefetch(std::vector<std::wstring> paths) {
  if (reader_.joinable()) reader_.join();
  readAhead_.clear();
  try {
    reader_ = std::thread([this, paths = std::move(paths)]() mutable {
      std::vector<ReadAhead> results;
      try {
        for (std::wstring& path : paths) results.push_back(ReadAheadOf(std::move(path)));
      } catch (...) {
        // Out of memory: what was not read ahead is read by Load.
      }
      readAhead_ = std::move(results);
    });
  } catch (const std::system_error&) {
    // No thread: Load reads every file itself.
  }
}

std::optional<Picture> PictureDecoder::TakeReadAhead(std::vector<ReadAhead>::iterator entry) {
  ReadAhead read = std::move(*entry);
  readAhead_.erase(entry);
  if (!read.found) return std::nullopt;
  if (read.pixels.empty()) return LoadWithWic(read.path);
  auto dib = CreateTopDownDib(read.width, read.height);
  if (!dib) return std::nullopt;
  std::memcpy(dib->second, read.pixels.data(), read.pixels.size() * sizeof(std::uint32_t));
  return Picture(std::move(dib->first), dib->second, read.width, read.height,
                 read.opaque ? std::optional<bool>(true) : std::nullopt);
}

std::optional<Picture> PictureDecoder::Load(const std::wstring& path) {
  if (reader_.joinable()) reader_.join();
  const auto ahead = std::find_if(readAhead_.begin(), readAhead_.end(),
                                  [&](const ReadAhead& read) { return read.path == path; });
  if (ahead != readAhead_.end()) return TakeReadAhead(ahead);
  if (std::optional<std::string> bytes = ReadWholeFile(FilePath(path), kMaxDirectRead)) {
    if (std::optional<SimpleBmp> bmp = ParseSimpleBmp(*bytes)) {
      auto dib = CreateTopDownDib(bmp->width, bmp->height);
      if (!dib) return std::nullopt;
      CopySimpleBmpPixels(*bytes, *bmp, dib->second);
      return Picture(std::move(dib->first), dib->second, bmp->width, bmp->height,
                     bmp->alpha ? std::nullopt : std::optional<bool>(true));
    }
  } else if (!IsExistingFile(FilePath(path))) {
    return std::nullopt;  // no such file: no need to wake WIC
  }
  return LoadWithWic(path);
}

IWICImagingFactory* PictureDecoder::Factory() {
  if (wicTried_) return factory_.Get();
  wicTried_ = true;
  ole32_ = LoadSystemLibrary(L"ole32.dll");
  if (!ole32_) return nullptr;
  using InitialiseFn = HRESULT(WINAPI*)(void*, DWORD);
  using CreateFn = HRESULT(WINAPI*)(REFCLSID, IUnknown*, DWORD, REFIID, void**);
  const auto initialise = ProcAddress<InitialiseFn>(ole32_.Get(), "CoInitializeEx");
  const auto create = ProcAddress<CreateFn>(ole32_.Get(), "CoCreateInstance");
  if (!initialise || !create) return nullptr;
  // S_FALSE: COM was already initialised on this thread; it still needs
  // its matching uninitialise.
  comInitialised_ = SUCCEEDED(initialise(nullptr, COINIT_APARTMENTTHREADED));
  // The first factory class is the one every Windows from 7 on provides.
  create(CLSID_WICImagingFactory1, nullptr, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
         reinterpret_cast<void**>(factory_.Put()));
  return factory_.Get();
}

std::optional<Picture> PictureDecoder::LoadWithWic(const std::wstring& path) {
  IWICImagingFactory* factory = Factory();
  if (!factory) return std::nullopt;
  ComPtr<IWICBitmapDecoder> decoder;
  if (FAILED(factory->CreateDecoderFromFilename(path.c_str(), nullptr, GENERIC_READ,
                                                WICDecodeMetadataCacheOnDemand, decoder.Put())))
    return std::nullopt;
  ComPtr<IWICBitmapFrameDecode> frame;
  if (FAILED(decoder->GetFrame(0, frame.Put()))) return std::nullopt;
  UINT width = 0;
  UINT height = 0;
  if (FAILED(frame->GetSize(&width, &height)) || width == 0 || height == 0 || width > kMaxPictureSide ||
      height > kMaxPictureSide)
    return std::nullopt;
  ComPtr<IWICFormatConverter> converter;
  if (FAILED(factory->CreateFormatConverter(converter.Put())) ||
      FAILED(converter->Initialize(frame.Get(), GUID_WICPixelFormat32bppPBGRA, WICBitmapDitherTypeNone, nullptr,
                                   0.0, WICBitmapPaletteTypeCustom)))
    return std::nullopt;
  auto dib = CreateTopDownDib(static_cast<int>(width), static_cast<int>(height));
  if (!dib) return std::nullopt;
  const UINT stride = width * 4;
  if (FAILED(converter->CopyPixels(nullptr, stride, stride * height, reinterpret_cast<BYTE*>(dib->second))))
    return std::nullopt;
  return Picture(std::move(dib->first), dib->second, static_cast<int>(width), static_cast<int>(height));
}

std::optional<Picture> PictureFromBitmapResource(int resourceId) {
  // The shipped bitmaps are decoded straight from the program's image: one
  // DIB section made, where LoadImage and GetDIBits make two.
  if (const std::optional<PlainBitmap> plain = PlainBitmapResource(resourceId)) {
    auto target = CreateTopDownDib(plain->bmp.width, plain->bmp.height);
    if (!target) return std::nullopt;
    CopySimpleBmpPixels(plain->file, plain->bmp, target->second);
    return Picture(std::move(target->first), target->second, plain->bmp.width, plain->bmp.height, true);
  }
  const Bitmap source(static_cast<HBITMAP>(
      LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(resourceId), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
  BITMAP info{};
  if (!source || !GetObjectW(source.Get(), sizeof(info), &info) || info.bmWidth <= 0 || info.bmHeight == 0)
    return std::nullopt;
  const int width = info.bmWidth;
  const int height = info.bmHeight < 0 ? -info.bmHeight : info.bmHeight;
  BITMAPINFO request{};
  request.bmiHeader.biSize = sizeof(request.bmiHeader);
  request.bmiHeader.biWidth = width;
  request.bmiHeader.biHeight = -height;  // top row first
  request.bmiHeader.biPlanes = 1;
  request.bmiHeader.biBitCount = 32;
  request.bmiHeader.biCompression = BI_RGB;
  std::vector<std::uint32_t> pixels(static_cast<size_t>(width) * static_cast<size_t>(height));
  const WindowDc screen(nullptr);
  if (GetDIBits(screen.Get(), source.Get(), 0, static_cast<UINT>(height), pixels.data(), &request, DIB_RGB_COLORS) !=
      height)
    return std::nullopt;
  for (auto& pixel : pixels) pixel |= 0xFF000000u;  // opaque
  return Picture::FromPixels(width, height, pixels.data());
}

}  // namespace ravelo::win
