// The skinned borderless windows of the configuration program (the settings
// form, the name list editor, the about box): a background picture, a
// headline strip with the title, a one-pixel border, group boxes drawn on the
// background, and small picture buttons in the top right corner (close
// always; minimise and menu when asked for). Dragging the headline (the
// title stands on it) moves the window. Every control that acts is reached
// with Tab and Shift+Tab in reading order (the window is a form, see
// MarkAsForm): text boxes, check boxes, picture buttons, and the links,
// swatches and pictures drawn on the form, each of which has a stop of its
// own (DrawnControlStop) and a focus mark drawn by the form. Enter presses
// the default button, Esc cancels, Alt+Space opens the system menu, and Alt,
// Shift+F10 or the context-menu key open the menu box's menu. Controls'
// notifications go to their own objects (DispatchToControl). Every place and
// size a form is given is in design pixels; the form shows it at the DPI it
// is created at, pictures smoothed and the window boxes' glyphs kept sharp
// (a form moved to a screen of another DPI keeps the scale it opened at).
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "shared/win/drawn_control_stop.h"
#include "shared/win/gdi.h"
#include "shared/win/image_button.h"
#include "shared/win/label_font.h"
#include "shared/win/picture.h"
#include "shared/win/text_label.h"
#include "shared/win/tooltips.h"
#include "shared/win/window.h"
#include "shared/win/window_dpi.h"

namespace ravelo::win {

// Ids of the frame's own controls; a form's controls take ids from 100 on.
namespace form_frame {
inline constexpr int kCloseBox = 11;     // Pic_e
inline constexpr int kMinimiseBox = 12;  // Pic_s
inline constexpr int kMenuBox = 13;      // Pic_m
}  // namespace form_frame

struct SkinnedFormDesign {
  const wchar_t* className = nullptr;
  std::wstring windowCaption;  // the task bar text
  HICON icon = nullptr;
  int width = 0;  // client size
  int height = 0;
  std::wstring title;  // Label_Caption, at (16, 10)
  // The labels' and inputs' font: "宋体" 9 points, or the modern UI font
  // where the font rule asks for it.
  FontSpec uiFont{L"宋体", 9.0f, false, false};
  bool minimiseBox = false;
  bool menuBox = false;
};

class SkinnedForm : public Window, public Backdrop {
 public:
  std::function<void()> onClose;     // the close box (Pic_e)
  std::function<void()> onMinimise;  // the minimise box; unset: minimises
  // The menu box (Pic_m), or its keys: the menu shows at that point.
  std::function<void(POINT onScreen)> onMenu;
  // Esc; unset: as the close box.
  std::function<void()> onCancel;
  // The right button went down on the body, at a point on the screen.
  std::function<void(POINT onScreen)> onRightClick;

  // Creates the window hidden, with its title and window boxes.
  bool Create(const SkinnedFormDesign& design);

  PictureDecoder& Pictures() { return pictures_; }
  LabelCanvas& Canvas() { return canvas_; }
  ImageButton& CloseBox() { return closeBox_; }
  ImageButton& MinimiseBox() { return minimiseBox_; }
  ImageButton& MenuBox() { return menuBox_; }
  // Tooltips: kept until the window shows, then given to the tooltip
  // control (the common controls load after the window is on the screen).
  // A window's tip changed before then is kept changed.
  void AddTip(HWND window, const std::wstring& text);
  void ChangeTip(HWND window, const std::wstring& text);
  HCURSOR Hand() const { return hand_; }
  const FontSpec& UiFont() const { return uiFont_; }
  // For standard controls (edit boxes, check boxes).
  HFONT ControlFont() const { return controlFont_.Get(); }

  const DisplayScale& Scale() const { return scale_; }

  // A label in the form's font; false when it could not be made.
  bool AddLabel(TextLabel& label, int controlId, std::wstring_view text, POINT at, COLORREF colour);
  // A label as designed (position and wrap width in design pixels).
  bool AddLabel(TextLabel& label, int controlId, TextLabel::InitialState design);
  // A picture button made visible at its place (in design pixels); a Tab
  // stop once the form shows, if it acts.
  bool AddButton(ImageButton& button, int controlId, const std::wstring& name, const ravelo::Rect& design);
  // The button Enter presses (when the focus is on no other button).
  void SetDefaultButton(ImageButton& button) { defaultButton_ = &button; }
  // Where a menu opened by the control just acted on shows: below a drawn
  // control reached with the keyboard, else at the pointer.
  POINT PopupPoint() const;
  // Text drawn on the background in the form's font: for captions and hints
  // that never change or take input (no window each, which keeps the
  // form's start short). Returns the text's number, for a group box.
  size_t AddText(std::wstring_view text, POINT at, COLORREF colour);
  // Such a text that acts on a left click, as a hot area named by its text.
  void AddLink(int linkId, std::wstring_view text, POINT at, COLORREF colour, const std::wstring& tip,
               std::function<void()> onClick);
  // A part of the form (in design pixels) that acts on a left click (pressed
  // and released on it), with the hand cursor and a tooltip (none when tip
  // is empty); areaId tells the form's areas apart. The form draws what
  // stands there (PaintBackdrop). Its Tab stop, named by the tip, is made
  // once the form shows, which keeps it out of the form's start.
  void AddHotArea(int areaId, const RECT& design, const std::wstring& tip, std::function<void()> onClick);
  // A colour swatch as a hot area: a sample of the colour in a sunken frame,
  // the colour the form's model holds (asked for at each paint). Returns
  // its index.
  size_t AddSwatch(int areaId, const RECT& design, const std::wstring& tip, std::function<void()> onClick,
                   std::function<COLORREF()> colour);
  // Paints the swatch again, after its colour changed in the model.
  void RefreshSwatch(size_t swatch) const;
  // A picture as a hot area, drawn at the area's size; none until given.
  // Returns its index.
  size_t AddPictureArea(int areaId, const RECT& design, const std::wstring& tip, std::function<void()> onClick);
  void SetAreaPicture(size_t area, std::optional<Picture> picture);

