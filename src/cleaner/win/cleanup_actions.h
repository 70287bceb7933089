// The platform operations behind the entries of the uninstall list.
//
// The cleaner runs elevated while ordinary users may create files in the data
// root and common\, so a file or folder is never deleted by its path: it is
// opened without following a link in its own place, checked through that
// handle (the expected kind, not a link, and exactly the path the list names
// inside the installation, which a junction on the way would change), and
// deleted through the same handle.
#pragma once

#include <string>
#include <string_view>

#include <windows.h>

#include "cleaner/core/cleanup_step.h"
#include "shared/win/unique_handle.h"

namespace ravelo::cleaner {

// One file or folder to delete, opened and checked.
struct Target {
  enum class State { Missing, Refused, Ready } state;
  win::UniqueHandle handle;  // open for deletion when Ready
};

// Opens path for deletion, a link in its last part opened and not followed,
// and checks through that handle that it is a folder (or a file, when folder
// is false), not a link, and resolves to exactly resolvedPath.
Target OpenTarget(const std::wstring& path, const std::wstring& resolvedPath, bool folder);

// Deletes the file or folder of handle (when the handle closes). A folder
// that is not empty stays, and that is no failure.
bool DeleteThrough(HANDLE handle, bool folder);

// The base folder as the file system resolves it ("\\?\C:\...\Ravelo", no
// trailing backslash), or empty when it cannot be opened.
std::wstring ResolvedFolder(std::string_view folder);

// Each of these returns false when something it names stays for a reason
// other than that it is not there: in use, refused, of the wrong kind, a link,
// or not where the list says. A folder that still holds files is no failure:
// the files of the operator keep their folders.

// Removes the folder relative to the base folder ("" for the base folder
// itself) when it is empty.
bool RemoveFolder(std::string_view baseFolder, const std::wstring& resolvedBase, std::string_view relative);

// Deletes the file, or every file that matches when the last part of relative
// holds * or ?. Matching folders are left alone.
bool DeleteFiles(std::string_view baseFolder, const std::wstring& resolvedBase, std::string_view relative);

// Opens the key (to check it may be changed), deletes it by its path below
// root and closes it again. A missing key is no failure; a key with subkeys
// stays and is one.
bool DeleteRegistryKey(HKEY root, std::wstring_view subKey);

// Carries out one step of the list, planned with baseFolder (resolved as
// resolvedBase); registry keys are below HKEY_LOCAL_MACHINE.
bool CarryOut(const CleanupStep& step, std::string_view baseFolder, const std::wstring& resolvedBase);

}  // namespace ravelo::cleaner
