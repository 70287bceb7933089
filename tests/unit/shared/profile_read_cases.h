// One table of profile reads with the value the suite's reader must return.
// The unit tests check this reader against it natively; the agreement tests
// check the platform's GetPrivateProfileStringA against it, except for the
// rows that say why this reader differs on purpose.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "shared/core/encoding.h"

namespace ravelo::testing {

struct ProfileReadCase {
  std::string file;  // the file's bytes
  const char* section;
  const char* key;
  size_t buffer;
  const char* expected;
  const char* mend = nullptr;  // why the platform returns something else
};

// The text as UTF-16 file bytes with a byte order mark.
inline std::string Utf16FileBytes(std::string_view utf8, bool bigEndian) {
  return std::string(bigEndian ? "\xFE\xFF" : "\xFF\xFE") + Utf16ToBytes(Utf8ToUtf16(utf8), bigEndian);
}

inline std::vector<ProfileReadCase> ProfileReadCases() {
  const std::string names = "[Form]\r\ncaption=Ravelo\r\n  Text =  hello  \r\n[ Style ]\r\nwidth=600\r\n";
  const std::string quotes =
      "[S]\r\npad=600   \r\ntab=\t7\t\r\ndq=\"quoted\"\r\nsq='single'\r\nmixed=\"half'\r\n"
      "inner=\" spaced \"\r\nonly=\"\r\nempty=\"\"\r\nnested=\"'x'\"\r\n";
  const std::string twenty = "一二三四五六七八九十甲乙丙丁戊己庚辛壬癸";
  const std::string chinese = Utf8ToGbk("[Form]\r\ncaption=" + twenty + "\r\ntext=A" + twenty + "\r\n");
  const std::string duplicates = "[A]\r\nk=first\r\nK=second\r\n[B]\r\nb=1\r\n[a]\r\nk=third\r\nextra=4\r\n";
  const std::string comments = "; about\r\n[S]\r\n;k=commented\r\nk\r\nplain text\r\nk=real\r\n";
  const std::string bom = "\xEF\xBB\xBF[Form]\r\ncaption=开始啦\r\n";
  const std::string utf16 = "[Form]\r\ncaption=开始啦 \r\n[Style]\r\nwidth=600\r\n";
  return {
      // Names match without regard to case or surrounding blanks.
      {names, "FORM", "CAPTION", 256, "Ravelo"},
      {names, " form ", " caption ", 256, "Ravelo"},
      {names, "Form", "text", 256, "hello"},
      {names, "style", "Width", 256, "600"},
      {names, "Color", "caption", 256, ""},
      {names, "Form", "bgpic", 256, ""},
      {"", "Form", "caption", 256, ""},
      // Values are trimmed and lose one matching pair of quotes.
      {quotes, "S", "pad", 256, "600"},
      {quotes, "S", "tab", 256, "7"},
      {quotes, "S", "dq", 256, "quoted"},
      {quotes, "S", "sq", 256, "single"},
      {quotes, "S", "mixed", 256, "\"half'"},
      {quotes, "S", "inner", 256, " spaced "},
      {quotes, "S", "only", 256, "\""},
      {quotes, "S", "empty", 256, ""},
      {quotes, "S", "nested", 256, "'x'"},
      // The buffer keeps at most one byte less than its size.
      {"[S]\r\nw=99999\r\n", "S", "w", 5, "9999"},
      {"[S]\r\nw=99999\r\n", "S", "w", 6, "99999"},
      {"[S]\r\nw=99999\r\n", "S", "w", 1, ""},
      {"[S]\r\nw=99999\r\n", "S", "w", 0, ""},
      // ... and the cut never splits a Chinese character.
      {chinese, "Form", "caption", 31, "一二三四五六七八九十甲乙丙丁戊"},
      {chinese, "Form", "caption", 30, "一二三四五六七八九十甲乙丙丁"},
      {chinese, "Form", "text", 31, "A一二三四五六七八九十甲乙丙丁"},
      // The first duplicate key wins; a repeated section is hidden.
      {duplicates, "A", "k", 256, "first"},
      {duplicates, "A", "extra", 256, ""},
      {duplicates, "B", "b", 256, "1"},
      // Comments and lines without '=' carry no value; the bare "k" comes first.
      {comments, "S", "k", 256, ""},
      {comments, "S", "plain text", 256, ""},
      {comments, "S", ";k", 256, "commented"},
      // Line ends and byte order marks.
      {"[S]\nk=lf\n", "S", "k", 256, "lf"},
      {"[S]\rk=cr\r", "S", "k", 256, "cr"},
      {"[S]\r\nk=last", "S", "k", 256, "last"},
      {bom, "Form", "caption", 256, "开始啦"},
      {bom, "Form", "caption", 5, "开始"},
      {Utf16FileBytes(utf16, false), "Form", "caption", 5, "开始"},
      {Utf16FileBytes(utf16, true), "form", "caption", 31, "开始啦"},
      // 0x5D (']') as a GBK trail byte does not end a section name.
      {Utf8ToGbk("[名单]\r\n宋体=是\r\n") + "[\x81\x5D]\r\nk=trail\r\n", "名单", "宋体", 256, "是"},
      {Utf8ToGbk("[Form]\r\nk=宋\r\n"), "Form", "k", 2, ""},
      {Utf8ToGbk("[Form]\r\ncaption=　标题　\r\n"), "Form", "caption", 31, "　标题　"},  // ideographic spaces stay
      {"k=top\r\n[S]\r\nk=inside\r\n", "S", "k", 256, "inside"},
      {"[Form] ; note\r\ncaption=x\r\n", "Form", "caption", 256, "x"},
      {"[S]\r\nk=a=b\r\n", "S", "k", 256, "a=b"},
      {"[S]\r\nk=\"abcdef\"\r\n", "S", "k", 4, "abc"},
      {"[S]\r\nk=\"ab\"\r\n", "S", "k", 3, "ab",
       "the platform removes the closing quote from the cut text and so loses one more character"},
  };
}

}  // namespace ravelo::testing
