// The OK button of the settings form: the texts are checked against their
// fields, the speed, width and height are normalised and checked against
// their limits (the first failure only), and the values the operator set in
// the form become the writes that store them in the configuration file,
// every field padded to its width.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "config/core/settings_form.h"
#include "shared/core/config_changes.h"

namespace ravelo::config {

// The boxes a refusal focuses.
enum class CheckedBox { Caption, Text, Picture, Music, Speed, Width, Height };

struct Refusal {
  CheckedBox box;
  std::string message;
  // A refused number is emptied; a refused text stays for the operator to mend.
  bool emptyBox = false;
};

// The key whose field a box fills: its typing limit is that field's capacity.
ConfigKey KeyOfBox(CheckedBox box);

// A text that its field cannot hold as it stands (after trimming): a
// character outside GBK, or more bytes than the field holds. The message
// names the box and the problem. Used for typed texts and chosen paths.
std::optional<Refusal> CheckText(CheckedBox box, const std::string& text);

// The first of caption, text, picture and music that cannot be stored.
std::optional<Refusal> CheckTexts(const FormValues& values);

// The message when a font chosen in the dialog has a name its field cannot
// hold; nullopt when it can.
std::optional<std::string> CheckFontName(const std::string& name);

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

// The 21 settings' fields in the file's order, empty paths as "0".
std::vector<FieldValue> SettingsFields(const FormValues& values);

struct SavePlan {
  std::vector<FieldValue> writes;
  bool sizeChanged = false;
};

// What OK writes. `stored` is what the form loaded or saved last (nullopt
// when the file was missing: everything is written). A key is written when
// the operator set it in the form, that is when its field differs from the
// stored one; every other key keeps what the file holds when saving. When
// the content size (width or height as a number) differs from the stored
// one, the four positions follow as "0", so the draw program centres caption
// and text again.
SavePlan PlanSave(const FormValues& values, const std::optional<FormValues>& stored);

// The report after the writes.
std::string SaveReport(bool written, bool sizeChanged);
inline constexpr std::string_view kSaveFailedMessage = "无法更新程序配置,请尝试去除程序系统文件夹只读属性";

}  // namespace ravelo::config
