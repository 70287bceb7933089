// GBK conversions through glibc's iconv with GB18030, the superset of GBK
// whose two-byte part matches code page 936 (user-defined areas included,
// which glibc's own GBK table lacks). Encoding keeps to the two-byte part:
// a character that only a four-byte sequence can hold becomes '?'.
#include <iconv.h>

#include <cerrno>
#include <cstdint>

#include "shared/core/encoding_platform.h"

namespace ravelo::detail {
namespace {

iconv_t Handle(void* handle) { return static_cast<iconv_t>(handle); }

void* Open(const char* to, const char* from) {
  const iconv_t cd = iconv_open(to, from);
  return cd == reinterpret_cast<iconv_t>(-1) ? nullptr : cd;
}

void Close(void* handle) {
  if (handle != nullptr) iconv_close(Handle(handle));
}

// One iconv pass over the whole of in; false on any unconvertible input.
bool ConvertAll(void* handle, std::string_view in, std::string& out) {
  if (handle == nullptr) return false;
  iconv(Handle(handle), nullptr, nullptr, nullptr, nullptr);
  out.resize(in.size() * 2 + 8);
  char* src = const_cast<char*>(in.data());
  size_t srcLeft = in.size();
  char* dst = out.data();
  size_t dstLeft = out.size();
  if (iconv(Handle(handle), &src, &srcLeft, &dst, &dstLeft) == static_cast<size_t>(-1) || srcLeft != 0) return false;
  out.resize(out.size() - dstLeft);
  return true;
}

bool DecodeToUtf16(void* handle, std::string_view run, std::u16string& out) {
  std::string utf16le;
  if (!ConvertAll(handle, run, utf16le)) return false;
  for (size_t i = 0; i + 1 < utf16le.size(); i += 2) {
    const auto lo = static_cast<unsigned char>(utf16le[i]);
    const auto hi = static_cast<unsigned char>(utf16le[i + 1]);
    out.push_back(static_cast<char16_t>(lo | (hi << 8)));
  }
  return true;
}

}  // namespace

MultiByteDecoder::MultiByteDecoder() : handle_(Open("UTF-16LE", "GB18030")) {}
MultiByteDecoder::~MultiByteDecoder() { Close(handle_); }

bool MultiByteDecoder::DecodeDoubleBytes(std::string_view run, std::u16string& out) {
  return DecodeToUtf16(handle_, run, out);
}

MultiByteEncoder::MultiByteEncoder() : handle_(Open("GB18030", "UTF-16LE")) {}
MultiByteEncoder::~MultiByteEncoder() { Close(handle_); }

void MultiByteEncoder::Encode(std::u16string_view run, std::string& out) {
  std::string utf16le;
  utf16le.reserve(run.size() * 2);
  for (const char16_t c : run) {
    utf16le.push_back(static_cast<char>(c & 0xFF));
    utf16le.push_back(static_cast<char>(c >> 8));
  }
  if (handle_ == nullptr) {
    out.append(run.size(), '?');
    return;
  }
  iconv(Handle(handle_), nullptr, nullptr, nullptr, nullptr);
  char* src = utf16le.data();
  size_t srcLeft = utf16le.size();
  std::string encoded;
  std::string buffer(run.size() * 4 + 8, '\0');
  while (srcLeft > 0) {
    char* dst = buffer.data();
    size_t dstLeft = buffer.size();
    const size_t result = iconv(Handle(handle_), &src, &srcLeft, &dst, &dstLeft);
    encoded.append(buffer.data(), buffer.size() - dstLeft);
    if (result != static_cast<size_t>(-1)) break;
    if (errno != EILSEQ || srcLeft < 2) {
      // Cannot happen for BMP input and a large enough buffer; give up safely.
      encoded.append(srcLeft / 2, '?');
      break;
    }
    encoded.push_back('?');
    src += 2;
    srcLeft -= 2;
  }
  // Keep single bytes and GBK pairs; a four-byte sequence (second byte a
  // digit) stands for a character beyond GBK.
  for (size_t i = 0; i < encoded.size();) {
    const auto lead = static_cast<unsigned char>(encoded[i]);
    if (lead < 0x80 || i + 1 >= encoded.size()) {
      out.push_back(encoded[i]);
      ++i;
    } else if (encoded[i + 1] >= '0' && encoded[i + 1] <= '9') {
      out.push_back('?');
      i += 4;
    } else {
      out.append(encoded, i, 2);
      i += 2;
    }
  }
}

}  // namespace ravelo::detail
