#include "cleaner/core/cleanup_step.h"

#include <algorithm>

namespace ravelo::cleaner {

namespace {

bool IsForbiddenCharacter(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return byte < 0x20 || c == ':' || c == '<' || c == '>' || c == '"' || c == '|';
}

bool IsWildcard(char c) { return c == '*' || c == '?'; }

bool IsOnlyDotsAndSpaces(std::string_view part) {
  return part.find_first_not_of(". ") == std::string_view::npos;
}

char FoldAscii(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

bool SameAsciiName(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return FoldAscii(x) == FoldAscii(y);
         });
}

// Windows takes a path part named after a DOS device (CON, NUL, COM1,
// "nul.txt", "CON .log") for that device, whatever folder it stands in.
bool IsDeviceName(std::string_view part) {
  std::string_view stem = part.substr(0, part.find('.'));
  while (!stem.empty() && stem.back() == ' ') stem.remove_suffix(1);
  for (const std::string_view device : {"CON", "PRN", "AUX", "NUL", "CONIN$", "CONOUT$"}) {
    if (SameAsciiName(stem, device)) return true;
  }
  // COM0..COM9 and LPT0..LPT9, also with a superscript digit 1, 2 or 3.
  for (const std::string_view port : {"COM", "LPT"}) {
    if (stem.size() < 4 || !SameAsciiName(stem.substr(0, 3), port)) continue;
    const std::string_view number = stem.substr(3);
    if (number.size() == 1 && number[0] >= '0' && number[0] <= '9') return true;
    if (number == "\xC2\xB9" || number == "\xC2\xB2" || number == "\xC2\xB3") return true;
  }
  return false;
}

bool IsAcceptablePart(std::string_view part, bool wildcardsAllowed) {
  if (part.empty() || IsOnlyDotsAndSpaces(part) || IsDeviceName(part)) return false;
  return wildcardsAllowed || std::none_of(part.begin(), part.end(), IsWildcard);
}

}  // namespace

std::optional<std::string> RelativeEntryPath(std::string_view operand, EntryKind kind) {
  if (kind == EntryKind::RegistryKey) return std::nullopt;
  std::string path(operand);
  std::replace(path.begin(), path.end(), '/', '\\');
  if (kind == EntryKind::Folder) {
    if (path.size() > 1 && path.back() == '\\') path.pop_back();
    if (path.empty()) return path;
  }
  if (path.empty() || path.front() == '\\') return std::nullopt;
  if (std::any_of(path.begin(), path.end(), IsForbiddenCharacter)) return std::nullopt;

  std::string_view rest(path);
  for (;;) {
    const auto slash = rest.find('\\');
    const bool last = slash == std::string_view::npos;
    if (!IsAcceptablePart(rest.substr(0, slash), last && kind == EntryKind::File)) return std::nullopt;
    if (last) break;
    rest.remove_prefix(slash + 1);
  }
  return path;
}

bool HasWildcards(std::string_view path) {
  const auto slash = path.rfind('\\');
  const auto last = slash == std::string_view::npos ? path : path.substr(slash + 1);
  return std::any_of(last.begin(), last.end(), IsWildcard);
}

std::optional<CleanupStep> PlanCleanupStep(const UninstallEntry& entry, std::string_view baseFolder) {
  if (entry.kind == EntryKind::RegistryKey) {
    // An empty key path would name HKEY_LOCAL_MACHINE itself; a NUL would
    // cut the path short at the API.
    if (entry.operand.empty() || entry.operand.find('\0') != std::string::npos) return std::nullopt;
    return CleanupStep{entry.kind, entry.operand};
  }
  if (baseFolder.empty()) return std::nullopt;
  auto relative = RelativeEntryPath(entry.operand, entry.kind);
  if (!relative) return std::nullopt;
  return CleanupStep{entry.kind, std::string(baseFolder) + *relative};
}

}  // namespace ravelo::cleaner
