#include "shared/win/common_controls_context.h"

namespace ravelo::win {
namespace {

// Made once and kept for the life of the process.
HANDLE CommonControlsContext() {
  static const HANDLE context = [] {
    ACTCTXW request{};
    request.cbSize = sizeof(request);
    request.dwFlags = ACTCTX_FLAG_HMODULE_VALID | ACTCTX_FLAG_RESOURCE_NAME_VALID;
    request.hModule = GetModuleHandleW(nullptr);
    request.lpResourceName = MAKEINTRESOURCEW(2);  // ISOLATIONAWARE_MANIFEST_RESOURCE_ID
    // Without that resource FindResource finds nothing first: no context.
    if (!FindResourceW(request.hModule, request.lpResourceName, MAKEINTRESOURCEW(24)))  // RT_MANIFEST
      return INVALID_HANDLE_VALUE;
    return CreateActCtxW(&request);
  }();
  return context;
}

}  // namespace

ScopedCommonControls::ScopedCommonControls() {
  const HANDLE context = CommonControlsContext();
  active_ = context != INVALID_HANDLE_VALUE && ActivateActCtx(context, &cookie_);
}

ScopedCommonControls::~ScopedCommonControls() {
  if (active_) DeactivateActCtx(0, cookie_);
}

}  // namespace ravelo::win
