// A form that waits for the operator's answer before its caller goes on (the
// name asked for a new list, the data folder): its owner is disabled while
// it is open, and the caller's handler runs its messages until it closes.
#pragma once

#include <windows.h>

#include "shared/win/skinned_form.h"

namespace ravelo::win::config {

// Shows the form (made, hidden) over owner and returns once it is gone. A
// quit asked for meanwhile is passed on to the program's own loop.
void RunModal(HWND owner, SkinnedForm& form);
// Closes such a form, its owner enabled first so that it gets the activation.
void CloseModal(SkinnedForm& form);

}  // namespace ravelo::win::config
