// The sound output's capture, and a tone to play into it.
#include <cmath>

#include "bench/bench.h"

namespace ravelo::e2e {
namespace {

std::optional<std::wstring> CapturePath() {
  wchar_t path[MAX_PATH] = {};
  const DWORD n = GetEnvironmentVariableW(L"RAVELO_AUDIO_CAPTURE", path, MAX_PATH);
  if (n == 0 || n >= MAX_PATH) return std::nullopt;
  std::wstring capture(path, n);
  for (wchar_t& c : capture)
    if (c == L'/') c = L'\\';
  return capture;
}

template <typename Visit>
void ForEachCaptureFile(const std::wstring& capture, Visit visit) {
  WIN32_FIND_DATAW found{};
  const win::UniqueFindHandle search(FindFirstFileW((capture + L"*").c_str(), &found));
  if (!search) return;
  const std::wstring folder = capture.substr(0, capture.find_last_of(L'\\') + 1);
  do visit(folder + found.cFileName, (std::uint64_t{found.nFileSizeHigh} << 32) | found.nFileSizeLow);
  while (FindNextFileW(search.Get(), &found));
}

void Put(std::string& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>(value >> (8 * i)));
}

}  // namespace

std::optional<std::uint64_t> CapturedSoundBytes() {
  const auto capture = CapturePath();
  if (!capture) return std::nullopt;
  std::uint64_t total = 0;
  ForEachCaptureFile(*capture, [&](const std::wstring&, std::uint64_t size) { total += size; });
  return total;
}

bool SoundFlows() {
  const auto from = CapturedSoundBytes();
  return !from || PollUntil([&] { return *CapturedSoundBytes() >= *from + 8192; });
}

bool SoundSilent() {
  Pause(Milliseconds{300});
  const auto before = CapturedSoundBytes();
  Pause(Milliseconds{800});
  return CapturedSoundBytes() == before;
}

void ClearSoundCapture() {
  if (const auto capture = CapturePath())
    ForEachCaptureFile(*capture, [](const std::wstring& file, std::uint64_t) { DeleteFileW(file.c_str()); });
}

std::string ToneWave(double seconds) {
  constexpr std::uint32_t kRate = 22050;
  const auto frames = static_cast<std::uint32_t>(seconds * kRate);
  std::string wav = "RIFF";
  Put(wav, 36 + 2 * frames, 4);
  wav += "WAVEfmt ";
  for (const std::uint32_t field : {16u, 1u | (1u << 16), kRate, 2 * kRate, 2u | (16u << 16)}) Put(wav, field, 4);
  wav += "data";  // above: PCM mono, the rate, bytes a second, 2-byte frames of 16 bits
  Put(wav, 2 * frames, 4);
  for (std::uint32_t i = 0; i < frames; ++i)
    Put(wav, static_cast<std::uint16_t>(static_cast<std::int16_t>(8000.0 * std::sin(2.0 * 3.14159265 * 440.0 * i / kRate))), 2);
  return wav;
}

}  // namespace ravelo::e2e
