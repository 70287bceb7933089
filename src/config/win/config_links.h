// The windows and pages the settings form opens beside itself: the name
// list editor, the data folder, the prize rounds, the about box, the help file and the update
// page. The
// settings form asks NameListOpen before the program may end.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "shared/core/paths.h"

namespace ravelo::win::config {

struct ConfigFolders {
  std::wstring baseFolder;     // the data root, ending in a backslash
  std::wstring programFolder;  // the folder of rvocfg.exe, no trailing backslash
  InstallPaths install;
};

class ConfigLinks {
 public:
  ConfigLinks(HWND settingsWindow, ConfigFolders folders);
  ConfigLinks(const ConfigLinks&) = delete;
  ConfigLinks& operator=(const ConfigLinks&) = delete;
  ~ConfigLinks();

  void OpenNameList();    // L_a, aodnl
  void ChangeDataFolder();  // "数据位置"
  void EditPrizeRounds();   // "奖项设置"
  void ShowAbout();       // mabout
  void OpenHelp();        // L_h, mhelp
  void OpenUpdatePage();  // down

  // True while the name list editor is open: the program must not end.
  bool NameListOpen() const;

 private:
  struct Windows;  // the secondary windows, defined with them
  HWND settingsWindow_;
  ConfigFolders folders_;
  std::unique_ptr<Windows> windows_;
};

}  // namespace ravelo::win::config
