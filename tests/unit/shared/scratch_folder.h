// A fresh folder for one test, with a Chinese name so that every file test
// also exercises non-ASCII paths; removed with its content afterwards.
#pragma once

#include <filesystem>
#include <random>
#include <string>
#include <system_error>

#include "shared/core/file_system.h"

namespace ravelo::testing {

class ScratchFolder {
 public:
  ScratchFolder() {
    std::random_device random;
    const std::string name = "抽签测试-" + std::to_string(random()) + std::to_string(random());
    path_ = std::filesystem::temp_directory_path() / PathFromUtf8(name).native();
    std::filesystem::create_directories(path_);
  }
  ~ScratchFolder() {
    std::error_code error;
    // Read-only files left by a test must not block the clean-up.
    for (const auto& entry : std::filesystem::recursive_directory_iterator(path_, error)) {
      std::filesystem::permissions(entry.path(), std::filesystem::perms::owner_write,
                                   std::filesystem::perm_options::add, error);
    }
    std::filesystem::remove_all(path_, error);
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }
  std::filesystem::path File(std::string_view utf8Name) const { return path_ / PathFromUtf8(utf8Name).native(); }

  // Names of everything in the folder, to see that no temporary file is left.
  size_t EntryCount() const {
    size_t count = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(path_)) ++count;
    return count;
  }

 private:
  std::filesystem::path path_;
};

}  // namespace ravelo::testing
