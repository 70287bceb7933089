// Text conversions for the bench: tests write Windows texts as wide literals
// (L"开始啦"); failure messages are UTF-8; files of the installation are GBK.
#pragma once

#include <string>
#include <string_view>

namespace ravelo::e2e {

std::string ToUtf8(std::wstring_view text);
std::wstring FromUtf8(std::string_view utf8);
// GBK is code page 936; characters it cannot hold become '?'.
std::string ToGbk(std::wstring_view text);
std::wstring FromGbk(std::string_view gbk);

// A text in double quotes, for failure messages.
std::string Quoted(std::wstring_view text);

}  // namespace ravelo::e2e
