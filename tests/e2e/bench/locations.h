// Where the bench finds what it works with. Each location can be overridden
// by an environment variable of the same name, so the test program also runs
// outside the build tree.
#pragma once

#include <string>

namespace ravelo::e2e {

// The staged installation written by the build (bin\ with the programs,
// name.txt and common\ beside it), with a trailing backslash.
// RAVELO_E2E_STAGE_DIR.
std::wstring StagedInstallationFolder();

// Where screenshots of failed tests go, with a trailing backslash.
// RAVELO_E2E_ARTIFACT_DIR.
std::wstring FailureArtifactFolder();

// The folder of the running test program (the bench's own fixture program
// is built beside it), with a trailing backslash.
std::wstring TestProgramFolder();

// Adds a trailing backslash when missing.
std::wstring WithTrailingBackslash(std::wstring folder);

}  // namespace ravelo::e2e
