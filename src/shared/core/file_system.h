// File access the suite needs beyond the standard library: paths from UTF-8
// text (wide on Windows, so Chinese folders work), whole-file reads and an
// atomic replace that never leaves a half-written file behind.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace ravelo {

// A path in the platform's native form: UTF-16 on Windows, bytes elsewhere.
// The programs use this rather than std::filesystem::path, whose code drags
// the standard library's locale and stream machinery into every statically
// linked program (over a megabyte each). Tests may still hand in a
// std::filesystem::path: only its inline native() is used.
class FilePath {
 public:
#ifdef _WIN32
  using Native = std::wstring;
#else
  using Native = std::string;
#endif

  FilePath() = default;
  explicit FilePath(Native native) : native_(std::move(native)) {}
  FilePath(const std::filesystem::path& path) : native_(path.native()) {}  // NOLINT: implicit on purpose

  const Native& native() const { return native_; }
  const typename Native::value_type* c_str() const { return native_.c_str(); }
  bool empty() const { return native_.empty(); }

 private:
  Native native_;
};

// The path named by UTF-8 text. On Windows the native form is UTF-16, so the
// text is converted rather than taken as ANSI bytes.
FilePath PathFromUtf8(std::string_view utf8);

// The path as UTF-8 text (the inverse of PathFromUtf8).
std::string PathToUtf8(const FilePath& path);

// True when path names an existing regular file (not a folder).
bool IsExistingFile(const FilePath& path);
// The same for a path in UTF-8 text, as the settings hold them ("" names no file).
bool IsExistingFileAt(const std::string& utf8Path);

// A regular file opened for reading, closed when the object goes. Other
// programs may still read, write or delete it meanwhile. (The platform's own
// handles rather than the standard streams: those pull the whole locale
// machinery into every statically linked program.)
class InputFile {
 public:
  // Nullopt when the file is missing, a folder, locked or not readable.
  static std::optional<InputFile> Open(const FilePath& path);

  InputFile(InputFile&& other) noexcept;
  InputFile& operator=(InputFile&& other) noexcept;
  InputFile(const InputFile&) = delete;
  InputFile& operator=(const InputFile&) = delete;
  ~InputFile();

  // Reads size bytes, fewer only at the end of the file: how many arrived
  // (0 at the end), nullopt on a read error.
  std::optional<size_t> Read(char* into, size_t size);
  bool Rewind();
  std::optional<std::uint64_t> Size() const;

 private:
  explicit InputFile(std::intptr_t handle) : handle_(handle) {}
  void Close() noexcept;

  std::intptr_t handle_;
};

// The file's bytes; nullopt when it is missing, a folder, unreadable or
// larger than maxBytes.
std::optional<std::string> ReadWholeFile(const FilePath& path,
                                         std::uint64_t maxBytes = UINT64_MAX);

// Replaces the file's content with bytes: writes a temporary file in the same
// folder, flushes it, then puts it in place of the target in one step. On any
// failure (missing folder, read-only or locked target, full disk) the target
// keeps its old content, the temporary file is removed and false is returned.
bool WriteFileAtomically(const FilePath& path, std::string_view bytes);

// The data folder's own housekeeping: its lists folder, the lists in it, and
// a list renamed or deleted from the editor.

// True when path names an existing folder.
bool IsExistingFolder(const FilePath& path);

// Makes the folder (its parent must exist); true when it exists afterwards.
bool MakeFolder(const FilePath& path);

// True when a new file can be made in the folder (made and removed again):
// read-only media, a missing folder and missing rights all answer false.
bool IsWritableFolder(const FilePath& path);

// The names (UTF-8, without the folder) of the regular files in the folder,
// in no particular order; nullopt when it is missing or cannot be listed.
std::optional<std::vector<std::string>> FileNamesIn(const FilePath& folder);

// Deletes a regular file; true when it is gone (also when it never was).
bool RemoveFile(const FilePath& path);

// Renames a file within its volume; false, changing nothing, when the new
// name is taken or the old file cannot be moved.
bool RenameFile(const FilePath& from, const FilePath& to);

}  // namespace ravelo
