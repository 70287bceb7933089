// What reaches the sound output in a test run under Wine: the environment's
// RAVELO_AUDIO_CAPTURE names a file that an ALSA file sink writes every
// sample to, so its size shows whether sound flows.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <utility>

namespace ravelo::e2e {

// A 16-bit mono PCM WAV file of a steady tone.
std::string ToneWave(double seconds, std::uint32_t rate = 22050);

// The ALSA capture: each opening of the output writes a file of its own (the
// named one, then numbered ones beside it), so the bytes of all of them
// together only ever grow.
class SoundCapture {
 public:
  explicit SoundCapture(std::wstring path) : path_(std::move(path)) {}

  // The capture the environment names; none on Windows or in a run by hand.
  static std::optional<SoundCapture> FromEnvironment();

  std::uint64_t Bytes() const;

  // Removes the captures of earlier runs (files still being written stay).
  void Clear() const;

 private:
  void ForEachFile(const std::function<void(const std::wstring&, std::uint64_t)>& visit) const;

  std::wstring path_;
};

}  // namespace ravelo::e2e
