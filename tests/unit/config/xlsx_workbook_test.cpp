#include "config/core/xlsx_workbook.h"

#include <gtest/gtest.h>

#include "roster_files.h"
#include "zip_builder.h"

namespace ravelo {
namespace {

namespace rosters = testing::rosters;

// A row of the table as "a|b||d".
std::u16string Row(const CellTable& table, size_t row) {
  std::u16string line;
  for (std::uint32_t column = 0; column < table.ColumnCount(); ++column)
    line += (column ? u"|" : u"") + std::u16string(table.At(row, column));
  while (line.ends_with(u'|')) line.pop_back();
  return line;
}

// The two files written by openpyxl and by LibreOffice hold the same roster:
// inline strings and formulas without values in one, shared strings and
// cached values in the other.
TEST(XlsxWorkbook, ReadsTheRostersSavedBySpreadsheetPrograms) {
  for (const std::string_view file : {rosters::k_openpyxl_xlsx, rosters::k_libreoffice_xlsx}) {
    const bool lo = file == rosters::k_libreoffice_xlsx;
    XlsxWorkbook book;
    ASSERT_EQ(book.Open(file), WorkbookError::kNone);
    EXPECT_EQ(book.SheetNames(), (std::vector<std::u16string>{u"初一(3)班", u"教师"}));
    CellTable table;
    ASSERT_EQ(book.ReadSheet(0, table), WorkbookError::kNone);
    ASSERT_EQ(table.RowCount(), 9u);
    EXPECT_EQ(Row(table, 0), u"2026学年 初一(3)班 学生名单");
    EXPECT_EQ(Row(table, 1), u"学号|姓名|性别|座号");
    EXPECT_EQ(Row(table, 2), lo ? u"2023001|张伟|男|1" : u"2023001|张伟|男");
    EXPECT_EQ(Row(table, 4), lo ? u"2023003||女|3" : u"2023003||女");
    EXPECT_EQ(Row(table, 5).substr(0, 13), u"2023004| 李娜 |");
    EXPECT_EQ(Row(table, 7).substr(0, 14), u"2023012345|刘洋|");
    EXPECT_EQ(Row(table, 8), u"2023007|陈静|女|1.5");
    CellTable teachers;
    ASSERT_EQ(book.ReadSheet(1, teachers), WorkbookError::kNone);
    EXPECT_EQ(Row(teachers, 2), u"钱老师|数学");
  }
}

TEST(XlsxWorkbook, ShowsNumbersAsTyped) {
  const std::pair<std::string_view, std::string_view> cases[] = {
      {"2023001", "2023001"}, {"2023001.0", "2023001"}, {"2.023001E6", "2023001"}, {"2023001234", "2023001234"},
      {"1.50", "1.5"},        {"-0.25", "-0.25"},       {"1E+20", "1e+20"},        {"abc", "abc"},
      {"", ""},
  };
  for (const auto& [stored, shown] : cases) EXPECT_EQ(NumberCellText(stored), shown) << stored;
  EXPECT_EQ(ColumnOfReference("A1"), 0);
  EXPECT_EQ(ColumnOfReference("ab12"), 27);
  EXPECT_EQ(ColumnOfReference("XFD1"), 16383);
  EXPECT_EQ(ColumnOfReference("XFE1"), -1);
  EXPECT_EQ(ColumnOfReference("12"), -1);
}

TEST(XlsxWorkbook, ReadsEveryKindOfCellAndSkipsPhoneticsAndEmptyRows) {
  std::string rows;
  // (A million of them is the benchmark's; here a hundred thousand.)
  for (int i = 0; i < 100000; ++i) rows += "<row r=\"" + std::to_string(i + 1) + "\"/>";
  rows +=
      "<row><c t=\"s\"><v>1</v></c><c t=\"inlineStr\"><is><r><t>王</t></r><r><t>芳</t></r></is></c>"
      "<c t=\"str\"><f>A1</f><v>公式</v></c><c t=\"b\"><v>1</v></c><c t=\"e\"><v>#N/A</v></c>"
      "<c t=\"s\"><v>99</v></c><c r=\"XFD2\"><v>5</v></c><c r=\"XFE2\"><v>6</v></c></row>";
  const std::string book =
      testing::MakeWorkbook({{"S", rows}}, "<si><t>x</t></si><si><t>张</t><rPh><t>ちょう</t></rPh><t>伟</t></si>");
  XlsxWorkbook workbook;
  ASSERT_EQ(workbook.Open(book), WorkbookError::kNone);
  CellTable table;
  ASSERT_EQ(workbook.ReadSheet(0, table), WorkbookError::kNone);
  ASSERT_EQ(table.RowCount(), 1u) << "empty rows take no room";
  EXPECT_EQ(Row(table, 0).substr(0, 18), u"张伟|王芳|公式|TRUE|#N/A");
  EXPECT_EQ(table.At(0, 5), u"") << "a shared string index out of range";
  EXPECT_EQ(table.At(0, 16383), u"5");
  EXPECT_EQ(table.ColumnCount(), 16384u);
}

TEST(XlsxWorkbook, RefusesWhatIsNotAWorkbookOrTooLarge) {
  XlsxWorkbook book;
  EXPECT_EQ(book.Open(testing::MakeZip({{"a.txt", "hello"}})), WorkbookError::kDamaged);
  const std::string cut = testing::MakeWorkbook({{"S", "<row><c><v>1</v></c></row><row a=\"1>"}});
  EXPECT_EQ(book.Open(cut), WorkbookError::kNone);
  CellTable table;
  EXPECT_EQ(book.ReadSheet(0, table), WorkbookError::kDamaged) << "ends inside a tag";
  // A sheet declared larger than the limit is refused before it inflates
  // (one that lies about its size is the zip reader's test).
  const std::string bomb = testing::MakeZip({
      {"xl/workbook.xml", R"(<workbook><sheets><sheet name="S" r:id="x"/></sheets></workbook>)"},
      {"xl/worksheets/sheet1.xml", "<worksheet/>", true, 0xFFFFFFF0},
  });
  ASSERT_EQ(book.Open(bomb), WorkbookError::kNone);
  table = CellTable();
  EXPECT_EQ(book.ReadSheet(0, table), WorkbookError::kTooLarge);
  const std::string encrypted = testing::MakeZip({{"xl/workbook.xml", "<workbook/>", true, {}, {}, 1}});
  EXPECT_EQ(book.Open(encrypted), WorkbookError::kEncrypted);
}

}  // namespace
}  // namespace ravelo
