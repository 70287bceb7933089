#include "shared/win/frame_layout_view.h"

#include <array>
#include <optional>
#include <string>

namespace ravelo::win {
namespace {

void PlaceLabel(TextLabel& label, const Rect& bounds) {
  label.SetPosition({static_cast<float>(bounds.left), static_cast<float>(bounds.top)});
}

class LabelRowButtons final : public FrameButtons {
 public:
  LabelRowButtons(SkinnedFrame& frame, const LabelButtonRow& row) : frame_(frame), row_(row) {}

  void OnTitleColour(COLORREF colour) override {
    for (TextLabel* button : Buttons()) button->SetColour(colour);
    for (TextLabel* button : Buttons()) button->SetCursor(row_.hand);
    frame_.CaptionLabel().SetCursor(row_.drag);
    frame_.TextLine().SetCursor(row_.drag);
  }

  FrameParts MeasureParts(const FrameLayoutArgs&) override {
    const DisplayScale& scale = frame_.Scale();
    return StyleFrameParts{scale.ToDesign(row_.save.SizeOf()), scale.ToDesign(row_.restore.SizeOf()),
                           scale.ToDesign(row_.minimize.SizeOf()), scale.ToDesign(row_.close.SizeOf())};
  }

  void PlaceParts(const FrameLayout& layout) override {
    if (!layout.style) return;
    PlaceLabel(row_.save, layout.style->save);
    PlaceLabel(row_.restore, layout.style->restore);
    PlaceLabel(row_.minimize, layout.style->minimize);
    PlaceLabel(row_.close, layout.style->close);
  }

 private:
  std::array<TextLabel*, 4> Buttons() const { return {&row_.save, &row_.restore, &row_.minimize, &row_.close}; }

  SkinnedFrame& frame_;
  const LabelButtonRow& row_;
};

}  // namespace

bool ApplyFrameLayout(SkinnedFrame& frame, FrameButtons& buttons, const FrameLayoutArgs& args) {
  const FrameColours colours = ResolveFrameColours(args.frameColour, args.titleColour);
  if (!colours.body) return false;
  const auto body = static_cast<COLORREF>(*colours.body);
  frame.SetBodyColour(body);
  buttons.OnBodyColour(body);
  if (!colours.title) return false;
  const auto title = static_cast<COLORREF>(*colours.title);
  frame.Title().SetColour(title);
  buttons.OnTitleColour(title);
  if (args.width > kMaxFrameContentWidth || args.height > kMaxFrameContentHeight) return false;

  FrameLayoutInput input;
  input.width = args.width;
  input.height = args.height;
  input.positions = args.positions;
  input.parts = buttons.MeasureParts(args);
  // The layout works in design pixels; the labels measure in device pixels.
  const DisplayScale& scale = frame.Scale();
  input.captionLabel = scale.ToDesign(frame.CaptionLabel().SizeOf());
  input.textLabel = scale.ToDesign(frame.TextLine().SizeOf());
  const std::optional<FrameLayout> design = ComputeFrameLayout(input);
  if (!design) return false;
  const FrameLayout layout = ToDevice(*design, scale);
  frame.ApplyGeometry(layout);
  buttons.PlaceParts(layout);
  return true;
}

bool ApplyFrameLayout(SkinnedFrame& frame, const LabelButtonRow& row, std::int16_t width, std::int16_t height,
                      std::string_view backColour, std::string_view foreColour, float captionTop,
                      float captionLeft, float textTop, float textLeft) {
  LabelRowButtons buttons(frame, row);
  FrameLayoutArgs args;
  args.width = width;
  args.height = height;
  args.frameColour = std::string(backColour);
  args.titleColour = std::string(foreColour);
  args.positions = {captionTop, captionLeft, textTop, textLeft};
  return ApplyFrameLayout(frame, buttons, args);
}

}  // namespace ravelo::win
