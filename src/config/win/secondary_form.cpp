#include "config/win/secondary_form.h"

#include "resource_ids.h"
#include "shared/core/probes.h"
#include "shared/win/system_probes.h"
#include "shared/win/wide_text.h"

namespace ravelo::win::config {

SkinnedFormDesign SecondaryFormDesign(const wchar_t* className, const wchar_t* caption, int width, int height) {
  SkinnedFormDesign design;
  design.className = className;
  design.windowCaption = caption;
  design.icon = LoadIconW(ThisModule(), MAKEINTRESOURCEW(IDI_APP));
  design.width = width;
  design.height = height;
  design.title = caption;
  const Win32SystemQueries system;
  if (UsesModernUiFont(getWinVer(system).GetWindowsVersion())) design.uiFont.name = Widen(kModernUiFontName);
  return design;
}

}  // namespace ravelo::win::config
