#include "draw/core/name_list.h"

#include <algorithm>
#include <cassert>
#include <limits>
#include <system_error>

#include "shared/core/encoding.h"
#include "shared/core/file_system.h"

namespace ravelo {

std::u16string_view NameList::operator[](std::size_t index) const {
  assert(index < ends_.size());
  const std::size_t begin = index == 0 ? 0 : ends_[index - 1];
  return std::u16string_view(text_).substr(begin, ends_[index] - begin);
}

void NameList::Add(std::u16string_view name) {
  if (name.empty()) return;
  text_.append(name);
  ends_.push_back(static_cast<std::uint32_t>(text_.size()));
}

void NameList::Clear() {
  std::u16string().swap(text_);
  std::vector<std::uint32_t>().swap(ends_);
}

void NameList::swap(NameList& other) noexcept {
  text_.swap(other.text_);
  ends_.swap(other.ends_);
}

// Appends decoded text to a list, line by line. A line may arrive in several
// pieces; it is stored straight into the list's buffer as it comes.
class NameListLoader {
 public:
  explicit NameListLoader(NameList& list) : list_(list) {}

  // Every CR and every LF ends a line; CR LF gives an empty line in between,
  // which is skipped like any empty line. One pass copies the text and
  // notes where each name ends.
  bool Append(std::u16string_view units) {
    std::u16string& text = list_.text_;
    const std::size_t start = text.size();
    text.resize(start + units.size());
    char16_t* const base = text.data();
    char16_t* out = base + start;
    for (const char16_t unit : units) {
      if (unit == u'\r' || unit == u'\n') {
        if (!EndLine(static_cast<std::size_t>(out - base))) return false;
      } else {
        *out++ = unit;
      }
    }
    text.resize(static_cast<std::size_t>(out - base));
    return text.size() <= kMaxUnits;
  }

  // The last line counts even without a line end.
  bool Finish() { return EndLine(list_.text_.size()); }

  void Reserve(std::size_t units, std::size_t names) {
    list_.text_.reserve(units);
    list_.ends_.reserve(names);
  }

  std::size_t Units() const { return list_.text_.size(); }
  std::size_t Names() const { return list_.ends_.size(); }

 private:
  static constexpr std::size_t kMaxUnits = std::numeric_limits<std::uint32_t>::max();

  bool EndLine(std::size_t end) {
    if (end > kMaxUnits) return false;
    const std::uint32_t begin = list_.ends_.empty() ? 0 : list_.ends_.back();
    if (end != begin) list_.ends_.push_back(static_cast<std::uint32_t>(end));
    return true;
  }

