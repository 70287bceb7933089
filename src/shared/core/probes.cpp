#include "shared/core/probes.h"

#include <limits>

namespace ravelo {
namespace {

constexpr std::int64_t kScreenWidthReserve = 20;
constexpr std::int64_t kScreenHeightReserve = 100;
constexpr std::int16_t kFirstModernUiVersion = 6;  // Windows Vista

std::optional<std::int16_t> NarrowToInt16(std::int64_t value) {
  if (value < std::numeric_limits<std::int16_t>::min() ||
      value > std::numeric_limits<std::int16_t>::max()) {
    return std::nullopt;
  }
  return static_cast<std::int16_t>(value);
}

}  // namespace

void Screenrs::Refresh() {
  // A failed query keeps the record of the last successful one.
  if (std::optional<DisplayMode> mode = system_.CurrentDisplayMode()) record_ = *mode;
}

std::optional<std::int16_t> Screenrs::dmPelsWidth() {
  Refresh();
  return NarrowToInt16(static_cast<std::int64_t>(record_.pelsWidth) - kScreenWidthReserve);
}

std::optional<std::int16_t> Screenrs::dmPelsHeight() {
  Refresh();
  return NarrowToInt16(static_cast<std::int64_t>(record_.pelsHeight) - kScreenHeightReserve);
}

std::int16_t getWinVer::GetWindowsVersion() const {
  const std::optional<std::uint32_t> major = system_.OsMajorVersion();
  if (!major) return 0;
  return NarrowToInt16(*major).value_or(0);
}

ContentSize ClampContentSize(ContentSize configured, std::int16_t maxWidth,
                             std::int16_t maxHeight) {
  ContentSize size = configured;
  if (size.width < kMinContentWidth) size.width = kMinContentWidth;
  if (size.height < kMinContentHeight) size.height = kMinContentHeight;
  if (maxWidth < size.width) size.width = maxWidth;
  if (maxHeight < size.height) size.height = maxHeight;
  return size;
}

ContentSizeRange ContentWidthRange(std::int16_t dmPelsWidth) {
  return {kMinContentWidth, dmPelsWidth};
}

ContentSizeRange ContentHeightRange(std::int16_t dmPelsHeight) {
  return {kMinContentHeight, dmPelsHeight};
}

bool UsesModernUiFont(std::int16_t osMajorVersion) {
  return osMajorVersion >= kFirstModernUiVersion;
}

}  // namespace ravelo
