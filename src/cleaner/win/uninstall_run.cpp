#include "cleaner/win/uninstall_run.h"

#include "cleaner/core/cleanup_step.h"
#include "cleaner/core/uninstall_list.h"
#include "cleaner/win/cleanup_actions.h"
#include "shared/win/process.h"
#include "shared/core/file_system.h"
#include "shared/core/paths.h"

namespace ravelo::cleaner {

ExitCode CleanUpInstallation() noexcept {
  try {
    const auto paths = InstallPaths::FromProgramFolder(win::ProgramFolder());
    if (paths.programFolder.empty()) return kNoList;
    // The list is read whole and closed first, so that an entry may delete it.
    const auto list = ReadWholeFile(PathFromUtf8(paths.ProgramFile("filelist.db")));
    if (!list) return kNoList;
    const std::wstring resolvedBase = ResolvedFolder(paths.baseFolder);
    bool done = true;
    for (const auto& entry : ParseUninstallList(*list)) {
      const auto step = PlanCleanupStep(entry, paths.baseFolder);
      done = (step && CarryOut(*step, paths.baseFolder, resolvedBase)) && done;
    }
    return done ? kCleanedUp : kSomethingLeft;
  } catch (...) {
    // Only memory can run out here (a list of absurd size).
    return kSomethingLeft;
  }
}

}  // namespace ravelo::cleaner
