#include "config/core/roster_import.h"

#include <gtest/gtest.h>

#include "roster_files.h"
#include "zip_builder.h"

namespace ravelo {
namespace {

namespace rosters = testing::rosters;

CellTable TableOf(std::u16string_view tabSeparated) {
  CellTable table;
  RosterSource source;
  source.OpenPastedText(tabSeparated);
  for (size_t row = 0; row < source.Table().RowCount(); ++row) {
    for (std::uint32_t column = 0; column < source.Table().ColumnCount(); ++column)
      table.AddCell(column, source.Table().At(row, column));
    table.EndRow();
  }
  return table;
}

TEST(RosterImport, TheRosterOfASpreadsheetBecomesItsNamesColumn) {
  RosterSource source;
  ASSERT_EQ(source.OpenFile(std::string(rosters::k_libreoffice_xlsx)), RosterProblem::kNone);
  const NamesColumn where = FindNamesColumn(source.Table());
  EXPECT_EQ(where.column, 1u);
  EXPECT_EQ(where.firstRow, 2u) << "the title row and the header are skipped";
  EXPECT_EQ(ColumnLabel(source.Table(), 0, where), u"A列 (学号)");
  const RosterNames kept = NamesInColumn(source.Table(), where, false);
  EXPECT_EQ(kept.names, (std::vector<std::u16string>{u"张伟", u"王芳", u"李娜", u"张伟", u"刘洋", u"陈静"}));
  EXPECT_EQ(kept.emptySkipped, 1u);
  EXPECT_EQ(kept.duplicates, 1u);
  const RosterNames dropped = NamesInColumn(source.Table(), where, true);
  EXPECT_EQ(dropped.names, (std::vector<std::u16string>{u"张伟", u"王芳", u"李娜", u"刘洋", u"陈静"}));
  EXPECT_EQ(dropped.duplicates, 1u);
  // The second sheet's header is "name".
  ASSERT_EQ(source.SelectSheet(1), RosterProblem::kNone);
  EXPECT_EQ(NamesInColumn(source.Table(), FindNamesColumn(source.Table()), true).names,
            (std::vector<std::u16string>{u"赵老师", u"钱老师"}));
}

TEST(RosterImport, WithoutAHeaderTheFirstMostlyTextColumnHoldsTheNames) {
  struct Case {
    std::u16string_view table;
    std::uint32_t column;
    size_t firstRow;
  };
  const Case cases[] = {
      {u"1\t张三\t男\n2\t李四\t女\n3\t007\t男\n", 1, 0},  // one number among names is a name
      {u"2023-09-01\t13800000000\tAnn\n2023-09-02\t(010) 1234\tBob\n", 2, 0},
      {u"1\n2\n3\n", 0, 0},                               // numbers only: still a list
      {u"x\tid\n\t NAME \n\tAnn\n", 1, 2},                // any case, spaces around
      {u"\t\t\n\t\t学生姓名\n", 2, 1},
  };
  for (const Case& c : cases) {
    const NamesColumn found = FindNamesColumn(TableOf(c.table));
    EXPECT_EQ(found.column, c.column) << std::string(c.table.begin(), c.table.end()).size();
    EXPECT_EQ(found.firstRow, c.firstRow);
  }
}

TEST(RosterImport, NamesAreTrimmedOneLineEachAndJoinTheEditorsText) {
  RosterSource source;
  ASSERT_EQ(source.OpenFile("\xEF\xBB\xBF" "姓名,备注\r\n\"  王\r\n芳 \",\"a,\"\"b\"\"\"\r\n\u3000\u3000,x\r\nAnn\r\n"),
            RosterProblem::kNone);
  const RosterNames names = NamesInColumn(source.Table(), FindNamesColumn(source.Table()), true);
  EXPECT_EQ(names.names, (std::vector<std::u16string>{u"王  芳", u"Ann"}));
  EXPECT_EQ(names.emptySkipped, 1u);
  EXPECT_EQ(source.Table().At(1, 1), u"a,\"b\"");
  EXPECT_EQ(ReplaceWithNames(names.names), u"王  芳\r\nAnn");
  EXPECT_EQ(AppendNames(u"甲\r\n乙", names.names), u"甲\r\n乙\r\n王  芳\r\nAnn");
  EXPECT_EQ(AppendNames(u"甲\r\n", names.names), u"甲\r\n王  芳\r\nAnn");
  EXPECT_EQ(AppendNames(u"", names.names), u"王  芳\r\nAnn");
}

TEST(RosterImport, TextFilesInEveryEncodingAndSeparator) {
  const std::pair<std::string, std::u16string> cases[] = {
      {"\xD0\xD5\xC3\xFB;\xB0\xE0\xBC\xB6\r\n\xD5\xC5\xC8\xFD;1\r\n", u"张三"},    // GBK, semicolons
      {std::string("\xFF\xFE\xD3\x59\x0D\x54\t\0a\0\n\0\x20\x5F\x09\x4E\t\0b\0", 20), u"张三"},  // UTF-16 tabs
      {"\xE5\xBC\xA0\xE4\xB8\x89\n", u"张三"},                                       // one column, UTF-8
  };
  for (const auto& [bytes, first] : cases) {
    RosterSource source;
    ASSERT_EQ(source.OpenFile(bytes), RosterProblem::kNone);
    const RosterNames names = NamesInColumn(source.Table(), FindNamesColumn(source.Table()), true);
    ASSERT_FALSE(names.names.empty());
    EXPECT_EQ(names.names.front(), first);
  }
}

TEST(RosterImport, SaysWhyAFileGivesNoNames) {
  const std::pair<std::string, RosterProblem> cases[] = {
      {std::string(rosters::k_old_xls), RosterProblem::kOldXls},
      {std::string(rosters::k_encrypted_xlsx), RosterProblem::kEncrypted},
      {std::string("PK\x03\x04 cut short"), RosterProblem::kDamaged},
      {std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16), RosterProblem::kDamaged},  // binary
      {"", RosterProblem::kNoNames},
      {"\r\n,,\r\n", RosterProblem::kNoNames},
      {testing::MakeWorkbook({{"S", "<row/>"}}), RosterProblem::kNoNames},
  };
  for (const auto& [bytes, problem] : cases) {
    RosterSource source;
    EXPECT_EQ(source.OpenFile(bytes), problem) << bytes.size();
  }
  EXPECT_EQ(RosterProblemMessage(RosterProblem::kOldXls), u"请在表格程序中另存为.xlsx或.csv后再导入");
  EXPECT_EQ(RosterInUseMessage(u"名单.xlsx", {u"Microsoft Excel"}), u"文件“名单.xlsx”正被Microsoft Excel打开,无法读取。请关闭后再导入");
  EXPECT_EQ(RosterInUseMessage(u"a.csv", {}), u"文件“a.csv”正被另一个程序打开,无法读取。请关闭后再导入");
}

}  // namespace
}  // namespace ravelo
