#include "config/core/roster_import.h"

#include <algorithm>
#include <array>
#include <unordered_set>

#include "shared/core/delimited_text.h"

namespace ravelo {
namespace {

constexpr std::size_t kHeaderRows = 10;
constexpr std::size_t kSampleRows = 1000;
constexpr std::size_t kMaxChooserColumns = 256;

bool IsBlank(char16_t c) { return c == u' ' || c == u'\t' || c == u'\u3000' || c == u'\u00A0'; }

std::u16string_view Trimmed(std::u16string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

bool IsHeader(std::u16string_view cell) {
  static constexpr std::array<std::u16string_view, 4> kChinese{u"姓名", u"名字", u"学生姓名", u"名称"};
  const std::u16string_view text = Trimmed(cell);
  if (std::find(kChinese.begin(), kChinese.end(), text) != kChinese.end()) return true;
  constexpr std::u16string_view kName = u"name";
  return text.size() == kName.size() && std::equal(text.begin(), text.end(), kName.begin(), [](char16_t a, char16_t b) {
           return (a >= u'A' && a <= u'Z' ? static_cast<char16_t>(a - u'A' + u'a') : a) == b;
         });
}

// Numbers, dates, times and phone numbers: digits with a few signs.
bool LooksNumeric(std::u16string_view cell) {
  const std::u16string_view text = Trimmed(cell);
  bool digit = false;
  for (const char16_t c : text) {
    if (c >= u'0' && c <= u'9') digit = true;
    else if (!(c == u'.' || c == u'-' || c == u'+' || c == u'/' || c == u':' || c == u' ' || c == u'e' || c == u'E' ||
               c == u'(' || c == u')' || c == u','))
      return false;
  }
  return digit;
}

bool IsDelimitedText(std::string_view bytes) {
  // NUL bytes outside UTF-16 mean a binary file, not text.
  if (bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF")) return true;
  return bytes.find('\0') == std::string_view::npos;
}

std::u16string ColumnLetters(std::uint32_t column) {
  std::u16string letters;
  for (std::uint64_t n = static_cast<std::uint64_t>(column) + 1; n > 0; n = (n - 1) / 26)
    letters.insert(letters.begin(), static_cast<char16_t>(u'A' + (n - 1) % 26));
  return letters;
}

}  // namespace

std::u16string RosterProblemMessage(RosterProblem problem) {
  switch (problem) {
    case RosterProblem::kNone: return {};
    case RosterProblem::kOldXls: return u"请在表格程序中另存为.xlsx或.csv后再导入";
    case RosterProblem::kEncrypted: return u"这个表格设有打开密码,无法导入。请在表格程序中取消密码另存后再导入";
    case RosterProblem::kDamaged: return u"文件已损坏或不是名单表格,无法导入";
    case RosterProblem::kTooLarge: return u"文件太大,无法导入";
    case RosterProblem::kNoNames: return u"文件中没有找到名字";
  }
  return {};
}

std::u16string RosterInUseMessage(std::u16string_view fileName, const std::vector<std::u16string>& programs) {
  std::u16string message = u"文件“" + std::u16string(fileName) + u"”正被";
  if (programs.empty()) {
    message += u"另一个程序";
  } else {
    for (size_t i = 0; i < programs.size(); ++i) message += (i ? u"、" : u"") + programs[i];
  }
  message += u"打开,无法读取。请关闭后再导入";
  return message;
}

RosterProblem RosterSource::OpenFile(std::string bytes) {
  bytes_ = std::move(bytes);
  sheetNames_.clear();
  sheet_ = 0;
  table_ = std::make_unique<CellTable>();
  if (bytes_.starts_with("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1")) {
    // A compound file: an old workbook, or a new one wrapped by encryption
    // (its stream "EncryptedPackage", named in UTF-16 in the directory).
    constexpr std::string_view kEncrypted{"E\0n\0c\0r\0y\0p\0t\0e\0d\0P\0a\0c\0k\0a\0g\0e\0", 32};
    return bytes_.find(kEncrypted) != std::string::npos ? RosterProblem::kEncrypted : RosterProblem::kOldXls;
  }
  if (bytes_.starts_with("PK")) {
    switch (workbook_.Open(bytes_)) {
      case WorkbookError::kNone: break;
      case WorkbookError::kEncrypted: return RosterProblem::kEncrypted;
      case WorkbookError::kTooLarge: return RosterProblem::kTooLarge;
      case WorkbookError::kDamaged: return RosterProblem::kDamaged;
    }
    sheetNames_ = workbook_.SheetNames();
    return SelectSheet(0);
  }
  if (!IsDelimitedText(bytes_)) return RosterProblem::kDamaged;
  const std::u16string text = DecodeTextFile(bytes_);
  bytes_.clear();
  bytes_.shrink_to_fit();
  if (!ReadDelimitedText(text, DetectDelimiter(text), *table_)) return RosterProblem::kTooLarge;
  return table_->RowCount() ? RosterProblem::kNone : RosterProblem::kNoNames;
}

RosterProblem RosterSource::OpenPastedText(std::u16string_view text) {
  sheetNames_.clear();
  table_ = std::make_unique<CellTable>();
  if (!ReadDelimitedText(text, u'\t', *table_)) return RosterProblem::kTooLarge;
  return table_->RowCount() ? RosterProblem::kNone : RosterProblem::kNoNames;
}

RosterProblem RosterSource::SelectSheet(std::size_t index) {
  auto table = std::make_unique<CellTable>();
  switch (workbook_.ReadSheet(index, *table)) {
    case WorkbookError::kNone: break;
    case WorkbookError::kEncrypted: return RosterProblem::kEncrypted;
    case WorkbookError::kTooLarge: return RosterProblem::kTooLarge;
    case WorkbookError::kDamaged: return RosterProblem::kDamaged;
  }
  table_ = std::move(table);
  sheet_ = index;
  return table_->RowCount() ? RosterProblem::kNone : RosterProblem::kNoNames;
}

NamesColumn FindNamesColumn(const CellTable& table) {
  const std::vector<std::uint32_t> columns = UsedColumns(table);
  for (std::size_t row = 0; row < std::min(kHeaderRows, table.RowCount()); ++row)
    for (const std::uint32_t column : columns)
      if (IsHeader(table.At(row, column))) return {column, row + 1, true};
  for (const std::uint32_t column : columns) {
    std::size_t filled = 0;
    std::size_t text = 0;
    for (std::size_t row = 0; row < std::min(kSampleRows, table.RowCount()); ++row) {
      const std::u16string_view cell = Trimmed(table.At(row, column));
      if (cell.empty()) continue;
      ++filled;
      if (!LooksNumeric(cell)) ++text;
    }
    if (filled > 0 && text * 2 > filled) return {column, 0, false};
  }
  return {columns.empty() ? 0 : columns.front(), 0, false};
}

std::vector<std::uint32_t> UsedColumns(const CellTable& table) {
  // Which columns hold a cell: a look at every row would cost as much as the
  // import, so rows are sampled (the first thousand, then every hundredth).
  std::vector<bool> used(table.ColumnCount(), false);
  for (std::size_t row = 0; row < table.RowCount(); row += row < kSampleRows ? 1 : 100)
    table.ForEachCell(row, [&used](std::uint32_t column, std::u16string_view) { used[column] = true; });
  std::vector<std::uint32_t> columns;
  for (std::uint32_t column = 0; column < used.size() && columns.size() < kMaxChooserColumns; ++column)
    if (used[column]) columns.push_back(column);
  return columns;
}

std::u16string ColumnLabel(const CellTable& table, std::uint32_t column, const NamesColumn& names) {
  std::u16string label = ColumnLetters(column) + u"列";
  std::u16string_view hint;
  if (names.foundByHeader) hint = Trimmed(table.At(names.firstRow - 1, column));
  for (std::size_t row = names.firstRow; hint.empty() && row < std::min(table.RowCount(), names.firstRow + 10); ++row)
    hint = Trimmed(table.At(row, column));
  if (hint.size() > 12) hint = hint.substr(0, 12);
  for (const char16_t c : hint)
    if (c == u'\r' || c == u'\n') return label;
  if (!hint.empty()) label += u" (" + std::u16string(hint) + u")";
  return label;
}

RosterNames NamesInColumn(const CellTable& table, const NamesColumn& where, bool dropDuplicates) {
  RosterNames result;
  result.names.reserve(table.RowCount() - std::min(where.firstRow, table.RowCount()));
  for (std::size_t row = where.firstRow; row < table.RowCount(); ++row) {
    const std::u16string_view cell = Trimmed(table.At(row, where.column));
    if (cell.empty()) {
      ++result.emptySkipped;
      continue;
    }
    std::u16string& name = result.names.emplace_back(cell);
    // One name per line in the list: a break inside a cell (Alt+Enter) and
    // a NUL (which an edit box cannot hold) become spaces.
    for (char16_t& c : name)
      if (c == u'\r' || c == u'\n' || c == u'\0') c = u' ';
  }
  // The vector no longer grows, so views of its names stay valid.
  std::unordered_set<std::u16string_view> seen;
  seen.reserve(result.names.size());
  std::vector<bool> repeat(result.names.size(), false);
  for (std::size_t i = 0; i < result.names.size(); ++i) {
    if (!seen.insert(result.names[i]).second) {
      repeat[i] = true;
      ++result.duplicates;
    }
  }
  seen.clear();
  if (dropDuplicates && result.duplicates > 0) {
    std::size_t kept = 0;
    for (std::size_t i = 0; i < result.names.size(); ++i)
      if (!repeat[i]) {
        if (kept != i) result.names[kept] = std::move(result.names[i]);
        ++kept;
      }
    result.names.resize(kept);
  }
  return result;
}

std::u16string ReplaceWithNames(const std::vector<std::u16string>& names) {
  std::u16string text;
  std::size_t length = 0;
  for (const auto& name : names) length += name.size() + 2;
  text.reserve(length);
  for (const auto& name : names) {
    if (&name != &names.front()) text += u"\r\n";
    text += name;
  }
  return text;
}

std::u16string AppendNames(std::u16string_view existing, const std::vector<std::u16string>& names) {
  std::u16string text(existing);
  if (names.empty()) return text;
  if (!text.empty() && text.back() != u'\n' && text.back() != u'\r') text += u"\r\n";
  return text + ReplaceWithNames(names);
}

}  // namespace ravelo
