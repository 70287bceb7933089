// What one entry of the uninstall list asks for, made concrete: the full path
// of a folder or file pattern below the base folder, or a registry key path.
//
// The cleaner runs with the rights of whoever uninstalls, so a file or folder
// operand must stay inside the installation whatever the list says. An
// operand is refused when it
//   - is rooted: starts with a backslash or slash (also a UNC path),
//   - holds a colon (a drive letter, an alternate data stream, a device),
//   - has a part made only of dots and spaces ("..", ".", "..."; Windows
//     strips trailing dots and spaces, so "... " would turn into "..") or an
//     empty part ("a\\b"),
//   - has a part that Windows takes for a device (CON, nul.txt, COM1),
//   - holds characters no file name can hold (control characters, < > " |;
//     FindFirstFile reads < > " as wildcards),
//   - has wildcards anywhere but in the last part of a file entry.
// Slashes count as separators, as they do for Windows, and become backslashes.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "cleaner/core/uninstall_list.h"

namespace ravelo::cleaner {

struct CleanupStep {
  EntryKind kind;
  // Folder: the folder to remove. File: the file or pattern to delete (its
  // last part may hold * and ?). RegistryKey: the key below HKEY_LOCAL_MACHINE.
  std::string target;

  friend bool operator==(const CleanupStep&, const CleanupStep&) = default;
};

// The operand of a file or folder entry as a path relative to the base
// folder with backslashes, or nothing when it is refused (see above). An
// empty folder operand names the base folder itself; a folder operand may end
// in one separator, which is dropped.
std::optional<std::string> RelativeEntryPath(std::string_view operand, EntryKind kind);

// True when the last part of path holds * or ?.
bool HasWildcards(std::string_view path);

// The step for entry with the installation's base folder (ending in a
// backslash), or nothing when the entry is refused. Without a base folder
// file and folder entries would be relative to the working folder: refused.
std::optional<CleanupStep> PlanCleanupStep(const UninstallEntry& entry, std::string_view baseFolder);

}  // namespace ravelo::cleaner
