// The platform operations behind the entries of the uninstall list. None of
// them reports failure: a missing file, a folder that is not empty, a file in
// use, a key with subkeys or a refused access all leave things as they are.
#pragma once

#include <string>
#include <string_view>

#include <windows.h>

#include "cleaner/core/cleanup_step.h"

namespace ravelo::cleaner {

// Removes the folder; succeeds only when it is empty.
void RemoveFolder(std::string_view path);

// Deletes the file, or every file that matches when the last part of path
// holds * or ?. Matching folders are left alone.
void DeleteFiles(std::string_view pathOrPattern);

// Opens the key (to check it may be changed), deletes it by its path below
// root and closes it again. A key with subkeys stays.
void DeleteRegistryKey(HKEY root, std::wstring_view subKey);

// Carries out one step of the list, planned with baseFolder; registry keys
// are below HKEY_LOCAL_MACHINE. A file or folder step whose way from the
// base folder passes through a link (a junction or symbolic link to a folder)
// is skipped: the link could lead anywhere outside the installation.
void CarryOut(const CleanupStep& step, std::string_view baseFolder);

}  // namespace ravelo::cleaner
