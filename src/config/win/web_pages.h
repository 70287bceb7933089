// The product's web pages and help file, opened with the shell. The three
// addresses live here and nowhere else.
#pragma once

#include <string>

namespace ravelo::win::config {

inline constexpr wchar_t kUpdatePage[] = L"https://ravelo.example.org/download/";  // down
inline constexpr wchar_t kSoftwarePage[] = L"https://ravelo.example.org/";         // the logo Im
inline constexpr wchar_t kHomePage[] = L"https://ravelo.example.org/about/";       // Lc

// Hands the address to the default web browser; reports nothing (a missing
// browser or an unreachable page is the browser's business).
void OpenWebPage(const wchar_t* address);

// Opens programFolder\rvohelp.chm with the shell (the help viewer); reports
// nothing, so a missing help file does nothing visible.
void OpenHelpFile(const std::wstring& programFolder);

}  // namespace ravelo::win::config
