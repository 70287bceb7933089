// What the style editor takes from the configuration file at start-up, and
// the starting state it keeps for a restore. The Win32 view applies the plan;
// every conversion, limit and fallback is decided here.
#pragma once

#include <cstdint>
#include <string>

#include "shared/core/frame_layout.h"
#include "shared/core/settings_values.h"

namespace ravelo {

struct InstallPaths;

struct StyleStartPlan {
  LabelSettings caption;
  LabelSettings text;
  // Content size limited to the screen, frame colour texts and the four
  // positions, as the eight-argument frame layout takes them.
  std::int16_t width = 0;
  std::int16_t height = 0;
  std::string frameColour;
  std::string titleColour;
  LabelPositions positions;
  // The picture to show: "0", an empty setting or a missing file give the
  // default picture of common\.
  std::string backgroundPath;
  // [Form] smc: 1 when the draw program shows its command buttons, whose
  // places the preview outlines.
  std::int16_t showButtons = 0;
};

StyleStartPlan PlanStyleStart(const ConfigTexts& texts, const ScreenBounds& screen, const InstallPaths& paths,
                              const FileExists& exists);

// The state a restore returns to: the window's colours and the labels'
// places as they stood once the layout was applied, the positions passed
// through their decimal text (7 significant digits).
struct StyleSnapshot {
  std::string frameColour;  // decimal text of a COLORREF
  std::string titleColour;
  PointF caption;  // left, top
  PointF text;

  static StyleSnapshot Take(std::uint32_t frameColour, std::uint32_t titleColour, PointF caption, PointF text);
  std::uint32_t FrameColour() const;
  std::uint32_t TitleColour() const;
};

}  // namespace ravelo
