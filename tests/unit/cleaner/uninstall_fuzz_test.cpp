// Random uninstall lists, from a fixed seed: parsing never crashes, and no
// planned file or folder step ever leaves the base folder.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "cleaner/core/cleanup_step.h"
#include "cleaner/core/uninstall_list.h"
#include "shared/core/encoding.h"

namespace ravelo::cleaner {
namespace {

constexpr std::string_view kBase = "C:\\Suite\\";

class ListBytes {
 public:
  explicit ListBytes(unsigned seed) : random_(seed) {}

  std::string List(size_t maxLength) {
    std::string bytes;
    const size_t length = Pick(maxLength + 1);
    while (bytes.size() < length) {
      switch (Pick(8)) {
        case 0: bytes += "\r\n"; break;
        case 1: bytes.push_back(Pick(2) == 0 ? '\r' : '\n'); break;
        case 2: bytes += "..\\"; break;
        case 3: bytes.push_back("@#%"[Pick(3)]); break;
        default: bytes.push_back(Byte()); break;
      }
    }
    return bytes;
  }

  size_t Pick(size_t n) { return std::uniform_int_distribution<size_t>(0, n - 1)(random_); }

 private:
  // Bytes that matter to paths: separators, dots, blanks, colons,
  // wildcards, GBK lead bytes and the trail byte 0x5C, NUL.
  char Byte() {
    static constexpr std::string_view kSpecial = "\\/. :*?<>\"|\t\0cCoOnNuUlL\x81\x5C\xFE\x80\xA1";
    if (Pick(2) == 0) return kSpecial[Pick(kSpecial.size())];
    return static_cast<char>(Pick(256));
  }

  std::mt19937 random_;
};

std::vector<std::string_view> PartsOf(std::string_view path) {
  std::vector<std::string_view> parts;
  for (;;) {
    const size_t slash = path.find('\\');
    parts.push_back(path.substr(0, slash));
    if (slash == std::string_view::npos) return parts;
    path.remove_prefix(slash + 1);
  }
}

TEST(UninstallListFuzz, RandomListsGiveWellFormedEntriesAndStepsInsideTheBaseFolder) {
  ListBytes random(5150);
  size_t plannedPaths = 0;
  for (int round = 0; round < 1500; ++round) {
    const std::string list = random.List(400);
    const auto entries = ParseUninstallList(list);
    ASSERT_LE(entries.size(), SplitListLines(list).size());
    for (const auto& entry : entries) {
      ASSERT_TRUE(IsValidUtf8(entry.operand)) << "round " << round;
      ASSERT_EQ(entry.operand.find_first_of("\r\n"), std::string::npos) << "round " << round;
      const auto step = PlanCleanupStep(entry, kBase);
      if (!step || step->kind == EntryKind::RegistryKey) continue;
      ++plannedPaths;
      ASSERT_EQ(step->target.substr(0, kBase.size()), kBase) << "round " << round;
      const std::string_view relative = std::string_view(step->target).substr(kBase.size());
      if (relative.empty()) continue;  // "@" alone: the base folder itself
      ASSERT_EQ(relative.find_first_of(":/<>|\""), std::string_view::npos) << step->target;
      for (const auto part : PartsOf(relative)) {
        ASSERT_NE(part.find_first_not_of(". "), std::string_view::npos) << step->target;
      }
    }
  }
  EXPECT_GT(plannedPaths, 100u);  // the lists did reach the path checks
}

}  // namespace
}  // namespace ravelo::cleaner
