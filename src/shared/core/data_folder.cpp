#include "shared/core/data_folder.h"

#include "shared/core/ini_file.h"

namespace ravelo {
namespace {

constexpr std::string_view kListFileSuffix = ".txt";

// Windows paths use backslashes; a folder given with a slash (the tests' own
// folders on Linux) keeps its slash for the paths below it.
char SeparatorOf(const std::string& folder) { return !folder.empty() && folder.back() == '/' ? '/' : '\\'; }

}  // namespace

bool IsAbsoluteWindowsPath(std::string_view path) {
  if (path.size() >= 3 && path[1] == ':' && (path[2] == '\\' || path[2] == '/')) return true;
  return path.size() >= 2 && (path[0] == '\\' || path[0] == '/') && (path[1] == '\\' || path[1] == '/');
}

DataPaths DataPaths::From(const InstallPaths& install, std::string_view configuredFolder) {
  DataPaths p;
  if (configuredFolder.empty()) {
    p.folder = install.baseFolder;
    return p;
  }
  p.folder = IsAbsoluteWindowsPath(configuredFolder) ? std::string(configuredFolder)
                                                     : install.baseFolder + std::string(configuredFolder);
  if (p.folder.back() != '\\' && p.folder.back() != '/') p.folder += '\\';
  return p;
}

DataPaths DataPathsFromConfig(const InstallPaths& install, const ProfileReader& config) {
  return DataPaths::From(install, config.Read(kDataFolderSection, kDataFolderKey, kDataFolderFieldBytes));
}

std::string ListInUseFromConfig(const ProfileReader& config) {
  return config.Read(kListSection, kListKey, kListFieldBytes);
}

std::string DataPaths::DefaultListPath() const { return folder + "name.txt"; }

std::string DataPaths::ListsFolder() const { return folder + "lists"; }

std::string DataPaths::ListPath(std::string_view listName) const {
  if (listName.empty()) return DefaultListPath();
  return ListsFolder() + SeparatorOf(folder) + std::string(listName) + std::string(kListFileSuffix);
}

std::string DataPaths::HistoryPath() const { return folder + "history.txt"; }

std::string DataPaths::DrawnStateFolder() const { return folder + "drawn"; }

std::string DataPaths::DrawnStatePath(std::string_view listName) const {
  return DrawnStateFolder() + SeparatorOf(folder) + std::string(listName.empty() ? kDefaultListTitle : listName) +
         std::string(kListFileSuffix);
}

std::string DataPaths::RoundsPath() const { return folder + "rounds.txt"; }

}  // namespace ravelo
