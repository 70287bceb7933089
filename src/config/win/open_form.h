// One settings form at a time: a second start of rvocfg brings the form of
// the copy that runs to the front, restored when minimised, and ends.
#pragma once

namespace ravelo::win::config {

// Finds the running copy's form (waiting a moment for one still starting)
// and brings it, or the dialog it waits on, to the front. False when no
// form showed up: this copy then opens its own.
bool BringOpenFormForward();

}  // namespace ravelo::win::config
