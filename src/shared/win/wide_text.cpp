#include "shared/win/wide_text.h"

#include "shared/core/encoding.h"

namespace ravelo::win {

static_assert(sizeof(wchar_t) == sizeof(char16_t), "the W APIs take UTF-16");

std::wstring Widen(std::string_view utf8) {
  const std::u16string utf16 = Utf8ToUtf16(utf8);
  return std::wstring(utf16.begin(), utf16.end());
}

std::string Narrow(std::wstring_view utf16) {
  return Utf16ToUtf8(std::u16string_view(reinterpret_cast<const char16_t*>(utf16.data()), utf16.size()));
}

}  // namespace ravelo::win
