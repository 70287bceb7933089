#include "config/win/secondary_form.h"

#include "resource_ids.h"
#include "shared/win/system_probes.h"

namespace ravelo::win::config {

SkinnedFormDesign SecondaryFormDesign(const wchar_t* className, const wchar_t* caption, int width, int height) {
  SkinnedFormDesign design;
  design.className = className;
  design.windowCaption = caption;
  design.icon = LoadIconW(ThisModule(), MAKEINTRESOURCEW(IDI_APP));
  design.width = width;
  design.height = height;
  design.title = caption;
  UseUiFont(design.uiFont, Win32SystemQueries{});
  return design;
}

}  // namespace ravelo::win::config
