// What one change of the text line costs the draw window: the time from the
// change until it is on the screen, and how much of the content area is
// repainted for it, against a repaint of the whole window. A draw changes
// the text line up to 100 times a second, so one change must stay well
// under 10 ms and touch only the old and new text.
//   label_paint_bench BACKGROUND_PICTURE [CHANGES]
#include <windows.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "shared/core/frame_layout.h"
#include "shared/version.h"
#include "shared/win/skinned_frame.h"

namespace {

using Clock = std::chrono::steady_clock;
using ravelo::win::FontSpec;

double Since(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

double Percentile(std::vector<double> v, double p) {
  std::sort(v.begin(), v.end());
  return v[std::min(v.size() - 1, static_cast<size_t>(p * static_cast<double>(v.size())))];
}

// Lets queued messages (the tooltip-free frame has few) run.
void Pump() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: label_paint_bench BACKGROUND_PICTURE [CHANGES]\n");
    return 2;
  }
  const int changes = argc > 2 ? std::max(10, _wtoi(argv[2])) : 1000;

  ravelo::win::SkinnedFrame frame;
  ravelo::win::FrameDesign design;
  design.className = L"RaveloPaintBench";
  design.windowCaption = L"Ravelo";
  design.title = L"Ravelo" RAVELO_VERSION_TEXT;
  design.titleFont = {L"宋体", 9.0f, false, false};
  design.caption = L"Ravelo";
  design.captionFont = {L"宋体", 26.0f, true, false};
  design.captionColour = RGB(255, 0, 0);
  design.text = L"开始啦";
  design.textFont = {L"宋体", 72.0f, false, false};
  design.textColour = RGB(128, 128, 255);
  if (!frame.Create(design)) return 1;
  ravelo::FrameLayoutInput input;
  input.width = 600;
  input.height = 450;
  input.captionLabel = frame.CaptionLabel().SizeOf();
  input.textLabel = frame.TextLine().SizeOf();
  input.parts = ravelo::DrawFrameParts{};
  frame.ApplyGeometry(*ravelo::ComputeFrameLayout(input));
  if (!frame.Content().LoadBackground(argv[1])) std::fprintf(stderr, "background not loaded; white ground\n");
  frame.ShowCentred();
  Pump();

  const HWND content = frame.Content().Handle();
  RECT client;
  GetClientRect(content, &client);
  const double contentArea = static_cast<double>(client.right) * client.bottom;
  const std::array<const wchar_t*, 8> names{L"张伟", L"欧阳娜娜", L"李", L"王芳芳", L"司马相如", L"赵敏", L"Anna Li",
                                            L"周杰"};

  std::vector<double> millis;
  std::vector<double> share;
  for (int i = 0; i < changes; ++i) {
    const auto start = Clock::now();
    frame.TextLine().SetText(names[static_cast<size_t>(i) % names.size()]);
    RECT pending{};
    GetUpdateRect(content, &pending, FALSE);
    // Paint everything pending now, children included, as the message loop would.
    RedrawWindow(content, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    GdiFlush();
    millis.push_back(Since(start));
    share.push_back(100.0 * (pending.right - pending.left) * (pending.bottom - pending.top) / contentArea);
    Pump();
  }

  std::vector<double> whole;
  for (int i = 0; i < std::max(10, changes / 20); ++i) {
    const auto start = Clock::now();
    RedrawWindow(frame.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    GdiFlush();
    whole.push_back(Since(start));
  }

  double meanShare = 0;
  for (double s : share) meanShare += s;
  meanShare /= static_cast<double>(share.size());
  std::printf("text line changes: %d (72 pt, names of 1 to 4 characters, 600 x 450 content area)\n", changes);
  std::printf("  until painted: median %.2f ms, 95th percentile %.2f ms, max %.2f ms\n", Median(millis),
              Percentile(millis, 0.95), *std::max_element(millis.begin(), millis.end()));
  std::printf("  repainted: %.1f %% of the content area on average (old and new text only)\n", meanShare);
  std::printf("whole window repaint: median %.2f ms\n", Median(whole));
  std::printf("at 100 changes a second the text line takes %.0f %% of the time\n", Median(millis) * 100 / 10);
  return 0;
}
