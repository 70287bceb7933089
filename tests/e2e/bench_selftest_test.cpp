// What the tests' own correctness rests on, proven against the fixture
// program: every test runs in a fresh copy that goes with all it started,
// and a wait that is not met fails in time saying what it waited for (so a
// test never passes or hangs on a condition it did not see).
#include <gtest/gtest.h>

#include <chrono>
#include <memory>

#include "bench/bench.h"
#include "fixture/fixture_layout.h"

namespace ravelo::e2e {
namespace {

namespace fx = fixture;
using namespace std::chrono_literals;

Process StartFixture(const Installation& install, const std::wstring& arguments = {}) {
  const std::wstring program = std::wstring(L"bin\\") + fx::kProgram;
  if (!install.Exists(program)) install.CopyIn(TestProgramFolder() + fx::kProgram, program);
  return install.Start(fx::kProgram, arguments);
}

TEST(BenchSelfTest, EachInstallationIsAFreshCopyRemovedWithWhatRunsFromIt) {
  Installation install;
  EXPECT_EQ(install.ReadBytes(Installation::kConfigFile),
            Installation(StagedInstallationFolder()).ReadBytes(Installation::kConfigFile));
  auto other = std::make_unique<Installation>();
  EXPECT_NE(other->Root(), install.Root());
  Process p = StartFixture(*other);
  p.WaitForWindow({.className = fx::kClassName});
  EXPECT_EQ(other->RunningProcesses(), std::vector<DWORD>{p.Id()});
  const std::wstring root = other->Root();
  other.reset();
  EXPECT_TRUE(p.WaitForExit(2s));
  EXPECT_EQ(GetFileAttributesW(root.c_str()), INVALID_FILE_ATTRIBUTES) << ToUtf8(root) << " is still there";
}

TEST(BenchSelfTest, UnmetWaitsFailInTimeNamingWhatTheyAwaited) {
  Installation install;
  Process p = StartFixture(install);
  const Window main = p.WaitForWindow({.className = fx::kClassName, .text = fx::kTitle});
  const auto start = std::chrono::steady_clock::now();
  try {
    p.WaitForWindow({.className = L"NoSuchClass"}, 300ms);
    ADD_FAILURE() << "found a window of no such class";
  } catch (const TimeoutError& e) {
    EXPECT_NE(std::string(e.what()).find("no visible window of class \"NoSuchClass\""), std::string::npos) << e.what();
  }
  const auto took = std::chrono::steady_clock::now() - start;
  EXPECT_GE(took, 290ms);
  EXPECT_LT(took, 1500ms);
  EXPECT_THROW(main.WaitForText(L"不是这个标题", 200ms), TimeoutError);
  EXPECT_THROW(p.ExpectExit(200ms), TimeoutError);
  EXPECT_FALSE(PollUntil([] { return false; }, 200ms));

  // A program that ends first fails the wait at once, with its exit code.
  Process quick = StartFixture(install, L"--exit 3");
  try {
    quick.WaitForWindow({.className = fx::kClassName}, 10s);
    ADD_FAILURE() << "found a window";
  } catch (const TimeoutError& e) {
    ADD_FAILURE() << "waited the whole timeout: " << e.what();
  } catch (const BenchError& e) {
    EXPECT_NE(std::string(e.what()).find("exited with code 3"), std::string::npos) << e.what();
  }
  EXPECT_EQ(quick.ExitCode(), 3u);
}

}  // namespace
}  // namespace ravelo::e2e
