// The record of results on disk: appending one line to history.txt and
// opening it with the shell (Notepad by default).
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

#include "draw/core/draw_history.h"

namespace ravelo::win {

draw::LocalDateTime LocalNow();

// Appends line to the file at utf8Path, creating it with the UTF-8
// byte-order mark when it does not exist yet. Nothing is ever overwritten.
// Nullopt on success, otherwise why it failed.
std::optional<draw::HistoryFailure> AppendHistoryLine(const std::string& utf8Path, std::string_view line);

// Opens the file in its associated program; false when that failed.
bool OpenWithShell(HWND owner, const std::string& utf8Path);

}  // namespace ravelo::win
