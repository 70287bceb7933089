#include "bench/failure_snapshots.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <optional>

#include "bench/locations.h"
#include "bench/screen.h"
#include "bench/text.h"

namespace ravelo::e2e {
namespace {

// At a test's first failed check, saves the screen as it is then, and the
// screen kept by the test's last failed wait when there was one.
class FailureSnapshotListener : public ::testing::EmptyTestEventListener {
 public:
  void KeepScreen() {
    if (!kept_) kept_ = CaptureScreen();
  }

 private:
  void OnTestStart(const ::testing::TestInfo&) override {
    kept_.reset();
    saved_ = false;
  }

  void OnTestPartResult(const ::testing::TestPartResult& result) override {
    if (!result.failed() || saved_) return;
    saved_ = true;
    const std::wstring folder = FailureArtifactFolder();
    CreateDirectoryW(folder.c_str(), nullptr);
    const std::wstring stem = folder + FileName();
    Save(CaptureScreen(), stem + L".bmp", "screen at the failure");
    if (kept_) Save(*kept_, stem + L".wait.bmp", "screen when the last wait gave up");
  }

  void OnTestEnd(const ::testing::TestInfo&) override { kept_.reset(); }

  static void Save(const Image& image, const std::wstring& path, const char* what) {
    if (image.SaveBmp(path)) std::printf("[  bench   ] %s saved to %s\n", what, ToUtf8(path).c_str());
  }

  static std::wstring FileName() {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    if (!info) return L"outside-tests";
    std::wstring name = FromUtf8(std::string(info->test_suite_name()) + "." + info->name());
    for (auto& c : name)
      if (c == L'/' || c == L'\\' || c == L':') c = L'_';
    return name;
  }

  std::optional<Image> kept_;
  bool saved_ = false;
};

FailureSnapshotListener* g_listener = nullptr;  // owned by gtest's listener list

}  // namespace

bool InstallFailureSnapshots() {
  if (!g_listener) {
    g_listener = new FailureSnapshotListener;
    ::testing::UnitTest::GetInstance()->listeners().Append(g_listener);
  }
  return true;
}

void KeepScreenForFailureReport() {
  if (g_listener && ::testing::UnitTest::GetInstance()->current_test_info()) g_listener->KeepScreen();
}

}  // namespace ravelo::e2e
