// The platform's own private-profile functions, called with UTF-8 text the
// way the programs would call them with ANSI (code page 936) text.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace ravelo::agreement {

// GetPrivateProfileStringA with an empty default into a zeroed buffer of
// bufferBytes; the text before the first NUL, as UTF-8. The returned count
// is not trusted: when the cut falls inside a character it counts a byte
// that was never written.
std::string PlatformRead(const std::filesystem::path& file, std::string_view section, std::string_view key,
                         size_t bufferBytes);

// WritePrivateProfileStringA; the value is converted to ANSI first.
bool PlatformWrite(const std::filesystem::path& file, std::string_view section, std::string_view key,
                   std::string_view valueUtf8);

}  // namespace ravelo::agreement
