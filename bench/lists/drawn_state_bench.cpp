// What rvo does after each stop of a round without repeats: the drawn names
// of the list as the file's text and its atomic replace in the data folder.
//   ravelo_drawn_state_bench NAMES REPEATS FOLDER
// A list of NAMES names, all of them drawn but the last one (the largest file
// a round writes); prints the median and the largest time of REPEATS writes,
// text and write apart.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "draw/core/drawn_state.h"
#include "shared/core/file_system.h"

namespace {

using Clock = std::chrono::steady_clock;

double MillisSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 4) {
    std::fprintf(stderr, "usage: ravelo_drawn_state_bench NAMES REPEATS FOLDER\n");
    return 2;
  }
  const std::size_t count = std::strtoul(argv[1], nullptr, 10);
  const int repeats = std::max(1, std::atoi(argv[2]));
  const std::string path = std::string(argv[3]) + "/drawn.txt";
  ravelo::NameList names;
  for (std::size_t i = 0; i < count; ++i) {
    std::u16string wide = u"学生";
    for (const char c : std::to_string(100000 + i)) wide += static_cast<char16_t>(c);
    names.Add(wide);
  }
  std::vector<std::size_t> drawn;
  for (std::size_t i = 0; i + 1 < count; ++i) drawn.push_back(i);
  ravelo::draw::DrawPool pool;
  pool.ResetWithout(count, drawn);

  std::vector<double> text, write, total;
  std::size_t bytes = 0;
  for (int r = 0; r < repeats; ++r) {
    const auto start = Clock::now();
    const std::string state = ravelo::draw::DrawnStateText(names, pool);
    text.push_back(MillisSince(start));
    const auto written = Clock::now();
    if (!ravelo::WriteFileAtomically(ravelo::PathFromUtf8(path), state)) {
      std::fprintf(stderr, "could not write %s\n", path.c_str());
      return 1;
    }
    write.push_back(MillisSince(written));
    total.push_back(MillisSince(start));
    bytes = state.size();
  }
  std::printf("state after a stop, %zu of %zu names drawn (%zu bytes), %d writes:\n", drawn.size(), count, bytes,
              repeats);
  std::printf("  text   median %7.2f ms  largest %7.2f ms\n", Median(text), *std::max_element(text.begin(), text.end()));
  std::printf("  write  median %7.2f ms  largest %7.2f ms\n", Median(write), *std::max_element(write.begin(), write.end()));
  std::printf("  total  median %7.2f ms  largest %7.2f ms  (target under 20 ms)\n", Median(total),
              *std::max_element(total.begin(), total.end()));
  return 0;
}
