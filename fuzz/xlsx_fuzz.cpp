// The .xlsx reader: any bytes open and read without fault (zip directory,
// inflate, XML, cells), every worksheet in turn; the names taken from a table
// are never empty, hold no line break and no blanks around them, and are
// counted with what was skipped.
#include <cstdint>
#include <string>

#include "config/core/roster_import.h"
#include "fuzz_check.h"

using namespace ravelo;

namespace {

void CheckNames(const CellTable& table) {
  const NamesColumn where = FindNamesColumn(table);
  for (const bool drop : {false, true}) {
    const RosterNames names = NamesInColumn(table, where, drop);
    const size_t rows = table.RowCount() > where.firstRow ? table.RowCount() - where.firstRow : 0;
    FUZZ_CHECK(names.names.size() + names.emptySkipped + (drop ? names.duplicates : 0) == rows);
    for (const std::u16string& name : names.names) {
      FUZZ_CHECK(!name.empty());
      FUZZ_CHECK(name.find_first_of(u"\r\n") == std::u16string::npos);
      FUZZ_CHECK(name.front() != u' ' && name.back() != u' ');
    }
  }
  for (const std::uint32_t column : UsedColumns(table)) FUZZ_CHECK(column < table.ColumnCount());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  XlsxWorkbook book;
  if (book.Open(bytes) != WorkbookError::kNone) return 0;
  for (size_t i = 0; i < book.SheetNames().size(); ++i) {
    CellTable table;
    if (book.ReadSheet(i, table) == WorkbookError::kNone) CheckNames(table);
  }
  return 0;
}
