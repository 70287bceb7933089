// Where the suite finds its files: the program folder, the data root above
// it, and the files of an installation.
#pragma once

#include <string>
#include <string_view>

namespace ravelo {

// The leading part of path up to and including its last backslash; empty
// when there is none. Applied to the program folder it gives the data root.
std::string FolderOfPath(std::string_view path);

// The files of an installation, from the folder of the running program
// (without trailing backslash, as the platform reports it). Texts are UTF-8.
struct InstallPaths {
  std::string programFolder;  // e.g. C:\Apps\Lots
  std::string baseFolder;     // the data root, e.g. C:\Apps\ (with backslash)

  static InstallPaths FromProgramFolder(std::string_view programFolder);

  std::string CommonFile(std::string_view name) const;   // baseFolder\common\name
  std::string ConfigPath() const;                        // baseFolder\common\rvoconfig.rcf
  std::string NameListPath() const;                      // baseFolder\name.txt
  std::string ProgramFile(std::string_view name) const;  // programFolder\name
};

}  // namespace ravelo
