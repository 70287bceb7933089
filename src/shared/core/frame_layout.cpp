#include "shared/core/frame_layout.h"

namespace ravelo {
namespace {

// Frame metrics: the content area is inset 5 pixels left and 30 at the top
// (the title row); the body shows 6 pixels right of it and 5 below.
constexpr int kOuterExtraWidth = 11;
constexpr int kOuterExtraHeight = 35;
constexpr Point kContentOrigin{5, 30};
constexpr Point kTitleOrigin{10, 10};
constexpr Size kRegionCorner{5, 5};

// Title-row buttons: right margin 8, gaps of 5.
constexpr int kTitleRowRightMargin = 8;
constexpr int kTitleRowGap = 5;
constexpr int kWindowBoxTop = 9;
constexpr int kStyleButtonTop = 10;

// Command row: 60 pixels above the content bottom, right margin 10, gaps of 5.
constexpr int kCommandRowRise = 60;
constexpr int kCommandRowRightMargin = 10;
constexpr int kCommandRowGap = 5;
constexpr std::size_t kStopButton = 1;  // I_cmd(2): nothing to stop yet

bool AllPositionsGiven(const LabelPositions& p) {
  return p.captionTop != 0.0f && p.captionLeft != 0.0f && p.textTop != 0.0f && p.textLeft != 0.0f;
}

void PlaceLabels(const FrameLayoutInput& in, FrameLayout& out) {
  const LabelPositions& p = in.positions;
  if (AllPositionsGiven(p)) {
    out.labelsCentred = false;
    out.caption = {p.captionLeft, p.captionTop};
    out.text = {p.textLeft, p.textTop};
    return;
  }
  // Centred in single precision, unrounded. The text top is measured from
  // the caption's new top, so the gap below the caption is not always 10.
  const float width = in.width;
  const float height = in.height;
  const float captionHeight = static_cast<float>(in.captionLabel.height);
  const float captionTop =
      (height - captionHeight - static_cast<float>(in.textLabel.height) - 10.0f) / 2.0f;
  out.labelsCentred = true;
  out.caption = {(width - static_cast<float>(in.captionLabel.width)) / 2.0f, captionTop};
  out.text = {(width - static_cast<float>(in.textLabel.width)) / 2.0f,
              height - captionTop - captionHeight - 10.0f};
}

DrawWindowBoxes PlaceWindowBoxes(const DrawFrameParts& parts, int outerWidth) {
  DrawWindowBoxes boxes;
  const Size& min = parts.minimizeBox;
  const Size& close = parts.closeBox;
  boxes.close = {outerWidth - close.width - kTitleRowRightMargin, kWindowBoxTop, close.width,
                 close.height};
  boxes.minimize = {outerWidth - min.width - close.width - kTitleRowGap - kTitleRowRightMargin,
                    kWindowBoxTop, min.width, min.height};
  boxes.minimizeGlyph = {LineSegment{{1, 8}, {8, 8}}};
  boxes.closeGlyph = {LineSegment{{4, 4}, {11, 11}}, LineSegment{{10, 4}, {3, 11}}};
  return boxes;
}

}  // namespace

CommandRowLayout LayOutCommandRow(const DrawFrameParts& parts, int contentWidth, int contentHeight) {
  CommandRowLayout row;
  row.visible = parts.showButtons == 1;
  if (!row.visible) return row;
  // Right-aligned: walk from the last button to the first.
  int right = contentWidth - kCommandRowRightMargin;
  for (std::size_t i = parts.commandButtons.size(); i-- > 0;) {
    const Size& size = parts.commandButtons[i];
    row.buttons[i].bounds = {right - size.width, contentHeight - kCommandRowRise, size.width,
                             size.height};
    right -= size.width + kCommandRowGap;
  }
  row.buttons[kStopButton].disable = true;
  return row;
}

namespace {

StyleFrameLayout PlaceStyleButtons(const StyleFrameParts& parts, int outerWidth) {
  StyleFrameLayout out;
  // From right to left: close, minimise, restore, save.
  int right = outerWidth - kTitleRowRightMargin;
  auto place = [&right](const Size& size) {
    Rect r{right - size.width, kStyleButtonTop, size.width, size.height};
    right -= size.width + kTitleRowGap;
    return r;
  };
  out.close = place(parts.close);
  out.minimize = place(parts.minimize);
  out.restore = place(parts.restore);
  out.save = place(parts.save);
  return out;
}

}  // namespace

std::optional<FrameLayout> ComputeFrameLayout(const FrameLayoutInput& in) {
  // The outer size is a 16-bit quantity; refuse before anything is placed.
  if (in.width > kMaxFrameContentWidth || in.height > kMaxFrameContentHeight) return std::nullopt;

  const int outerWidth = in.width + kOuterExtraWidth;
  const int outerHeight = in.height + kOuterExtraHeight;

  FrameLayout out;
  out.window = {outerWidth, outerHeight};
  out.region = {0, 0, outerWidth, outerHeight};
  out.regionCorner = kRegionCorner;
  out.content = {kContentOrigin.x, kContentOrigin.y, in.width, in.height};
  out.title = kTitleOrigin;

  if (const auto* draw = std::get_if<DrawFrameParts>(&in.parts)) {
    out.draw = DrawFrameLayout{PlaceWindowBoxes(*draw, outerWidth),
                               LayOutCommandRow(*draw, in.width, in.height)};
  } else {
    out.style = PlaceStyleButtons(std::get<StyleFrameParts>(in.parts), outerWidth);
  }
  PlaceLabels(in, out);
  return out;
}

}  // namespace ravelo
