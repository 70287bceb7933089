#include "config/core/zip_archive.h"

#include <zlib.h>

#include <algorithm>

namespace ravelo {
namespace {

constexpr std::uint32_t kEndOfDirectory = 0x06054b50;
constexpr std::uint32_t kZip64EndLocator = 0x07064b50;
constexpr std::uint32_t kZip64End = 0x06064b50;
constexpr std::uint32_t kDirectoryEntry = 0x02014b50;
constexpr std::uint32_t kLocalHeader = 0x04034b50;
constexpr size_t kEndSize = 22;
constexpr std::uint16_t kFlagEncrypted = 0x0001;
constexpr std::uint16_t kFlagStrongEncryption = 0x0040;
constexpr size_t kPiece = 64 * 1024;

// Little-endian reads within bounds: a read past the end gives 0 and
// clears ok, so one check after a record tells whether it fitted.
class Reader {
 public:
  Reader(std::string_view bytes, std::uint64_t at) : bytes_(bytes), at_(at) {}
  std::uint64_t Unsigned(int width) {
    if (at_ > bytes_.size() || bytes_.size() - at_ < static_cast<std::uint64_t>(width)) {
      ok_ = false;
      at_ = bytes_.size();
      return 0;
    }
    std::uint64_t value = 0;
    for (int i = width - 1; i >= 0; --i) value = (value << 8) | static_cast<unsigned char>(bytes_[static_cast<size_t>(at_) + static_cast<size_t>(i)]);
    at_ += static_cast<std::uint64_t>(width);
    return value;
  }
  std::uint16_t U16() { return static_cast<std::uint16_t>(Unsigned(2)); }
  std::uint32_t U32() { return static_cast<std::uint32_t>(Unsigned(4)); }
  std::uint64_t U64() { return Unsigned(8); }
  std::string_view Take(std::uint64_t count) {
    if (at_ > bytes_.size() || bytes_.size() - at_ < count) {
      ok_ = false;
      at_ = bytes_.size();
      return {};
    }
    // Both within the bytes, so within size_t.
    const std::string_view part = bytes_.substr(static_cast<size_t>(at_), static_cast<size_t>(count));
    at_ += count;
    return part;
  }
  bool ok() const { return ok_; }
  std::uint64_t at() const { return at_; }

 private:
  std::string_view bytes_;
  std::uint64_t at_;
  bool ok_ = true;
};

// The ZIP64 extra field (id 1) holds, in order, the sizes and the offset
// whose 32-bit fields are all ones.
bool ReadZip64Extra(std::string_view extra, ZipEntry& entry, bool sizeFull, bool compressedFull, bool offsetFull) {
  Reader r(extra, 0);
  while (r.ok() && r.at() + 4 <= extra.size()) {
    const std::uint16_t id = r.U16();
    const std::uint16_t length = r.U16();
    Reader field(r.Take(length), 0);
    if (id != 1) continue;
    if (sizeFull) entry.size = field.U64();
    if (compressedFull) entry.compressedSize = field.U64();
    if (offsetFull) entry.localHeader = field.U64();
    return field.ok();
  }
  return !(sizeFull || compressedFull || offsetFull);
}

bool SameName(std::string_view a, std::string_view b) {
  if (a.starts_with('/')) a.remove_prefix(1);
  if (b.starts_with('/')) b.remove_prefix(1);
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    return lower(x) == lower(y);
  });
}

}  // namespace

ZipError ZipArchive::Open(std::string_view bytes) {
  bytes_ = bytes;
  entries_.clear();
  if (bytes.size() < kEndSize) return ZipError::kNotZip;
  // The end record sits in the last 22 + 65535 (comment) bytes.
  const size_t earliest = bytes.size() > kEndSize + 0xFFFF ? bytes.size() - kEndSize - 0xFFFF : 0;
  size_t end = bytes.size() - kEndSize + 1;
  bool found = false;
  while (end-- > earliest) {
    if (Reader(bytes, end).U32() == kEndOfDirectory) {
      found = true;
      break;
    }
  }
  if (!found) return ZipError::kNotZip;
  Reader e(bytes, end + 4);
  e.U16();  // this disk
  e.U16();  // the directory's disk
  e.U16();  // entries on this disk
  std::uint64_t count = e.U16();
  std::uint64_t directorySize = e.U32();
  std::uint64_t directoryAt = e.U32();
  if (count == 0xFFFF || directorySize == 0xFFFFFFFF || directoryAt == 0xFFFFFFFF) {
    // ZIP64: a locator right before the end record points at the real one.
    if (end < 20) return ZipError::kDamaged;
    Reader locator(bytes, end - 20);
    if (locator.U32() != kZip64EndLocator) return ZipError::kDamaged;
    locator.U32();
    Reader z(bytes, locator.U64());
    if (z.U32() != kZip64End) return ZipError::kDamaged;
    z.U64();  // record size
    z.U16();  // made by
    z.U16();  // needed
    z.U32();  // this disk
    z.U32();  // the directory's disk
    z.U64();  // entries on this disk
    count = z.U64();
    directorySize = z.U64();
    directoryAt = z.U64();
    if (!z.ok()) return ZipError::kDamaged;
  }
  // Each directory record takes at least 46 bytes: a count beyond what fits
  // is a lie, not a reason to reserve memory.
  if (directoryAt > bytes.size() || directorySize > bytes.size() - directoryAt || count > directorySize / 46)
    return ZipError::kDamaged;
  Reader d(bytes.substr(0, static_cast<size_t>(directoryAt + directorySize)), directoryAt);
  entries_.reserve(static_cast<size_t>(count));
  for (std::uint64_t i = 0; i < count; ++i) {
    if (d.U32() != kDirectoryEntry) return ZipError::kDamaged;
    ZipEntry entry;
    d.U16();  // made by
    d.U16();  // needed
    entry.flags = d.U16();
    entry.method = d.U16();
    d.U32();  // time and date
    entry.crc = d.U32();
    entry.compressedSize = d.U32();
    entry.size = d.U32();
    const std::uint16_t nameLength = d.U16();
    const std::uint16_t extraLength = d.U16();
    const std::uint16_t commentLength = d.U16();
    d.U16();  // disk
    d.U16();  // internal attributes
    d.U32();  // external attributes
    entry.localHeader = d.U32();
    entry.name = std::string(d.Take(nameLength));
    const std::string_view extra = d.Take(extraLength);
    d.Take(commentLength);
    if (!d.ok()) return ZipError::kDamaged;
    if (!ReadZip64Extra(extra, entry, entry.size == 0xFFFFFFFF, entry.compressedSize == 0xFFFFFFFF,
                        entry.localHeader == 0xFFFFFFFF))
      return ZipError::kDamaged;
    entries_.push_back(std::move(entry));
  }
  return ZipError::kNone;
}

