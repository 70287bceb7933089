#include "draw/win/music_player.h"

#include <windows.h>

#include <array>
#include <cstdint>
#include <cstring>
#include <cwchar>
#include <string>
#include <utility>

#include "shared/win/unique_handle.h"

namespace ravelo::draw {
namespace {

// True when the file starts like a RIFF WAVE file, whatever its name says.
bool HasWaveContent(const std::wstring& path) {
  const win::UniqueHandle file(CreateFileW(path.c_str(), GENERIC_READ,
                                           FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                           OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return false;
  std::array<char, 12> header{};
  DWORD got = 0;
  if (!ReadFile(file.Get(), header.data(), static_cast<DWORD>(header.size()), &got, nullptr) ||
      got != header.size()) {
    return false;
  }
  return std::memcmp(header.data(), "RIFF", 4) == 0 && std::memcmp(header.data() + 8, "WAVE", 4) == 0;
}

// An MCI string argument: a path in double quotes keeps its spaces. Windows
// paths cannot contain a double quote, so no escaping is needed.
std::wstring Quoted(const std::wstring& text) { return L"\"" + text + L"\""; }

}  // namespace

MusicPlayer::MusicPlayer()
    : alias_(L"ravelo_music_" + std::to_wstring(reinterpret_cast<std::uintptr_t>(this))) {}

MusicPlayer::~MusicPlayer() {
  Stop();
}

void MusicPlayer::SetFile(std::wstring path) { file_ = std::move(path); }

bool MusicPlayer::LoadMci() {
  if (sendString_) return true;
  if (winmmTried_) return false;
  winmmTried_ = true;
  winmm_ = win::LoadSystemLibrary(L"winmm.dll");
  sendString_ = win::ProcAddress<SendStringFunction>(winmm_.Get(), "mciSendStringW");
  return sendString_ != nullptr;
}

bool MusicPlayer::Send(const std::wstring& command, wchar_t* reply, unsigned replyLength) const {
  return sendString_ && sendString_(command.c_str(), reply, replyLength, nullptr) == 0;
}

void MusicPlayer::Start() {
  Stop();
  if (file_.empty() || !LoadMci()) return;
  std::wstring open = L"open " + Quoted(file_);
  if (HasWaveContent(file_)) open += L" type waveaudio";
  open += L" alias " + alias_;
  if (!Send(open)) return;
  open_ = true;
  // Without "wait" the play command returns at once and the draw goes on.
  if (!Send(L"play " + alias_)) Stop();
}

void MusicPlayer::Stop() {
  if (!open_) return;
  Send(L"stop " + alias_);
  Send(L"close " + alias_);
  open_ = false;
}

bool MusicPlayer::IsPlaying() const {
  if (!open_) return false;
  std::array<wchar_t, 32> mode{};
  if (!Send(L"status " + alias_ + L" mode", mode.data(), static_cast<unsigned>(mode.size()))) return false;
  return std::wcscmp(mode.data(), L"playing") == 0;
}

}  // namespace ravelo::draw
