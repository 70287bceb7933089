#include "shared/win/content_panel.h"

#include <algorithm>
#include <utility>

#include "shared/win/control_messages.h"

namespace ravelo::win {
namespace {

constexpr wchar_t kPanelClass[] = L"RaveloPicBack";
constexpr COLORREF kGround = RGB(255, 255, 255);

RECT ToRect(const ravelo::Rect& r) { return {r.left, r.top, r.right(), r.bottom()}; }

void FillSolid(HDC dc, const RECT& area, COLORREF colour) {
  // ExtTextOut with an opaque rectangle fills without creating a brush.
  SetBkColor(dc, colour);
  ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &area, nullptr, 0, nullptr);
}

}  // namespace

bool ContentPanel::Create(HWND frame, int controlId, PictureDecoder& pictures) {
  pictures_ = &pictures;
  const WindowClassSpec windowClass{kPanelClass, 0, nullptr, nullptr};
  WindowCreateSpec createSpec;
  createSpec.style = WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
  createSpec.parent = frame;
  createSpec.controlId = controlId;
  if (!CreateWindowOf(windowClass, createSpec)) return false;
  canvas_.Attach(Handle(), *this);
  return true;
}

bool ContentPanel::LoadBackground(const std::wstring& path) {
  std::optional<Picture> loaded = pictures_->Load(path);
  if (!loaded) return false;
  picture_ = std::move(loaded);
  sized_.Reset();
  edge_.reset();
  RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
  return true;
}

void ContentPanel::ClearBackground() {
  picture_.reset();
  edge_.reset();
  RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
}

COLORREF ContentPanel::Ground() const {
  if (!picture_) return kGround;
  // A picture smaller than the panel leaves white at its right or bottom
  // edge, and white continues it.
  RECT client{};
  GetClientRect(Handle(), &client);
  const ravelo::Size shown = canvas_.Scale().ToDevice(ravelo::Size{picture_->Width(), picture_->Height()});
  if (shown.width < client.right || shown.height < client.bottom) return kGround;
  if (!edge_) edge_ = picture_->EdgeColour();
  return *edge_;
}

void ContentPanel::Place(const ravelo::Rect& bounds) {
  // It paints all of itself at its new place: copying the old pixels over
  // first would only cost time (much of it on a large screen).
  SetWindowPos(Handle(), nullptr, bounds.left, bounds.top, bounds.width, bounds.height,
               SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOCOPYBITS);
}

void ContentPanel::SetScale(const DisplayScale& scale) {
  if (scale == canvas_.Scale()) return;
  canvas_.SetScale(scale);
  RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
}

void ContentPanel::PaintBackdrop(HDC dc, const RECT& area) const {
  if (!picture_) {
    FillSolid(dc, area, kGround);
    return;
  }
  // White right of and below the picture, the picture itself where it is.
  const ravelo::Size size = canvas_.Scale().ToDevice(ravelo::Size{picture_->Width(), picture_->Height()});
  // Only the part that shows in the panel is scaled.
  RECT client{};
  GetClientRect(Handle(), &client);
  const Picture& picture = sized_.Of(*picture_, size.width, size.height, client.right, client.bottom);
  const RECT shown{0, 0, picture.Width(), picture.Height()};
  RECT right{std::max(area.left, shown.right), area.top, area.right, area.bottom};
  RECT below{area.left, std::max(area.top, shown.bottom), std::min(area.right, shown.right), area.bottom};
  if (!IsRectEmpty(&right)) FillSolid(dc, right, kGround);
  if (!IsRectEmpty(&below)) FillSolid(dc, below, kGround);
  RECT overlap;
  if (IntersectRect(&overlap, &area, &shown)) {
    if (!picture.Opaque()) FillSolid(dc, overlap, kGround);
    picture.DrawPart(dc, overlap);
  }
}

void ContentPanel::SetOutlines(std::vector<ravelo::Rect> outlines) {
  if (outlines == outlines_) return;
  for (const ravelo::Rect& r : outlines_) canvas_.Invalidate(ToRect(r));
  outlines_ = std::move(outlines);
  for (const ravelo::Rect& r : outlines_) canvas_.Invalidate(ToRect(r));
}

void ContentPanel::PaintOverlay(HDC dc, const RECT& area) const {
  // Black dots on white show on any picture.
  std::optional<Pen> pen;
  for (const ravelo::Rect& outline : outlines_) {
    const RECT r = ToRect(outline);
    RECT overlap;
    if (!IntersectRect(&overlap, &area, &r)) continue;
    if (!pen) pen.emplace(CreatePen(PS_DOT, 1, RGB(0, 0, 0)));
    ScopedSelect selectPen(dc, pen->Get());
    ScopedSelect selectBrush(dc, GetStockObject(NULL_BRUSH));
    SetBkMode(dc, OPAQUE);
    SetBkColor(dc, RGB(255, 255, 255));
    Rectangle(dc, r.left, r.top, r.right, r.bottom);
  }
}

LRESULT ContentPanel::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (auto answer = AnswerPaintMessages(Handle(), message, [this](const PaintDc& paint) { canvas_.PaintHost(paint.Get(), paint.Area()); }))
    return *answer;
  switch (message) {
    default:
      break;
  }
  return Default(message, wParam, lParam);
}

}  // namespace ravelo::win
