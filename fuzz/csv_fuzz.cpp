// Delimited text: any bytes decode and read without fault; every row read
// and written back with the CSV writer reads back the same; names taken from
// the table hold no line break.
#include <cstdint>
#include <string>
#include <vector>

#include "config/core/roster_import.h"
#include "fuzz_check.h"
#include "shared/core/delimited_text.h"
#include "shared/core/encoding.h"

using namespace ravelo;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  RosterSource source;
  if (source.OpenFile(bytes) != RosterProblem::kNone) return 0;
  const CellTable& table = source.Table();
  for (size_t row = 0; row < table.RowCount() && row < 50; ++row) {
    std::vector<std::string> fields;
    for (std::uint32_t column = 0; column < table.ColumnCount() && column < 50; ++column)
      fields.push_back(Utf16ToUtf8(table.At(row, column)));
    const std::vector<std::string_view> views(fields.begin(), fields.end());
    CellTable again;
    FUZZ_CHECK(ReadDelimitedText(Utf8ToUtf16(CsvLine(views)), u',', again));
    for (std::uint32_t column = 0; column < views.size(); ++column)
      FUZZ_CHECK(Utf16ToUtf8(again.At(0, column)) == fields[column]);
  }
  const RosterNames names = NamesInColumn(table, FindNamesColumn(table), true);
  for (const std::u16string& name : names.names) FUZZ_CHECK(name.find_first_of(u"\r\n") == std::u16string::npos);
  return 0;
}
