// Importing names from a roster file (.xlsx, .csv, .txt) or from spreadsheet
// cells pasted as tab-separated lines: what the file holds, which column has
// the names, and the names themselves with what was skipped. The name list
// editor shows this in its preview before anything reaches its box.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "config/core/xlsx_workbook.h"
#include "shared/core/cell_table.h"

namespace ravelo {

enum class RosterProblem {
  kNone,
  kOldXls,     // an Excel 97-2003 workbook
  kEncrypted,  // a workbook with a password to open
  kDamaged,    // not a roster at all, or a damaged one
  kTooLarge,
  kNoNames,
};

// What the operator is told for a problem (empty for kNone).
std::u16string RosterProblemMessage(RosterProblem problem);
// The file could not be opened because another program has it open;
// programs names them when the system could tell.
std::u16string RosterInUseMessage(std::u16string_view fileName, const std::vector<std::u16string>& programs);

inline constexpr std::uint64_t kMaxRosterFileBytes = 256ull << 20;

// A roster's content: one table for delimited text, a table per worksheet
// for a workbook (read when chosen). Not movable: the workbook reads from
// the bytes held here.
class RosterSource {
 public:
  RosterSource() = default;
  RosterSource(const RosterSource&) = delete;
  RosterSource& operator=(const RosterSource&) = delete;

  // A file's bytes. A workbook is told from text by its content (a zip, or
  // the compound file of an old or encrypted workbook), whatever the name.
  RosterProblem OpenFile(std::string bytes);
  // Text as pasted from a spreadsheet: rows of tab-separated cells.
  RosterProblem OpenPastedText(std::u16string_view text);

  // The worksheets' names; empty for delimited text.
  const std::vector<std::u16string>& SheetNames() const { return sheetNames_; }
  std::size_t Sheet() const { return sheet_; }
  // Reads another worksheet (the first is read on opening).
  RosterProblem SelectSheet(std::size_t index);
  const CellTable& Table() const { return *table_; }

 private:
  std::string bytes_;
  XlsxWorkbook workbook_;
  std::vector<std::u16string> sheetNames_;
  std::size_t sheet_ = 0;
  std::unique_ptr<CellTable> table_ = std::make_unique<CellTable>();
};

// Where the names are: a column, and the first row of names (rows above it
// are a header and any title rows).
struct NamesColumn {
  std::uint32_t column = 0;
  std::size_t firstRow = 0;
  bool foundByHeader = false;
};

// A cell of the first ten rows reading 姓名, 名字, 学生姓名, 名称 or name (any
// case, spaces around it ignored) picks its column, the names starting below
// it. Else the first column whose cells are mostly text that is not a
// number (of its first 1,000), from the first row; else the first column
// holding anything (a list of numbers is a list of names too).
NamesColumn FindNamesColumn(const CellTable& table);

// The columns holding any cell, left to right (at most 256), for a chooser.
std::vector<std::uint32_t> UsedColumns(const CellTable& table);
// "C列 (姓名)": the column's letters and, as a hint, its header or first cell
// below firstRow's header (cut to 12 characters).
std::u16string ColumnLabel(const CellTable& table, std::uint32_t column, const NamesColumn& names);

struct RosterNames {
  std::vector<std::u16string> names;
  std::size_t emptySkipped = 0;  // rows whose cell in the column is empty
  std::size_t duplicates = 0;    // names that repeat an earlier one
};

// The names of a column from firstRow on: spaces around each trimmed, line
// breaks inside a cell turned into spaces; empty ones skipped and counted;
// repeats counted and, when asked, left out (the first one stays).
RosterNames NamesInColumn(const CellTable& table, const NamesColumn& where, bool dropDuplicates);

// The editor's text after an import: the names alone (replace), or after the
// existing text on lines of their own (append).
std::u16string ReplaceWithNames(const std::vector<std::u16string>& names);
std::u16string AppendNames(std::u16string_view existing, const std::vector<std::u16string>& names);

}  // namespace ravelo
