#include "cleaner/core/uninstall_list.h"

#include <utility>

#include "shared/core/encoding.h"

namespace ravelo::cleaner {

std::vector<std::string_view> SplitListLines(std::string_view text) {
  std::vector<std::string_view> lines;
  std::size_t start = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c != '\r' && c != '\n') continue;
    lines.push_back(text.substr(start, i - start));
    if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    start = i + 1;
  }
  if (start < text.size()) lines.push_back(text.substr(start));
  return lines;
}

std::string_view TrimSpaces(std::string_view text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(' ');
  return text.substr(first, last - first + 1);
}

namespace {

// The length of (valid, decoded) UTF-8 text in UTF-16 units: characters
// outside the basic plane, four-byte sequences, take two.
std::size_t Utf16Length(std::string_view utf8) {
  std::size_t units = 0;
  for (const char c : utf8) {
    const auto byte = static_cast<unsigned char>(c);
    if ((byte & 0xC0) == 0x80) continue;  // continuation byte
    units += byte >= 0xF0 ? 2u : 1u;
  }
  return units;
}

std::optional<EntryKind> KindOf(char first) {
  switch (first) {
    case '@': return EntryKind::Folder;
    case '#': return EntryKind::File;
    case '%': return EntryKind::RegistryKey;
    default: return std::nullopt;
  }
}

}  // namespace

std::optional<UninstallEntry> ParseListLine(std::string_view utf8Line) {
  const auto line = TrimSpaces(utf8Line);
  if (line.empty() || Utf16Length(line) > kMaxLineLength) return std::nullopt;
  const auto kind = KindOf(line.front());
  if (!kind) return std::nullopt;
  return UninstallEntry{*kind, std::string(line.substr(1))};
}

std::vector<UninstallEntry> ParseUninstallList(std::string_view gbkBytes) {
  std::vector<UninstallEntry> entries;
  for (const auto raw : SplitListLines(gbkBytes)) {
    if (auto entry = ParseListLine(GbkToUtf8(raw))) entries.push_back(std::move(*entry));
  }
  return entries;
}

}  // namespace ravelo::cleaner
