#include "shared/core/file_system.h"

#include <new>

namespace ravelo {

bool IsExistingFileAt(const std::string& utf8Path) {
  return !utf8Path.empty() && IsExistingFile(PathFromUtf8(utf8Path));
}

std::optional<std::string> ReadWholeFile(const FilePath& path, std::uint64_t maxBytes) {
  auto file = InputFile::Open(path);
  if (!file) return std::nullopt;
  try {
    std::string bytes;
    if (const auto size = file->Size()) {
      if (*size > maxBytes) return std::nullopt;
      bytes.reserve(static_cast<size_t>(*size));
    }
    char chunk[64 * 1024];
    for (;;) {
      const auto got = file->Read(chunk, sizeof chunk);
      if (!got) return std::nullopt;
      if (*got == 0) return bytes;
      bytes.append(chunk, *got);
      if (bytes.size() > maxBytes) return std::nullopt;  // it grew while being read
    }
  } catch (const std::bad_alloc&) {
    return std::nullopt;  // a file too large to hold counts as unreadable
  } catch (const std::length_error&) {
    return std::nullopt;
  }
}

InputFile::InputFile(InputFile&& other) noexcept : handle_(other.handle_) { other.handle_ = -1; }

InputFile& InputFile::operator=(InputFile&& other) noexcept {
  if (this != &other) {
    Close();
    handle_ = other.handle_;
    other.handle_ = -1;
  }
  return *this;
}

InputFile::~InputFile() { Close(); }

}  // namespace ravelo
