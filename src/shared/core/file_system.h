// File access the suite needs beyond the standard library: paths from UTF-8
// text (wide on Windows, so Chinese folders work), whole-file reads and an
// atomic replace that never leaves a half-written file behind.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace ravelo {

// The path named by UTF-8 text. On Windows the native form is UTF-16, so the
// text is converted rather than taken as ANSI bytes.
std::filesystem::path PathFromUtf8(std::string_view utf8);

// The path as UTF-8 text (the inverse of PathFromUtf8).
std::string PathToUtf8(const std::filesystem::path& path);

// True when path names an existing regular file (not a folder).
bool IsExistingFile(const std::filesystem::path& path);

// A regular file opened for reading, closed when the object goes. Other
// programs may still read, write or delete it meanwhile. (The platform's own
// handles rather than the standard streams: those pull the whole locale
// machinery into every statically linked program.)
class InputFile {
 public:
  // Nullopt when the file is missing, a folder, locked or not readable.
  static std::optional<InputFile> Open(const std::filesystem::path& path);

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

// The file's bytes; nullopt when it is missing, a folder or unreadable.
std::optional<std::string> ReadWholeFile(const std::filesystem::path& path);

// Replaces the file's content with bytes: writes a temporary file in the same
// folder, flushes it, then puts it in place of the target in one step. On any
// failure (missing folder, read-only or locked target, full disk) the target
// keeps its old content, the temporary file is removed and false is returned.
bool WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes);

}  // namespace ravelo
