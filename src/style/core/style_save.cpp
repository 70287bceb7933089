#include "style/core/style_save.h"

#include <charconv>
#include <cmath>

#include "shared/core/config_schema.h"

namespace ravelo {
namespace {

FieldValue Field(ConfigKey key, const std::string& value) { return {key, PadToField(value, SpecOf(key).bufferBytes)}; }

}  // namespace

float SavedPosition(float position) {
  const float whole = std::round(position);
  return whole == 0.0f ? 1.0f : whole;
}

std::string PositionText(float value) {
  if (value == 0.0f) return " 0";  // negative zero too
  char digits[32];
  const auto [end, error] = std::to_chars(digits, digits + sizeof digits, value);
  if (error != std::errc{}) return " 0";
  const std::string text(digits, end);
  return value < 0.0f ? text : " " + text;
}

std::array<FieldValue, 6> StyleFields(const StyleValues& values) {
  using K = ConfigKey;
  return {Field(K::StyleCaptiontop, PositionText(values.caption.y)),
          Field(K::StyleCaptionleft, PositionText(values.caption.x)),
          Field(K::StyleTexttop, PositionText(values.text.y)),
          Field(K::StyleTextleft, PositionText(values.text.x)),
          Field(K::StyleForm, std::to_string(values.frameColour)),
          Field(K::StyleCaption, std::to_string(values.titleColour))};
}

std::vector<FieldValue> PlanStyleSave(const std::array<FieldValue, 6>& stored, const StyleValues& values) {
  return ChangedFields(std::vector<FieldValue>(stored.begin(), stored.end()), StyleFields(values));
}

}  // namespace ravelo
