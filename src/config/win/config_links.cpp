#include "config/win/config_links.h"

#include "config/win/about_window.h"
#include "config/win/data_folder_window.h"
#include "config/win/name_list_window.h"
#include "config/win/prize_rounds_window.h"
#include "config/win/web_pages.h"
#include "shared/win/message_box.h"

namespace ravelo::win::config {
// One instance of each secondary window at most. A closed window's object
// stays until the next opening replaces it (it cannot delete itself inside
// its own message handler).
struct ConfigLinks::Windows {
  std::unique_ptr<NameListWindow> nameList;
  std::unique_ptr<AboutWindow> about;
};

ConfigLinks::ConfigLinks(HWND settingsWindow, ConfigFolders folders)
    : settingsWindow_(settingsWindow), folders_(std::move(folders)), windows_(std::make_unique<Windows>()) {}

ConfigLinks::~ConfigLinks() = default;

void ConfigLinks::OpenNameList() {
  std::unique_ptr<NameListWindow>& editor = windows_->nameList;
  if (editor && editor->IsOpen()) {
    editor->Activate();
    return;
  }
  editor = std::make_unique<NameListWindow>();
  if (!editor->Open(folders_.install)) {
    editor.reset();
    ShowWarning(settingsWindow_, L"无法打开添加/删除抽签名单窗口");
  }
}

void ConfigLinks::ChangeDataFolder() {
  // The editor shows lists of the folder it opened on.
  if (NameListOpen()) {
    ShowWarning(settingsWindow_, L"请先关闭添加/删除抽签名单窗口,再设置数据位置.");
    return;
  }
  ::ravelo::win::config::ChangeDataFolder(settingsWindow_, folders_.install);
}

void ConfigLinks::EditPrizeRounds() { ::ravelo::win::config::EditPrizeRounds(settingsWindow_, folders_.install); }

void ConfigLinks::ShowAbout() {
  std::unique_ptr<AboutWindow>& about = windows_->about;
  if (about && about->IsOpen()) return;  // the settings form is disabled meanwhile
  about = std::make_unique<AboutWindow>();
  if (!about->Open(folders_.baseFolder, settingsWindow_)) {
    about.reset();
    ShowWarning(settingsWindow_, L"无法打开关于窗口");
  }
}

void ConfigLinks::OpenHelp() { OpenHelpFile(settingsWindow_, folders_.programFolder); }

void ConfigLinks::OpenUpdatePage() { OpenWebPage(settingsWindow_, kUpdatePage); }

bool ConfigLinks::NameListOpen() const { return windows_->nameList && windows_->nameList->IsOpen(); }

}  // namespace ravelo::win::config