const ZipEntry* ZipArchive::Find(std::string_view name) const {
  for (const ZipEntry& entry : entries_)
    if (SameName(entry.name, name)) return &entry;
  return nullptr;
}

ZipError ZipArchive::Extract(const ZipEntry& entry, std::uint64_t maxBytes, const Sink& sink, bool* stopped) const {
  bool halted = false;
  if (stopped) *stopped = false;
  if (entry.flags & (kFlagEncrypted | kFlagStrongEncryption)) return ZipError::kEncrypted;
  if (entry.method != 0 && entry.method != 8) return ZipError::kUnsupported;
  if (entry.size > maxBytes) return ZipError::kTooLarge;
  Reader local(bytes_, entry.localHeader);
  if (local.U32() != kLocalHeader) return ZipError::kDamaged;
  local.Take(22);
  const std::uint16_t nameLength = local.U16();
  const std::uint16_t extraLength = local.U16();
  local.Take(static_cast<std::uint64_t>(nameLength) + extraLength);
  const std::string_view data = local.Take(entry.compressedSize);
  if (!local.ok()) return ZipError::kDamaged;

  std::uint64_t produced = 0;
  uLong crc = crc32(0L, Z_NULL, 0);
  auto deliver = [&](std::string_view piece) {
    produced += piece.size();
    crc = crc32(crc, reinterpret_cast<const Bytef*>(piece.data()), static_cast<uInt>(piece.size()));
    return sink(piece);
  };
  if (entry.method == 0) {
    if (entry.compressedSize != entry.size) return ZipError::kDamaged;
    for (size_t at = 0; at < data.size(); at += kPiece) {
      if (!deliver(data.substr(at, kPiece))) {
        halted = true;
        break;
      }
    }
  } else {
    z_stream z{};
    if (inflateInit2(&z, -MAX_WBITS) != Z_OK) return ZipError::kDamaged;
    std::string out(kPiece, '\0');
    size_t consumed = 0;
    int status = Z_OK;
    ZipError result = ZipError::kNone;
    while (status != Z_STREAM_END) {
      if (z.avail_in == 0 && consumed < data.size()) {
        // zlib counts in 32-bit units: feed at most 1 GB at a time.
        const size_t feed = std::min<size_t>(data.size() - consumed, 1u << 30);
        z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.data() + consumed));
        z.avail_in = static_cast<uInt>(feed);
        consumed += feed;
      }
      z.next_out = reinterpret_cast<Bytef*>(out.data());
      z.avail_out = static_cast<uInt>(out.size());
      status = inflate(&z, Z_NO_FLUSH);
      const size_t got = out.size() - z.avail_out;
      if (status != Z_OK && status != Z_STREAM_END) {
        result = ZipError::kDamaged;  // bad data, or it ran out before its end
        break;
      }
      if (produced + got > entry.size) {
        // More than declared: a bomb in disguise or a lie; either way stop.
        result = produced + got > maxBytes ? ZipError::kTooLarge : ZipError::kDamaged;
        break;
      }
      if (got > 0 && !deliver(std::string_view(out.data(), got))) {
        halted = true;
        break;
      }
    }
    inflateEnd(&z);
    if (result != ZipError::kNone) return result;
  }
  if (halted) {
    if (stopped) *stopped = true;
    return ZipError::kNone;
  }
  if (produced != entry.size || crc != entry.crc) return ZipError::kDamaged;
  return ZipError::kNone;
}

ZipError ZipArchive::ExtractAll(const ZipEntry& entry, std::uint64_t maxBytes, std::string& into) const {
  into.clear();
  if (entry.size <= maxBytes) into.reserve(static_cast<size_t>(entry.size));
  return Extract(entry, maxBytes, [&](std::string_view piece) {
    into.append(piece);
    return true;
  });
}

}  // namespace ravelo
