// The music of a draw, played by the platform's MCI device layer.
//
// The file is named when the settings are applied and opened afresh for
// every draw: Start opens and plays it without waiting, Stop stops and closes
// it. A file with WAV content goes to the built-in waveaudio device whatever
// its extension (the default sound.wma is WAV inside), so it plays without
// any codec; anything else is left to the device that MCI picks by the
// extension. A file that cannot be opened or played leaves the draw silent;
// nothing is reported.
//
// The MCI library (winmm.dll) is loaded by the first Start, not imported:
// importing it costs the program a noticeable part of its start-up, and most
// starts never play a note before the first draw.
#pragma once

#include <windows.h>

#include <string>

#include "shared/win/system_library.h"

namespace ravelo::draw {

class MusicPlayer {
 public:
  MusicPlayer();
  ~MusicPlayer();  // closes a device that is still open
  MusicPlayer(const MusicPlayer&) = delete;
  MusicPlayer& operator=(const MusicPlayer&) = delete;

  // The file the next Start plays (a full path). Nothing is opened.
  void SetFile(std::wstring path);
  const std::wstring& File() const { return file_; }

  // Opens the file and starts playing it from the beginning; returns at
  // once. A device still open from an earlier Start is closed first.
  void Start();
  // Stops and closes the device; nothing happens when none is open.
  void Stop();

  bool IsOpen() const { return open_; }
  // The device reports that it is playing (false once the piece has ended).
  bool IsPlaying() const;

 private:
  using SendStringFunction = DWORD(WINAPI*)(LPCWSTR command, LPWSTR reply, UINT replyLength, HWND callback);

  // Loads winmm.dll and finds mciSendStringW, once; false when either fails.
  bool LoadMci();
  bool Send(const std::wstring& command, wchar_t* reply = nullptr, unsigned replyLength = 0) const;

  win::UniqueModule winmm_;
  bool winmmTried_ = false;
  SendStringFunction sendString_ = nullptr;
  std::wstring file_;
  std::wstring alias_;  // unique to this player, so two players never clash
  bool open_ = false;
};

}  // namespace ravelo::draw
