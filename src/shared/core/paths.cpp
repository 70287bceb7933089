#include "shared/core/paths.h"

namespace ravelo {

std::string FolderOfPath(std::string_view path) {
  const auto slash = path.rfind('\\');
  if (slash == std::string_view::npos) return {};
  return std::string(path.substr(0, slash + 1));
}

InstallPaths InstallPaths::FromProgramFolder(std::string_view programFolder) {
  InstallPaths p;
  p.programFolder = std::string(programFolder);
  p.baseFolder = FolderOfPath(programFolder);
  return p;
}

std::string InstallPaths::CommonFile(std::string_view name) const {
  return baseFolder + "common\\" + std::string(name);
}

std::string InstallPaths::ConfigPath() const { return CommonFile("rvoconfig.rcf"); }

std::string InstallPaths::NameListPath() const { return baseFolder + "name.txt"; }

std::string InstallPaths::ProgramFile(std::string_view name) const {
  // A program in a drive's root folder is reported as "D:\": no second backslash.
  if (!programFolder.empty() && programFolder.back() == '\\') return programFolder + std::string(name);
  return programFolder + "\\" + std::string(name);
}

}  // namespace ravelo
