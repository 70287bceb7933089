// The text line as it shows drawn names: each name is fitted (FitTextLine)
// from the place and font that the settings gave the line, so a name that
// fits stands where the layout put it, and a long or tall one is moved or
// shrunk only while it shows.
#pragma once

#include <optional>
#include <string_view>

#include "shared/win/text_label.h"

namespace ravelo::win {

class FittedTextLine {
 public:
  explicit FittedTextLine(TextLabel& line) : line_(line) {}

  // Takes the line's current place and font as the configured ones;
  // centred: the layout centred the line (names are then centred on the
  // same point).
  void RememberLayout(bool centred);
  // Gives the line the configured place and font back (before the
  // settings are applied again, which start from the label's font).
  void RestoreLayout();

  // The place and font the settings gave the line (its current ones before
  // RememberLayout).
  PointF ConfiguredPlace() const { return remembered_ ? place_ : line_.Position(); }
  FontSpec ConfiguredFont() const { return remembered_ ? font_ : line_.FontOf(); }

  // Shows name whole in a content area of this size.
  void Show(std::wstring_view name, ravelo::Size content);

 private:
  FontSpec FontAt(float points) const;

  TextLabel& line_;
  PointF place_;
  std::optional<float> centreX_;
  FontSpec font_;
  bool remembered_ = false;
  bool fitted_ = false;  // the line shows a name fitted from place_ and font_
};

}  // namespace ravelo::win
