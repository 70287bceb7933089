#include "draw/core/drawn_state.h"

#include <charconv>
#include <unordered_map>

#include "shared/core/encoding.h"

namespace ravelo::draw {
namespace {

constexpr std::string_view kHeader = "Ravelo drawn names ";
constexpr std::string_view kLineEnd = "\r\n";

// Appends the name as UTF-8 straight to the text (a lone surrogate as
// U+FFFD, as Utf16ToUtf8 has it): no string per name, so that the file of
// 50,000 drawn names is made in a few milliseconds.
void AppendName(std::string& text, std::u16string_view name) {
  for (std::size_t i = 0; i < name.size(); ++i) {
    char32_t c = name[i];
    if (c < 0x80) {
      text += static_cast<char>(c);
      continue;
    }
    if (c >= 0xD800 && c <= 0xDBFF && i + 1 < name.size() && name[i + 1] >= 0xDC00 && name[i + 1] <= 0xDFFF) {
      c = 0x10000 + ((c - 0xD800) << 10) + (name[i + 1] - 0xDC00);
      ++i;
    } else if (c >= 0xD800 && c <= 0xDFFF) {
      c = 0xFFFD;
    }
    if (c < 0x800) {
      text += static_cast<char>(0xC0 | (c >> 6));
    } else {
      if (c < 0x10000) {
        text += static_cast<char>(0xE0 | (c >> 12));
      } else {
        text += static_cast<char>(0xF0 | (c >> 18));
        text += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
      }
      text += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    }
    text += static_cast<char>(0x80 | (c & 0x3F));
  }
}

}  // namespace

std::string DrawnStateDamagedMessage(std::string_view listTitle) {
  return "名单“" + std::string(listTitle) + "”上次不重复抽取的记录无法读取,本轮将从头开始";
}

std::string DrawnStateText(const NameList& names, const DrawPool& pool) {
  const std::vector<std::size_t> drawn = pool.Drawn(names.size());
  std::size_t units = 0;
  for (const std::size_t index : drawn) units += names[index].size() + kLineEnd.size();
  std::string text(kHeader);
  text.reserve(text.size() + 24 + units * 3);
  text += std::to_string(drawn.size());
  text += kLineEnd;
  for (const std::size_t index : drawn) {
    AppendName(text, names[index]);
    text += kLineEnd;
  }
  return text;
}

std::optional<std::vector<std::size_t>> DrawnIndicesFromState(std::string_view bytes, const NameList& names) {
  if (!bytes.starts_with(kHeader) || !IsValidUtf8(bytes)) return std::nullopt;
  bytes.remove_prefix(kHeader.size());
  std::size_t count = 0;
  const auto [countEnd, error] = std::from_chars(bytes.data(), bytes.data() + bytes.size(), count);
  if (error != std::errc() || !std::string_view(countEnd, bytes.data() + bytes.size()).starts_with(kLineEnd))
    return std::nullopt;
  bytes.remove_prefix(static_cast<std::size_t>(countEnd - bytes.data()) + kLineEnd.size());

  // How often each name was drawn.
  std::unordered_map<std::u16string, std::size_t> drawn;
  std::size_t lines = 0;
  while (!bytes.empty()) {
    const std::size_t end = bytes.find(kLineEnd);
    if (end == std::string_view::npos) return std::nullopt;  // cut short
    ++drawn[Utf8ToUtf16(bytes.substr(0, end))];
    ++lines;
    bytes.remove_prefix(end + kLineEnd.size());
  }
  if (lines != count) return std::nullopt;

  std::vector<std::size_t> indices;
  if (drawn.empty()) return indices;
  for (std::size_t i = 0; i < names.size(); ++i) {
    const auto found = drawn.find(std::u16string(names[i]));
    if (found == drawn.end() || found->second == 0) continue;
    --found->second;
    indices.push_back(i);
  }
  return indices;
}

}  // namespace ravelo::draw
