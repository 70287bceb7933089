#include "draw/core/draw_history.h"

#include <cstdio>

#include "shared/core/encoding.h"

namespace ravelo::draw {

std::string HistoryPath(const InstallPaths& paths) { return paths.baseFolder + std::string(kHistoryFileName); }

std::string HistoryLine(const LocalDateTime& at, std::u16string_view name) {
  char stamp[32];
  std::snprintf(stamp, sizeof stamp, "%04d-%02d-%02d %02d:%02d:%02d\t", at.year, at.month, at.day, at.hour,
                at.minute, at.second);
  return stamp + Utf16ToUtf8(name) + "\r\n";
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
