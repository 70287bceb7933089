// The platform half of the GBK conversions. The portable half (encoding.cpp)
// splits the text and handles ASCII, the euro sign, GB18030's four-byte
// sequences, surrogates and invalid bytes itself, so both halves only see
// well-formed runs of double-byte characters and behave alike.
#pragma once

#include <string>
#include <string_view>

namespace ravelo::detail {

// Decodes runs of double-byte GBK characters (lead 0x81-0xFE, trail
// 0x40-0x7E or 0x80-0xFE). Appends UTF-16 to out and returns true, or
// returns false (out unchanged) when some character is unassigned.
class MultiByteDecoder {
 public:
  MultiByteDecoder();
  ~MultiByteDecoder();
  MultiByteDecoder(const MultiByteDecoder&) = delete;
  MultiByteDecoder& operator=(const MultiByteDecoder&) = delete;

  bool DecodeDoubleBytes(std::string_view run, std::u16string& out);

 private:
  void* handle_ = nullptr;  // iconv_t on POSIX; unused on Windows
};

// Encodes a run of BMP characters that are neither ASCII, surrogates nor the
// euro sign; each character that GBK cannot hold becomes '?'. Appends to out.
class MultiByteEncoder {
 public:
  MultiByteEncoder();
  ~MultiByteEncoder();
  MultiByteEncoder(const MultiByteEncoder&) = delete;
  MultiByteEncoder& operator=(const MultiByteEncoder&) = delete;

  void Encode(std::u16string_view run, std::string& out);

 private:
  void* handle_ = nullptr;
};

}  // namespace ravelo::detail
