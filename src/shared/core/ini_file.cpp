#include "shared/core/ini_file.h"

#include <new>
#include <stdexcept>

#include "shared/core/encoding.h"
#include "shared/core/file_system.h"

namespace ravelo {
namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LeBom = "\xFF\xFE";
constexpr std::string_view kUtf16BeBom = "\xFE\xFF";

enum class FileEncoding { Gbk, Utf8, Utf16Le, Utf16Be };

// Spaces around names and values. The line-break characters only occur
// inside a line as a lone CR in the middle of a LF file, which splits there.
bool IsProfileSpace(char c) { return c == ' ' || c == '\t' || c == '\v' || c == '\f'; }

std::string_view TrimLeft(std::string_view s) {
  while (!s.empty() && IsProfileSpace(s.front())) s.remove_prefix(1);
  return s;
}

std::string_view TrimRight(std::string_view s) {
  while (!s.empty() && IsProfileSpace(s.back())) s.remove_suffix(1);
  return s;
}

std::string_view Trim(std::string_view s) { return TrimRight(TrimLeft(s)); }

char FoldCase(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

// Names are UTF-8 here, so folding ASCII letters never touches a byte of a
// Chinese character (in GBK a trail byte can look like a letter).
bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (FoldCase(a[i]) != FoldCase(b[i])) return false;
  }
  return true;
}

enum class LineKind { Blank, Section, Key };

struct ParsedLine {
  LineKind kind = LineKind::Blank;
  std::string_view name;   // section or key name, trimmed
  std::string_view value;  // trimmed; only for a key line with '='
  bool hasValue = false;
};

// A line (UTF-8, without its line end) as the profile functions see it: a
// section header "[name]" (text after the last ']' ignored), a key line
// "name=value", or any other text, which is a key without a value (comments
// included: they can never be read, but they stay in the file).
ParsedLine ParseLine(std::string_view line) {
  ParsedLine parsed;
  const std::string_view trimmed = Trim(line);
  if (trimmed.empty()) return parsed;
  if (trimmed.front() == '[') {
    const size_t close = trimmed.rfind(']');
    if (close != std::string_view::npos && close > 0) {
      parsed.kind = LineKind::Section;
      parsed.name = Trim(trimmed.substr(1, close - 1));
      return parsed;
    }
  }
  parsed.kind = LineKind::Key;
  const size_t equals = trimmed.find('=');
  if (equals == std::string_view::npos) {
    parsed.name = trimmed;
  } else {
    parsed.name = TrimRight(trimmed.substr(0, equals));
    parsed.value = TrimLeft(trimmed.substr(equals + 1));
    parsed.hasValue = true;
  }
  return parsed;
}

// A profile file split into lines, each kept in the file's own bytes (so
// lines that a write does not touch stay byte for byte) and as UTF-8 text.
struct ProfileLines {
  // GBK, or what the byte order mark at the start says.
  FileEncoding encoding = FileEncoding::Gbk;
  // Lines without line ends: in GBK for a GBK file, otherwise in UTF-8
  // (converted back to UTF-16 when a UTF-16 file is stored).
  std::vector<std::string> raw;
  std::vector<std::string> text; // the same lines in UTF-8

  std::string Encode(std::string_view utf8Text) const {
    return encoding == FileEncoding::Gbk ? Utf8ToGbk(utf8Text) : std::string(utf8Text);
  }
};

// Splits at CR LF, LF or a lone CR. None of them occurs inside a GBK
// character (trail bytes start at 0x40), so the raw and the decoded text
// split into the same lines.
std::vector<std::string> SplitLines(std::string_view bytes) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < bytes.size()) {
    const size_t end = bytes.find_first_of("\r\n", start);
    if (end == std::string_view::npos) {
      lines.emplace_back(bytes.substr(start));
      break;
    }
    lines.emplace_back(bytes.substr(start, end - start));
    start = end + ((bytes[end] == '\r' && end + 1 < bytes.size() && bytes[end + 1] == '\n') ? 2 : 1);
  }
  return lines;
}

// UTF-16 text of either byte order as UTF-8; an odd last byte is dropped.
std::string Utf16BytesToUtf8(std::string_view bytes, bool bigEndian) {
  return Utf16ToUtf8(Utf16FromBytes(bytes.substr(0, bytes.size() & ~size_t{1}), bigEndian));
}

