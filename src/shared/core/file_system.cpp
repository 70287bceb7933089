#include "shared/core/file_system.h"

#include <fstream>
#include <new>
#include <system_error>

namespace ravelo {

bool IsExistingFile(const std::filesystem::path& path) {
  std::error_code error;
  return std::filesystem::is_regular_file(path, error);
}

std::optional<std::string> ReadWholeFile(const std::filesystem::path& path) {
  if (!IsExistingFile(path)) return std::nullopt;
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  try {
    std::string bytes;
    std::error_code error;
    const auto size = std::filesystem::file_size(path, error);
    if (!error) bytes.reserve(static_cast<size_t>(size));
    char chunk[64 * 1024];
    while (in) {
      in.read(chunk, sizeof chunk);
      bytes.append(chunk, static_cast<size_t>(in.gcount()));
    }
    if (in.bad()) return std::nullopt;
    return bytes;
  } catch (const std::bad_alloc&) {
    return std::nullopt;  // a file too large to hold counts as unreadable
  } catch (const std::length_error&) {
    return std::nullopt;
  }
}

}  // namespace ravelo
