// The names of a draw, loaded from name.txt: one name per line.
#pragma once

#include <cstddef>
#include <cstdint>
#include "shared/core/file_system.h"
#include <string>
#include <string_view>
#include <vector>

namespace ravelo {

// All names back to back in one UTF-16 buffer (the text the W API shows),
// with one end offset per name.
class NameList {
 public:
  std::size_t size() const { return ends_.size(); }
  bool empty() const { return ends_.empty(); }
  std::u16string_view operator[](std::size_t index) const;

  // Adds a name; an empty one is ignored, as an empty line is.
  void Add(std::u16string_view name);
  void Clear();  // also gives the memory back
  void swap(NameList& other) noexcept;

 private:
  friend class NameListLoader;

  std::u16string text_;
  std::vector<std::uint32_t> ends_;
};

// Reads the name list file with the suite's one reader (ReadNameFile and
// LineSplitter: CR, LF and CR LF end a line; the byte-order mark, else
// UTF-8 or GBK, decides the encoding). A line of zero length is skipped;
// nothing is trimmed (a line of spaces is a name, and a name on two lines is
// two entries); a last line without a line end counts.
//
// Returns false, leaving `into` unchanged, when the file is missing or cannot
// be opened or read. Returns true with `into` holding exactly the file's
// names otherwise (possibly none). A reload that wants the old list's memory
// back before the new one is read calls into.Clear() first.
bool Loadname(const FilePath& file, NameList& into);

// Loadname reading the file in pieces of chunkBytes (at least 4) instead of
// 256 KiB, so that tests can put piece boundaries anywhere in a small file.
bool LoadnameInPieces(const FilePath& file, NameList& into, std::size_t chunkBytes);

}  // namespace ravelo
