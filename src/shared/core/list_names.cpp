#include "shared/core/list_names.h"

#include <algorithm>
#include <array>
#include <cctype>

#include "shared/core/data_folder.h"
#include "shared/core/encoding.h"

namespace ravelo {
namespace {

constexpr std::string_view kSuffix = ".txt";

std::string UpperAscii(std::string_view text) {
  std::string upper(text);
  for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return upper;
}

// Windows keeps these for devices, with any extension after them.
bool IsReservedDeviceName(std::string_view name) {
  const std::string stem = UpperAscii(name.substr(0, name.find('.')));
  static constexpr std::array<std::string_view, 4> kPlain = {"CON", "PRN", "AUX", "NUL"};
  if (std::find(kPlain.begin(), kPlain.end(), stem) != kPlain.end()) return true;
  return stem.size() == 4 && (stem.starts_with("COM") || stem.starts_with("LPT")) && stem[3] >= '1' &&
         stem[3] <= '9';
}

bool HasCharacterNotInFileNames(std::string_view name) {
  return std::any_of(name.begin(), name.end(), [](char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte < 0x20 || std::string_view("\\/:*?\"<>|").find(c) != std::string_view::npos;
  });
}

}  // namespace

ListNameProblem CheckListName(std::string_view utf8) {
  if (utf8.find_first_not_of(" \t") == std::string_view::npos) return ListNameProblem::Empty;
  if (HasCharacterNotInFileNames(utf8) || utf8.back() == '.' || utf8.back() == ' ')
    return ListNameProblem::NotAFileName;
  if (IsReservedDeviceName(utf8)) return ListNameProblem::ReservedName;
  if (utf8 == kDefaultListTitle) return ListNameProblem::DefaultListTitle;
  const std::string gbk = Utf8ToGbk(utf8);
  if (!IsValidUtf8(utf8) || GbkToUtf8(gbk) != utf8) return ListNameProblem::NotGbk;
  return gbk.size() > kListFieldBytes - 1 ? ListNameProblem::TooLong : ListNameProblem::None;
}

std::string ListNameProblemMessage(ListNameProblem problem) {
  switch (problem) {
    case ListNameProblem::None: return {};
    case ListNameProblem::Empty: return "名单名称不能为空";
    case ListNameProblem::NotAFileName:
      return "名单名称不能包含 \\ / : * ? \" < > | 这些字符,也不能以点或空格结尾";
    case ListNameProblem::ReservedName: return "名单名称不能使用Windows保留的名称(如CON、NUL、COM1)";
    case ListNameProblem::DefaultListTitle: return "“默认名单”已用作默认名单的名称,请换一个名称";
    case ListNameProblem::NotGbk: return "名单名称中有无法保存的字符,请只用常用汉字、字母和数字";
    case ListNameProblem::TooLong: return "名单名称太长:最多31个汉字或63个字母";
  }
  return {};
}

std::vector<std::string> ListNamesFromFileNames(const std::vector<std::string>& fileNames) {
  std::vector<std::string> names;
  for (const std::string& file : fileNames) {
    if (file.size() <= kSuffix.size()) continue;
    const std::string_view suffix = std::string_view(file).substr(file.size() - kSuffix.size());
    if (UpperAscii(suffix) != ".TXT") continue;
    std::string name = file.substr(0, file.size() - kSuffix.size());
    if (CheckListName(name) == ListNameProblem::None) names.push_back(std::move(name));
  }
  return names;
}

}  // namespace ravelo
