// The name list file name.txt as rvo and rvocfg both read it: how its bytes
// are decoded and where its lines end. One reader for both programs, so the
// editor shows exactly the names that the draw will use.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

#include "shared/core/file_system.h"

namespace ravelo {

// How a name list file was stored. A UTF-8 or UTF-16 (LE/BE) byte-order mark
// decides; without one, bytes that are valid UTF-8 and not all ASCII are
// UTF-8; anything else is GBK (code page 936, the suite's default).
enum class NameFileEncoding {
  kGbk,
  kUtf8,          // without a byte-order mark
  kUtf8WithBom,
  kUtf16Le,       // UTF-16 always carries its mark
  kUtf16Be,
};

// Receives a name list file's decoded text, piece by piece, in file order
// (without the byte-order mark). A piece never splits a character.
class NameTextSink {
 public:
  virtual ~NameTextSink() = default;

  // False stops the reading (the text grew too large to hold).
  virtual bool Append(std::u16string_view units) = 0;
  // The file turned out not to be UTF-8: everything appended so far is void
  // and the text arrives again from the start.
  virtual void Restart() = 0;
  // Called once, early: the whole file is about `factor` times what has
  // arrived so far (a hint for reserving memory; fileBytes caps it).
  virtual void ExpectGrowth(double factor, std::uint64_t fileBytes) {
    static_cast<void>(factor);
    static_cast<void>(fileBytes);
  }
};

inline constexpr std::size_t kNameFileChunkBytes = 256 * 1024;

// Decodes the file into sink, reading it in pieces of chunkBytes (at least 4,
// so that the first holds any byte-order mark; tests put the boundaries
// anywhere with small pieces). Nullopt when the file is missing, a folder,
// cannot be opened or read, or the sink refused a piece; otherwise the
// encoding it was read in.
std::optional<NameFileEncoding> ReadNameFile(const FilePath& file, NameTextSink& sink,
                                             std::size_t chunkBytes = kNameFileChunkBytes);

// Splits decoded text into lines. CR LF, CR and LF each end one line, also
// when a CR ends one piece and the LF begins the next; nothing is trimmed.
class LineSplitter {
 public:
  // Calls onUnit(unit) for every unit of text and onLineEnd() at every line
  // end, in order; false from onLineEnd stops and is returned.
  template <typename OnUnit, typename OnLineEnd>
  bool Feed(std::u16string_view units, OnUnit&& onUnit, OnLineEnd&& onLineEnd) {
    bool afterCr = afterCr_;
    for (const char16_t unit : units) {
      // Names are nearly all above CR, so most units take one comparison.
      if (unit > u'\r' || (unit != u'\r' && unit != u'\n')) {
        onUnit(unit);
        afterCr = false;
      } else if (unit == u'\n' && afterCr) {
        afterCr = false;  // the LF of a CR LF
      } else {
        afterCr = unit == u'\r';
        if (!onLineEnd()) return false;
      }
    }
    afterCr_ = afterCr;
    return true;
  }

  void Reset() { afterCr_ = false; }

 private:
  bool afterCr_ = false;  // the last unit was a CR; an LF next is its pair
};

}  // namespace ravelo
