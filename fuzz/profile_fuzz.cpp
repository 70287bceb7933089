// The profile file. Reading: any file, key and buffer width give valid UTF-8
// without line breaks that fits the buffer. Writing: the value reads back
// as written (cut as the write and read define it), and every other key of
// the file reads as before.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "fuzz_check.h"
#include "shared/core/encoding.h"
#include "shared/core/ini_file.h"

using namespace ravelo;

namespace {

constexpr size_t kWholeValue = 1 << 20;

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\v' || c == '\f'; }

std::string_view Trim(std::string_view s) {
  while (!s.empty() && IsSpace(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsSpace(s.back())) s.remove_suffix(1);
  return s;
}

bool SameName(std::string_view a, std::string_view b) {
  const auto fold = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c; };
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                            [&](char x, char y) { return fold(x) == fold(y); });
}

// A name the file can hold: it survives GBK, has no line break, and cannot
// be taken for a section header or for a key with a value.
bool IsStorableName(std::string_view name, bool section) {
  if (name.find_first_of("\r\n") != std::string_view::npos) return false;
  if (!IsValidUtf8(name) || GbkToUtf8(Utf8ToGbk(name)) != name) return false;
  const std::string_view trimmed = Trim(name);
  if (section) return trimmed.find(']') == std::string_view::npos;
  return !trimmed.empty() && trimmed.front() != '[' && trimmed.find('=') == std::string_view::npos;
}

// What reading returns for a written value: the write drops leading spaces
// and everything from a line break on; the read trims, removes one pair of
// quotes and passes the text through GBK.
std::string ExpectedRead(std::string_view value) {
  while (!value.empty() && IsSpace(value.front())) value.remove_prefix(1);
  value = value.substr(0, value.find_first_of("\r\n"));
  value = Trim(value);
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
    value = value.substr(1, value.size() - 2);
  return GbkToUtf8(Utf8ToGbk(value));
}

// The section and key names the file's lines mention (more or less; extra
// pairs that are not in the file simply read empty before and after).
std::vector<std::pair<std::string, std::string>> NamesIn(std::string_view fileBytes) {
  std::string text;
  if (fileBytes.starts_with("\xEF\xBB\xBF")) {
    text = fileBytes.substr(3);
  } else if (fileBytes.starts_with("\xFF\xFE") || fileBytes.starts_with("\xFE\xFF")) {
    text = Utf16ToUtf8(Utf16FromBytes(fileBytes.substr(2, (fileBytes.size() - 2) & ~size_t{1}), fileBytes[0] == '\xFE'));
  } else {
    text = GbkToUtf8(fileBytes);
  }
  std::vector<std::string> sections{""};
  std::vector<std::string> keys;
  size_t start = 0;
  while (start <= text.size() && sections.size() < 16 && keys.size() < 32) {
    const size_t end = std::min(text.find_first_of("\r\n", start), text.size());
    const std::string_view line = Trim(std::string_view(text).substr(start, end - start));
    const size_t close = line.rfind(']');
    if (line.starts_with('[') && close != std::string_view::npos && close > 0) {
      sections.emplace_back(Trim(line.substr(1, close - 1)));
    } else if (!line.empty()) {
      keys.emplace_back(Trim(line.substr(0, line.find('='))));
    }
    start = end + 1;
  }
  std::vector<std::pair<std::string, std::string>> pairs;
  for (const auto& section : sections) {
    for (const auto& key : keys) pairs.emplace_back(section, key);
  }
  return pairs;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider input(data, size);
  const size_t bufferBytes = input.ConsumeIntegralInRange<size_t>(0, 300);
  const std::string section = input.ConsumeRandomLengthString(40);
  const std::string key = input.ConsumeRandomLengthString(40);
  const std::string value = input.ConsumeRandomLengthString(200);
  const std::string file = input.ConsumeRemainingBytesAsString();

  const ProfileReader before = ProfileReader::FromBytes(file);
  const std::string read = before.Read(section, key, bufferBytes);
  FUZZ_CHECK(IsValidUtf8(read));
  FUZZ_CHECK(read.find_first_of("\r\n") == std::string::npos);
  FUZZ_CHECK(Utf8ToGbk(read).size() + 1 <= std::max<size_t>(bufferBytes, 1));

  if (!IsStorableName(section, true) || !IsStorableName(key, false)) return 0;
  const std::string written = ApplyProfileWrite(file, section, key, value);
  const ProfileReader after = ProfileReader::FromBytes(written);
  FUZZ_CHECK(after.Read(section, key, kWholeValue) == ExpectedRead(value));
  for (const auto& [otherSection, otherKey] : NamesIn(file)) {
    if (SameName(Trim(otherSection), Trim(section)) && SameName(Trim(otherKey), Trim(key))) continue;
    FUZZ_CHECK(after.Read(otherSection, otherKey, kWholeValue) == before.Read(otherSection, otherKey, kWholeValue));
  }
  // A second write of the same value changes nothing more.
  FUZZ_CHECK(ApplyProfileWrite(written, section, key, value) == written);
  return 0;
}
