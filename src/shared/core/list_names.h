// The names of the operator's lists: a list's name is its file's name in the
// data folder's lists folder without ".txt", so a name must be a valid
// Windows file name, and GBK must hold it (the list in use is stored in the
// configuration file, which is GBK).
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace ravelo {

enum class ListNameProblem {
  None,
  Empty,             // nothing but blanks
  NotAFileName,      // \ / : * ? " < > | or a control character, or a trailing dot or blank
  ReservedName,      // CON, NUL, COM1 ... which Windows keeps for devices
  DefaultListTitle,  // "默认名单" names the default list
  NotGbk,            // a character GBK cannot hold
  TooLong,           // more than the configuration field holds
};

ListNameProblem CheckListName(std::string_view utf8);

// Warning for rvocfg when a name is refused.
std::string ListNameProblemMessage(ListNameProblem problem);

// The lists among the file names of the lists folder (UTF-8, without the
// folder): every "<name>.txt" (the suffix in any case) whose name is a valid
// list name, suffix removed, in the order given.
std::vector<std::string> ListNamesFromFileNames(const std::vector<std::string>& fileNames);

}  // namespace ravelo
