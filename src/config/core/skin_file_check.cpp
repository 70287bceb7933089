#include "config/core/skin_file_check.h"

namespace ravelo::config {
namespace {

bool NamesNoFile(const std::string& path, const FileExists& exists) {
  const auto first = path.find_first_not_of(' ');
  if (first == std::string::npos) return false;
  const std::string trimmed = path.substr(first, path.find_last_not_of(' ') - first + 1);
  return trimmed != kNoFileChosen && !exists(trimmed);
}

}  // namespace

std::optional<std::string> MissingSkinFileReport(const FormValues& saved, bool sizeChanged, const FileExists& exists) {
  std::string report;
  const auto addLine = [&report](std::string_view line) {
    if (!report.empty()) report += "\r\n";
    report += line;
  };
  if (NamesNoFile(saved.backPicture, exists)) addLine(kMissingPictureNotice);
  if (NamesNoFile(saved.music, exists)) addLine(kMissingMusicNotice);
  if (report.empty()) return std::nullopt;
  if (sizeChanged) addLine("标题和内容的显示位置已还原.");
  return report;
}

}  // namespace ravelo::config
