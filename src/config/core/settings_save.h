// The OK button of the settings form: the speed, width and height are
// normalised and checked against their limits (the first failure only),
// and the values become the list of writes that stores them in the
// configuration file, every field padded to its width.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "config/core/settings_form.h"

namespace ravelo::config {

// The boxes a refusal empties and focuses.
enum class CheckedBox { Speed, Width, Height };

struct Refusal {
  CheckedBox box;
  std::string message;
};

struct ConfigWrite {
  std::string section;
  std::string key;
  std::string value;  // the whole field, blanks included
  friend bool operator==(const ConfigWrite&, const ConfigWrite&) = default;
};

// The screen's upper bounds of the content size (dmPelsWidth and
// dmPelsHeight), queried when OK is pressed.
struct ScreenLimits {
  std::int16_t maxWidth = 0;
  std::int16_t maxHeight = 0;
};

// The values after step one of OK: speed, width and height as the decimal
// text of the integer part of their leading number ("5a" -> "5", "" -> "0",
// "9.5" -> "9").
void NormaliseNumbers(FormValues& values);

// The first of the three limits the values break, with its message.
std::optional<Refusal> CheckLimits(const FormValues& values, const ScreenLimits& screen);

// Whether the save changes the content size: once it has, every later save
// of the run resets the positions too.
class SizeTracker {
 public:
  SizeTracker(std::int16_t loadedWidth, std::int16_t loadedHeight) : width_(loadedWidth), height_(loadedHeight) {}
  // Records a save of these values; true from the first save with a size
  // other than the loaded one on.
  bool SizeChanged(const FormValues& values);

 private:
  std::int16_t width_;
  std::int16_t height_;
  bool changed_ = false;
};

// Every write of a save, in the file's order: the 21 settings, then, when
// the size changed, the four positions as "0" so the draw program centres
// caption and text again. Empty paths are stored as "0".
std::vector<ConfigWrite> PlanWrites(const FormValues& values, bool sizeChanged);

// The report after the writes.
std::string SaveReport(bool written, bool sizeChanged);
inline constexpr std::string_view kSaveFailedMessage = "无法更新程序配置,请尝试去除程序系统文件夹只读属性";

}  // namespace ravelo::config
