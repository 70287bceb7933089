#include "config/win/config_links.h"

namespace ravelo::win::config {

// The name list editor and the about box are added here as they are built.
struct ConfigLinks::Windows {
  bool nameListOpen = false;
};

ConfigLinks::ConfigLinks(HWND settingsWindow, ConfigFolders folders)
    : settingsWindow_(settingsWindow), folders_(std::move(folders)), windows_(std::make_unique<Windows>()) {}

ConfigLinks::~ConfigLinks() = default;

void ConfigLinks::OpenNameList() {}

void ConfigLinks::ShowAbout() {}

void ConfigLinks::OpenHelp() {}

void ConfigLinks::OpenUpdatePage() {}

bool ConfigLinks::NameListOpen() const { return windows_->nameListOpen; }

}  // namespace ravelo::win::config
