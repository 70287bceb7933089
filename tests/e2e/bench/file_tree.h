// Copying and deleting folder trees with the W file functions (the C
// runtime's stat, under std::filesystem, rejects folders written with a
// trailing backslash).
#pragma once

#include <string>

namespace ravelo::e2e {

// Copies every file and folder inside from into to (created when missing);
// throws BenchError naming the first entry that fails.
void CopyFolderTree(const std::wstring& from, const std::wstring& to);

// Deletes a file or a folder with everything in it, read-only files
// included. True when nothing is left; a missing path counts as deleted.
bool DeleteTree(const std::wstring& path);

// Creates a folder and its missing parents; true when it exists afterwards.
bool CreateFolders(const std::wstring& folder);

// The folder part of a path, without the trailing backslash.
std::wstring ParentOf(const std::wstring& path);

}  // namespace ravelo::e2e
