#include "config/core/data_folder_choice.h"

#include <algorithm>

#include "shared/core/encoding.h"
#include "shared/core/file_system.h"
#include "shared/core/list_names.h"

namespace ravelo {
namespace {

char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

bool SameDataFolder(std::string_view a, std::string_view b) {
  const auto trimmed = [](std::string_view s) {
    while (!s.empty() && (s.back() == '\\' || s.back() == '/')) s.remove_suffix(1);
    return s;
  };
  a = trimmed(a);
  b = trimmed(b);
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    if ((x == '/' || x == '\\') && (y == '/' || y == '\\')) return true;
    return AsciiLower(x) == AsciiLower(y);
  });
}

namespace {

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return text;
}

char SeparatorOf(const std::string& folder) { return !folder.empty() && folder.back() == '/' ? '/' : '\\'; }

}  // namespace

std::string DataFolderProblemMessage(DataFolderProblem problem, std::string_view folder) {
  const std::string named = "“" + std::string(folder) + "”";
  switch (problem) {
    case DataFolderProblem::kNone: return {};
    case DataFolderProblem::kNotAbsolute: return "请填写完整的文件夹路径,如 D:\\抽签名单";
    case DataFolderProblem::kNotGbk: return "文件夹路径中有无法保存的字符,请选择其它文件夹";
    case DataFolderProblem::kTooLong: return "文件夹路径太长,请选择其它文件夹";
    case DataFolderProblem::kMissing: return "找不到文件夹" + named + ",也无法创建它";
    case DataFolderProblem::kNotWritable: break;
  }
  return "无法在文件夹" + named + "中保存文件,请选择其它文件夹";
}

std::string DataFolderValue(std::string_view typed, const InstallPaths& install) {
  std::string value(Trimmed(typed));
  std::replace(value.begin(), value.end(), '/', '\\');
  while (value.size() > 3 && value.back() == '\\') value.pop_back();
  if (value.size() == 2 && value[1] == ':') value += '\\';
  if (SameDataFolder(value, install.baseFolder)) return {};
  return value;
}

DataFolderProblem CheckDataFolderValue(std::string_view value) {
  if (value.empty()) return DataFolderProblem::kNone;
  if (!IsAbsoluteWindowsPath(value)) return DataFolderProblem::kNotAbsolute;
  const std::string gbk = Utf8ToGbk(value);
  if (!IsValidUtf8(value) || GbkToUtf8(gbk) != value) return DataFolderProblem::kNotGbk;
  // The field keeps a byte for the end of the text.
  if (gbk.size() >= kDataFolderFieldBytes) return DataFolderProblem::kTooLong;
  return DataFolderProblem::kNone;
}

DataFolderProblem PrepareDataFolder(const DataPaths& data) {
  const FilePath folder = PathFromUtf8(data.folder);
  if (!IsExistingFolder(folder) && !MakeFolder(folder)) return DataFolderProblem::kMissing;
  return IsWritableFolder(folder) ? DataFolderProblem::kNone : DataFolderProblem::kNotWritable;
}

std::vector<ListCopy> PlanListCopy(const DataPaths& from, const DataPaths& to) {
  std::vector<ListCopy> plan;
  if (SameDataFolder(from.folder, to.folder)) return plan;
  const auto consider = [&plan](std::string source, std::string target, std::string title) {
    const auto bytes = ReadWholeFile(PathFromUtf8(source));
    if (!bytes) return;  // missing or unreadable: nothing to take along
    const FilePath targetPath = PathFromUtf8(target);
    const bool there = IsExistingFile(targetPath);
    if (there && ReadWholeFile(targetPath) == bytes) return;
    plan.push_back({std::move(source), std::move(target), std::move(title), there});
  };
  consider(from.DefaultListPath(), to.DefaultListPath(), "name.txt");
  if (const auto files = FileNamesIn(PathFromUtf8(from.ListsFolder()))) {
    std::vector<std::string> names = ListNamesFromFileNames(*files);
    std::sort(names.begin(), names.end());
    for (const std::string& name : names)
      consider(from.ListPath(name), to.ListPath(name), "lists" + std::string(1, SeparatorOf(from.folder)) + name + ".txt");
  }
  // The prize plan is made by the operator as the lists are.
  consider(from.RoundsPath(), to.RoundsPath(), "rounds.txt");
  return plan;
}

std::vector<std::string> CopyLists(const std::vector<ListCopy>& plan, bool replace) {
  std::vector<std::string> failed;
  for (const ListCopy& copy : plan) {
    if (copy.replaces && !replace) continue;
    const FilePath target = PathFromUtf8(copy.to);
    // A list that is not name.txt needs the lists folder: the parent of its target.
    const size_t cut = copy.to.find_last_of("\\/");
    if (cut != std::string::npos) MakeFolder(PathFromUtf8(copy.to.substr(0, cut)));
    const auto bytes = ReadWholeFile(PathFromUtf8(copy.from));
    if (!bytes || !WriteFileAtomically(target, *bytes)) failed.push_back(copy.title);
  }
  return failed;
}

}  // namespace ravelo
