#include "bench/text.h"

#include <windows.h>

namespace ravelo::e2e {
namespace {

std::string Encode(std::wstring_view text, UINT codePage) {
  if (text.empty()) return {};
  const int size = static_cast<int>(text.size());
  const int n = WideCharToMultiByte(codePage, 0, text.data(), size, nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<size_t>(n), '\0');
  WideCharToMultiByte(codePage, 0, text.data(), size, out.data(), n, nullptr, nullptr);
  return out;
}

std::wstring Decode(std::string_view bytes, UINT codePage) {
  if (bytes.empty()) return {};
  const int size = static_cast<int>(bytes.size());
  const int n = MultiByteToWideChar(codePage, 0, bytes.data(), size, nullptr, 0);
  std::wstring out(static_cast<size_t>(n), L'\0');
  MultiByteToWideChar(codePage, 0, bytes.data(), size, out.data(), n);
  return out;
}

constexpr UINT kGbk = 936;

}  // namespace

std::string ToUtf8(std::wstring_view text) { return Encode(text, CP_UTF8); }
std::wstring FromUtf8(std::string_view utf8) { return Decode(utf8, CP_UTF8); }
std::string ToGbk(std::wstring_view text) { return Encode(text, kGbk); }

std::wstring FromGbk(std::string_view gbk) { return Decode(gbk, kGbk); }

std::string Quoted(std::wstring_view text) {
  std::string quoted(1, '"');
  quoted += ToUtf8(text);
  quoted += '"';
  return quoted;
}

}  // namespace ravelo::e2e
