// Random profile files from a fixed seed, read by the platform and by the
// suite's reader: the same value for every key and buffer size. The files
// are made of the lines a configuration file holds (headers, key lines,
// blanks, comments, GBK text) in random order and spelling.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "platform_profile.h"
#include "unit/shared/scratch_folder.h"
#include "shared/core/encoding.h"
#include "shared/core/file_system.h"
#include "shared/core/ini_file.h"

namespace ravelo::agreement {
namespace {

class RandomProfile {
 public:
  explicit RandomProfile(unsigned seed) : random_(seed) {}

  std::string Name() { return std::string(Pick({"Form", "form", "STYLE", "Style", "caption", "width", "名单"})); }

  std::string File() {
    std::string text;
    const size_t lines = Pick(12);
    for (size_t i = 0; i < lines; ++i) {
      switch (Pick(5)) {
        case 0: text += Blanks() + "[" + Blanks() + Name() + Blanks() + "]" + Blanks(); break;
        case 1: text += std::string(Pick({"", ";", "#"})) + Blanks() + Name(); break;
        default: text += Blanks() + Name() + Blanks() + "=" + Value(); break;
      }
      text += Pick({"\r\n", "\r\n", "\n"});
    }
    return Utf8ToGbk(text);
  }

  size_t Pick(size_t n) { return std::uniform_int_distribution<size_t>(0, n - 1)(random_); }

 private:
  std::string_view Pick(std::initializer_list<std::string_view> choices) { return choices.begin()[Pick(choices.size())]; }

  std::string Blanks() { return std::string(Pick({"", "", " ", "  ", "\t"})); }

  std::string Value() {
    std::string value = Blanks();
    const size_t parts = Pick(6);
    for (size_t i = 0; i < parts; ++i) value += Pick({"a", "600", " ", "开始", "=", "\"", "'", "宋体", "x y", "\t"});
    return value;
  }

  std::mt19937 random_;
};

// The one deliberate difference: when a quoted value is cut just before its
// closing quote, the platform removes a character of the cut text in place of
// the quote; this reader keeps it.
bool LostTheLastCharacterToAQuote(std::string_view ours, std::string_view platform, std::string_view file) {
  if (file.find_first_of("\"'") == std::string_view::npos || ours.empty()) return false;
  const std::u16string wide = Utf8ToUtf16(ours);
  return Utf8ToUtf16(platform) == std::u16string_view(wide).substr(0, wide.size() - 1);
}

TEST(RandomReadAgreement, SameValuesAsThePlatform) {
  testing::ScratchFolder folder;
  const auto file = folder.path() / L"rvoconfig.rcf";
  RandomProfile random(936);
  int differences = 0;
  for (int round = 0; round < 1000 && differences < 10; ++round) {
    const std::string bytes = random.File();
    ASSERT_TRUE(WriteFileAtomically(file, bytes));
    for (int probe = 0; probe < 4; ++probe) {
      const std::string section = random.Name();
      const std::string key = random.Name();
      const size_t buffer = std::vector<size_t>{2, 5, 10, 31, 256}[random.Pick(5)];
      const std::string platform = PlatformRead(file, section, key, buffer);
      const std::string ours = ReadProfileString(file, section, key, buffer);
      if (ours != platform && !LostTheLastCharacterToAQuote(ours, platform, bytes)) {
        ++differences;
        ADD_FAILURE() << "[" << section << "] " << key << " buffer " << buffer << ": platform \"" << platform
                      << "\", ours \"" << ours << "\"\nfile:\n"
                      << GbkToUtf8(bytes);
      }
    }
  }
}

}  // namespace
}  // namespace ravelo::agreement
