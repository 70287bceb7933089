// The style editor's window `main`: a preview of the draw window (the same
// skinned frame, background, caption and text line, read from the same
// configuration file) in which the operator drags the caption and the text
// line into place, sets the two frame colours from the title's menu, and
// saves, restores, minimises or cancels with the title row's text buttons.
// From the keyboard: Tab and Shift+Tab choose the caption, the text line or
// one of the title row's buttons (a dotted mark shows which), the arrows move
// the chosen label by a design pixel (by ten with Shift), Space or Enter
// press the chosen button, Ctrl+S saves and Esc cancels.
#pragma once

#include <windows.h>

#include <array>
#include <string>
#include <string_view>

#include "shared/core/paths.h"
#include "shared/core/probes.h"
#include "shared/win/frame_layout_view.h"
#include "shared/win/skinned_frame.h"
#include "shared/win/system_probes.h"
#include "shared/win/text_label.h"
#include "shared/win/tooltips.h"
#include "style/core/label_drag.h"
#include "style/core/style_save.h"
#include "style/core/style_settings.h"
#include "shared/win/common_dialogs.h"
#include "style/win/style_menu.h"

namespace ravelo::win {

class StyleWindow final : public SkinnedFrame {
 public:
  // Creates the window and its controls, hidden, in their design state.
  bool Create();
  // Start-up: false when there is no configuration file, after the message:
  // the program then ends without showing the window.
  bool StartUp();

 private:
  bool CreateButton(TextLabel& button, int id, const wchar_t* text, void (StyleWindow::*onClick)());
  void MakeDraggable(TextLabel& label);
  void MakeAccessible();
  // The caption at left and top (design pixels), pulled inside the content
  // area as a drag's release is.
  void PlaceInside(TextLabel& label, PointF designLeftTop);
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  bool OnKey(WPARAM key);
  // The labels and buttons Tab goes through, in order.
  std::array<TextLabel*, 6> KeyStops();
  void Choose(int stop);
  LabelButtonRow ButtonRow();
  void ApplyModernTitleFont();
  void ApplyStartPlan(const StyleStartPlan& plan);
  void Layout(std::int16_t width, std::int16_t height, std::string_view frameColour, std::string_view titleColour,
              const LabelPositions& positions);
  void OutlineCommandButtons();
  void OnScaleChanged(const DisplayScale& previous) override;
  void FinishStartUp() override;

  // The style as a save stores it: each label at the design pixel it shows at.
  StyleValues ShownStyle();
  void Save();
  void Restore();
  void Minimize();
  void Cancel();
  void ShowMenu(POINT onScreen);
  void SetFrameColour(COLORREF colour);
  void SetTitleColour(COLORREF colour);

  InstallPaths paths_;
  Win32SystemQueries system_;
  TextLabel save_;
  TextLabel restore_;
  TextLabel minimize_;
  TextLabel cancel_;
  HCURSOR hand_ = nullptr;
  HCURSOR drag_ = nullptr;
  int chosen_ = -1;  // the KeyStops() index chosen with Tab, or none
  LabelDrag grab_;
  StyleSnapshot start_;  // positions in design pixels
  // The fields of the start-up state, then of the last save: a save writes
  // only what differs from them.
  std::array<FieldValue, 6> stored_;
  ContentSize size_;     // the content size laid out, for a change of DPI
  std::int16_t showButtons_ = 0;  // [Form] smc
  CommonDialogs dialogs_;
  Tooltips tooltips_;
};

}  // namespace ravelo::win
