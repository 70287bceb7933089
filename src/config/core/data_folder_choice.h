// "数据位置": the operator moves the data folder ([Draw] datadir) to another
// folder, say on a disk that disk-restore software leaves alone. The folder
// is checked (the configuration file is GBK with a fixed field), made when
// only its last part is missing, and must take new files; the lists may be
// copied there, never over a file already there unless the operator says so.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "shared/core/data_folder.h"
#include "shared/core/paths.h"

namespace ravelo {

enum class DataFolderProblem {
  kNone,
  kNotAbsolute,  // no drive ("D:\...") and no share ("\\server\...")
  kNotGbk,       // a character GBK cannot hold
  kTooLong,      // more than the configuration field holds
  kMissing,      // missing and could not be made
  kNotWritable,  // no new file can be made in it
};

std::string DataFolderProblemMessage(DataFolderProblem problem, std::string_view folder);

// What [Draw] datadir is to hold for a folder typed or picked: trimmed, "/" as
// "\", without a final "\" (a drive's root keeps it); empty for the data
// root itself (the default).
std::string DataFolderValue(std::string_view typed, const InstallPaths& install);

// True when two folders are the same (letter case, "/" or a final "\" aside).
bool SameDataFolder(std::string_view a, std::string_view b);

// Problems of such a value as text (the empty value, the default, has none).
DataFolderProblem CheckDataFolderValue(std::string_view value);

// Makes the folder when it is missing (its parent must exist) and checks
// that new files can be made in it.
DataFolderProblem PrepareDataFolder(const DataPaths& data);

struct ListCopy {
  std::string from;
  std::string to;
  std::string title;  // as the operator knows it: "name.txt", "lists\初一3班.txt"
  bool replaces = false;  // a different file of that name is there
};

// The lists of `from` (name.txt, every list in lists\ and the prize plan
// rounds.txt) that `to` lacks or holds with other content; a file with the
// same bytes there is left out. The record and the drawn names of no-repeat
// rounds are not copied: they tell what was drawn from the old folder, which
// keeps them.
std::vector<ListCopy> PlanListCopy(const DataPaths& from, const DataPaths& to);

// Copies the plan's files (those that replace one only when `replace`),
// making lists\ as needed; the titles of the files that failed.
std::vector<std::string> CopyLists(const std::vector<ListCopy>& plan, bool replace);

}  // namespace ravelo
