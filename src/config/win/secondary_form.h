// How the name list editor and the about box begin: a skinned form whose
// title is also its task bar text, in the modern UI font where the font rule
// asks for it.
#pragma once

#include "shared/win/skinned_form.h"

namespace ravelo::win::config {

SkinnedFormDesign SecondaryFormDesign(const wchar_t* className, const wchar_t* caption, int width, int height);

}  // namespace ravelo::win::config
