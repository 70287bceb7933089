// Importing a roster up to the preview: the time from the file's bytes on
// disk to the names the preview shows (read, unzip and parse or decode, find
// the names column, take the names), and the peak memory, for a generated
// 5-column roster (学号, 姓名, 性别, 班级, 电话; a header row) as .xlsx (laid
// out as Excel saves one: shared strings, numbers, deflated parts) and as
// .csv (UTF-8 with a byte-order mark); and a hostile sheet of a million
// empty rows.
//
//   ravelo_roster_import_bench [--smoke] [--repeats R]
//
// Sizes: 10,000 and 100,000 rows (--smoke: 1,000). Each case runs in a child
// process of its own (this program again, with a mode argument), which
// reports its times and its own peak resident size (VmHWM).
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "config/core/roster_import.h"
#include "shared/core/file_system.h"
#include "unit/config/zip_builder.h"  // the unit tests' zip archives

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

const char* const kSurnames[] = {"王", "李", "张", "刘", "陈", "杨", "黄", "赵", "吴", "周", "徐", "孙", "马", "朱", "胡"};
const char* const kGiven[] = {"伟", "芳", "娜", "敏", "静", "丽", "强", "磊", "军", "洋", "勇", "艳", "杰", "涛", "明", "超"};

// Distinct names: three characters, then a number once those run out.
std::string NameOf(size_t i) {
  std::string name = std::string(kSurnames[i % 15]) + kGiven[(i / 15) % 16] + kGiven[(i / 240) % 16];
  return i < 3840 ? name : name + std::to_string(i / 3840);
}

// The peak resident size of this process image in MiB: VmHWM, which (unlike
// ru_maxrss) starts afresh at exec, so the parent's memory does not count.
double PeakMiB() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line))
    if (line.rfind("VmHWM:", 0) == 0) return std::strtod(line.c_str() + 6, nullptr) / 1024.0;
  return 0;
}

std::string Workbook(const std::string& sheetData, const std::string& sharedStrings) {
  return ravelo::testing::MakeZip({
      {"[Content_Types].xml", "<Types/>"},
      {"_rels/.rels",
       R"(<Relationships><Relationship Id="rId1" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument" Target="xl/workbook.xml"/></Relationships>)"},
      {"xl/workbook.xml", R"(<workbook><sheets><sheet name="Sheet1" sheetId="1" r:id="rId1"/></sheets></workbook>)"},
      {"xl/_rels/workbook.xml.rels",
       R"(<Relationships><Relationship Id="rId1" Type="x/worksheet" Target="worksheets/sheet1.xml"/>)"
       R"(<Relationship Id="rId2" Type="x/sharedStrings" Target="sharedStrings.xml"/></Relationships>)"},
      {"xl/worksheets/sheet1.xml", R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>)"
                                   R"(<worksheet xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main"><sheetData>)" +
                                       sheetData + "</sheetData></worksheet>"},
      {"xl/sharedStrings.xml", "<sst>" + sharedStrings + "</sst>"},
  });
}

// Shared strings: the five headers, 男, 女, the class, then each name once.
std::string RosterXlsx(size_t rows) {
  std::string shared = "<si><t>学号</t></si><si><t>姓名</t></si><si><t>性别</t></si><si><t>班级</t></si>"
                       "<si><t>电话</t></si><si><t>男</t></si><si><t>女</t></si><si><t>初一(3)班</t></si>";
  std::string data = R"(<row r="1"><c r="A1" t="s"><v>0</v></c><c r="B1" t="s"><v>1</v></c><c r="C1" t="s"><v>2</v></c>)"
                     R"(<c r="D1" t="s"><v>3</v></c><c r="E1" t="s"><v>4</v></c></row>)";
  for (size_t i = 0; i < rows; ++i) {
    const std::string r = std::to_string(i + 2);
    shared += "<si><t>" + NameOf(i) + "</t></si>";
    data += "<row r=\"" + r + "\"><c r=\"A" + r + "\"><v>" + std::to_string(2023000000 + i) + "</v></c><c r=\"B" + r +
            "\" t=\"s\"><v>" + std::to_string(8 + i) + "</v></c><c r=\"C" + r + "\" t=\"s\"><v>" + (i % 2 ? "6" : "5") +
            "</v></c><c r=\"D" + r + "\" t=\"s\"><v>7</v></c><c r=\"E" + r + "\"><v>" + std::to_string(13800000000 + i) +
            "</v></c></row>";
  }
  return Workbook(data, shared);
}

std::string RosterCsv(size_t rows) {
  std::string csv = "\xEF\xBB\xBF学号,姓名,性别,班级,电话\r\n";
  for (size_t i = 0; i < rows; ++i)
    csv += std::to_string(2023000000 + i) + "," + NameOf(i) + "," + (i % 2 ? "女" : "男") + ",初一(3)班," +
           std::to_string(13800000000 + i) + "\r\n";
  return csv;
}

