// One run of the cleaner: the list beside the program, worked through in the
// order of its lines.
#pragma once

namespace ravelo::cleaner {

// Reads filelist.db from the program folder and carries out each of its
// entries, file and folder entries below the data root. A missing, unreadable
// or empty list does nothing; no failure is reported.
void CleanUpInstallation() noexcept;

}  // namespace ravelo::cleaner
