// An .xlsx workbook (Office Open XML, as Excel, WPS and LibreOffice save it)
// read for its cell texts: the list of worksheets, and one worksheet at a
// time into a CellTable. Shared strings, inline strings, numbers (as typed:
// integral values without ".0" or an exponent), formulas' cached values,
// booleans and error values all come out as the text a cell shows in its
// General format; dates come out as their serial numbers.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "config/core/zip_archive.h"
#include "shared/core/cell_table.h"

namespace ravelo {

enum class WorkbookError {
  kNone,
  kDamaged,    // not a workbook, or one whose parts cannot be read
  kEncrypted,
  kTooLarge,   // a part that inflates beyond kMaxPartBytes, or too many cells
};

class XlsxWorkbook {
 public:
  static constexpr std::uint64_t kMaxPartBytes = 256ull << 20;

  // Reads the sheet list of the workbook in bytes, which must outlive this.
  WorkbookError Open(std::string_view bytes);
  // The worksheets' names in the workbook's order (chart sheets left out).
  const std::vector<std::u16string>& SheetNames() const { return sheetNames_; }
  // Reads worksheet `index` into table (which should be empty).
  WorkbookError ReadSheet(std::size_t index, CellTable& table);

 private:
  WorkbookError LoadSharedStrings();

  ZipArchive zip_;
  std::vector<std::u16string> sheetNames_;
  std::vector<std::string> sheetParts_;
  std::string sharedStringsPart_;
  bool sharedStringsRead_ = false;
  std::u16string sharedText_;
  std::vector<std::uint32_t> sharedStarts_;  // where each string begins
};

// A numeric cell's stored value as the General format shows it when the
// value was typed: "2023001.0" and "2.023001E6" show as "2023001". Text
// that is not a number comes back unchanged.
std::string NumberCellText(std::string_view stored);

// The column of a cell reference ("B7" is 1, "AA1" is 26); -1 when it has no
// column letters or passes XFD.
long ColumnOfReference(std::string_view reference);

}  // namespace ravelo
