// GBK conversions through the system's code page 936 table.
#include <windows.h>

#include "shared/core/encoding_platform.h"

namespace ravelo::detail {
namespace {

constexpr UINT kGbk = 936;

bool Decode(UINT codePage, std::string_view run, std::u16string& out) {
  if (run.empty()) return true;
  const int inLen = static_cast<int>(run.size());
  const int n = MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, run.data(), inLen, nullptr, 0);
  if (n <= 0) return false;
  std::wstring wide(static_cast<size_t>(n), L'\0');
  if (MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, run.data(), inLen, wide.data(), n) != n) return false;
  out.append(wide.begin(), wide.end());
  return true;
}

}  // namespace

MultiByteDecoder::MultiByteDecoder() = default;
MultiByteDecoder::~MultiByteDecoder() = default;

bool MultiByteDecoder::DecodeDoubleBytes(std::string_view run, std::u16string& out) {
  return Decode(kGbk, run, out);
}

MultiByteEncoder::MultiByteEncoder() = default;
MultiByteEncoder::~MultiByteEncoder() = default;

void MultiByteEncoder::Encode(std::u16string_view run, std::string& out) {
  if (run.empty()) return;
  const auto* wide = reinterpret_cast<const wchar_t*>(run.data());
  const int inLen = static_cast<int>(run.size());
  const int n = WideCharToMultiByte(kGbk, WC_NO_BEST_FIT_CHARS, wide, inLen, nullptr, 0, "?", nullptr);
  if (n <= 0) {
    out.append(run.size(), '?');
    return;
  }
  const size_t start = out.size();
  out.resize(start + static_cast<size_t>(n));
  WideCharToMultiByte(kGbk, WC_NO_BEST_FIT_CHARS, wide, inLen, out.data() + start, n, "?", nullptr);
}

}  // namespace ravelo::detail
