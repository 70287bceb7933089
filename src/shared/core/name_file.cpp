#include "shared/core/name_file.h"

#include <algorithm>
#include <string>

#include "shared/core/encoding.h"

namespace ravelo {
namespace {

enum class Decoding {
  kUndecided,  // no byte-order mark: UTF-8 while the bytes stay valid UTF-8
  kUtf8,
  kGbk,
  kUtf16Le,
  kUtf16Be,
};

struct ByteOrderMark {
  NameFileEncoding encoding;
  Decoding decoding;
  std::size_t length;
};

std::optional<ByteOrderMark> DetectByteOrderMark(std::string_view head) {
  if (head.starts_with("\xEF\xBB\xBF")) return ByteOrderMark{NameFileEncoding::kUtf8WithBom, Decoding::kUtf8, 3};
  if (head.starts_with("\xFF\xFE")) return ByteOrderMark{NameFileEncoding::kUtf16Le, Decoding::kUtf16Le, 2};
  if (head.starts_with("\xFE\xFF")) return ByteOrderMark{NameFileEncoding::kUtf16Be, Decoding::kUtf16Be, 2};
  return std::nullopt;
}

std::u16string WidenAscii(std::string_view bytes) { return std::u16string(bytes.begin(), bytes.end()); }

// How many leading bytes of `bytes` can be decoded on their own, without
// cutting a character that continues in the bytes still to come.
std::size_t DecodableLength(Decoding decoding, std::string_view bytes) {
  switch (decoding) {
    case Decoding::kUtf16Le:
    case Decoding::kUtf16Be:
      return bytes.size() & ~std::size_t{1};
    case Decoding::kGbk: {
      // A byte below 0x30 is never part of a multi-byte character (GBK
      // trail bytes start at 0x40, the digits of a four-byte GB18030
      // character at 0x30), so the bytes up to it decode on their own. A run
      // without such a byte waits for more bytes.
      const auto last =
          std::find_if(bytes.rbegin(), bytes.rend(), [](char c) { return static_cast<unsigned char>(c) < 0x30; });
      return static_cast<std::size_t>(bytes.rend() - last);
    }
    case Decoding::kUndecided:
    case Decoding::kUtf8: {
      // Step back over continuation bytes (at most three) to the lead byte
      // of the last character and keep that character for the next piece.
      std::size_t end = bytes.size();
      while (end > 0 && bytes.size() - end < 3 && (static_cast<unsigned char>(bytes[end - 1]) & 0xC0) == 0x80) {
        --end;
      }
      if (end > 0 && static_cast<unsigned char>(bytes[end - 1]) >= 0xC0) return end - 1;
      return bytes.size();
    }
  }
  return bytes.size();
}

enum class PieceResult { kAppended, kNotUtf8, kRefused };

class NameFileReader {
 public:
  NameFileReader(InputFile& file, std::uint64_t fileSize, std::size_t chunkBytes, NameTextSink& sink)
      : file_(file), fileSize_(fileSize), chunkBytes_(chunkBytes), sink_(sink) {}

  std::optional<NameFileEncoding> Read() {
    if (ReadAs(Decoding::kUndecided)) return encoding_;
    if (!notUtf8_) return std::nullopt;
    // Not UTF-8 after all: start again as GBK.
    sink_.Restart();
    if (!file_.Rewind() || !ReadAs(Decoding::kGbk)) return std::nullopt;
    return NameFileEncoding::kGbk;
  }

 private:
  bool ReadAs(Decoding decoding) {
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

      if (first && decoding == Decoding::kUndecided) {
        if (const auto bom = DetectByteOrderMark(bytes)) {
          bytes.remove_prefix(bom->length);
          decoding = bom->decoding;
          encoding_ = bom->encoding;
        }
      }
      const std::size_t usable = atEnd ? bytes.size() : DecodableLength(decoding, bytes);
      switch (AppendPiece(decoding, bytes.substr(0, usable))) {
        case PieceResult::kAppended:
          break;
        case PieceResult::kNotUtf8:
          notUtf8_ = true;
          return false;
        case PieceResult::kRefused:
          return false;
      }
      if (first && got != 0 && fileSize_ > got) {
        sink_.ExpectGrowth(static_cast<double>(fileSize_) / static_cast<double>(got), fileSize_);
      }
      first = false;
      if (atEnd) return true;

      // Keep the undecoded tail for the next piece.
      const std::size_t consumed = static_cast<std::size_t>(bytes.data() - buffer.data()) + usable;
      pending = bytes.size() - usable;
      std::copy_n(buffer.begin() + static_cast<std::ptrdiff_t>(consumed), pending, buffer.begin());
    }
  }

  PieceResult AppendPiece(Decoding decoding, std::string_view bytes) {
    std::u16string units;
    switch (decoding) {
      case Decoding::kUtf16Le:
      case Decoding::kUtf16Be:
        units = Utf16FromBytes(bytes, decoding == Decoding::kUtf16Be);
        break;
      case Decoding::kUndecided:
        if (!IsValidUtf8(bytes)) return PieceResult::kNotUtf8;
        if (IsAscii(bytes)) {
          units = WidenAscii(bytes);
        } else {
          units = Utf8ToUtf16(bytes);
          encoding_ = NameFileEncoding::kUtf8;  // valid UTF-8 that is not all ASCII, so far
        }
        break;
      case Decoding::kUtf8:
        units = IsAscii(bytes) ? WidenAscii(bytes) : Utf8ToUtf16(bytes);
        break;
      case Decoding::kGbk:
        units = IsAscii(bytes) ? WidenAscii(bytes) : GbkToUtf16(bytes);
        break;
    }
    return sink_.Append(units) ? PieceResult::kAppended : PieceResult::kRefused;
  }

  InputFile& file_;
  std::uint64_t fileSize_;
  std::size_t chunkBytes_;
  NameTextSink& sink_;
  NameFileEncoding encoding_ = NameFileEncoding::kGbk;  // all ASCII reads the same either way
  bool notUtf8_ = false;
};

}  // namespace

std::optional<NameFileEncoding> ReadNameFile(const FilePath& file, NameTextSink& sink, std::size_t chunkBytes) {
  if (file.empty()) return std::nullopt;
  auto stream = InputFile::Open(file);
  if (!stream) return std::nullopt;
  const auto size = stream->Size();
  if (!size) return std::nullopt;
  return NameFileReader(*stream, *size, std::max<std::size_t>(chunkBytes, 4), sink).Read();
}

}  // namespace ravelo
