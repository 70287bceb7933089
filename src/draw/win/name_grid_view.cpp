#include "draw/win/name_grid_view.h"

#include "shared/win/control_messages.h"
#include "shared/win/gdi.h"

namespace ravelo::win {
namespace {

constexpr wchar_t kClass[] = L"RaveloNameGrid";
constexpr UINT kTextFormat = DT_LEFT | DT_TOP | DT_NOPREFIX | DT_SINGLELINE | DT_NOCLIP;
constexpr std::size_t kMostFonts = 8;

}  // namespace

bool NameGridView::Create(HWND host, int controlId, const Backdrop& backdrop) {
  backdrop_ = &backdrop;
  WindowCreateSpec window;
  window.style = WS_CHILD | WS_CLIPSIBLINGS;
  window.parent = host;
  window.controlId = controlId;
  if (!CreateWindowOf({kClass}, window)) return false;
  // Under the labels and buttons of the content area.
  SetWindowPos(Handle(), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  return true;
}

void NameGridView::Place(const RECT& area, int dpi) {
  if (dpi != dpi_) fonts_.clear();
  dpi_ = dpi;
  area_ = area;
  MoveWindow(Handle(), area.left, area.top, area.right - area.left, area.bottom - area.top, TRUE);
}

void NameGridView::Show(std::vector<Name> names, COLORREF colour) {
  // The old places and the new in one region: one call to the window
  // system per tick instead of one per name.
  std::vector<RECT> places;
  places.reserve(names_.size() + names.size());
  for (const Name& name : names_) places.push_back(name.bounds);
  for (const Name& name : names) places.push_back(name.bounds);
  names_ = std::move(names);
  colour_ = colour;
  Invalidate(places);
  if (!IsWindowVisible(Handle())) ShowWindow(Handle(), SW_SHOWNA);
}

void NameGridView::Hide() {
  if (IsWindowVisible(Handle())) ShowWindow(Handle(), SW_HIDE);
  names_.clear();
}

void NameGridView::Invalidate(const std::vector<RECT>& places) const {
  if (places.empty()) return;
  // Regions are the program's own memory; only the one invalidation below
  // goes to the window system.
  HRGN update = CreateRectRgn(0, 0, 0, 0);
  HRGN one = CreateRectRgn(0, 0, 0, 0);
  for (const RECT& place : places) {
    SetRectRgn(one, place.left - area_.left, place.top - area_.top, place.right - area_.left,
               place.bottom - area_.top);
    CombineRgn(update, update, one, RGN_OR);
  }
  InvalidateRgn(Handle(), update, FALSE);
  DeleteObject(one);
  DeleteObject(update);
}

HFONT NameGridView::FontFor(const FontSpec& wanted) {
  for (const auto& [made, font] : fonts_)
    if (made == wanted) return font.Get();
  if (fonts_.size() >= kMostFonts) fonts_.erase(fonts_.begin() + 1);  // the first is the grid's own
  fonts_.emplace_back(wanted, CreateLabelFont(wanted, dpi_));
  return fonts_.back().second.Get();
}

LRESULT NameGridView::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCHITTEST) return HTTRANSPARENT;  // clicks reach the content area
  const auto paint = [this](const PaintDc& dc) {
    // The painted part in the host's coordinates, where backdrop and names live.
    RECT area = dc.Area();
    OffsetRect(&area, area_.left, area_.top);
    HDC buffer = buffer_.Begin(area);
    if (!buffer) return;
    if (backdrop_) backdrop_->PaintBackdrop(buffer, area);
    SetBkMode(buffer, TRANSPARENT);
    SetTextColor(buffer, colour_);
    for (const Name& name : names_) {
      RECT overlap{};
      if (!IntersectRect(&overlap, &name.bounds, &area)) continue;
      ScopedSelect select(buffer, FontFor(name.font));
      RECT r = name.bounds;
      DrawTextW(buffer, name.text.c_str(), static_cast<int>(name.text.size()), &r, kTextFormat);
    }
    if (backdrop_) backdrop_->PaintOverlay(buffer, area);
    buffer_.End(dc.Get(), {dc.Area().left, dc.Area().top});
  };
  if (auto answer = AnswerPaintMessages(Handle(), message, paint)) return *answer;
  return Window::HandleMessage(message, wParam, lParam);
}

}  // namespace ravelo::win
