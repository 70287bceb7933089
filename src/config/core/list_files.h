// The editor's work on the lists of the data folder: a new list, a list
// renamed or deleted with the names drawn from it in a no-repeat round, and
// what then becomes of [Draw] list, the list rvo uses.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "shared/core/data_folder.h"
#include "shared/core/list_names.h"

namespace ravelo {

enum class ListFileResult {
  kDone,
  kBadName,  // CheckListName refused it
  kExists,   // a list of that name is there already
  kFailed,   // the folder or the file could not be made, moved or removed
};

// The warning for a result other than kDone (a bad name's own message).
std::string ListFileResultMessage(ListFileResult result, std::string_view name);

// Makes lists\<name>.txt empty (and lists\ when it is missing). An empty file
// reads as a list without names in any encoding; the editor's first save
// writes it as it writes name.txt (GBK, or UTF-8 with a BOM for names GBK
// cannot hold).
ListFileResult CreateListFile(const DataPaths& data, std::string_view name);

// Renames lists\<from>.txt to lists\<to>.txt, never over another list, and
// the round drawn from it with it (a stale round of the new name goes).
// Names differing only in letter case are the same file on Windows: such a
// rename is allowed.
ListFileResult RenameListFile(const DataPaths& data, std::string_view from, std::string_view to);

// Removes lists\<name>.txt and the round drawn from it.
ListFileResult DeleteListFile(const DataPaths& data, std::string_view name);

// The new value of [Draw] list once `from` was renamed to `to` (or deleted,
// when `to` is nullopt: the default list); nullopt when the list in use is
// another one and the key stays. Names match as Windows file names do
// (letter case aside).
std::optional<std::string> ListInUseAfter(std::string_view inUse, std::string_view from,
                                          std::optional<std::string_view> to);

// True when two list names name the same file on Windows.
bool SameListName(std::string_view a, std::string_view b);

}  // namespace ravelo
