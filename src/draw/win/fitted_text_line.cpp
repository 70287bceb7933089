#include "draw/win/fitted_text_line.h"

#include "draw/core/text_fit.h"

namespace ravelo::win {

void FittedTextLine::RememberLayout(bool centred) {
  place_ = line_.Position();
  font_ = line_.FontOf();
  centreX_.reset();
  if (centred) centreX_ = place_.x + static_cast<float>(line_.SizeOf().width) / 2.0f;
  remembered_ = true;
}

void FittedTextLine::RestoreLayout() {
  fitted_ = false;
  if (remembered_) line_.Show(line_.Text(), font_, place_);
}

FontSpec FittedTextLine::FontAt(float points) const {
  FontSpec font = font_;
  font.points = points;
  return font;
}

void FittedTextLine::Show(std::wstring_view name, ravelo::Size content) {
  if (!remembered_) {
    line_.SetText(name);
    return;
  }
  // The same name again (a short list) stands as it was fitted.
  if (fitted_ && name == line_.Text()) return;
  const draw::TextLineFit fit = draw::FitTextLine({place_, font_.points, centreX_}, content,
                                                  [&](float points) { return line_.Measure(name, FontAt(points)); });
  line_.Show(name, FontAt(fit.points), fit.place);
  fitted_ = true;
}

}  // namespace ravelo::win
