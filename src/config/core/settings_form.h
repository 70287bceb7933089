// The settings form of rvocfg as plain values: what its boxes, swatches,
// check boxes and font strings hold, how they are filled from the
// configuration file or from the built-in defaults, the style presets, and
// the font description shown as the tooltip of the caption and text boxes.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace ravelo {
class ProfileReader;
}

namespace ravelo::config {

// A font as the form keeps it: name, size in points as text ("26", "10.5"),
// bold and italic as "1" or "0".
struct FontTexts {
  std::string name;
  std::string size;
  std::string bold;
  std::string italic;
  friend bool operator==(const FontTexts&, const FontTexts&) = default;
};

struct FormValues {
  std::string caption;      // txt_caption
  std::string text;         // txt_nr
  std::string backPicture;  // txt_bj; empty: the default picture
  std::string music;        // txt_yy; empty: the default music
  std::string speed;        // txt_time
  std::string width;        // txt_w
  std::string height;       // txt_h
  std::uint32_t captionColour = 0;  // Pic(1)
  std::uint32_t textColour = 0;     // Pic(2)
  std::uint32_t frameColour = 0;    // Pic(3), the window style colour
  std::uint32_t titleColour = 0;    // Pic(4)
  bool showButtons = false;  // Chk_rw
  bool stayOnTop = false;    // Chk_zq
  FontTexts captionFont;
  FontTexts textFont;
  friend bool operator==(const FormValues&, const FormValues&) = default;
};

// LoadDefaults: what the "默认" button and a missing file put into the form.
FormValues DefaultFormValues();

struct LoadedSettings {
  bool fileFound = false;  // false: the defaults, after the operator is told
  FormValues values;
};

// LoadSettings: the form's values from the configuration file read with the
// keys' buffer widths; the defaults when the file does not exist.
LoadedSettings LoadSettings(const ProfileReader& reader);

inline constexpr std::string_view kConfigMissingMessage = "找不到配置文件,系统将为您载入默认设置";

// The six style presets: window style colour and title colour.
struct StylePreset {
  std::string_view name;  // the swatch's tooltip
  std::uint32_t frameColour;
  std::uint32_t titleColour;
};
const std::array<StylePreset, 6>& StylePresets();

// The tooltip of the caption box (isCaption) or the text box describing
// its font: "当前标题字体:宋体. 字号:26 .粗体." and the like.
std::string DescribeFont(const FontTexts& font, bool isCaption);

// What the font dialog opens with, whatever was chosen before.
struct FontPreset {
  std::string_view name;
  float points;
  bool bold;
  bool italic;
};
FontPreset FontDialogPreset(bool isCaption);

// The font strings of a font chosen in the dialog; the size in single
// precision as its shortest text (26, 10.5).
FontTexts FontTextsOf(const std::string& name, float points, bool bold, bool italic);

}  // namespace ravelo::config
