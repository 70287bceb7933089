#include "config/core/list_files.h"

#include <algorithm>

#include "shared/core/file_system.h"

namespace ravelo {
namespace {

char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

ListFileResult Checked(std::string_view name) {
  return CheckListName(name) == ListNameProblem::None ? ListFileResult::kDone : ListFileResult::kBadName;
}

}  // namespace

bool SameListName(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                    [](char x, char y) { return AsciiLower(x) == AsciiLower(y); });
}

std::string ListFileResultMessage(ListFileResult result, std::string_view name) {
  switch (result) {
    case ListFileResult::kDone: return {};
    case ListFileResult::kBadName: return ListNameProblemMessage(CheckListName(name));
    case ListFileResult::kExists: return "已经有名为“" + std::string(name) + "”的名单,请换一个名称";
    case ListFileResult::kFailed: break;
  }
  return "名单文件无法修改，请检查文件属性";
}

ListFileResult CreateListFile(const DataPaths& data, std::string_view name) {
  if (const ListFileResult bad = Checked(name); bad != ListFileResult::kDone) return bad;
  const FilePath file = PathFromUtf8(data.ListPath(name));
  if (IsExistingFile(file)) return ListFileResult::kExists;
  if (!MakeFolder(PathFromUtf8(data.ListsFolder()))) return ListFileResult::kFailed;
  return WriteFileAtomically(file, "") ? ListFileResult::kDone : ListFileResult::kFailed;
}

ListFileResult RenameListFile(const DataPaths& data, std::string_view from, std::string_view to) {
  if (const ListFileResult bad = Checked(to); bad != ListFileResult::kDone) return bad;
  const FilePath target = PathFromUtf8(data.ListPath(to));
  if (!SameListName(from, to) && IsExistingFile(target)) return ListFileResult::kExists;
  if (!RenameFile(PathFromUtf8(data.ListPath(from)), target)) return ListFileResult::kFailed;
  // The round goes with its list; without it the list starts a new round,
  // which loses nothing that matters, so a failure here is not reported.
  const FilePath drawn = PathFromUtf8(data.DrawnStatePath(from));
  const FilePath drawnTarget = PathFromUtf8(data.DrawnStatePath(to));
  if (!SameListName(from, to)) RemoveFile(drawnTarget);
  if (IsExistingFile(drawn)) RenameFile(drawn, drawnTarget);
  return ListFileResult::kDone;
}

ListFileResult DeleteListFile(const DataPaths& data, std::string_view name) {
  if (name.empty() || !RemoveFile(PathFromUtf8(data.ListPath(name)))) return ListFileResult::kFailed;
  RemoveFile(PathFromUtf8(data.DrawnStatePath(name)));
  return ListFileResult::kDone;
}

std::optional<std::string> ListInUseAfter(std::string_view inUse, std::string_view from,
                                          std::optional<std::string_view> to) {
  if (inUse.empty() || !SameListName(inUse, from)) return std::nullopt;
  return to ? std::string(*to) : std::string();
}

}  // namespace ravelo
