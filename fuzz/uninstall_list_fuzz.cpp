// The uninstall list: any bytes parse without fault into well-formed
// entries, and no file or folder step it plans can leave the base folder.
// Each byte 0x01 (a control character, which no path may hold) stands for
// 4095 letters, so that short inputs reach the 32,767-character line limit.
#include <cstdint>
#include <string>
#include <string_view>

#include "cleaner/core/cleanup_step.h"
#include "cleaner/core/uninstall_list.h"
#include "fuzz_check.h"
#include "shared/core/encoding.h"

using namespace ravelo;
using namespace ravelo::cleaner;

namespace {

constexpr std::string_view kBase = "C:\\Suite\\";

// Every part between backslashes names a real entry of a folder: not empty,
// not made of dots and spaces alone (which Windows reads as "." or "..").
bool PartsStayInPlace(std::string_view relative) {
  for (;;) {
    const size_t slash = relative.find('\\');
    const std::string_view part = relative.substr(0, slash);
    if (part.empty() || part.find_first_not_of(". ") == std::string_view::npos) return false;
    if (slash == std::string_view::npos) return true;
    relative.remove_prefix(slash + 1);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string list;
  for (size_t i = 0; i < size; ++i) {
    if (data[i] == 0x01) {
      list.append(4095, 'a');
    } else {
      list.push_back(static_cast<char>(data[i]));
    }
  }
  const std::string_view bytes(list);
  const auto entries = ParseUninstallList(bytes);
  FUZZ_CHECK(entries.size() <= SplitListLines(bytes).size());
  for (const auto& entry : entries) {
    FUZZ_CHECK(IsValidUtf8(entry.operand));
    FUZZ_CHECK(entry.operand.find_first_of("\r\n") == std::string::npos);
    FUZZ_CHECK(Utf8ToUtf16(entry.operand).size() < kMaxLineLength);

    const auto step = PlanCleanupStep(entry, kBase);
    if (!step || step->kind == EntryKind::RegistryKey) continue;
    FUZZ_CHECK(step->kind == entry.kind);
    FUZZ_CHECK(step->target.starts_with(kBase));
    const std::string_view relative = std::string_view(step->target).substr(kBase.size());
    if (relative.empty()) {
      FUZZ_CHECK(entry.kind == EntryKind::Folder);  // "@" alone: the base folder itself
      continue;
    }
    FUZZ_CHECK(relative.find_first_of(":/<>|\"") == std::string_view::npos);
    FUZZ_CHECK(PartsStayInPlace(relative));
  }
  return 0;
}
