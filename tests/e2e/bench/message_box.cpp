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

void PrintTo(MessageBoxIcon icon, std::ostream* os) { *os << ToString(icon); }

const char* ToString(MessageBoxIcon icon) {
  switch (icon) {
    case MessageBoxIcon::None: return "none";
    case MessageBoxIcon::Information: return "information";
    case MessageBoxIcon::Warning: return "warning";
    case MessageBoxIcon::Error: return "error";
    case MessageBoxIcon::Question: return "question";
    case MessageBoxIcon::Unknown: break;
  }
  return "unknown";
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

std::vector<std::wstring> MessageBoxWindow::ButtonTexts() const {
  std::vector<std::wstring> texts;
  for (const auto& w : dialog_.Children({.className = L"Button"})) texts.push_back(w.Text());
  return texts;
}

std::vector<int> MessageBoxWindow::ButtonIds() const {
  std::vector<int> ids;
  for (const auto& w : dialog_.Children({.className = L"Button"})) ids.push_back(w.ControlId());
  return ids;
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
  std::string buttons;
  for (const auto& t : ButtonTexts()) buttons += (buttons.empty() ? "" : ", ") + Quoted(t);
  return "message box titled " + Quoted(Title()) + " saying " + Quoted(Text()) + " with buttons " + buttons +
         " of pid " + std::to_string(dialog_.ProcessId());
}

std::optional<MessageBoxWindow> FindMessageBox(std::optional<DWORD> processId,
                                               const std::optional<std::wstring>& title) {
  if (auto w = FindOneWindow({.className = L"#32770", .text = title, .processId = processId}))
    return MessageBoxWindow(*w);
  return std::nullopt;
}

MessageBoxWindow WaitForMessageBox(std::optional<DWORD> processId, const std::optional<std::wstring>& title,
                                   Milliseconds timeout) {
  return MessageBoxWindow(WaitForWindow({.className = L"#32770", .text = title, .processId = processId}, timeout));
}

}  // namespace ravelo::e2e
