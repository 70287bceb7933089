#include "draw/core/full_screen_option.h"

#include "shared/core/config_schema.h"
#include "shared/core/settings_values.h"

namespace ravelo::draw {

bool FullScreenFromText(std::string_view text) { return Int16FromText(text) == 1; }

std::string FullScreenFieldText(bool on) { return PadToField(on ? "1" : "0", kFullScreenFieldBytes); }

}  // namespace ravelo::draw
