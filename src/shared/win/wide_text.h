// UTF-8 (the core's text) to and from UTF-16 (the W APIs' text).
#pragma once

#include <string>
#include <string_view>

namespace ravelo::win {

std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view utf16);

}  // namespace ravelo::win
