// Delimited text as spreadsheets exchange it (.csv, .txt, cells copied to the
// clipboard): reading it into a CellTable, and writing fields so that Excel
// and WPS read them back whole.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "shared/core/cell_table.h"

namespace ravelo {

// A text file's characters: a UTF-8 or UTF-16 byte-order mark decides;
// without one, valid UTF-8 is UTF-8 and anything else is GBK (code page 936,
// what Excel saves as "CSV" on a Chinese Windows).
std::u16string DecodeTextFile(std::string_view bytes);

// The field separator of delimited text: the one of comma, semicolon and tab
// (outside quotes) found on the most of the first lines, the tab winning a
// tie; a comma when none is found (the text is then one column).
char16_t DetectDelimiter(std::u16string_view text);

// Reads every row into table. A field that begins with a double quote runs to
// the matching quote, doubled quotes standing for one and line breaks kept;
// CR, LF and CR LF end a row. Nothing is trimmed. False when the table
// filled up (CellTable::Full) before the end.
bool ReadDelimitedText(std::u16string_view text, char16_t delimiter, CellTable& table);

// One field of a comma-separated line (UTF-8): quoted, with its quotes
// doubled, when it holds a comma, a quote, a line break or leading or
// trailing spaces.
std::string CsvField(std::string_view utf8);
// Fields joined by commas, ending in CR LF.
std::string CsvLine(const std::vector<std::string_view>& fields);

}  // namespace ravelo
