#include "bench/sound_capture.h"

#include <windows.h>

#include <cmath>

namespace ravelo::e2e {
namespace {

void PutLittleEndian(std::string& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

}  // namespace

std::string ToneWave(double seconds, std::uint32_t rate) {
  const auto frames = static_cast<std::uint32_t>(seconds * rate);
  std::string data;
  data.reserve(frames * 2);
  for (std::uint32_t i = 0; i < frames; ++i) {
    const double s = 8000.0 * std::sin(2.0 * 3.14159265358979 * 440.0 * i / rate);
    PutLittleEndian(data, static_cast<std::uint16_t>(static_cast<std::int16_t>(s)), 2);
  }
  std::string wav = "RIFF";
  PutLittleEndian(wav, static_cast<std::uint32_t>(36 + data.size()), 4);
  wav += "WAVEfmt ";
  PutLittleEndian(wav, 16, 4);
  PutLittleEndian(wav, 1, 2);         // PCM
  PutLittleEndian(wav, 1, 2);         // mono
  PutLittleEndian(wav, rate, 4);
  PutLittleEndian(wav, rate * 2, 4);  // bytes per second
  PutLittleEndian(wav, 2, 2);         // block align
  PutLittleEndian(wav, 16, 2);        // bits per sample
  wav += "data";
  PutLittleEndian(wav, static_cast<std::uint32_t>(data.size()), 4);
  return wav + data;
}

std::optional<SoundCapture> SoundCapture::FromEnvironment() {
  std::wstring buffer(32768, L'\0');
  const DWORD n = GetEnvironmentVariableW(L"RAVELO_AUDIO_CAPTURE", buffer.data(), static_cast<DWORD>(buffer.size()));
  if (n == 0 || n >= buffer.size()) return std::nullopt;
  buffer.resize(n);
  for (wchar_t& c : buffer) {
    if (c == L'/') c = L'\\';
  }
  return SoundCapture(std::move(buffer));
}

std::uint64_t SoundCapture::Bytes() const {
  std::uint64_t total = 0;
  ForEachFile([&total](const std::wstring&, std::uint64_t size) { total += size; });
  return total;
}

void SoundCapture::Clear() const {
  ForEachFile([](const std::wstring& file, std::uint64_t) { DeleteFileW(file.c_str()); });
}

void SoundCapture::ForEachFile(const std::function<void(const std::wstring&, std::uint64_t)>& visit) const {
  const std::wstring folder = path_.substr(0, path_.find_last_of(L'\\') + 1);
  WIN32_FIND_DATAW found{};
  HANDLE search = FindFirstFileW((path_ + L"*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return;
  do {
    visit(folder + found.cFileName, (std::uint64_t{found.nFileSizeHigh} << 32) | found.nFileSizeLow);
  } while (FindNextFileW(search, &found));
  FindClose(search);
}

}  // namespace ravelo::e2e
