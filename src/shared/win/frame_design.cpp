#include "shared/win/frame_design.h"

#include "shared/core/settings_values.h"
#include "shared/win/label_settings_view.h"
#include "shared/win/wide_text.h"

namespace ravelo::win {

FrameDesign BuiltInFrameDesign() {
  const LabelSettings caption = BuiltInCaption();
  const LabelSettings text = BuiltInText();
  const FrameLayoutArgs layout = BuiltInFrameLayout();
  const FrameColours colours = ResolveFrameColours(layout.frameColour, layout.titleColour);

  FrameDesign design;
  design.bodyColour = static_cast<COLORREF>(colours.body.value_or(0));
  design.titleFont = {L"宋体", 9.0f, false, false};
  design.titleColour = static_cast<COLORREF>(colours.title.value_or(0xFFFFFF));
  design.caption = Widen(caption.text);
  design.captionFont = FontSpecOf(caption.font);
  design.captionColour = static_cast<COLORREF>(caption.colour.value_or(0));
  design.text = Widen(text.text);
  design.textFont = FontSpecOf(text.font);
  design.textColour = static_cast<COLORREF>(text.colour.value_or(0));
  return design;
}

}  // namespace ravelo::win
