// Tables of profile reads and writes with what the suite's reader must return
// and its writer must leave. The unit tests check this reader and writer
// against them natively; the agreement tests check the platform's
// GetPrivateProfileStringA / WritePrivateProfileStringA against them, except
// for the rows that say why this reader or writer differs on purpose.
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

// One value written into a file's bytes (empty: no file yet).
struct ProfileWriteCase {
  std::string before;
  const char* section;
  const char* key;
  const char* value;  // UTF-8
  std::string after;
  const char* mend = nullptr;  // why the platform leaves something else
};

inline std::vector<ProfileWriteCase> ProfileWriteCases() {
  const std::string settings =
      "; Ravelo settings\r\n[Form]\r\ncaption=Old\r\nunknown=kept\r\n\r\n[Time]\r\nTime=10\r\n";
  const std::string two = "[Form]\r\ncaption=x\r\n\r\n[Style]\r\nwidth=600\r\n";
  const std::string repeated = "[A]\r\nk=1\r\nk=2\r\n[A]\r\nk=3\r\n";
  return {
      // A value is replaced in place; every other line stays byte for byte.
      {settings, "form", "CAPTION", "New",
       "; Ravelo settings\r\n[Form]\r\ncaption=New\r\nunknown=kept\r\n\r\n[Time]\r\nTime=10\r\n", "the platform drops blank lines; this writer keeps the file's layout"},
      {"[Form]\r\n  odd  =  spacing  \r\nbad=\xFF\x81\r\ncaption=x\r\n", "Form", "caption", "y",
       "[Form]\r\n  odd  =  spacing  \r\nbad=\xFF\x81\r\ncaption=y\r\n",
       "the platform rewrites every line from its parse; this writer leaves the lines it does not change as they are"},
      // A new key goes to the end of its section, before blank lines; a new section to the end.
      {two, "Form", "text", "y", "[Form]\r\ncaption=x\r\ntext=y\r\n\r\n[Style]\r\nwidth=600\r\n", "the platform drops blank lines; this writer keeps the file's layout"},
      {two, "Style", "height", "450", "[Form]\r\ncaption=x\r\n\r\n[Style]\r\nwidth=600\r\nheight=450\r\n",
       "the platform drops blank lines; this writer keeps the file's layout"},
      {"", "Form", "caption", "Ravelo", "[Form]\r\ncaption=Ravelo\r\n"},
      {"[Form]\r\ncaption=x", "Color", "text", "255", "[Form]\r\ncaption=x\r\n[Color]\r\ntext=255\r\n"},
      // The key keeps the file's spelling; a new one is written as asked.
      {"[Time]\r\ntime=5\r\n", "Time", "Time", "10 ", "[Time]\r\ntime=10 \r\n"},
      {"", "Time", "Time", "10 ", "[Time]\r\nTime=10 \r\n"},
      // Leading blanks of a value go, trailing ones stay (padded fields).
      {"", "Style", "captiontop", " 120 ", "[Style]\r\ncaptiontop=120 \r\n"},
      // A line break cannot add lines.
      {"", "S", "k", "v\r\n[Evil]\r\nx=1", "[S]\r\nk=v\r\n", "the platform writes the line break, adding a section"},
      {"[S]\r\n", "S\r\n[T]", "k", "v", "[S]\r\n", "the platform writes the line break, adding a section"},
      // Line ends become CR LF; comments stay.
      {"[S]\n;note\na=1\n\nb=2", "S", "a", "9", "[S]\r\n;note\r\na=9\r\n\r\nb=2\r\n", "the platform drops blank lines; this writer keeps the file's layout"},
      // The first of repeated sections and duplicate keys is written.
      {repeated, "a", "k", "x", "[A]\r\nk=x\r\nk=2\r\n[A]\r\nk=3\r\n"},
      {repeated, "A", "new", "y", "[A]\r\nk=1\r\nk=2\r\nnew=y\r\n[A]\r\nk=3\r\n"},
      // The file keeps its encoding.
      {"", "Form", "caption", "开始啦", "[Form]\r\ncaption=\xBF\xAA\xCA\xBC\xC0\xB2\r\n"},
      {"\xEF\xBB\xBF[Form]\r\ntext=旧\r\n", "Form", "caption", "开始啦",
       "\xEF\xBB\xBF[Form]\r\ntext=旧\r\ncaption=开始啦\r\n"},
      {Utf16FileBytes("[Form]\r\ncaption=旧\r\n", false), "Style", "width", "600",
       Utf16FileBytes("[Form]\r\ncaption=旧\r\n[Style]\r\nwidth=600\r\n", false)},
      {Utf16FileBytes("[Form]\r\ncaption=旧\r\n", true), "Form", "caption", "新标题",
       Utf16FileBytes("[Form]\r\ncaption=新标题\r\n", true)},
      {Utf8ToGbk("[名单]\r\n宋体=是\r\n"), "名单", "宋体", "否", Utf8ToGbk("[名单]\r\n宋体=否\r\n")},
      // Lines not written keep their padding and the text after a header.
      {"[Form]\r\nsmc=1 \r\ntop=0 \r\n", "Form", "top", "1 ", "[Form]\r\nsmc=1 \r\ntop=1 \r\n",
       "the platform drops the trailing blanks of lines it does not change"},
      {"[S] ; note\r\nk=1\r\n", "S", "k", "2", "[S] ; note\r\nk=2\r\n",
       "the platform rewrites the header without the text after its bracket"},
  };
}

}  // namespace ravelo::testing
