// The record of results, history.txt in the data folder: one line per
// name drawn, "YYYY-MM-DD HH:MM:SS<TAB>name<TAB>list<TAB>round<CR LF>" (the
// list's name, "默认名单" for name.txt; the prize round's title, empty
// without rounds; a draw of several names writes a line each with the same
// time; lines written before lists or rounds existed have fewer fields), in
// UTF-8; a new file starts with the UTF-8 byte-order mark,
// so Notepad shows the Chinese names on every Windows. The file is only ever
// appended to.
#pragma once

#include <string>
#include <string_view>


namespace ravelo::draw {

inline constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

// Information ("抽签记录" before any draw has been recorded).
inline constexpr std::string_view kNoHistoryMessage = "还没有抽签记录";
// Warning: the shell found no program to show it.
inline constexpr std::string_view kHistoryNotOpenedMessage = "无法打开抽签记录文件history.txt,请用记事本打开数据文件夹中的该文件";

struct LocalDateTime {
  int year = 0;
  int month = 0;
  int day = 0;
  int hour = 0;
  int minute = 0;
  int second = 0;
};

// One line of the record, CR LF included; listTitle and round are UTF-8.
std::string HistoryLine(const LocalDateTime& at, std::u16string_view name, std::string_view listTitle,
                        std::string_view round = {});

// The record as a table for Excel and WPS: UTF-8 with a byte-order mark,
// comma-separated, a header row 时间,姓名,名单,奖项 (名单 and 奖项 only once a
// line has them; further tab-separated fields, should a line have them, get
// columns 第5列, 第6列 ...), one row per
// line of the record, CR LF. A field a spreadsheet would take for a formula
// (beginning with =, +, -, @) gets a leading apostrophe, so that a name can
// never run as one.
std::string HistoryCsv(std::string_view historyBytes);

// Why the last line could not be written.
enum class HistoryFailure { NoAccess, DiskFull, InUse, Other };

// What "抽签记录" says after a line could not be written (the draw itself
// went on as usual).
std::string HistoryFailureMessage(HistoryFailure why);

}  // namespace ravelo::draw
