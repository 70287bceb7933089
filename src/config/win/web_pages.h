// The product's web pages and help file, opened with the shell. The three
// addresses live here and nowhere else.
#pragma once

#include <windows.h>

#include <string>

namespace ravelo::win::config {

inline constexpr wchar_t kUpdatePage[] = L"https://ravelo.example.org/download/";  // down
inline constexpr wchar_t kSoftwarePage[] = L"https://ravelo.example.org/";         // the logo Im
inline constexpr wchar_t kHomePage[] = L"https://ravelo.example.org/about/";       // Lc

// Hands the address to the default web browser; says so when the shell
// could start nothing for it (an unreachable page is the browser's business).
void OpenWebPage(HWND owner, const wchar_t* address);

// Opens programFolder\rvohelp.chm with the shell (the help viewer); a
// missing help file or one nothing could open is reported.
void OpenHelpFile(HWND owner, const std::wstring& programFolder);

}  // namespace ravelo::win::config
