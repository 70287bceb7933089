#include "draw/win/fitted_text_line.h"

#include "draw/core/text_fit.h"

namespace ravelo::win {

void FittedTextLine::RememberLayout() {
  place_ = line_.Position();
  font_ = line_.FontOf();
  remembered_ = true;
}

void FittedTextLine::RestoreLayout() {
  fitted_ = false;
  if (remembered_) Apply(place_, font_.points);
}

void FittedTextLine::Apply(PointF place, float points) {
  FontSpec font = font_;
  font.points = points;
  if (line_.FontOf() != font) line_.SetFont(font);
  if (line_.Position() != place) line_.SetPosition(place);
}

void FittedTextLine::Show(std::wstring_view name, int contentWidth) {
  if (!remembered_) {
    line_.SetText(name);
    return;
  }
  // The same name again (a short list) stands as it was fitted.
  if (fitted_ && name == line_.Text()) return;
  RestoreLayout();
  line_.SetText(name);
  const draw::TextLineFit fit = draw::FitTextLine(place_.x, font_.points, contentWidth, [this](float points) {
    Apply(place_, points);
    return line_.SizeOf().width;
  });
  Apply({fit.left, place_.y}, fit.points);
  fitted_ = true;
}

}  // namespace ravelo::win
