#include "shared/win/label_settings_view.h"

#include "shared/win/wide_text.h"

namespace ravelo::win {

void ApplyLabelSettings(TextLabel& label, const LabelSettings& settings) {
  label.SetText(Widen(settings.text));
  if (settings.colour) label.SetColour(static_cast<COLORREF>(*settings.colour));
  FontSpec font = label.FontOf();
  if (settings.font.name) font.name = Widen(*settings.font.name);
  if (settings.font.points) font.points = *settings.font.points;
  font.bold = settings.font.bold;
  font.italic = settings.font.italic;
  label.SetFont(font);
}

FontSpec FontSpecOf(const FontChoice& choice) {
  return {Widen(choice.name.value_or("")), choice.points.value_or(9.0f), choice.bold, choice.italic};
}

}  // namespace ravelo::win
