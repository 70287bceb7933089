// A form control whose window went with its form forgets the handle, so its
// object never destroys a window that Windows gave the same handle since.
#include <gtest/gtest.h>

#include "shared/win/form_controls.h"

namespace ravelo::win {
namespace {

TEST(FormControl, ForgetsItsHandleWhenItsWindowIsDestroyed) {
  const HWND form = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 200, 100, nullptr, nullptr, nullptr, nullptr);
  ASSERT_NE(form, nullptr);
  EditBox box;
  ASSERT_TRUE(box.Create(form, 100, {0, 0, 120, 24}, 30));
  const HWND control = box.Handle();
  EXPECT_EQ(GetParent(control), form);
  DestroyWindow(form);
  EXPECT_FALSE(IsWindow(control));
  EXPECT_EQ(box.Handle(), nullptr);
}

}  // namespace
}  // namespace ravelo::win
