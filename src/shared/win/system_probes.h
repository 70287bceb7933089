// The system queries behind the probes, answered by Windows.
#pragma once

#include "shared/core/probes.h"

namespace ravelo::win {

// EnumDisplaySettingsW on the current display device, in design pixels
// (physical pixels x 96 / the system DPI), and the OS major
// version from RtlGetVersion (GetVersionEx reports what the manifest
// declares rather than the real version).
class Win32SystemQueries final : public SystemQueries {
 public:
  std::optional<DisplayMode> CurrentDisplayMode() const override;
  std::optional<std::uint32_t> OsMajorVersion() const override;
};

}  // namespace ravelo::win
