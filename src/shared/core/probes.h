// The screen and OS probes of the windowed programs, and the rules their
// callers share: content-size limits and the modern UI font.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace ravelo {

struct DisplayMode {
  std::uint32_t pelsWidth = 0;
  std::uint32_t pelsHeight = 0;
  friend bool operator==(const DisplayMode&, const DisplayMode&) = default;
};

// What the probes ask the system. The Win32 view implements it; tests fake
// any screen size and OS version.
class SystemQueries {
 public:
  virtual ~SystemQueries() = default;
  // The current mode of the display device; empty when the query fails.
  virtual std::optional<DisplayMode> CurrentDisplayMode() const = 0;
  // The OS major version; empty when the query fails.
  virtual std::optional<std::uint32_t> OsMajorVersion() const = 0;
};

// Usable screen size. Every call queries the system again; a failed query
// leaves the record of the previous call, so a new object reports -20/-100.
// Empty: the result does not fit 16 bits (a resolution above 32787 x 32867).
class Screenrs {
 public:
  explicit Screenrs(const SystemQueries& system) : system_(system) {}

  std::optional<std::int16_t> dmPelsWidth();   // screen width - 20
  std::optional<std::int16_t> dmPelsHeight();  // screen height - 100

 private:
  void Refresh();

  const SystemQueries& system_;
  DisplayMode record_{};
};

class getWinVer {
 public:
  explicit getWinVer(const SystemQueries& system) : system_(system) {}

  // The OS major version; 0 when the query fails (or reports a number that
  // does not fit 16 bits).
  std::int16_t GetWindowsVersion() const;

 private:
  const SystemQueries& system_;
};

// Content size bounds.
inline constexpr std::int16_t kMinContentWidth = 250;
inline constexpr std::int16_t kMinContentHeight = 100;

struct ContentSize {
  std::int16_t width = 0;
  std::int16_t height = 0;
  friend bool operator==(const ContentSize&, const ContentSize&) = default;
};

// rvo and rvostyle: raise to the minimum first, then lower to the screen
// bound, so on a screen too small for the minimum the screen bound wins.
ContentSize ClampContentSize(ContentSize configured, std::int16_t maxWidth,
                             std::int16_t maxHeight);

// rvocfg: the accepted range of a content size; the upper bound is the one
// its refusal message names.
struct ContentSizeRange {
  std::int32_t min = 0;
  std::int32_t max = 0;
  bool Contains(std::int64_t value) const { return value >= min && value <= max; }
};

ContentSizeRange ContentWidthRange(std::int16_t dmPelsWidth);    // 250..dmPelsWidth
ContentSizeRange ContentHeightRange(std::int16_t dmPelsHeight);  // 100..dmPelsHeight

// From Windows Vista on (major version 6) the windows set this font on their
// own labels.
inline constexpr std::string_view kModernUiFontName = "微软雅黑";
bool UsesModernUiFont(std::int16_t osMajorVersion);

}  // namespace ravelo