  NameList& list_;
};

namespace {

constexpr std::size_t kChunkBytes = 256 * 1024;

enum class TextEncoding {
  kUndecided,  // no byte-order mark: UTF-8 while the bytes stay valid UTF-8
  kUtf8,
  kGbk,
  kUtf16Le,
  kUtf16Be,
};

struct ByteOrderMark {
  TextEncoding encoding;
  std::size_t length;
};

ByteOrderMark DetectByteOrderMark(std::string_view head) {
  if (head.starts_with("\xEF\xBB\xBF")) return {TextEncoding::kUtf8, 3};
  if (head.starts_with("\xFF\xFE")) return {TextEncoding::kUtf16Le, 2};
  if (head.starts_with("\xFE\xFF")) return {TextEncoding::kUtf16Be, 2};
  return {TextEncoding::kUndecided, 0};
}

// Stops at the first non-ASCII byte, which in a Chinese list comes at once.
bool IsAscii(std::string_view bytes) {
  return std::none_of(bytes.begin(), bytes.end(),
                      [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
}

std::u16string WidenAscii(std::string_view bytes) {
  return std::u16string(bytes.begin(), bytes.end());
}

// How many leading bytes of `bytes` can be decoded on their own, without
// cutting a character that continues in the bytes still to come.
std::size_t DecodableLength(TextEncoding encoding, std::string_view bytes) {
  switch (encoding) {
    case TextEncoding::kUtf16Le:
    case TextEncoding::kUtf16Be:
      return bytes.size() & ~std::size_t{1};
    case TextEncoding::kGbk: {
      // A byte below 0x30 is never part of a multi-byte character (GBK
      // trail bytes start at 0x40, the digits of a four-byte GB18030
      // character at 0x30), so the bytes up to it decode on their own. A run
      // without such a byte waits for more bytes.
      const auto last = std::find_if(bytes.rbegin(), bytes.rend(), [](char c) {
        return static_cast<unsigned char>(c) < 0x30;
      });
      return static_cast<std::size_t>(bytes.rend() - last);
    }
    case TextEncoding::kUndecided:
    case TextEncoding::kUtf8: {
      // Step back over continuation bytes (at most three) to the lead byte
      // of the last character and keep that character for the next piece.
      std::size_t end = bytes.size();
      while (end > 0 && bytes.size() - end < 3 &&
             (static_cast<unsigned char>(bytes[end - 1]) & 0xC0) == 0x80) {
        --end;
      }
      if (end > 0 && static_cast<unsigned char>(bytes[end - 1]) >= 0xC0) return end - 1;
      return bytes.size();
    }
  }
  return bytes.size();
}


enum class PieceResult { kAppended, kNotUtf8, kTooLarge };

class NameFileReader {
 public:
  NameFileReader(InputFile& file, std::uintmax_t fileSize, std::size_t chunkBytes, NameList& list)
      : file_(file), fileSize_(fileSize), chunkBytes_(chunkBytes), list_(list), loader_(list) {}

  bool Read() {
    if (ReadAs(TextEncoding::kUndecided)) return true;
    if (!notUtf8_) return false;
    // Not UTF-8 after all: start again as GBK.
    list_.Clear();
    return file_.Rewind() && ReadAs(TextEncoding::kGbk);
  }

 private:
  bool ReadAs(TextEncoding encoding) {
    std::string buffer;
    std::size_t pending = 0;  // bytes kept from the last chunk
    bool first = true;
    for (;;) {
      buffer.resize(pending + chunkBytes_);
      const auto read = file_.Read(buffer.data() + pending, chunkBytes_);
      if (!read) return false;
      const std::size_t got = *read;
      const bool atEnd = got < chunkBytes_;
      std::string_view bytes(buffer.data(), pending + got);

      if (first && encoding == TextEncoding::kUndecided) {
        const ByteOrderMark bom = DetectByteOrderMark(bytes);
        bytes.remove_prefix(bom.length);
        if (bom.length != 0) encoding = bom.encoding;
      }
      const std::size_t usable = atEnd ? bytes.size() : DecodableLength(encoding, bytes);
      switch (AppendPiece(encoding, bytes.substr(0, usable))) {
        case PieceResult::kAppended:
          break;
        case PieceResult::kNotUtf8:
          notUtf8_ = true;
          return false;
        case PieceResult::kTooLarge:
          return false;
      }
      if (first) ReserveForWholeFile(got);
      first = false;
      if (atEnd) return loader_.Finish();

      // Keep the undecoded tail for the next piece.
      const std::size_t consumed = static_cast<std::size_t>(bytes.data() - buffer.data()) + usable;
      pending = bytes.size() - usable;
      std::copy_n(buffer.begin() + static_cast<std::ptrdiff_t>(consumed), pending, buffer.begin());
    }
  }

  PieceResult AppendPiece(TextEncoding encoding, std::string_view bytes) {
    std::u16string units;
    switch (encoding) {
      case TextEncoding::kUtf16Le:
      case TextEncoding::kUtf16Be:
        units = Utf16FromBytes(bytes, encoding == TextEncoding::kUtf16Be);
        break;
      case TextEncoding::kUndecided:
        if (!IsValidUtf8(bytes)) return PieceResult::kNotUtf8;
        units = IsAscii(bytes) ? WidenAscii(bytes) : Utf8ToUtf16(bytes);
        break;
      case TextEncoding::kUtf8:
        units = IsAscii(bytes) ? WidenAscii(bytes) : Utf8ToUtf16(bytes);
        break;
      case TextEncoding::kGbk:
        units = IsAscii(bytes) ? WidenAscii(bytes) : GbkToUtf16(bytes);
        break;
    }
    return loader_.Append(units) ? PieceResult::kAppended : PieceResult::kTooLarge;
  }

  // The first chunk tells how densely the file packs characters and names;
  // reserving for the whole file at that rate spares the copies of growing.
  void ReserveForWholeFile(std::size_t firstChunkBytes) {
    if (firstChunkBytes == 0 || fileSize_ <= firstChunkBytes) return;
    const double scale = static_cast<double>(fileSize_) / static_cast<double>(firstChunkBytes);
    const double slack = 1.0 + 1.0 / 32;
    const double units = std::min(static_cast<double>(loader_.Units()) * scale * slack,
                                  static_cast<double>(fileSize_));
    const double names = std::min(static_cast<double>(loader_.Names() + 1) * scale * slack,
                                  static_cast<double>(fileSize_));
    loader_.Reserve(static_cast<std::size_t>(units), static_cast<std::size_t>(names));
  }

  InputFile& file_;
  std::uintmax_t fileSize_;
  std::size_t chunkBytes_;
  NameList& list_;
  NameListLoader loader_;
  bool notUtf8_ = false;
};

}  // namespace

bool Loadname(const FilePath& file, NameList& into) { return LoadnameInPieces(file, into, kChunkBytes); }

bool LoadnameInPieces(const FilePath& file, NameList& into, std::size_t chunkBytes) {
  if (file.empty()) return false;
  chunkBytes = std::max<std::size_t>(chunkBytes, 4);  // the first piece holds any byte order mark
  auto stream = InputFile::Open(file);
  if (!stream) return false;
  const auto size = stream->Size();
  if (!size) return false;

  NameList loaded;
  if (!NameFileReader(*stream, *size, chunkBytes, loaded).Read()) return false;
  into.swap(loaded);
  return true;
}

}  // namespace ravelo
