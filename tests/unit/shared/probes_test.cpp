#include "shared/core/probes.h"

#include <gtest/gtest.h>

namespace ravelo {
namespace {

class FakeSystem final : public SystemQueries {
 public:
  std::optional<DisplayMode> mode;
  std::optional<std::uint32_t> major;
  mutable int displayQueries = 0;

  std::optional<DisplayMode> CurrentDisplayMode() const override {
    ++displayQueries;
    return mode;
  }
  std::optional<std::uint32_t> OsMajorVersion() const override { return major; }
};

TEST(Screenrs, ReportsTheScreenLessTheReservesOnEveryCall) {
  FakeSystem system;
  Screenrs screen(system);
  EXPECT_EQ(screen.dmPelsWidth(), -20);  // no record yet
  EXPECT_EQ(screen.dmPelsHeight(), -100);
  system.mode = DisplayMode{1024, 768};
  EXPECT_EQ(screen.dmPelsWidth(), 1004);
  EXPECT_EQ(screen.dmPelsHeight(), 668);
  system.mode = DisplayMode{1920, 1080};
  EXPECT_EQ(screen.dmPelsWidth(), 1900);
  EXPECT_EQ(system.displayQueries, 5);
  system.mode.reset();  // a failed query keeps the previous record
  EXPECT_EQ(screen.dmPelsWidth(), 1900);
  EXPECT_EQ(screen.dmPelsHeight(), 980);
}

TEST(Screenrs, ResultsBeyond16BitsAreAnError) {
  FakeSystem system;
  system.mode = DisplayMode{32787, 32867};
  Screenrs screen(system);
  EXPECT_EQ(screen.dmPelsWidth(), 32767);
  EXPECT_EQ(screen.dmPelsHeight(), 32767);
  system.mode = DisplayMode{32788, 32868};
  EXPECT_EQ(screen.dmPelsWidth(), std::nullopt);
  EXPECT_EQ(screen.dmPelsHeight(), std::nullopt);
  system.mode = DisplayMode{0xFFFFFFFFu, 0xFFFFFFFFu};
  EXPECT_EQ(screen.dmPelsWidth(), std::nullopt);
}

TEST(GetWinVer, ReportsTheMajorVersionOrZero) {
  FakeSystem system;
  getWinVer version(system);
  EXPECT_EQ(version.GetWindowsVersion(), 0);
  system.major = 5;
  EXPECT_EQ(version.GetWindowsVersion(), 5);
  system.major = 70000;
  EXPECT_EQ(version.GetWindowsVersion(), 0);
}

TEST(ClampContentSize, RaisesToTheMinimumThenLowersToTheScreen) {
  EXPECT_EQ(ClampContentSize({-300, 99}, 1004, 668), (ContentSize{250, 100}));
  EXPECT_EQ(ClampContentSize({250, 100}, 1004, 668), (ContentSize{250, 100}));
  EXPECT_EQ(ClampContentSize({1004, 669}, 1004, 668), (ContentSize{1004, 668}));
  // A screen smaller than the minimum: its bound wins.
  EXPECT_EQ(ClampContentSize({100, 50}, 200, 80), (ContentSize{200, 80}));
  EXPECT_EQ(ClampContentSize({600, 450}, -20, -100), (ContentSize{-20, -100}));
}

TEST(ContentSizeRange, AcceptsFromTheMinimumToTheScreen) {
  EXPECT_FALSE(ContentWidthRange(1004).Contains(249));
  EXPECT_TRUE(ContentWidthRange(1004).Contains(250));
  EXPECT_TRUE(ContentWidthRange(1004).Contains(1004));
  EXPECT_FALSE(ContentWidthRange(1004).Contains(1005));
  EXPECT_FALSE(ContentWidthRange(1004).Contains(4294967546LL));  // 250 + 2^32
  EXPECT_TRUE(ContentHeightRange(668).Contains(668));
  EXPECT_FALSE(ContentHeightRange(80).Contains(100));  // no screen room at all
}

}  // namespace
}  // namespace ravelo