std::string EmptyRowsXlsx(size_t rows) {
  std::string data;
  for (size_t i = 0; i < rows; ++i) data += "<row r=\"" + std::to_string(i + 1) + "\"/>";
  data += "<row><c t=\"s\"><v>0</v></c></row>";
  return Workbook(data, "<si><t>姓名</t></si>");
}

// The child: imports the file `repeats` times; prints the fastest and the
// median in milliseconds and the names found.
int Child(const fs::path& file, int repeats) {
  std::vector<double> times;
  size_t found = 0;
  for (int i = 0; i < repeats; ++i) {
    const auto start = Clock::now();
    auto bytes = ravelo::ReadWholeFile(ravelo::FilePath(file));
    if (!bytes) return 2;
    ravelo::RosterSource source;
    const ravelo::RosterProblem problem = source.OpenFile(std::move(*bytes));
    if (problem != ravelo::RosterProblem::kNone && problem != ravelo::RosterProblem::kNoNames) return 3;
    const ravelo::NamesColumn where = ravelo::FindNamesColumn(source.Table());
    for (const std::uint32_t column : ravelo::UsedColumns(source.Table()))
      static_cast<void>(ravelo::ColumnLabel(source.Table(), column, where));
    const ravelo::RosterNames names = ravelo::NamesInColumn(source.Table(), where, true);
    found = names.names.size();
    times.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
  }
  std::sort(times.begin(), times.end());
  std::printf("%.1f %.1f %zu %.1f\n", times.front(), times[times.size() / 2], found, PeakMiB());
  return 0;
}

struct Result {
  double fastest = 0, median = 0, peakMiB = 0;
  size_t names = 0;
  bool ok = false;
};

Result RunChild(const char* self, const fs::path& file, int repeats) {
  int out[2];
  if (pipe(out) != 0) return {};
  const pid_t pid = fork();
  if (pid == 0) {
    dup2(out[1], STDOUT_FILENO);
    close(out[0]);
    execl(self, self, "--child", file.c_str(), std::to_string(repeats).c_str(), static_cast<char*>(nullptr));
    _exit(127);
  }
  close(out[1]);
  char buffer[256] = {};
  const ssize_t got = read(out[0], buffer, sizeof buffer - 1);
  close(out[0]);
  int status = 0;
  waitpid(pid, &status, 0);
  Result result;
  result.ok = got > 0 && WIFEXITED(status) && WEXITSTATUS(status) == 0 &&
              std::sscanf(buffer, "%lf %lf %zu %lf", &result.fastest, &result.median, &result.names, &result.peakMiB) == 4;
  return result;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 4 && std::strcmp(argv[1], "--child") == 0) return Child(argv[2], std::atoi(argv[3]));
  bool smoke = false;
  int repeats = 5;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--smoke") == 0) smoke = true;
    else if (std::strcmp(argv[i], "--repeats") == 0 && i + 1 < argc) repeats = std::max(1, std::atoi(argv[++i]));
  }
  const fs::path folder = fs::temp_directory_path() / ("ravelo-roster-bench-" + std::to_string(getpid()));
  fs::create_directories(folder);
  struct Case {
    std::string label;
    std::string file;
    std::string bytes;
    const char* target;
  };
  std::vector<Case> cases;
  const std::vector<size_t> sizes = smoke ? std::vector<size_t>{1000} : std::vector<size_t>{10000, 100000};
  for (const size_t rows : sizes) {
    const char* target = rows <= 10000 ? "target 300 ms" : "target 2 s, 64 MiB";
    cases.push_back({std::to_string(rows) + " rows x 5 .xlsx", "r" + std::to_string(rows) + ".xlsx", RosterXlsx(rows), target});
    cases.push_back({std::to_string(rows) + " rows x 5 .csv", "r" + std::to_string(rows) + ".csv", RosterCsv(rows), target});
  }
  cases.push_back({std::string(smoke ? "10,000" : "1,000,000") + " empty rows .xlsx", "empty.xlsx",
                   EmptyRowsXlsx(smoke ? 10000 : 1000000), "hostile"});
  std::printf("%-28s %10s %10s %10s %9s %8s  %s\n", "import to the preview", "file KiB", "fastest", "median",
              "peak MiB", "names", "");
  int failures = 0;
  for (const Case& c : cases) {
    const fs::path file = folder / c.file;
    std::ofstream(file, std::ios::binary) << c.bytes;
    const Result r = RunChild(argv[0], file, repeats);
    if (!r.ok) {
      std::printf("%-28s failed\n", c.label.c_str());
      ++failures;
      continue;
    }
    std::printf("%-28s %10.0f %8.1f ms %7.1f ms %9.1f %8zu  %s\n", c.label.c_str(), static_cast<double>(c.bytes.size()) / 1024.0,
                r.fastest, r.median, r.peakMiB, r.names, c.target);
  }
  fs::remove_all(folder);
  return failures ? 1 : 0;
}
