#include "shared/core/full_screen.h"

#include <algorithm>
#include <charconv>
#include <cstdint>

#include "shared/core/display_scale.h"

namespace ravelo {
namespace {

bool ReadingOrder(const Rect& a, const Rect& b) { return a.top != b.top ? a.top < b.top : a.left < b.left; }

std::optional<int> IntFrom(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

}  // namespace

int FullScreenDpi(Size designContent, Size monitor) {
  constexpr int kDesign = DisplayScale::kDesignDpi;
  if (designContent.width <= 0 || designContent.height <= 0) return kDesign;
  // The larger DPI of the two sides' limits is floor(96 * side / design side);
  // the smaller of both keeps the aspect ratio.
  const std::int64_t byWidth = std::int64_t{kDesign} * monitor.width / designContent.width;
  const std::int64_t byHeight = std::int64_t{kDesign} * monitor.height / designContent.height;
  const std::int64_t dpi = std::min(byWidth, byHeight);
  // The rounding of DisplayScale may add half a pixel: step down until it fits.
  int fit = static_cast<int>(std::clamp<std::int64_t>(dpi, kDesign, 100 * kDesign));
  while (fit > kDesign) {
    const Size shown = DisplayScale(fit).ToDevice(designContent);
    if (shown.width <= monitor.width && shown.height <= monitor.height) break;
    --fit;
  }
  return fit;
}

Rect CentredIn(Size outer, Size inner) {
  return {std::max(0, (outer.width - inner.width) / 2), std::max(0, (outer.height - inner.height) / 2), inner.width,
          inner.height};
}

std::size_t SteppedMonitor(const std::vector<Rect>& monitors, std::size_t current, int step) {
  if (monitors.empty() || current >= monitors.size()) return 0;
  std::vector<std::size_t> order(monitors.size());
  for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
  std::stable_sort(order.begin(), order.end(),
                   [&](std::size_t a, std::size_t b) { return ReadingOrder(monitors[a], monitors[b]); });
  const auto place = static_cast<std::size_t>(std::find(order.begin(), order.end(), current) - order.begin());
  const std::size_t count = order.size();
  const std::size_t next = step >= 0 ? (place + 1) % count : (place + count - 1) % count;
  return order[next];
}

std::optional<std::size_t> MonitorAt(const std::vector<Rect>& monitors, Point at) {
  for (std::size_t i = 0; i < monitors.size(); ++i) {
    if (monitors[i].left == at.x && monitors[i].top == at.y) return i;
  }
  return std::nullopt;
}

std::string MonitorPlaceText(Point at) { return std::to_string(at.x) + "," + std::to_string(at.y); }

std::optional<Point> MonitorPlaceFromText(std::string_view text) {
  const std::size_t comma = text.find(',');
  if (comma == std::string_view::npos) return std::nullopt;
  const auto x = IntFrom(text.substr(0, comma));
  const auto y = IntFrom(text.substr(comma + 1));
  if (!x || !y) return std::nullopt;
  return Point{*x, *y};
}

}  // namespace ravelo
