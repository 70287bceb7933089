#include "shared/core/delimited_text.h"

#include <array>

#include "shared/core/encoding.h"

namespace ravelo {

std::u16string DecodeTextFile(std::string_view bytes) {
  if (bytes.starts_with("\xEF\xBB\xBF")) return Utf8ToUtf16(bytes.substr(3));
  if (bytes.starts_with("\xFF\xFE")) return Utf16FromBytes(bytes.substr(2), false);
  if (bytes.starts_with("\xFE\xFF")) return Utf16FromBytes(bytes.substr(2), true);
  return IsValidUtf8(bytes) ? Utf8ToUtf16(bytes) : GbkToUtf16(bytes);
}

char16_t DetectDelimiter(std::u16string_view text) {
  constexpr std::array<char16_t, 3> kCandidates{u'\t', u',', u';'};
  constexpr int kLinesLooked = 50;
  std::array<int, 3> linesWith{};
  std::array<bool, 3> onLine{};
  bool quoted = false;
  int lines = 0;
  for (size_t i = 0; i < text.size() && lines < kLinesLooked; ++i) {
    const char16_t c = text[i];
    if (c == u'"') {
      quoted = !quoted;
    } else if (!quoted && (c == u'\r' || c == u'\n')) {
      for (size_t k = 0; k < kCandidates.size(); ++k) linesWith[k] += onLine[k] ? 1 : 0;
      onLine = {};
      ++lines;
    } else if (!quoted) {
      for (size_t k = 0; k < kCandidates.size(); ++k) onLine[k] = onLine[k] || c == kCandidates[k];
    }
  }
  for (size_t k = 0; k < kCandidates.size(); ++k) linesWith[k] += onLine[k] ? 1 : 0;
  size_t best = 1;  // the comma when nothing is found
  int bestLines = 0;
  for (size_t k = 0; k < kCandidates.size(); ++k) {
    if (linesWith[k] > bestLines) {
      best = k;
      bestLines = linesWith[k];
    }
  }
  return kCandidates[best];
}

bool ReadDelimitedText(std::u16string_view text, char16_t delimiter, CellTable& table) {
  std::u16string field;
  std::uint32_t column = 0;
  size_t i = 0;
  const size_t n = text.size();
  auto endField = [&] {
    const bool added = table.AddCell(column, field);
    field.clear();
    ++column;
    return added;
  };
  while (i < n) {
    // One field, starting at i.
    if (text[i] == u'"') {
      ++i;
      while (i < n) {
        if (text[i] == u'"') {
          if (i + 1 < n && text[i + 1] == u'"') {
            field.push_back(u'"');
            i += 2;
            continue;
          }
          ++i;
          break;
        }
        field.push_back(text[i++]);
      }
    }
    // Unquoted text, or whatever follows a closing quote, up to the field's end.
    while (i < n && text[i] != delimiter && text[i] != u'\r' && text[i] != u'\n') field.push_back(text[i++]);
    if (!endField()) return false;
    if (i >= n) break;
    if (text[i] == delimiter) {
      ++i;
      continue;
    }
    // A line end: CR LF counts once.
    if (text[i] == u'\r' && i + 1 < n && text[i + 1] == u'\n') ++i;
    ++i;
    table.EndRow();
    column = 0;
  }
  table.EndRow();
  return true;
}

std::string CsvField(std::string_view utf8) {
  const bool quote = utf8.find_first_of(",\"\r\n") != std::string_view::npos ||
                     (!utf8.empty() && (utf8.front() == ' ' || utf8.back() == ' '));
  if (!quote) return std::string(utf8);
  std::string out = "\"";
  for (const char c : utf8) {
    if (c == '"') out.push_back('"');
    out.push_back(c);
  }
  out.push_back('"');
  return out;
}

std::string CsvLine(const std::vector<std::string_view>& fields) {
  std::string line;
  bool first = true;
  for (const std::string_view field : fields) {
    if (!first) line.push_back(',');
    first = false;
    line += CsvField(field);
  }
  line += "\r\n";
  return line;
}

}  // namespace ravelo
