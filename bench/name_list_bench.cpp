// Load time and peak memory of the name list against a plain getline into a
// vector of strings, on a generated list of Chinese names (GBK, CR LF); and
// the same load with the pool of a draw without repeats after its first
// result (every other name's index held).
//
//   ravelo_name_list_bench [--names N] [--repeats R]
//
// Each variant runs in a child process of its own (this program again, with a
// mode argument), so that its peak resident size is its own; the parent
// reads it from wait4. A child reports its fastest and median load time.
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "draw/core/draw_pool.h"
#include "draw/core/name_list.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

struct Timing {
  double fastest = 0;
  double median = 0;
  std::size_t names = 0;
};

// Names of three to five characters from the first level of GB2312.
void WriteNameFile(const fs::path& path, std::size_t count) {
  std::mt19937 random(2024);
  std::uniform_int_distribution<int> length(3, 5);
  std::uniform_int_distribution<int> lead(0xB0, 0xD6);
  std::uniform_int_distribution<int> trail(0xA1, 0xFE);
  std::string bytes;
  bytes.reserve(count * 10);
  for (std::size_t i = 0; i < count; ++i) {
    for (int c = length(random); c > 0; --c) {
      bytes += static_cast<char>(lead(random));
      bytes += static_cast<char>(trail(random));
    }
    bytes += "\r\n";
  }
  std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::size_t LoadWithLoadname(const fs::path& path) {
  ravelo::NameList names;
  if (!ravelo::Loadname(path, names)) return 0;
  return names.size();
}

std::size_t LoadWithPool(const fs::path& path) {
  ravelo::NameList names;
  if (!ravelo::Loadname(path, names)) return 0;
  ravelo::draw::DrawPool pool;
  pool.Reset(names.size());
  if (!pool.Remove(names.size() / 2)) return 0;
  return pool.Remaining() + 1;
}

std::size_t LoadWithGetline(const fs::path& path) {
  std::ifstream in(path);
  std::vector<std::string> lines;
  std::string line;
  while (std::getline(in, line)) lines.push_back(line);
  return lines.size();
}

template <typename Load>
Timing TimeRepeats(Load load, const fs::path& path, int repeats) {
  std::vector<double> seconds;
  Timing timing;
  for (int i = 0; i < repeats; ++i) {
    const auto start = Clock::now();
    timing.names = load(path);
    seconds.push_back(std::chrono::duration<double>(Clock::now() - start).count());
  }
  std::sort(seconds.begin(), seconds.end());
  timing.fastest = seconds.front();
  timing.median = seconds[seconds.size() / 2];
  return timing;
}

// Child side: runs one variant and writes its figures to stdout.
int RunChild(const std::string& mode, const fs::path& path, int repeats) {
  Timing timing;
  if (mode == "loadname") {
    timing = TimeRepeats(LoadWithLoadname, path, repeats);
  } else if (mode == "pool") {
    timing = TimeRepeats(LoadWithPool, path, repeats);
  } else if (mode == "getline") {
    timing = TimeRepeats(LoadWithGetline, path, repeats);
  } else if (mode != "idle") {
    return 2;
  }
  std::printf("%.6f %.6f %zu\n", timing.fastest, timing.median, timing.names);
  return 0;
}

struct ChildResult {
  Timing timing;
  long peakKiB = 0;
  bool ok = false;
};

ChildResult RunVariant(const std::string& mode, const fs::path& path, int repeats) {
  ChildResult result;
  int pipeEnds[2];
  if (pipe(pipeEnds) != 0) return result;
  const pid_t child = fork();
  if (child < 0) return result;
  if (child == 0) {
    dup2(pipeEnds[1], STDOUT_FILENO);
    close(pipeEnds[0]);
    close(pipeEnds[1]);
    const std::string repeatText = std::to_string(repeats);
    execl("/proc/self/exe", "ravelo_name_list_bench", "--child", mode.c_str(), path.c_str(),
          repeatText.c_str(), static_cast<char*>(nullptr));
    _exit(127);
  }
  close(pipeEnds[1]);
  std::string output;
  char chunk[256];
  for (ssize_t got; (got = read(pipeEnds[0], chunk, sizeof chunk)) > 0;)
    output.append(chunk, static_cast<std::size_t>(got));
  close(pipeEnds[0]);

  int status = 0;
  rusage usage{};
  if (wait4(child, &status, 0, &usage) != child) return result;
  result.peakKiB = usage.ru_maxrss;  // KiB on Linux
  result.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0 &&
              std::sscanf(output.c_str(), "%lf %lf %zu", &result.timing.fastest,
                          &result.timing.median, &result.timing.names) == 3;
  return result;
}

int RunBenchmark(std::size_t count, int repeats) {
  const fs::path folder =
      fs::temp_directory_path() / ("ravelo-bench-" + std::to_string(getpid()));
  fs::create_directories(folder);
  const fs::path file = folder / "name.txt";
  WriteNameFile(file, count);
  std::printf("name list: %zu names, %.1f MB (GBK, CR LF), %d loads per variant\n", count,
              static_cast<double>(fs::file_size(file)) / 1e6, repeats);

  const ChildResult idle = RunVariant("idle", file, repeats);
  const ChildResult loadname = RunVariant("loadname", file, repeats);
  const ChildResult pool = RunVariant("pool", file, repeats);
  const ChildResult getline = RunVariant("getline", file, repeats);
  fs::remove_all(folder);
  if (!idle.ok || !loadname.ok || !pool.ok || !getline.ok) {
    std::fprintf(stderr, "a child failed\n");
    return 1;
  }

  std::printf("%-10s %10s %10s %14s %14s %10s\n", "variant", "fastest", "median", "peak RSS",
              "above idle", "names");
  auto row = [&idle](const char* name, const ChildResult& r) {
    std::printf("%-10s %8.1f ms %7.1f ms %10.1f MiB %10.1f MiB %10zu\n", name,
                r.timing.fastest * 1e3, r.timing.median * 1e3,
                static_cast<double>(r.peakKiB) / 1024.0,
                static_cast<double>(r.peakKiB - idle.peakKiB) / 1024.0, r.timing.names);
  };
  row("Loadname", loadname);
  row("+ pool", pool);
  row("getline", getline);
  const auto ratios = [&](const char* name, const ChildResult& r) {
    std::printf("%s / getline: time %.2f (median), memory above idle %.2f\n", name,
                r.timing.median / getline.timing.median,
                static_cast<double>(r.peakKiB - idle.peakKiB) / static_cast<double>(getline.peakKiB - idle.peakKiB));
  };
  ratios("Loadname", loadname);
  ratios("Loadname + pool", pool);
  if (loadname.timing.names != count || pool.timing.names != count || getline.timing.names != count) {
    std::fprintf(stderr, "wrong name count\n");
    return 1;
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  if (args.size() == 4 && args[0] == "--child") return RunChild(args[1], args[2], std::atoi(args[3].c_str()));

  std::size_t count = 1000000;
  int repeats = 5;
  for (std::size_t i = 0; i + 1 < args.size(); i += 2) {
    if (args[i] == "--names") count = std::strtoul(args[i + 1].c_str(), nullptr, 10);
    else if (args[i] == "--repeats") repeats = std::max(1, std::atoi(args[i + 1].c_str()));
  }
  return RunBenchmark(count, repeats);
}
