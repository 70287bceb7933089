// Owners of the Win32 handles the bench holds: the programs' own.
#pragma once

#include <windows.h>

#include "shared/win/gdi.h"
#include "shared/win/unique_handle.h"

namespace ravelo::e2e {

using win::UniqueHandle;
using win::CreateTopDownDib;
using win::GdiObject;
using win::MemoryDc;
using win::ScopedSelect;
using win::WindowDc;

}  // namespace ravelo::e2e
