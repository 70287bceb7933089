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

TEST(Screenrs, ReportsTheScreenLessTheReserves) {
  FakeSystem system;
  system.mode = DisplayMode{1024, 768};
  Screenrs screen(system);
  EXPECT_EQ(screen.dmPelsWidth(), 1004);
  EXPECT_EQ(screen.dmPelsHeight(), 668);
  system.mode = DisplayMode{1920, 1080};
  EXPECT_EQ(screen.dmPelsWidth(), 1900);
  EXPECT_EQ(screen.dmPelsHeight(), 980);
}

TEST(Screenrs, QueriesTheSystemOnEveryCall) {
  FakeSystem system;
  system.mode = DisplayMode{800, 600};
  Screenrs screen(system);
  EXPECT_EQ(screen.dmPelsWidth(), 780);
  system.mode = DisplayMode{1280, 1024};
  EXPECT_EQ(screen.dmPelsWidth(), 1260);
  EXPECT_EQ(screen.dmPelsHeight(), 924);
  EXPECT_EQ(system.displayQueries, 3);
}

TEST(Screenrs, AFailedQueryKeepsThePreviousRecord) {
  FakeSystem system;
  Screenrs fresh(system);
  EXPECT_EQ(fresh.dmPelsWidth(), -20);
  EXPECT_EQ(fresh.dmPelsHeight(), -100);

  system.mode = DisplayMode{1024, 768};
  Screenrs screen(system);
  EXPECT_EQ(screen.dmPelsWidth(), 1004);
  system.mode.reset();
  EXPECT_EQ(screen.dmPelsWidth(), 1004);
  EXPECT_EQ(screen.dmPelsHeight(), 668);
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
  system.major = 10;
  EXPECT_EQ(version.GetWindowsVersion(), 10);
  system.major = 70000;
  EXPECT_EQ(version.GetWindowsVersion(), 0);
}

TEST(ModernUiFont, FromVersionSixOn) {
  EXPECT_FALSE(UsesModernUiFont(0));
  EXPECT_FALSE(UsesModernUiFont(5));
  EXPECT_TRUE(UsesModernUiFont(6));
  EXPECT_TRUE(UsesModernUiFont(10));
  EXPECT_EQ(kModernUiFontName, "\xE5\xBE\xAE\xE8\xBD\xAF\xE9\x9B\x85\xE9\xBB\x91");
}

TEST(ClampContentSize, RaisesToTheMinimumThenLowersToTheScreen) {
  EXPECT_EQ(ClampContentSize({100, 50}, 1004, 668), (ContentSize{250, 100}));
  EXPECT_EQ(ClampContentSize({0, 0}, 1004, 668), (ContentSize{250, 100}));
  EXPECT_EQ(ClampContentSize({-300, -1}, 1004, 668), (ContentSize{250, 100}));
  EXPECT_EQ(ClampContentSize({600, 450}, 1004, 668), (ContentSize{600, 450}));
  EXPECT_EQ(ClampContentSize({9999, 9999}, 1004, 668), (ContentSize{1004, 668}));
  EXPECT_EQ(ClampContentSize({1004, 668}, 1004, 668), (ContentSize{1004, 668}));
  // A screen smaller than the minimum: its bound wins.
  EXPECT_EQ(ClampContentSize({100, 50}, 200, 80), (ContentSize{200, 80}));
  EXPECT_EQ(ClampContentSize({600, 450}, -20, -100), (ContentSize{-20, -100}));
}

TEST(ContentSizeRange, AcceptsFromTheMinimumToTheScreen) {
  EXPECT_EQ(ContentWidthRange(1004).min, 250);
  EXPECT_EQ(ContentWidthRange(1004).max, 1004);
  EXPECT_EQ(ContentHeightRange(668).min, 100);
  EXPECT_EQ(ContentHeightRange(668).max, 668);

  EXPECT_FALSE(ValidateContentWidth(249, 1004));
  EXPECT_TRUE(ValidateContentWidth(250, 1004));
  EXPECT_TRUE(ValidateContentWidth(1004, 1004));
  EXPECT_FALSE(ValidateContentWidth(1005, 1004));
  EXPECT_FALSE(ValidateContentWidth(-5, 1004));
  EXPECT_FALSE(ValidateContentWidth(4294967546LL, 1004));  // 250 + 2^32

  EXPECT_FALSE(ValidateContentHeight(99, 668));
  EXPECT_TRUE(ValidateContentHeight(100, 668));
  EXPECT_TRUE(ValidateContentHeight(668, 668));
  EXPECT_FALSE(ValidateContentHeight(669, 668));
  // No screen room at all: nothing is accepted.
  EXPECT_FALSE(ValidateContentHeight(100, 80));
}

}  // namespace
}  // namespace ravelo
