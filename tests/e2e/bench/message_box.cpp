#include "bench/message_box.h"

#include <cstdlib>
#include <limits>
#include <ostream>

#include "bench/handles.h"
#include "bench/text.h"

namespace ravelo::e2e {
namespace {

bool IsIconStatic(const Window& w) { return (w.Style() & SS_TYPEMASK) == SS_ICON; }

// The system icon drawn as a static control draws it: stretched to the
// control's size, over the dialog's background.
std::vector<Color> Render(LPCWSTR iconId, int width, int height, Color background) {
  WindowDc screen(nullptr);
  MemoryDc memory(screen.Get());
  auto dib = CreateTopDownDib(width, height);
  GdiObject<HBRUSH> brush(CreateSolidBrush(background.ToColorref()));
  if (!dib || !brush.Get()) return {};
  const auto& [bitmap, bits] = *dib;
  {
    ScopedSelect select(memory.Get(), bitmap.Get());
    RECT all{0, 0, width, height};
    FillRect(memory.Get(), &all, brush.Get());
    DrawIconEx(memory.Get(), 0, 0, LoadIconW(nullptr, iconId), width, height, 0, nullptr, DI_NORMAL);
  }
  GdiFlush();
  const std::uint32_t* p = bits;
  std::vector<Color> pixels;
  for (int i = 0; i < width * height; ++i)
    pixels.push_back({static_cast<std::uint8_t>(p[i] >> 16), static_cast<std::uint8_t>(p[i] >> 8),
                      static_cast<std::uint8_t>(p[i])});
  return pixels;
}

// Mean difference per channel between the screen and a rendering.
double Difference(const Image& shown, const std::vector<Color>& drawn) {
  if (drawn.size() != static_cast<size_t>(shown.Width() * shown.Height())) return 255;
  long total = 0;
  for (int y = 0; y < shown.Height(); ++y)
    for (int x = 0; x < shown.Width(); ++x) {
      const Color a = shown.At(x, y);
      const Color b = drawn[static_cast<size_t>(y * shown.Width() + x)];
      total += std::abs(a.r - b.r) + std::abs(a.g - b.g) + std::abs(a.b - b.b);
    }
  return static_cast<double>(total) / (3.0 * static_cast<double>(drawn.size()));
}

}  // namespace

void PrintTo(MessageBoxIcon icon, std::ostream* os) {
  constexpr const char* kNames[] = {"none", "information", "warning", "error", "question", "unknown"};
  *os << kNames[static_cast<int>(icon)];
}

std::wstring MessageBoxWindow::Text() const {
  std::wstring text;
  for (const auto& w : dialog_.Children({.className = L"Static"})) {
    if (IsIconStatic(w)) continue;
    const std::wstring part = w.Text();
    if (part.empty()) continue;
    if (!text.empty()) text += L"\n";
    text += part;
  }
  return text;
}

MessageBoxIcon MessageBoxWindow::Icon(Milliseconds timeout) const {
  std::optional<Window> iconControl;
  for (const auto& w : dialog_.Children({.className = L"Static"}))
    if (IsIconStatic(w)) iconControl = w;
  if (!iconControl) return MessageBoxIcon::None;
  DWORD_PTR icon = 0;
  SendMessageTimeoutW(iconControl->Handle(), STM_GETICON, 0, 0, SMTO_ABORTIFHUNG, 2000, &icon);
  if (!icon) return MessageBoxIcon::None;

  MessageBoxIcon seen = MessageBoxIcon::Unknown;
  PollUntil([&] { return (seen = IconOnScreen(*iconControl)) != MessageBoxIcon::Unknown; }, timeout);
  return seen;
}

MessageBoxIcon MessageBoxWindow::IconOnScreen(const Window& iconControl) {
  const Image shown = iconControl.CaptureWindow();
  if (shown.Empty()) return MessageBoxIcon::Unknown;
  const Rect area = shown.Area();
  const Color background = ScreenPixel({area.left - 1, area.top});
  struct Candidate {
    LPCWSTR id;
    MessageBoxIcon kind;
  };
  const Candidate candidates[] = {{IDI_INFORMATION, MessageBoxIcon::Information},
                                  {IDI_WARNING, MessageBoxIcon::Warning},
                                  {IDI_ERROR, MessageBoxIcon::Error},
                                  {IDI_QUESTION, MessageBoxIcon::Question}};
  MessageBoxIcon best = MessageBoxIcon::Unknown;
  double bestDifference = std::numeric_limits<double>::max();
  for (const auto& c : candidates) {
    const double d = Difference(shown, Render(c.id, shown.Width(), shown.Height(), background));
    if (d < bestDifference) {
      bestDifference = d;
      best = c.kind;
    }
  }
  // A close match only: anti-aliased edges differ a little, another icon a lot.
  return bestDifference < 16.0 ? best : MessageBoxIcon::Unknown;
}

void MessageBoxWindow::Press(int buttonId, Milliseconds timeout) const {
  const auto button = dialog_.FindChild({.className = L"Button", .controlId = buttonId});
  if (!button) throw BenchError("no button with id " + std::to_string(buttonId) + " in " + Describe());
  const std::string what = Describe();
  button->ClickButton();
  WaitUntil([&] { return !dialog_.Exists(); }, timeout,
            [&] { return what + " did not close after its button " + std::to_string(buttonId) + " was clicked"; });
}

std::string MessageBoxWindow::Describe() const {
  if (!dialog_.Exists()) return "message box (gone)";
  return "message box titled " + Quoted(Title()) + " saying " + Quoted(Text()) + " of pid " +
         std::to_string(dialog_.ProcessId());
}

}  // namespace ravelo::e2e
