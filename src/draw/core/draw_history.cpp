#include "draw/core/draw_history.h"

#include <algorithm>
#include <cstdio>
#include <vector>

#include "shared/core/delimited_text.h"
#include "shared/core/encoding.h"

namespace ravelo::draw {

std::string HistoryLine(const LocalDateTime& at, std::u16string_view name, std::string_view listTitle,
                        std::string_view round) {
  char stamp[32];
  std::snprintf(stamp, sizeof stamp, "%04d-%02d-%02d %02d:%02d:%02d\t", at.year, at.month, at.day, at.hour,
                at.minute, at.second);
  return stamp + Utf16ToUtf8(name) + '\t' + std::string(listTitle) + '\t' + std::string(round) + "\r\n";
}

std::string HistoryCsv(std::string_view historyBytes) {
  if (historyBytes.starts_with(kUtf8ByteOrderMark)) historyBytes.remove_prefix(kUtf8ByteOrderMark.size());
  std::vector<std::vector<std::string>> rows;
  size_t columns = 2;
  for (size_t start = 0; start < historyBytes.size();) {
    size_t end = historyBytes.find_first_of("\r\n", start);
    if (end == std::string_view::npos) end = historyBytes.size();
    const std::string_view line = historyBytes.substr(start, end - start);
    start = end + 1;
    if (line.empty()) continue;
    std::vector<std::string>& row = rows.emplace_back();
    for (size_t from = 0;;) {
      const size_t tab = line.find('\t', from);
      std::string field(line.substr(from, tab == std::string_view::npos ? std::string_view::npos : tab - from));
      if (!field.empty() && std::string_view("=+-@").find(field.front()) != std::string_view::npos)
        field.insert(field.begin(), '\'');
      row.push_back(std::move(field));
      if (tab == std::string_view::npos) break;
      from = tab + 1;
    }
    columns = std::max(columns, row.size());
  }
  std::vector<std::string> header{"时间", "姓名"};
  if (columns >= 3) header.emplace_back("名单");
  if (columns >= 4) header.emplace_back("奖项");
  for (size_t i = 5; i <= columns; ++i) header.push_back("第" + std::to_string(i) + "列");
  std::string csv(kUtf8ByteOrderMark);
  auto addRow = [&](const std::vector<std::string>& fields) {
    std::vector<std::string_view> views(fields.begin(), fields.end());
    views.resize(columns);
    csv += CsvLine(views);
  };
  addRow(header);
  for (const auto& row : rows) addRow(row);
  return csv;
}

std::string HistoryFailureMessage(HistoryFailure why) {
  std::string_view reason;
  switch (why) {
    case HistoryFailure::NoAccess: reason = "没有写入权限(文件夹或文件是只读的)"; break;
    case HistoryFailure::DiskFull: reason = "磁盘已满"; break;
    case HistoryFailure::InUse: reason = "文件正被其他程序占用"; break;
    case HistoryFailure::Other: reason = "写入时出错"; break;
  }
  return "最近的抽签结果未能记入抽签记录文件history.txt:" + std::string(reason) +
         "。抽签本身不受影响,请检查该文件和所在文件夹后再试。";
}

}  // namespace ravelo::draw
