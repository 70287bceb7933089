#include "shared/core/display_scale.h"

#include <cmath>
#include <cstdint>

namespace ravelo {
namespace {

// value * numerator / denominator, rounded half away from zero.
int RoundedRatio(int value, int numerator, int denominator) {
  const std::int64_t product = static_cast<std::int64_t>(value) * numerator;
  const std::int64_t half = denominator / 2;
  return static_cast<int>(product >= 0 ? (product + half) / denominator : -((-product + half) / denominator));
}

}  // namespace

int DisplayScale::ToDevice(int design) const { return RoundedRatio(design, dpi_, kDesignDpi); }

float DisplayScale::ToDevice(float design) const {
  // One factor, exact at 96 DPI (1) and at 120, 144 and 192.
  return design * (static_cast<float>(dpi_) / static_cast<float>(kDesignDpi));
}

Size DisplayScale::ToDevice(Size design) const { return {ToDevice(design.width), ToDevice(design.height)}; }

Point DisplayScale::ToDevice(Point design) const { return {ToDevice(design.x), ToDevice(design.y)}; }

PointF DisplayScale::ToDevice(PointF design) const { return {ToDevice(design.x), ToDevice(design.y)}; }

Rect DisplayScale::ToDevice(const Rect& design) const {
  const int left = ToDevice(design.left);
  const int top = ToDevice(design.top);
  return {left, top, ToDevice(design.right()) - left, ToDevice(design.bottom()) - top};
}

int DisplayScale::ToDesign(int device) const { return RoundedRatio(device, kDesignDpi, dpi_); }

float DisplayScale::ToDesign(float device) const {
  return device * (static_cast<float>(kDesignDpi) / static_cast<float>(dpi_));
}

Size DisplayScale::ToDesign(Size device) const { return {ToDesign(device.width), ToDesign(device.height)}; }

PointF DisplayScale::ToDesign(PointF device) const { return {ToDesign(device.x), ToDesign(device.y)}; }

FrameLayout ToDevice(const FrameLayout& design, const DisplayScale& scale) {
  FrameLayout out = design;
  out.window = scale.ToDevice(design.window);
  out.region = scale.ToDevice(design.region);
  out.regionCorner = scale.ToDevice(design.regionCorner);
  out.content = scale.ToDevice(design.content);
  out.title = scale.ToDevice(design.title);
  out.caption = scale.ToDevice(design.caption);
  out.text = scale.ToDevice(design.text);
  if (out.draw) {
    DrawWindowBoxes& boxes = out.draw->windowBoxes;
    boxes.minimize = scale.ToDevice(boxes.minimize);
    boxes.close = scale.ToDevice(boxes.close);
    for (LineSegment& line : boxes.minimizeGlyph) line = {scale.ToDevice(line.from), scale.ToDevice(line.to)};
    for (LineSegment& line : boxes.closeGlyph) line = {scale.ToDevice(line.from), scale.ToDevice(line.to)};
    boxes.glyphPen = scale.ToDevice(boxes.glyphPen);
    for (CommandButtonLayout& button : out.draw->commandRow.buttons) button.bounds = scale.ToDevice(button.bounds);
  }
  if (out.style) {
    for (Rect* button : {&out.style->save, &out.style->restore, &out.style->minimize, &out.style->close})
      *button = scale.ToDevice(*button);
  }
  return out;
}

DisplayMode ToDesign(const DisplayMode& physical, const DisplayScale& scale) {
  const auto floorDesign = [&scale](std::uint32_t pixels) {
    return static_cast<std::uint32_t>(static_cast<std::uint64_t>(pixels) * DisplayScale::kDesignDpi /
                                      static_cast<std::uint64_t>(scale.Dpi()));
  };
  return {floorDesign(physical.pelsWidth), floorDesign(physical.pelsHeight)};
}

}  // namespace ravelo
