// The uninstall list, filelist.db: ANSI (code page 936) text, one entry per
// line. A line's first character after trimming spaces says what it names:
// "@" a folder, "#" a file or wildcard pattern, "%" a registry key below
// HKEY_LOCAL_MACHINE; every other line is ignored.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ravelo::cleaner {

enum class EntryKind { Folder, File, RegistryKey };

struct UninstallEntry {
  EntryKind kind;
  std::string operand;  // UTF-8, everything after the kind character

  friend bool operator==(const UninstallEntry&, const UninstallEntry&) = default;
};

// The longest line (in UTF-16 units, after trimming) that is still an entry.
inline constexpr std::size_t kMaxLineLength = 32767;

// The lines of text, each without its end. A line ends at CR, CR LF or a lone
// LF; the last line may lack its end. GBK trail bytes never take the values
// of CR or LF, so the raw bytes can be split before decoding.
std::vector<std::string_view> SplitListLines(std::string_view text);

// text without leading and trailing spaces (only U+0020; tabs stay).
std::string_view TrimSpaces(std::string_view text);

// The entry named by one decoded (UTF-8) line, or nothing when the line is
// ignored: empty, of another kind, or longer than kMaxLineLength.
std::optional<UninstallEntry> ParseListLine(std::string_view utf8Line);

// Every entry of the list file's raw bytes, in the order of the lines.
std::vector<UninstallEntry> ParseUninstallList(std::string_view gbkBytes);

}  // namespace ravelo::cleaner
