// Screenshots of failed tests. At a test's first failed check the screen is
// saved as <artifact folder>\<Suite>.<Test>.bmp. A failed wait also keeps the
// screen at the moment it gave up (saved as <Suite>.<Test>.wait.bmp), because
// by the time gtest reports the exception the test's processes are gone.
#pragma once

namespace ravelo::e2e {

// Registers the gtest listener that saves the screenshots; call once before
// the tests run (the test program does it at static initialisation).
bool InstallFailureSnapshots();

// Captures the screen now for the failure report of the running test.
void KeepScreenForFailureReport();

}  // namespace ravelo::e2e
