// The name list as the editor shows it: the whole file as one text, lines
// separated by CR LF, and the way back to the file's bytes.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "shared/core/file_system.h"
#include "shared/core/name_file.h"

namespace ravelo {

struct NameListText {
  // The file's lines (as rvo splits them, empty lines kept) joined by CR LF,
  // with no line end after the last one. A NUL, which an edit box cannot
  // hold, shows as a space.
  std::u16string text;
  NameFileEncoding encoding = NameFileEncoding::kGbk;  // what the next save writes
};

// Nullopt when the file is missing, a folder or unreadable.
std::optional<NameListText> ReadNameListText(const FilePath& file);

struct NameFileBytes {
  std::string bytes;
  NameFileEncoding encoding;  // what the bytes are in
};

// The file content for an edit text: every line, the last one too, ends with
// CR LF (a lone CR or LF in the text becomes CR LF); nothing else changes, so
// empty lines stay and nothing is trimmed. An empty text gives an empty file.
// The text is stored in `preferred`, except that text GBK cannot hold (a
// character beyond it, such as the rarer CJK extensions) goes to UTF-8 with
// a byte-order mark instead of being lost.
NameFileBytes EncodeNameListText(std::u16string_view text, NameFileEncoding preferred);

// Writes the edit text to the file in one replace (the old file stays whole
// on any failure). Returns the encoding written, nullopt when it failed.
std::optional<NameFileEncoding> SaveNameListText(const FilePath& file, std::u16string_view text,
                                                 NameFileEncoding preferred);

}  // namespace ravelo
