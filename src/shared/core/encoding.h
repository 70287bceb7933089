// Text encodings: code page 936 (GBK, the stored files' encoding; decoding
// accepts the GB18030 superset), UTF-8 (the core's text) and UTF-16 (the W
// APIs' text). Implemented with MultiByteToWideChar/WideCharToMultiByte on
// Windows and iconv elsewhere, with the same behaviour.
#pragma once

#include <string>
#include <string_view>

namespace ravelo {

// Bytes that are not valid in the source encoding become U+FFFD; characters
// that GBK cannot hold become '?' (one per character). As in code page 936,
// the euro sign is the single byte 0x80. Decoding also accepts GB18030's
// four-byte sequences; encoding never produces them.
std::u16string GbkToUtf16(std::string_view gbk);
std::string Utf16ToGbk(std::u16string_view utf16);
std::string GbkToUtf8(std::string_view gbk);
std::string Utf8ToGbk(std::string_view utf8);
std::u16string Utf8ToUtf16(std::string_view utf8);
std::string Utf16ToUtf8(std::u16string_view utf16);

bool IsValidUtf8(std::string_view bytes);
bool IsAscii(std::string_view bytes);  // stops at the first byte of 0x80 or more

// UTF-16 stored as bytes of either order (no byte order mark handled here).
// A lone last byte decodes to U+FFFD.
std::u16string Utf16FromBytes(std::string_view bytes, bool bigEndian);
std::string Utf16ToBytes(std::u16string_view utf16, bool bigEndian);

// The length in bytes of the longest prefix of gbk that holds at most
// maxBytes bytes and does not end inside a double-byte character.
size_t GbkPrefixLength(std::string_view gbk, size_t maxBytes);

}  // namespace ravelo
