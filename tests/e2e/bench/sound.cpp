// The sound output's capture.
#include "bench/bench.h"

namespace ravelo::e2e {
namespace {

std::optional<std::wstring> CapturePath() {
  wchar_t path[MAX_PATH] = {};
  const DWORD n = GetEnvironmentVariableW(L"RAVELO_AUDIO_CAPTURE", path, MAX_PATH);
  if (n == 0 || n >= MAX_PATH) return std::nullopt;
  return std::wstring(path, n);
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

}  // namespace ravelo::e2e
