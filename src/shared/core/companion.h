// The suite's windowed programs, which start one another from their menus
// and buttons: the file each one is, and the warning the user sees when it
// cannot be started.
#pragma once

#include <string_view>

namespace ravelo {

enum class Companion { DrawProgram, ConfigProgram, StyleEditor };

constexpr std::string_view CompanionFile(Companion which) {
  switch (which) {
    case Companion::DrawProgram: return "rvo.exe";
    case Companion::ConfigProgram: return "rvocfg.exe";
    case Companion::StyleEditor: return "rvostyle.exe";
  }
  return {};
}

constexpr std::string_view CompanionFailedMessage(Companion which) {
  switch (which) {
    case Companion::DrawProgram: return "无法启动抽签程序rvo.exe,请检查程序文件夹";
    case Companion::ConfigProgram: return "无法启动配置程序rvocfg.exe,请检查程序文件夹";
    case Companion::StyleEditor: return "无法启动风格编辑器rvostyle.exe,请检查程序文件夹";
  }
  return {};
}

}  // namespace ravelo
