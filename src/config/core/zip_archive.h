// The zip container of an .xlsx workbook, read from memory: its directory
// (ZIP64 included) and the inflated content of one part at a time, handed
// out in pieces. Nothing is ever written, so entry names (even with "..")
// only serve to find a part. zlib inflates; everything else is checked here:
// a part whose content would pass the caller's limit is refused before or
// while it inflates, and a part must inflate to exactly its declared size
// and CRC-32.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace ravelo {

enum class ZipError {
  kNone,
  kNotZip,     // no end-of-directory record
  kDamaged,    // a record out of the file's bounds, bad compressed data, wrong size or CRC
  kEncrypted,  // a part stored with zip encryption
  kTooLarge,   // a part larger than the limit
  kUnsupported,  // a compression method other than stored and deflate
};

struct ZipEntry {
  std::string name;
  std::uint16_t flags = 0;
  std::uint16_t method = 0;
  std::uint32_t crc = 0;
  std::uint64_t compressedSize = 0;
  std::uint64_t size = 0;
  std::uint64_t localHeader = 0;
};

class ZipArchive {
 public:
  // Reads the directory of the archive in bytes (which must outlive this).
  ZipError Open(std::string_view bytes);

  const std::vector<ZipEntry>& Entries() const { return entries_; }
  // The entry named so (ASCII letters in any case; a leading "/" ignored),
  // or null.
  const ZipEntry* Find(std::string_view name) const;

  // Inflates the entry, handing its content to sink in pieces. Refused with
  // kTooLarge when its declared or its real size passes maxBytes. A sink
  // that returns false stops the reading: Extract then returns kNone and
  // sets *stopped.
  using Sink = std::function<bool(std::string_view piece)>;
  ZipError Extract(const ZipEntry& entry, std::uint64_t maxBytes, const Sink& sink, bool* stopped = nullptr) const;
  // The whole content in one string (for the small parts).
  ZipError ExtractAll(const ZipEntry& entry, std::uint64_t maxBytes, std::string& into) const;

 private:
  std::string_view bytes_;
  std::vector<ZipEntry> entries_;
};

}  // namespace ravelo
