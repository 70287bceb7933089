#include "shared/core/full_screen.h"

#include <gtest/gtest.h>

#include "shared/core/display_scale.h"

namespace ravelo {
namespace {

TEST(FullScreen, ContentFillsTheMonitorAsFarAsItsShapeAllowsAndStaysCentred) {
  struct Case {
    Size monitor;
    int dpi;  // 600 x 450 content
  };
  for (const Case& c : {Case{{3840, 2160}, 460}, Case{{1920, 1080}, 230}, Case{{1024, 768}, 163},
                        Case{{1080, 1920}, 172}, Case{{640, 480}, 102}, Case{{320, 240}, 96}}) {
    SCOPED_TRACE(c.monitor.width);
    const int dpi = FullScreenDpi({600, 450}, c.monitor);
    EXPECT_EQ(dpi, c.dpi);
    const Size shown = DisplayScale(dpi).ToDevice(Size{600, 450});
    if (dpi > 96) {
      EXPECT_LE(shown.width, c.monitor.width);
      EXPECT_LE(shown.height, c.monitor.height);
      // One more step of DPI would overflow a side.
      const Size bigger = DisplayScale(dpi + 1).ToDevice(Size{600, 450});
      EXPECT_TRUE(bigger.width > c.monitor.width || bigger.height > c.monitor.height);
    }
  }
  // A broken design size is shown as designed.
  EXPECT_EQ(FullScreenDpi({0, 450}, {1920, 1080}), 96);

  EXPECT_EQ(CentredIn({3840, 2160}, {2875, 2156}), (Rect{482, 2, 2875, 2156}));
  EXPECT_EQ(CentredIn({300, 200}, {600, 450}), (Rect{0, 0, 600, 450}));
}

TEST(FullScreen, MonitorsAreSteppedInReadingOrderGoingRound) {
  // Primary first as the system lists it; the projector left of it and one below.
  const std::vector<Rect> monitors{{0, 0, 1920, 1080}, {-1024, 0, 1024, 768}, {0, 1080, 1920, 1080}};
  EXPECT_EQ(SteppedMonitor(monitors, 1, +1), 0u);
  EXPECT_EQ(SteppedMonitor(monitors, 0, +1), 2u);
  EXPECT_EQ(SteppedMonitor(monitors, 2, +1), 1u);
  EXPECT_EQ(SteppedMonitor(monitors, 1, -1), 2u);
  EXPECT_EQ(SteppedMonitor(monitors, 0, -1), 1u);
  EXPECT_EQ(SteppedMonitor({{0, 0, 800, 600}}, 0, +1), 0u);
  EXPECT_EQ(SteppedMonitor({}, 3, -1), 0u);

  EXPECT_EQ(MonitorAt(monitors, {-1024, 0}), 1u);
  EXPECT_EQ(MonitorAt(monitors, {1920, 0}), std::nullopt);
}

TEST(FullScreen, RememberedMonitorPlaceRoundTripsAndRejectsDamage) {
  for (const Point at : {Point{0, 0}, Point{-1920, -200}, Point{3840, 0}})
    EXPECT_EQ(MonitorPlaceFromText(MonitorPlaceText(at)), at);
  EXPECT_EQ(MonitorPlaceFromText(" 1920 , 0 "), (Point{1920, 0}));
  for (const char* bad : {"", "1920", "a,0", "1920,", "1,2,3", "99999999999,0"})
    EXPECT_EQ(MonitorPlaceFromText(bad), std::nullopt) << bad;
}

}  // namespace
}  // namespace ravelo
