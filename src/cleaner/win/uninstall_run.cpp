#include "cleaner/win/uninstall_run.h"

#include "cleaner/core/cleanup_step.h"
#include "cleaner/core/uninstall_list.h"
#include "cleaner/win/cleanup_actions.h"
#include "shared/win/process.h"
#include "shared/core/file_system.h"
#include "shared/core/paths.h"

namespace ravelo::cleaner {

void CleanUpInstallation() noexcept {
  try {
    const auto paths = InstallPaths::FromProgramFolder(win::ProgramFolder());
    if (paths.programFolder.empty()) return;
    // The list is read whole and closed first, so that an entry may delete it.
    const auto list = ReadWholeFile(PathFromUtf8(paths.ProgramFile("filelist.db")));
    if (!list) return;
    for (const auto& entry : ParseUninstallList(*list)) {
      if (const auto step = PlanCleanupStep(entry, paths.baseFolder)) CarryOut(*step, paths.baseFolder);
    }
  } catch (...) {
    // Only memory can run out here (a list of absurd size): end as quietly
    // as every other failure does.
  }
}

}  // namespace ravelo::cleaner
