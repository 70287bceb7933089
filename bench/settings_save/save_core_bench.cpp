// The file work of a save, natively: rvocfg's OK (the plan of what the
// operator set, then the read, merge and atomic replace of the whole
// configuration file) and rvostyle's save, each changing one value a round,
// on a full 25-key file in a temporary folder.
//   ravelo_settings_save_bench [ROUNDS]     (default 200)
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include <unistd.h>

#include "config/core/settings_save.h"
#include "shared/core/ini_file.h"
#include "style/core/style_save.h"

namespace {

using Clock = std::chrono::steady_clock;

void Report(const char* name, std::vector<double> millis) {
  std::sort(millis.begin(), millis.end());
  std::printf("%-9s median %.3f ms, 90th percentile %.3f ms, slowest %.3f ms (%zu saves)\n", name,
              millis[millis.size() / 2], millis[millis.size() * 9 / 10], millis.back(), millis.size());
}

std::vector<double> Time(int rounds, const std::function<bool(int)>& save) {
  std::vector<double> millis;
  for (int round = 0; round < rounds; ++round) {
    const auto start = Clock::now();
    if (!save(round)) {
      std::fprintf(stderr, "a save failed\n");
      std::exit(1);
    }
    millis.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
  }
  return millis;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace ravelo;
  const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 200;
  const auto folder = std::filesystem::temp_directory_path() / ("ravelo-save-bench-" + std::to_string(::getpid()));
  std::filesystem::create_directories(folder);
  const FilePath file(folder / "rvoconfig.rcf");
  const config::FormValues loaded = config::DefaultFormValues();
  if (!WriteProfileValues(file, ProfileWritesOf(config::PlanSave(loaded, std::nullopt).writes))) return 1;

  Report("rvocfg", Time(rounds, [&](int round) {
    config::FormValues values = loaded;
    values.caption = "年会抽签" + std::to_string(round);
    return WriteProfileValues(file, ProfileWritesOf(config::PlanSave(values, loaded).writes));
  }));
  const StyleValues start{{100.0f, 40.0f}, {120.0f, 200.0f}, 8388672, 16777215};
  const auto stored = StyleFields(start);
  Report("rvostyle", Time(rounds, [&](int round) {
    StyleValues moved = start;
    moved.caption.x += static_cast<float>(1 + round % 50);
    return WriteProfileValues(file, ProfileWritesOf(PlanStyleSave(stored, moved)));
  }));
  std::filesystem::remove_all(folder);
  return 0;
}
