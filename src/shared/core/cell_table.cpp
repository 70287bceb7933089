#include "shared/core/cell_table.h"

#include <algorithm>

namespace ravelo {

bool CellTable::AddCell(std::uint32_t column, std::u16string_view text) {
  if (full_) return false;
  if (text.empty() || column >= kMaxColumns) return true;
  if (cells_.size() > rowBegin_ && cells_.back().column >= column) return true;
  if (cells_.size() >= kMaxCells || text_.size() + text.size() > kMaxTextUnits) {
    full_ = true;
    return false;
  }
  cells_.push_back({column, static_cast<std::uint32_t>(text_.size()), static_cast<std::uint32_t>(text.size())});
  text_.append(text);
  columns_ = std::max(columns_, column + 1);
  return true;
}

void CellTable::EndRow() {
  if (cells_.size() > rowBegin_) rowStarts_.push_back(static_cast<std::uint32_t>(rowBegin_));
  rowBegin_ = cells_.size();
}

std::u16string_view CellTable::At(std::size_t row, std::uint32_t column) const {
  if (row >= rowStarts_.size()) return {};
  const auto first = cells_.begin() + rowStarts_[row];
  const auto last = row + 1 < rowStarts_.size() ? cells_.begin() + rowStarts_[row + 1]
                                                 : cells_.begin() + static_cast<std::ptrdiff_t>(rowBegin_);
  const auto cell = std::lower_bound(first, last, column, [](const Cell& c, std::uint32_t col) { return c.column < col; });
  if (cell == last || cell->column != column) return {};
  return std::u16string_view(text_).substr(cell->offset, cell->length);
}

}  // namespace ravelo
