#include "shared/win/text_label.h"

#include <algorithm>
#include <cmath>

#include "shared/win/control_messages.h"

namespace ravelo::win {
namespace {

constexpr wchar_t kLabelClass[] = L"RaveloLabel";
// Labels show "&" as itself (no access-key underline); line breaks in a
// text make more lines.
constexpr UINT kTextFormat = DT_LEFT | DT_TOP | DT_NOPREFIX | DT_EXPANDTABS;
// Window coordinates must stay well inside 16 bits.
constexpr float kCoordinateLimit = 30000.0f;

bool Intersects(const RECT& a, const RECT& b) {
  RECT unused;
  return IntersectRect(&unused, &a, &b) != FALSE;
}

}  // namespace

int PixelOf(float coordinate) {
  if (std::isnan(coordinate)) return 0;
  return static_cast<int>(std::lround(std::clamp(coordinate, -kCoordinateLimit, kCoordinateLimit)));
}

void LabelCanvas::Attach(HWND host, const Backdrop& backdrop) {
  host_ = host;
  backdrop_ = &backdrop;
}

void LabelCanvas::Add(TextLabel& label) { labels_.push_back(&label); }

void LabelCanvas::SetScale(const DisplayScale& scale) {
  if (scale == scale_) return;
  scale_ = scale;
  for (TextLabel* label : labels_) label->Rescale();
}

namespace {

void DrawMark(HDC dc, const RECT& mark, const RECT& area) {
  RECT overlap;
  if (IsRectEmpty(&mark) || !IntersectRect(&overlap, &mark, &area)) return;
  SetTextColor(dc, RGB(0, 0, 0));
  SetBkColor(dc, RGB(255, 255, 255));
  DrawFocusRect(dc, &mark);
}

}  // namespace

void LabelCanvas::MarkLabel(const TextLabel* label) {
  Invalidate(markBounds_);
  marked_ = label;
  markBounds_ = {};
  if (!label) return;
  markBounds_ = label->Bounds();
  const int margin = scale_.ToDevice(2);
  InflateRect(&markBounds_, margin, margin);
  Invalidate(markBounds_);
}

void LabelCanvas::PaintHost(HDC dc, const RECT& area) const {
  if (!backdrop_ || IsRectEmpty(&area)) return;
  backdrop_->PaintBackdrop(dc, area);
  backdrop_->PaintOverlay(dc, area);
  DrawMark(dc, markBounds_, area);
}

void LabelCanvas::PaintLabelArea(HDC dc, const RECT& area, POINT dcOrigin) {
  if (IsRectEmpty(&area)) return;
  HDC buffer = buffer_.Begin(area);
  if (!buffer) return;
  if (backdrop_) backdrop_->PaintBackdrop(buffer, area);
  for (const TextLabel* label : labels_) {
    if (label->Handle() && IsWindowVisible(label->Handle()) && Intersects(label->Bounds(), area))
      label->DrawOn(buffer);
  }
  if (backdrop_) backdrop_->PaintOverlay(buffer, area);
  DrawMark(buffer, markBounds_, area);
  buffer_.End(dc, {area.left - dcOrigin.x, area.top - dcOrigin.y});
}

void LabelCanvas::Invalidate(const RECT& area) const {
  if (host_) RedrawWindow(host_, &area, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
}

bool TextLabel::Create(LabelCanvas& canvas, int controlId, const InitialState& initial) {
  canvas_ = &canvas;
  text_ = std::wstring(initial.text);
  fontSpec_ = initial.font;
  font_ = CreateLabelFont(fontSpec_, canvas.Scale().Dpi());
  colour_ = initial.colour;
  position_ = initial.position;
  wrapWidth_ = initial.wrapWidth;
  const SIZE size = MeasureText();
  bounds_ = {PixelOf(position_.x), PixelOf(position_.y), PixelOf(position_.x) + size.cx,
             PixelOf(position_.y) + size.cy};
  const WindowClassSpec windowClass{kLabelClass, 0, nullptr, nullptr};
  WindowCreateSpec fontSpec;
  fontSpec.style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;
  fontSpec.text = text_.c_str();
  fontSpec.bounds = bounds_;
  fontSpec.parent = canvas.Host();
  fontSpec.controlId = controlId;
  if (!CreateWindowOf(windowClass, fontSpec)) return false;
  // At the bottom of the host's children. Children made later go below it
  // too: a program raises the buttons it shows over the labels.
  SetWindowPos(Handle(), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  canvas.Add(*this);
  return true;
}

void TextLabel::SetText(std::wstring_view text) {
  if (text == text_) return;
  text_ = std::wstring(text);
  SetWindowTextW(Handle(), text_.c_str());
  Refit();
}

bool TextLabel::SetFont(const FontSpec& font) {
  Font created = CreateLabelFont(font, canvas_ ? canvas_->Scale().Dpi() : DisplayScale::kDesignDpi);
  if (!created) return false;
  fontSpec_ = font;
  font_ = std::move(created);
  Refit();
  return true;
}

void TextLabel::SetColour(COLORREF colour) {
  if (colour == colour_) return;
  colour_ = colour;
  if (canvas_) canvas_->Invalidate(bounds_);
}

void TextLabel::SetPosition(PointF leftTop) {
  position_ = leftTop;
  Refit();
}

UINT TextLabel::Format() const { return wrapWidth_ > 0 ? kTextFormat | DT_WORDBREAK : kTextFormat; }

SIZE TextLabel::MeasureText() const {
  if (measured_ && measured_->text == text_ && measured_->font == fontSpec_) return measured_->size;
  return MeasureWith(text_, font_.Get(), fontSpec_.italic);
}

SIZE TextLabel::MeasureWith(std::wstring_view text, HFONT font, bool italic) const {
  HDC dc = canvas_ ? canvas_->MeasuringDc() : nullptr;
  if (!dc) return {0, 0};
  ScopedSelect select(dc, font);
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  if (text.empty()) return {0, metrics.tmHeight};
  RECT r{0, 0, wrapWidth_, 0};
  DrawTextW(dc, text.data(), static_cast<int>(text.size()), &r, Format() | DT_CALCRECT);
  LONG width = wrapWidth_ > 0 ? wrapWidth_ : r.right - r.left;
  // A slanted last character leans past its advance width.
  if (italic) {
    ABC abc{};
    if (GetCharABCWidthsW(dc, text.back(), text.back(), &abc) && abc.abcC < 0) width -= abc.abcC;
  }
  return {width, std::max<LONG>(r.bottom - r.top, metrics.tmHeight)};
}

ravelo::Size TextLabel::Measure(std::wstring_view text, const FontSpec& font) const {
  HFONT measuring = font_.Get();
  if (font != fontSpec_) {
    if (!measureFont_ || font != measureSpec_) {
      measureFont_ = CreateLabelFont(font, canvas_ ? canvas_->Scale().Dpi() : DisplayScale::kDesignDpi);
      measureSpec_ = font;
    }
    // Without that font the label's own stands in.
    if (measureFont_) measuring = measureFont_.Get();
  }
  const SIZE size = MeasureWith(text, measuring, font.italic);
  measured_ = Measured{std::wstring(text), font, size};
  return {size.cx, size.cy};
}

void TextLabel::Show(std::wstring_view text, const FontSpec& font, PointF leftTop) {
  if (text != text_) {
    text_ = std::wstring(text);
    SetWindowTextW(Handle(), text_.c_str());
  }
  if (font != fontSpec_) {
    Font made = measureFont_ && font == measureSpec_ ? std::move(measureFont_)
                                                     : CreateLabelFont(font, canvas_ ? canvas_->Scale().Dpi()
                                                                                     : DisplayScale::kDesignDpi);
    if (made) {
      fontSpec_ = font;
      font_ = std::move(made);
    }
  }
  position_ = leftTop;
  Refit();
}

void TextLabel::Refit() {
  const SIZE size = MeasureText();
  const RECT old = bounds_;
  const int left = PixelOf(position_.x);
  const int top = PixelOf(position_.y);
  bounds_ = {left, top, left + size.cx, top + size.cy};
  if (!Handle()) return;
  if (!EqualRect(&old, &bounds_)) {
    // The canvas repaints: the move itself paints nothing and copies no bits.
    SetWindowPos(Handle(), nullptr, left, top, size.cx, size.cy,
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW | SWP_NOCOPYBITS);
  }
  RECT changed;
  UnionRect(&changed, &old, &bounds_);
  if (canvas_) canvas_->Invalidate(changed);
}

void TextLabel::DrawOn(HDC hostDc) const {
  ScopedSelect select(hostDc, font_.Get());
  SetBkMode(hostDc, TRANSPARENT);
  SetTextColor(hostDc, colour_);
  RECT r = bounds_;
  DrawTextW(hostDc, text_.c_str(), static_cast<int>(text_.size()), &r, Format() | DT_NOCLIP);
}

LRESULT TextLabel::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  const auto paintLabel = [this](const PaintDc& paint) {
    if (!canvas_) return;
    RECT area = paint.Area();
    OffsetRect(&area, bounds_.left, bounds_.top);
    canvas_->PaintLabelArea(paint.Get(), area, {bounds_.left, bounds_.top});
  };
  if (auto answer = AnswerPaintMessages(Handle(), message, paintLabel)) return *answer;
  if (auto answer = accessibility_.HandleMessage(message, wParam, lParam)) return *answer;
  switch (message) {
    case WM_SETCURSOR:
      if (ShowOwnCursor(cursor_, lParam)) return TRUE;
      break;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
      // The label keeps the mouse until the last button is up, so a drag
      // that leaves it still reports its moves here.
      SetCapture(Handle());
      if (onMouseDown) {
        const int button = message == WM_LBUTTONDOWN ? 1 : message == WM_RBUTTONDOWN ? 2 : 4;
        onMouseDown(button, PointFromLParam(lParam));
      }
      return 0;
    case WM_MOUSEMOVE:
      if (onMouseMove) onMouseMove(MouseButtons(wParam), PointFromLParam(lParam));
      return 0;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
      if (MouseButtons(wParam) == 0 && GetCapture() == Handle()) ReleaseCapture();
      if (onMouseUp) {
        const int button = message == WM_LBUTTONUP ? 1 : message == WM_RBUTTONUP ? 2 : 4;
        onMouseUp(button, PointFromLParam(lParam));
      }
      return 0;
    default:
      break;
  }
  return Default(message, wParam, lParam);
}

}  // namespace ravelo::win
