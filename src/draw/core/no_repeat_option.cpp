#include "draw/core/no_repeat_option.h"

#include "shared/core/config_schema.h"
#include "shared/core/settings_values.h"

namespace ravelo::draw {

bool NoRepeatFromText(std::string_view text) { return Int16FromText(text) == 1; }

std::string NoRepeatFieldText(bool on) { return PadToField(on ? "1" : "0", kNoRepeatFieldBytes); }

}  // namespace ravelo::draw