std::string Utf8ToUtf16Bytes(std::string_view utf8, bool bigEndian) { return Utf16ToBytes(Utf8ToUtf16(utf8), bigEndian); }

ProfileLines SplitFile(std::string_view bytes) {
  ProfileLines file;
  std::string decoded;  // the text of a UTF-16 file
  if (bytes.substr(0, kUtf8Bom.size()) == kUtf8Bom) {
    file.encoding = FileEncoding::Utf8;
    bytes.remove_prefix(kUtf8Bom.size());
  } else if (bytes.substr(0, 2) == kUtf16LeBom || bytes.substr(0, 2) == kUtf16BeBom) {
    // Notepad's "Unicode" files: the platform reads and keeps them as UTF-16.
    file.encoding = bytes.substr(0, 2) == kUtf16LeBom ? FileEncoding::Utf16Le : FileEncoding::Utf16Be;
    decoded = Utf16BytesToUtf8(bytes.substr(2), file.encoding == FileEncoding::Utf16Be);
    bytes = decoded;
  }
  file.raw = SplitLines(bytes);
  file.text = file.encoding == FileEncoding::Gbk ? SplitLines(GbkToUtf8(bytes)) : file.raw;
  if (file.text.size() != file.raw.size()) file.text.resize(file.raw.size());  // defensive; never expected
  return file;
}

bool StartsWithByteOrderMark(std::string_view bytes) {
  return bytes.starts_with(kUtf8Bom) || bytes.starts_with(kUtf16LeBom) || bytes.starts_with(kUtf16BeBom);
}

std::string JoinFile(const ProfileLines& file) {
  size_t size = file.encoding == FileEncoding::Utf8 ? kUtf8Bom.size() : 0;
  for (const auto& line : file.raw) size += line.size() + 2;
  std::string bytes;
  bytes.reserve(size + 2);
  if (file.encoding == FileEncoding::Utf8) bytes.append(kUtf8Bom);
  // A GBK file whose first bytes spell a byte order mark (the key "锘靠"
  // starts with EF BB BF) would read back as UTF-8 or UTF-16 next time; an
  // empty first line keeps it GBK and reads as nothing.
  if (file.encoding == FileEncoding::Gbk && !file.raw.empty() && StartsWithByteOrderMark(file.raw.front()))
    bytes.append("\r\n");
  for (const auto& line : file.raw) {
    bytes.append(line);
    bytes.append("\r\n");
  }
  switch (file.encoding) {
    case FileEncoding::Utf16Le: return std::string(kUtf16LeBom) + Utf8ToUtf16Bytes(bytes, false);
    case FileEncoding::Utf16Be: return std::string(kUtf16BeBom) + Utf8ToUtf16Bytes(bytes, true);
    default: return bytes;
  }
}

bool HasLineBreak(std::string_view s) { return s.find_first_of("\r\n") != std::string_view::npos; }

// What the platform writes for a value: leading spaces dropped (trailing
// ones kept: writers pad fixed-width fields), and nothing after a line
// break, which could otherwise inject lines into the file.
std::string_view WrittenValue(std::string_view value) {
  value = TrimLeft(value);
  const size_t lineBreak = value.find_first_of("\r\n");
  return lineBreak == std::string_view::npos ? value : value.substr(0, lineBreak);
}

void SetValue(ProfileLines& file, std::string_view section, std::string_view key, std::string_view valueUtf8) {
  const std::string_view wantedSection = Trim(section);
  const std::string_view wantedKey = Trim(key);
  const std::string_view value = WrittenValue(valueUtf8);

  // Locate the first section of that name; the lines before the first header
  // form the nameless section.
  bool inSection = wantedSection.empty();
  bool sectionFound = inSection;
  size_t insertAt = 0;  // after the section's last non-blank line
  for (size_t i = 0; i < file.text.size(); ++i) {
    const ParsedLine line = ParseLine(file.text[i]);
    if (line.kind == LineKind::Section) {
      if (inSection) break;  // the end of the wanted section
      if (!sectionFound && SameName(line.name, wantedSection)) {
        inSection = sectionFound = true;
        insertAt = i + 1;
      }
      continue;
    }
    if (!inSection || line.kind == LineKind::Blank) continue;
    if (SameName(line.name, wantedKey)) {
      // Replace the value; the key keeps its spelling from the file.
      const std::string text = std::string(line.name) + "=" + std::string(value);
      file.raw[i] = file.Encode(text);
      file.text[i] = text;
      return;
    }
    insertAt = i + 1;
  }

  const std::string keyLine = std::string(wantedKey) + "=" + std::string(value);
  std::vector<std::string> added;
  if (!sectionFound) {
    insertAt = file.text.size();
    std::string header(1, '[');
    header.append(wantedSection).push_back(']');
    added.push_back(std::move(header));
  }
  added.push_back(keyLine);
  for (const auto& text : added) {
    file.raw.insert(file.raw.begin() + static_cast<std::ptrdiff_t>(insertAt), file.Encode(text));
    file.text.insert(file.text.begin() + static_cast<std::ptrdiff_t>(insertAt), text);
    ++insertAt;
  }
}

}  // namespace

