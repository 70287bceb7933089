// Full screen: the content area alone on a whole monitor, scaled uniformly
// to the largest size that fits and centred; the monitors in the order the
// operator steps through them; and the remembered monitor's place in the
// configuration file.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "shared/core/frame_layout.h"

namespace ravelo {

// The DPI at which content of this design size fills as much of the monitor
// as it can with its aspect ratio kept: never larger than the monitor, and
// never below the design scale's 96 (a monitor smaller than the design shows
// it at 96).
int FullScreenDpi(Size designContent, Size monitor);

// inner centred in outer (both in the same pixels), its top left at
// rounded-down halves of the spare room; a side larger than outer starts at 0.
Rect CentredIn(Size outer, Size inner);

// The monitor after (step +1) or before (step -1) current, going round; the
// monitors are in reading order (top to bottom, then left to right).
std::size_t SteppedMonitor(const std::vector<Rect>& monitors, std::size_t current, int step);

// The monitor whose top left corner is at, if any (a monitor taken away
// since it was remembered matches none).
std::optional<std::size_t> MonitorAt(const std::vector<Rect>& monitors, Point at);

// [Draw] fullscreenmonitor: "left,top" of the monitor last used in full
// screen, on the virtual screen (negative left of or above the primary).
std::string MonitorPlaceText(Point at);
std::optional<Point> MonitorPlaceFromText(std::string_view text);

}  // namespace ravelo
