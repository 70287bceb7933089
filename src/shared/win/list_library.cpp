#include "shared/win/list_library.h"

#include <windows.h>

#include <algorithm>

#include "shared/core/file_system.h"
#include "shared/core/list_names.h"
#include "shared/win/wide_text.h"

namespace ravelo::win {
namespace {

// The Chinese (PRC) locale, whose default sort is by pinyin.
constexpr LCID kChineseSimplified = MAKELCID(MAKELANGID(LANG_CHINESE, SUBLANG_CHINESE_SIMPLIFIED), SORT_DEFAULT);

}  // namespace

void SortListNames(std::vector<std::string>& names) {
  std::vector<std::pair<std::wstring, std::string>> keyed;
  keyed.reserve(names.size());
  for (std::string& name : names) keyed.emplace_back(Widen(name), std::move(name));
  std::stable_sort(keyed.begin(), keyed.end(), [](const auto& a, const auto& b) {
    const int order = CompareStringW(kChineseSimplified, NORM_IGNORECASE, a.first.c_str(), static_cast<int>(a.first.size()),
                                     b.first.c_str(), static_cast<int>(b.first.size()));
    if (order == 0) return a.first < b.first;  // no Chinese sort here: code point order
    return order == CSTR_LESS_THAN || (order == CSTR_EQUAL && a.first < b.first);
  });
  names.clear();
  for (auto& entry : keyed) names.push_back(std::move(entry.second));
}

std::vector<std::string> ListNamesInDataFolder(const DataPaths& data) {
  const auto files = FileNamesIn(PathFromUtf8(data.ListsFolder()));
  if (!files) return {};
  std::vector<std::string> names = ListNamesFromFileNames(*files);
  SortListNames(names);
  return names;
}

}  // namespace ravelo::win