ProfileReader ProfileReader::Open(const FilePath& file) {
  ProfileReader reader;
  if (!IsExistingFile(file)) return reader;
  try {
    if (const auto bytes = ReadWholeFile(file)) reader = FromBytes(*bytes);
  } catch (const std::bad_alloc&) {
    reader = ProfileReader{};  // a file too large to hold reads like an unreadable one
  } catch (const std::length_error&) {
    reader = ProfileReader{};
  }
  reader.exists_ = true;
  return reader;
}

ProfileReader ProfileReader::FromBytes(std::string_view fileBytes) {
  ProfileReader reader;
  reader.exists_ = true;
  reader.sections_.push_back(Section{});
  const ProfileLines file = SplitFile(fileBytes);
  for (const auto& text : file.text) {
    const ParsedLine line = ParseLine(text);
    if (line.kind == LineKind::Section) {
      reader.sections_.push_back(Section{std::string(line.name), {}});
    } else if (line.kind == LineKind::Key) {
      reader.sections_.back().keys.push_back(Key{std::string(line.name), std::string(line.value), line.hasValue});
    }
  }
  return reader;
}

std::string ProfileReader::Read(std::string_view section, std::string_view key, size_t bufferBytes) const {
  if (bufferBytes < 2) return {};
  section = Trim(section);
  key = Trim(key);
  for (const auto& s : sections_) {
    if (!SameName(s.name, section)) continue;
    // Only the first section of a name counts: a repeated one is hidden.
    for (const auto& k : s.keys) {
      if (!SameName(k.name, key)) continue;
      if (!k.hasValue) return {};
      std::string_view value = k.value;
      if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front()) {
        value = value.substr(1, value.size() - 2);
      }
      // The buffer holds bufferBytes - 1 bytes of the ANSI (GBK) text; the
      // cut never splits a double-byte character.
      std::string gbk = Utf8ToGbk(value);
      gbk.resize(GbkPrefixLength(gbk, bufferBytes - 1));
      return GbkToUtf8(gbk);
    }
    return {};
  }
  return {};
}

std::string ApplyProfileWrite(std::string_view fileBytes, std::string_view section, std::string_view key,
                              std::string_view valueUtf8) {
  if (HasLineBreak(section) || HasLineBreak(key)) return std::string(fileBytes);
  ProfileLines file = SplitFile(fileBytes);
  SetValue(file, section, key, valueUtf8);
  return JoinFile(file);
}

bool WriteProfileValues(const FilePath& file, std::span<const ProfileWrite> writes) {
  for (const auto& write : writes) {
    if (HasLineBreak(write.section) || HasLineBreak(write.key)) return false;
  }
  try {
    std::string bytes;
    if (IsExistingFile(file)) {
      auto existing = ReadWholeFile(file);
      if (!existing) return false;  // never replace a file whose content could not be kept
      bytes = std::move(*existing);
    }
    ProfileLines lines = SplitFile(bytes);
    for (const auto& write : writes) SetValue(lines, write.section, write.key, write.valueUtf8);
    return WriteFileAtomically(file, JoinFile(lines));
  } catch (const std::bad_alloc&) {
    return false;  // a file too large to hold: the write fails and the file stays
  } catch (const std::length_error&) {
    return false;
  }
}

bool WriteProfileValue(const FilePath& file, std::string_view section, std::string_view key,
                        std::string_view valueUtf8) {
  const ProfileWrite write{section, key, valueUtf8};
  return WriteProfileValues(file, std::span<const ProfileWrite>(&write, 1));
}

}  // namespace ravelo
