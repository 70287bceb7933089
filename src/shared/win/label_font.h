// A label's font as the settings describe it: a face name, a size in points
// (fractional sizes allowed), bold and italic.
#pragma once

#include <windows.h>

#include <string>

#include "shared/core/probes.h"
#include "shared/win/gdi.h"

namespace ravelo::win {

struct FontSpec {
  std::wstring name;
  float points = 9.0f;
  bool bold = false;
  bool italic = false;
  friend bool operator==(const FontSpec&, const FontSpec&) = default;
};

// The font for a window shown at dpi. A face name the system does not have
// is mapped to the closest one it has, as the font mapper does for every
// program.
Font CreateLabelFont(const FontSpec& fontSpec, int dpi);

// The windows' own labels and inputs (not the operator's caption and text)
// take the modern UI font, 微软雅黑, from Windows Vista on; before it they
// keep the face they were designed with (宋体 in every design). Gives `font`
// that face; false when it keeps the one it had.
bool UseUiFont(FontSpec& font, const SystemQueries& system);

// The LOGFONT behind CreateLabelFont, for a device of dpiY pixels per inch.
LOGFONTW LabelLogFont(const FontSpec& fontSpec, int dpiY);

}  // namespace ravelo::win
