#include "shared/core/delimited_text.h"

#include <gtest/gtest.h>

namespace ravelo {
namespace {

std::u16string Rows(std::u16string_view text, char16_t delimiter) {
  CellTable table;
  EXPECT_TRUE(ReadDelimitedText(text, delimiter, table));
  std::u16string out;
  for (size_t row = 0; row < table.RowCount(); ++row) {
    for (std::uint32_t column = 0; column < table.ColumnCount(); ++column)
      out += (column ? u"|" : u"") + std::u16string(table.At(row, column));
    out += u"/";
  }
  return out;
}

TEST(DelimitedText, ReadsQuotedFieldsAndEveryLineEnd) {
  EXPECT_EQ(Rows(u"a,\"b,\"\"c\"\"\"\r\n\"x\r\ny\",z\rlast,", u','), u"a|b,\"c\"/x\r\ny|z/last|/");
  EXPECT_EQ(Rows(u"\n\n\t\t\n a \t\"open", u'\t'), u" a |open/") << "empty rows dropped, an open quote runs to the end";
  EXPECT_EQ(Rows(u"\"a\"b,c", u','), u"ab|c/") << "text after a closing quote is kept";
}

TEST(DelimitedText, FindsTheSeparatorOutsideQuotes) {
  EXPECT_EQ(DetectDelimiter(u"a;b\nc;d\n\"x,y\";z"), u';');
  EXPECT_EQ(DetectDelimiter(u"a\tb,c\nd\te"), u'\t');
  EXPECT_EQ(DetectDelimiter(u"张三\n李四"), u',');
  EXPECT_EQ(DecodeTextFile("\xD5\xC5\xC8\xFD"), u"张三");  // GBK
  EXPECT_EQ(DecodeTextFile("\xEF\xBB\xBF\xE5\xBC\xA0"), u"张");
  EXPECT_EQ(DecodeTextFile(std::string("\xFE\xFF\x5F\x20", 4)), u"张");
}

TEST(DelimitedText, WritesFieldsSpreadsheetsReadBackWhole) {
  EXPECT_EQ(CsvLine({"2026-01-02 03:04:05", "张三", "a,b", "say \"hi\"", " pad", "two\nlines", ""}),
            "2026-01-02 03:04:05,张三,\"a,b\",\"say \"\"hi\"\"\",\" pad\",\"two\nlines\",\r\n");
  // What the writer writes, the reader reads.
  const std::string line = CsvLine({"x,\"y\"", "z"});
  CellTable table;
  ReadDelimitedText(std::u16string(line.begin(), line.end()), u',', table);
  EXPECT_EQ(table.At(0, 0), u"x,\"y\"");
}

}  // namespace
}  // namespace ravelo