  // Empty: a plain ground (or a plain strip) instead of the picture.
  void SetBackground(std::optional<Picture> picture);
  void SetHeadline(std::optional<Picture> picture);
  // A group box drawn on the background; its top line is broken behind the
  // caption label.
  void AddGroupBox(const RECT& box, const TextLabel& caption);
  void AddGroupBox(const RECT& box, size_t captionText);

  // Shows the window where it was made, in the middle of the screen, gives
  // the focus to the first control in reading order and makes the
  // tooltips. The drawn controls' Tab stops and the reading order of Tab
  // are made when the keyboard or a screen reader first asks (about 10 ms
  // that a form used with the mouse never spends).
  void ShowCentred();

  void PaintBackdrop(HDC dc, const RECT& area) const override;

 protected:
  // Derived forms answer their own messages first and pass the rest here.
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  struct GroupBox {
    RECT box;
    const TextLabel* caption;  // or, when null, texts_[captionText]
    size_t captionText;
  };
  struct StaticText {
    std::wstring text;
    RECT bounds;
    COLORREF colour;
  };
  struct HotArea {
    int id;
    RECT bounds;
    std::wstring name;
    long role;
    std::function<void()> onClick;
  };
  struct SwatchArea {
    RECT bounds;
    std::function<COLORREF()> colour;
  };
  struct PictureArea {
    RECT bounds;
    std::optional<Picture> picture;
    mutable PictureAtSize sized;
  };
  bool InHeadline(POINT at) const;
  void AddHotAreaAt(int areaId, const RECT& bounds, const std::wstring& tip, const std::wstring& name, long role,
                    std::function<void()> onClick);
  void MakeStops();
  void PrepareKeyboard();
  // The windows Tab reaches, in reading order, the frame's boxes last.
  std::vector<HWND> TabOrder();
  // A standard control without a name of its own is named by the text drawn
  // beside it.
  void NameByItsText(HWND window, const ravelo::Rect& bounds);
  void ShowMenuFromKeyboard();
  RECT FocusMarkOf(size_t area) const;
  // The index of the hot area at a point of the client area, or -1.
  int HotAreaAt(POINT at) const;
  bool AddBox(ImageButton& box, int controlId, const wchar_t* name, int right, int normalBitmap, int hoverBitmap,
              std::function<void()> onClick);

  SkinnedFormDesign design_;
  DisplayScale scale_;
  ravelo::Size size_;  // the client size on the screen
  mutable PictureAtSize backgroundSized_;
  mutable PictureAtSize headlineSized_;
  FontSpec uiFont_;
  Font controlFont_;
  HCURSOR hand_ = nullptr;
  PictureDecoder pictures_;
  std::optional<Picture> background_;
  std::optional<Picture> headline_;
  std::vector<GroupBox> groups_;
  std::vector<StaticText> texts_;
  MemoryDc measure_;
  LabelCanvas canvas_;
  std::vector<HotArea> hotAreas_;
  std::vector<SwatchArea> swatches_;
  std::vector<PictureArea> pictureAreas_;
  int pressedArea_ = -1;
  std::vector<std::unique_ptr<DrawnControlStop>> stops_;  // one a hot area, once shown
  int focusedArea_ = -1;
  bool keyboardReady_ = false;
  bool actingFromKeyboard_ = false;
  std::vector<ImageButton*> buttons_;
  ImageButton* defaultButton_ = nullptr;
  ImageButton closeBox_;
  ImageButton minimiseBox_;
  ImageButton menuBox_;
  Tooltips tips_;
  HWND lastFocus_ = nullptr;
};

// The skin of a secondary window: background "ibg.pte" and headline
// "ihc.pte" from baseFolder + "common\" (plain fallbacks when a picture is
// missing or damaged) and the hand cursor on the window's OK button, which
// Enter presses. (The
// close box has its glyph, bitmap 101, from the form itself.)
void ApplyDialogSkin(SkinnedForm& form, const std::wstring& baseFolder, ImageButton& enterButton);
inline constexpr std::wstring_view kDialogSkinPictures[] = {L"ibg.pte", L"ihc.pte"};

// baseFolder + "common\" + name.
std::wstring CommonPicturePath(const std::wstring& baseFolder, std::wstring_view name);

// A picture of baseFolder + "common\" + name; empty when missing or damaged.
std::optional<Picture> CommonPicture(PictureDecoder& pictures, const std::wstring& baseFolder,
                                     std::wstring_view name);

}  // namespace ravelo::win
