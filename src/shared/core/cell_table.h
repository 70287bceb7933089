// A table of text cells as a spreadsheet or a delimited text file holds it:
// rows of cells, each at a column number, most of them short. Held compactly
// (one text buffer, twelve bytes per cell, empty cells not stored), so that a
// roster of 100,000 rows and several columns stays within a few megabytes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace ravelo {

class CellTable {
 public:
  // What one table may hold: beyond it AddCell refuses (a hostile file must
  // not take all memory).
  static constexpr std::size_t kMaxCells = 8'000'000;
  static constexpr std::size_t kMaxTextUnits = 24'000'000;
  static constexpr std::uint32_t kMaxColumns = 16'384;  // as a worksheet: A to XFD

  // Adds a cell to the row being built. Empty text is not stored; a column
  // at or left of the row's last cell, or past kMaxColumns, is ignored.
  // False when the table is full.
  bool AddCell(std::uint32_t column, std::u16string_view text);
  // Ends the row being built. A row without cells is not kept, so a sheet of
  // a million empty rows costs nothing.
  void EndRow();

  std::size_t RowCount() const { return rowStarts_.size(); }
  // One more than the rightmost column holding a cell.
  std::uint32_t ColumnCount() const { return columns_; }
  // Empty for a cell that holds nothing.
  std::u16string_view At(std::size_t row, std::uint32_t column) const;
  bool Full() const { return full_; }
  // Calls f(column, text) for each cell of the row, left to right.
  template <typename F>
  void ForEachCell(std::size_t row, F&& f) const {
    if (row >= rowStarts_.size()) return;
    const std::size_t last = row + 1 < rowStarts_.size() ? rowStarts_[row + 1] : rowBegin_;
    for (std::size_t i = rowStarts_[row]; i < last; ++i)
      f(cells_[i].column, std::u16string_view(text_).substr(cells_[i].offset, cells_[i].length));
  }

 private:
  struct Cell {
    std::uint32_t column;
    std::uint32_t offset;  // in text_
    std::uint32_t length;
  };
  std::u16string text_;
  std::vector<Cell> cells_;
  std::vector<std::uint32_t> rowStarts_;  // index of each kept row's first cell
  std::size_t rowBegin_ = 0;              // the row being built starts here in cells_
  std::uint32_t columns_ = 0;
  bool full_ = false;
};

}  // namespace ravelo
