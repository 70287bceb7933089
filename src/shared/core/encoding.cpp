#include "shared/core/encoding.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "shared/core/encoding_gb18030.h"
#include "shared/core/encoding_platform.h"

namespace ravelo {
namespace {

constexpr char32_t kReplacement = 0xFFFD;
constexpr char16_t kEuro = 0x20AC;  // code page 936 keeps it in the single byte 0x80

// --- UTF-8 -------------------------------------------------------------------

// Decodes one UTF-8 sequence at text[pos]. Returns its length, or 0 when the
// bytes there do not start a well-formed sequence (overlong forms, surrogates
// and values above U+10FFFF included).
size_t DecodeUtf8At(std::string_view text, size_t pos, char32_t& cp) {
  const auto byte = [&](size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char b0 = byte(pos);
  if (b0 < 0x80) {
    cp = b0;
    return 1;
  }
  size_t len = 0;
  char32_t value = 0;
  char32_t minimum = 0;
  if (b0 >= 0xC2 && b0 <= 0xDF) {
    len = 2, value = b0 & 0x1Fu, minimum = 0x80;
  } else if (b0 >= 0xE0 && b0 <= 0xEF) {
    len = 3, value = b0 & 0x0Fu, minimum = 0x800;
  } else if (b0 >= 0xF0 && b0 <= 0xF4) {
    len = 4, value = b0 & 0x07u, minimum = 0x10000;
  } else {
    return 0;
  }
  if (text.size() - pos < len) return 0;
  for (size_t i = 1; i < len; ++i) {
    const unsigned char b = byte(pos + i);
    if ((b & 0xC0u) != 0x80u) return 0;
    value = (value << 6) | (b & 0x3Fu);
  }
  if (value < minimum || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) return 0;
  cp = value;
  return len;
}

void AppendUtf16(std::u16string& out, char32_t cp) {
  if (cp < 0x10000) {
    out.push_back(static_cast<char16_t>(cp));
  } else {
    cp -= 0x10000;
    out.push_back(static_cast<char16_t>(0xD800 + (cp >> 10)));
    out.push_back(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
  }
}

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out.push_back(static_cast<char>(cp));
  } else if (cp < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else if (cp < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  }
}

// --- GBK structure -------------------------------------------------------------

enum class GbkUnit { Ascii, Euro, DoubleByte, FourByte, Invalid };

bool IsLeadByte(unsigned char b) { return b >= 0x81 && b <= 0xFE; }
bool IsTrailByte(unsigned char b) { return (b >= 0x40 && b <= 0x7E) || (b >= 0x80 && b <= 0xFE); }
bool IsDigitByte(unsigned char b) { return b >= 0x30 && b <= 0x39; }

// The kind and length of the character that starts at gbk[pos]. A byte that
// cannot start a character, or a lead byte without a fitting trail, is an
// invalid unit of one byte, so decoding resynchronises on the next byte.
GbkUnit GbkUnitAt(std::string_view gbk, size_t pos, size_t& len) {
  const auto byte = [&](size_t i) { return static_cast<unsigned char>(gbk[i]); };
  const unsigned char b0 = byte(pos);
  len = 1;
  if (b0 < 0x80) return GbkUnit::Ascii;
  if (b0 == 0x80) return GbkUnit::Euro;
  if (!IsLeadByte(b0)) return GbkUnit::Invalid;
  const size_t left = gbk.size() - pos;
  if (left >= 2 && IsTrailByte(byte(pos + 1))) {
    len = 2;
    return GbkUnit::DoubleByte;
  }
  if (left >= 4 && IsDigitByte(byte(pos + 1)) && IsLeadByte(byte(pos + 2)) && IsDigitByte(byte(pos + 3))) {
    len = 4;
    return GbkUnit::FourByte;
  }
  return GbkUnit::Invalid;
}

// Every double-byte character's UTF-16 value, filled once from the platform's
// converter. A name list is a million short runs of Chinese text between line
// ends; one converter call per run cost more than all the rest of its load.
class DoubleByteTable {
 public:
  DoubleByteTable() : units_(kLeadCount * kTrailSlots, static_cast<char16_t>(kReplacement)) {
    detail::MultiByteDecoder decoder;
    std::string row;
    std::u16string decoded;
    for (unsigned lead = 0x81; lead <= 0xFE; ++lead) {
      row.clear();
      for (unsigned trail = 0x40; trail <= 0xFE; ++trail) {
        if (!IsTrailByte(static_cast<unsigned char>(trail))) continue;
        row.push_back(static_cast<char>(lead));
        row.push_back(static_cast<char>(trail));
      }
      decoded.clear();
      if (decoder.DecodeDoubleBytes(row, decoded) && decoded.size() * 2 == row.size()) {
        for (size_t i = 0; i < decoded.size(); ++i) Set(row[2 * i], row[2 * i + 1], decoded[i]);
        continue;
      }
      // A row with unassigned characters: one character at a time.
      for (size_t i = 0; i < row.size(); i += 2) {
        decoded.clear();
        if (decoder.DecodeDoubleBytes(std::string_view(row).substr(i, 2), decoded) && decoded.size() == 1) {
          Set(row[i], row[i + 1], decoded[0]);
        }
      }
    }
  }

  char16_t Lookup(unsigned char lead, unsigned char trail) const {
    return units_[(lead - 0x81u) * kTrailSlots + (trail - 0x40u)];
  }

 private:
  static constexpr size_t kLeadCount = 0xFE - 0x81 + 1;
  static constexpr size_t kTrailSlots = 0xFE - 0x40 + 1;

  void Set(char lead, char trail, char16_t unit) {
    units_[(static_cast<unsigned char>(lead) - 0x81u) * kTrailSlots + (static_cast<unsigned char>(trail) - 0x40u)] =
        unit;
  }

  std::vector<char16_t> units_;
};

const DoubleByteTable& DoubleBytes() {
  static const DoubleByteTable table;
  return table;
}

}  // namespace

std::u16string GbkToUtf16(std::string_view gbk) {
  std::u16string out;
  out.reserve(gbk.size());
  const DoubleByteTable& table = DoubleBytes();
  size_t pos = 0;
  while (pos < gbk.size()) {
    size_t len = 0;
    const GbkUnit kind = GbkUnitAt(gbk, pos, len);
    switch (kind) {
      case GbkUnit::Ascii:
        out.push_back(static_cast<char16_t>(static_cast<unsigned char>(gbk[pos])));
        pos += len;
        break;
      case GbkUnit::Euro:
        out.push_back(kEuro);
        pos += len;
        break;
      case GbkUnit::Invalid:
        out.push_back(static_cast<char16_t>(kReplacement));
        pos += len;
        break;
      case GbkUnit::FourByte: {
        const auto cp = detail::DecodeGb18030FourBytes(gbk.substr(pos, len));
        AppendUtf16(out, cp.value_or(kReplacement));
        pos += len;
        break;
      }
      case GbkUnit::DoubleByte:
        out.push_back(table.Lookup(static_cast<unsigned char>(gbk[pos]), static_cast<unsigned char>(gbk[pos + 1])));
        pos += len;
        break;
    }
  }
  return out;
}

std::string Utf16ToGbk(std::u16string_view utf16) {
  std::string out;
  out.reserve(utf16.size() * 2);
  detail::MultiByteEncoder encoder;
  size_t pos = 0;
  while (pos < utf16.size()) {
    const char16_t c = utf16[pos];
    if (c < 0x80) {
      out.push_back(static_cast<char>(c));
      ++pos;
    } else if (c == kEuro) {
      out.push_back(static_cast<char>(0x80));
      ++pos;
    } else if (c >= 0xD800 && c <= 0xDFFF) {
      // Characters beyond the BMP (or a lone surrogate): GBK has none of them.
      const bool pair = c <= 0xDBFF && pos + 1 < utf16.size() && utf16[pos + 1] >= 0xDC00 && utf16[pos + 1] <= 0xDFFF;
      out.push_back('?');
      pos += pair ? 2 : 1;
    } else {
      const size_t start = pos;
      while (pos < utf16.size()) {
        const char16_t d = utf16[pos];
        if (d < 0x80 || d == kEuro || (d >= 0xD800 && d <= 0xDFFF)) break;
        ++pos;
      }
      encoder.Encode(utf16.substr(start, pos - start), out);
    }
  }
  return out;
}

std::string GbkToUtf8(std::string_view gbk) { return Utf16ToUtf8(GbkToUtf16(gbk)); }

std::string Utf8ToGbk(std::string_view utf8) { return Utf16ToGbk(Utf8ToUtf16(utf8)); }

std::u16string Utf8ToUtf16(std::string_view utf8) {
  std::u16string out;
  out.reserve(utf8.size());
  size_t pos = 0;
  while (pos < utf8.size()) {
    char32_t cp = 0;
    const size_t len = DecodeUtf8At(utf8, pos, cp);
    if (len == 0) {
      out.push_back(static_cast<char16_t>(kReplacement));
      ++pos;
    } else {
      AppendUtf16(out, cp);
      pos += len;
    }
  }
  return out;
}

std::string Utf16ToUtf8(std::u16string_view utf16) {
  std::string out;
  out.reserve(utf16.size() * 3);
  size_t pos = 0;
  while (pos < utf16.size()) {
    const char32_t c = utf16[pos];
    if (c >= 0xD800 && c <= 0xDBFF && pos + 1 < utf16.size() && utf16[pos + 1] >= 0xDC00 &&
        utf16[pos + 1] <= 0xDFFF) {
      AppendUtf8(out, 0x10000 + ((c - 0xD800) << 10) + (utf16[pos + 1] - 0xDC00));
      pos += 2;
    } else {
      AppendUtf8(out, (c >= 0xD800 && c <= 0xDFFF) ? kReplacement : c);
      ++pos;
    }
  }
  return out;
}

bool IsValidUtf8(std::string_view bytes) {
  size_t pos = 0;
  while (pos < bytes.size()) {
    char32_t cp = 0;
    const size_t len = DecodeUtf8At(bytes, pos, cp);
    if (len == 0) return false;
    pos += len;
  }
  return true;
}

bool IsAscii(std::string_view bytes) {
  return std::none_of(bytes.begin(), bytes.end(), [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
}

std::u16string Utf16FromBytes(std::string_view bytes, bool bigEndian) {
  std::u16string units(bytes.size() / 2, u'\0');
  for (size_t i = 0; i < units.size(); ++i) {
    const auto first = static_cast<unsigned char>(bytes[2 * i]);
    const auto second = static_cast<unsigned char>(bytes[2 * i + 1]);
    units[i] = static_cast<char16_t>(bigEndian ? (first << 8) | second : (second << 8) | first);
  }
  if (bytes.size() % 2 != 0) units.push_back(static_cast<char16_t>(kReplacement));
  return units;
}

std::string Utf16ToBytes(std::u16string_view utf16, bool bigEndian) {
  std::string bytes;
  bytes.reserve(utf16.size() * 2);
  for (const char16_t unit : utf16) {
    const auto high = static_cast<char>(unit >> 8);
    const auto low = static_cast<char>(unit & 0xFF);
    bytes.push_back(bigEndian ? high : low);
    bytes.push_back(bigEndian ? low : high);
  }
  return bytes;
}

size_t GbkPrefixLength(std::string_view gbk, size_t maxBytes) {
  size_t pos = 0;
  while (pos < gbk.size()) {
    size_t len = 0;
    GbkUnitAt(gbk, pos, len);
    if (pos + len > maxBytes) break;
    pos += len;
  }
  return pos;
}

}  // namespace ravelo
