// Takes the help file's pictures of the real windows: each program starts in
// a private copy of the staged installation, and its main window is saved as
// a BMP in the output folder. A program whose window does not show within
// the timeout is skipped with a note, so the command works while a program
// has no window yet. tools/help-screenshots.sh runs it.
//
// usage: ravelo_help_screenshots OUTPUT_FOLDER
#include <algorithm>
#include <cstdio>
#include <exception>
#include <string>

#include "rvo_parts.h"

using namespace ravelo::e2e;

namespace {

constexpr Milliseconds kWindowTimeout{10000};

// A 32-bit top-down BMP of the image; false when it cannot be written.
bool SaveBmp(const Image& image, const std::wstring& path) {
  const DWORD pixelBytes = static_cast<DWORD>(image.Pixels().size() * 4);
  BITMAPINFOHEADER info{sizeof info, image.Width(), -image.Height(), 1, 32, BI_RGB, pixelBytes, 0, 0, 0, 0};
  BITMAPFILEHEADER header{0x4D42, 0, 0, 0, sizeof header + sizeof info};
  header.bfSize = header.bfOffBits + pixelBytes;
  const UniqueHandle file(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
  DWORD written = 0;
  return file && WriteFile(file.Get(), &header, sizeof header, &written, nullptr) &&
         WriteFile(file.Get(), &info, sizeof info, &written, nullptr) &&
         WriteFile(file.Get(), image.Pixels().data(), pixelBytes, &written, nullptr) && written == pixelBytes;
}

bool Save(const Image& image, const std::wstring& folder, const wchar_t* name) {
  const bool saved = !image.Empty() && SaveBmp(image, folder + L"\\" + name);
  std::fwprintf(saved ? stdout : stderr, L"%ls %ls\n", saved ? L"saved" : L"could not save", name);
  return saved;
}

Rect Union(const Rect& a, const Rect& b) {
  return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right), std::max(a.bottom, b.bottom)};
}

// rvo after a draw, with a drawn name in the text line; then its menu.
bool ShootDrawWindow(const std::wstring& folder) {
  Installation install;
  Process process = install.Start(L"rvo.exe");
  const Window main = rvo::WaitForDrawWindow(process);
  main.PostKey(VK_RETURN);
  Pause(Milliseconds{400});
  main.PostKey(VK_SPACE);
  main.WaitUntilPainted();
  bool ok = Save(main.CaptureWindow(), folder, L"rvo-main.bmp");
  const Window menu = rvo::OpenMenuAt(process, main, rvo::BodyPoint(main));
  ok = Save(CaptureScreen(Union(main.WindowRect(), menu.WindowRect())), folder, L"rvo-menu.bmp") && ok;
  keyboard::Press(VK_ESCAPE);
  return ok;
}

// A program's main window, found by its title.
bool ShootMainWindow(const std::wstring& folder, const wchar_t* program, const wchar_t* title, const wchar_t* name) {
  Installation install;
  Process process = install.Start(program);
  const Window main = process.WaitForWindow({.text = title}, kWindowTimeout);
  main.WaitUntilPainted();
  return Save(main.CaptureWindow(), folder, name);
}

// Runs one shot. A program that is not required may lack its window (it is
// reported and skipped); the draw window must be there.
template <typename Shot>
bool Take(const wchar_t* what, bool required, Shot shot) {
  try {
    return shot();
  } catch (const std::exception& e) {
    std::fwprintf(stderr, L"%ls %ls: %hs\n", required ? L"failed" : L"skipped", what, e.what());
    return !required;
  }
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc != 2) {
    std::fwprintf(stderr, L"usage: ravelo_help_screenshots OUTPUT_FOLDER\n");
    return 2;
  }
  const std::wstring folder = argv[1];
  bool ok = Take(L"rvo.exe", true, [&] { return ShootDrawWindow(folder); });
  ok = Take(L"rvocfg.exe", false,
            [&] { return ShootMainWindow(folder, L"rvocfg.exe", L"Ravelo配置程序", L"rvocfg-main.bmp"); }) && ok;
  ok = Take(L"rvostyle.exe", false,
            [&] { return ShootMainWindow(folder, L"rvostyle.exe", L"Ravelo风格编辑", L"rvostyle-main.bmp"); }) && ok;
  return ok ? 0 : 1;
}
