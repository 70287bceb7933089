#include "shared/win/label_font.h"

#include <algorithm>
#include <cmath>

#include "shared/win/wide_text.h"

namespace ravelo::win {

LOGFONTW LabelLogFont(const FontSpec& fontSpec, int dpiY) {
  LOGFONTW font{};
  // A negative height asks for the character height, which is what a size in
  // points means.
  const double pixels = std::max(1.0, std::round(static_cast<double>(fontSpec.points) * dpiY / 72.0));
  font.lfHeight = -static_cast<LONG>(pixels);
  font.lfWeight = fontSpec.bold ? FW_BOLD : FW_NORMAL;
  font.lfItalic = fontSpec.italic ? TRUE : FALSE;
  font.lfCharSet = DEFAULT_CHARSET;
  font.lfOutPrecision = OUT_TT_PRECIS;
  font.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  // Smooth edges without colour fringes: the window is often seen on a projector.
  font.lfQuality = ANTIALIASED_QUALITY;
  font.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
  const size_t length = std::min(fontSpec.name.size(), static_cast<size_t>(LF_FACESIZE - 1));
  std::copy_n(fontSpec.name.data(), length, font.lfFaceName);
  font.lfFaceName[length] = L'\0';
  return font;
}

Font CreateLabelFont(const FontSpec& fontSpec, int dpi) {
  const LOGFONTW font = LabelLogFont(fontSpec, dpi);
  return Font(CreateFontIndirectW(&font));
}

bool UseUiFont(FontSpec& font, const SystemQueries& system) {
  if (!UsesModernUiFont(getWinVer(system).GetWindowsVersion())) return false;
  font.name = Widen(kModernUiFontName);
  return true;
}

}  // namespace ravelo::win
