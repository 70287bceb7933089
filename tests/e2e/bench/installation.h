// A private copy of the staged installation for one test: bin\ with the
// programs, name.txt and common\ beside it, in a fresh folder under %TEMP%.
// Tests change its files freely; the destructor ends every program still
// running from it and deletes the folder.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "bench/handles.h"
#include "bench/process.h"

namespace ravelo::e2e {

class Installation {
 public:
  static constexpr std::wstring_view kNameList = L"name.txt";
  static constexpr std::wstring_view kConfigFile = L"common\\rvoconfig.rcf";

  // Copies the staged installation of the build (StagedInstallationFolder());
  // throws BenchError when that is missing or incomplete.
  Installation();
  // Copies another folder laid out the same way.
  explicit Installation(const std::wstring& sourceFolder);
  Installation(const Installation&) = delete;
  Installation& operator=(const Installation&) = delete;
  ~Installation();

  // The data root (the programs' BaseFolder), with a trailing backslash.
  const std::wstring& Root() const { return root_; }
  std::wstring BinFolder() const { return root_ + L"bin\\"; }
  // Root + relative, e.g. PathOf(L"common\\back.pte").
  std::wstring PathOf(std::wstring_view relative) const;
  // The bin folder + program, e.g. ProgramPath(L"rvo.exe").
  std::wstring ProgramPath(std::wstring_view program) const;

  // Files, by path relative to the root. Reads and writes throw BenchError
  // on failure; writes create missing folders.
  bool Exists(std::wstring_view relative) const;
  std::string ReadBytes(std::wstring_view relative) const;
  void WriteBytes(std::wstring_view relative, std::string_view bytes) const;
  // Text stored as GBK (code page 936), as every file of the suite is.
  std::wstring ReadGbk(std::wstring_view relative) const;
  void WriteGbk(std::wstring_view relative, std::wstring_view text) const;
  // A file or a whole folder; a missing one is not an error.
  void Remove(std::wstring_view relative) const;
  void CopyIn(const std::wstring& sourceFile, std::wstring_view relative) const;
  // Opens a file with no sharing: until the handle closes, no other process
  // can open it (a locked file).
  UniqueHandle HoldOpen(std::wstring_view relative) const;

  // A key of an INI file through the private-profile functions, as the
  // programs read and write it; empty when missing.
  std::wstring IniValue(std::wstring_view section, std::wstring_view key,
                        std::wstring_view relative = kConfigFile) const;
  void SetIniValue(std::wstring_view section, std::wstring_view key, std::wstring_view value,
                   std::wstring_view relative = kConfigFile) const;

  // Starts bin\program. The working folder is the one above the root, so a
  // program that looks for its files relative to it finds nothing.
  Process Start(std::wstring_view program, std::wstring_view arguments = {}) const;

  // Processes whose program file lies in this installation.
  std::vector<DWORD> RunningProcesses() const;
  void KillRunningPrograms() const;

 private:
  std::wstring root_;
};

}  // namespace ravelo::e2e
