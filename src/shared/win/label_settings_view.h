// Settings of the caption or the text line applied to their label: the
// text always, a colour and a font name or size only when the file gave a
// good one, bold and italic always.
#pragma once

#include "shared/core/settings_values.h"
#include "shared/win/label_font.h"
#include "shared/win/text_label.h"

namespace ravelo::win {

void ApplyLabelSettings(TextLabel& label, const LabelSettings& settings);

// The font of a choice whose name and size are given (the built-in looks).
FontSpec FontSpecOf(const FontChoice& choice);

}  // namespace ravelo::win
