// One run of the cleaner: the list beside the program, worked through in the
// order of its lines.
#pragma once

namespace ravelo::cleaner {

// The cleaner's exit code, which the uninstaller checks.
enum ExitCode : int {
  kCleanedUp = 0,    // every entry carried out; what was not there counts as done
  kNoList = 1,       // filelist.db missing or unreadable: nothing done
  kSomethingLeft = 2,  // an entry could not be carried out (in use, refused, a link)
};

// Reads filelist.db from the program folder and carries out each of its
// entries, file and folder entries below the data root. A failing entry does
// not stop the later ones.
ExitCode CleanUpInstallation() noexcept;

}  // namespace ravelo::cleaner
