// The data folder: where everything the operator makes lives (the default
// list name.txt, the other lists in lists\, the record history.txt, the
// names already drawn in a no-repeat round and the prize plan). It is the
// data root unless [Draw] datadir names another folder, so that a PC whose
// system disk is restored at every reboot can keep its lists on another one.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "shared/core/paths.h"

namespace ravelo {

inline constexpr std::string_view kDataFolderSection = "Draw";
inline constexpr std::string_view kDataFolderKey = "datadir";
// A folder path of up to MAX_PATH - 1 GBK bytes, as the file dialogs allow.
inline constexpr std::size_t kDataFolderFieldBytes = 260;

// The list in use: [Draw] list, the list's name (empty = the default list).
inline constexpr std::string_view kListSection = "Draw";
inline constexpr std::string_view kListKey = "list";
inline constexpr std::size_t kListFieldBytes = 64;

// The default list's title wherever lists are shown or recorded.
inline constexpr std::string_view kDefaultListTitle = "默认名单";

struct DataPaths {
  std::string folder;  // ends with a backslash

  // The data folder from the trimmed [Draw] datadir text: empty means the
  // data root; a folder without a drive or share (e.g. "lists") is taken
  // below the data root; a missing final backslash is added.
  static DataPaths From(const InstallPaths& install, std::string_view configuredFolder);

  std::string DefaultListPath() const;  // folder\name.txt
  std::string ListsFolder() const;      // folder\lists (no backslash)
  // The file of a list by its name; the empty name is the default list.
  std::string ListPath(std::string_view listName) const;
  std::string HistoryPath() const;  // folder\history.txt
  // The names drawn so far in the list's no-repeat round.
  std::string DrawnStateFolder() const;                        // folder\drawn (no backslash)
  std::string DrawnStatePath(std::string_view listName) const;  // folder\drawn\<name or 默认名单>.txt
  std::string RoundsPath() const;                              // folder\rounds.txt
};

class ProfileReader;

// The data folder and the list in use as the configuration file names them
// (a file without the keys: the data root and the default list).
DataPaths DataPathsFromConfig(const InstallPaths& install, const ProfileReader& config);
std::string ListInUseFromConfig(const ProfileReader& config);

// True for a path that names its folder from a drive ("D:\...") or a share
// ("\\server\..."), not relative to somewhere.
bool IsAbsoluteWindowsPath(std::string_view path);

}  // namespace ravelo
