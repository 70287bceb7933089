// File access the suite needs beyond the standard library: paths from UTF-8
// text (wide on Windows, so Chinese folders work), whole-file reads and an
// atomic replace that never leaves a half-written file behind.
#pragma once

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

// The file's bytes; nullopt when it is missing, a folder or unreadable.
std::optional<std::string> ReadWholeFile(const std::filesystem::path& path);

// Replaces the file's content with bytes: writes a temporary file in the same
// folder, flushes it, then puts it in place of the target in one step. On any
// failure (missing folder, read-only or locked target, full disk) the target
// keeps its old content, the temporary file is removed and false is returned.
bool WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes);

}  // namespace ravelo
