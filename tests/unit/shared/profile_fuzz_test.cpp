// Random profile files and values, from a fixed seed: reads stay within the
// buffer, and a written value reads back as written.
#include <gtest/gtest.h>

#include <cctype>
#include <random>
#include <string>

#include "shared/core/encoding.h"
#include "shared/core/ini_file.h"

namespace ravelo {
namespace {

// Bytes biased towards what matters to a profile parser: brackets, equals
// signs, quotes, blanks, line ends, GBK lead and trail bytes, NUL.
class ProfileBytes {
 public:
  explicit ProfileBytes(unsigned seed) : random_(seed) {}

  std::string File(size_t maxLength) {
    std::string bytes;
    // Mostly GBK; now and then a byte order mark (UTF-8, UTF-16 LE or BE).
    static constexpr std::string_view kMarks[] = {"\xEF\xBB\xBF", "\xFF\xFE", "\xFE\xFF"};
    if (Pick(4) == 0) bytes = kMarks[Pick(std::size(kMarks))];
    const size_t length = Pick(maxLength + 1);
    while (bytes.size() < length) {
      switch (Pick(6)) {
        case 0: bytes += "\r\n"; break;
        case 1: bytes.append("[").append(Name()).append("]"); break;
        case 2: bytes.append(Name()).append("=").append(Value()); break;
        default: bytes.push_back(Byte()); break;
      }
    }
    return bytes;
  }

  // A section or key name of printable ASCII and Chinese text, without the
  // characters that give a name line another meaning.
  std::string Name() {
    static constexpr std::string_view kNames[] = {"Form", "form", "Style", "caption", "width", "名单", "a b", ""};
    return std::string(kNames[Pick(std::size(kNames))]);
  }

  std::string Value() {
    std::string value;
    const size_t length = Pick(40);
    for (size_t i = 0; i < length; ++i) value.push_back(Byte());
    return value;
  }

  size_t Pick(size_t n) { return std::uniform_int_distribution<size_t>(0, n - 1)(random_); }

 private:
  char Byte() {
    static constexpr std::string_view kSpecial = "[]=\"' \t\r\n\0;#\x80\x81\xFE\x40\x7F\x5C\xB0\xA1";
    if (Pick(3) == 0) return kSpecial[Pick(kSpecial.size())];
    return static_cast<char>(Pick(256));
  }

  std::mt19937 random_;
};

// What a read returns for a value as written: the platform drops leading
// blanks and anything from a line break on, then the reader trims and takes
// off one pair of matching quotes; the text passes through GBK.
std::string ExpectedReadBack(std::string_view written) {
  const size_t lineBreak = written.find_first_of("\r\n");
  if (lineBreak != std::string_view::npos) written = written.substr(0, lineBreak);
  const auto isBlank = [](char c) { return c == ' ' || c == '\t' || c == '\v' || c == '\f'; };
  while (!written.empty() && isBlank(written.front())) written.remove_prefix(1);
  while (!written.empty() && isBlank(written.back())) written.remove_suffix(1);
  if (written.size() >= 2 && (written.front() == '"' || written.front() == '\'') && written.back() == written.front()) {
    written = written.substr(1, written.size() - 2);
  }
  return GbkToUtf8(Utf8ToGbk(written));
}

// A small deterministic run for every build; the fuzz target goes further.
TEST(ProfileFuzz, ReadsStayInTheBufferAndAWrittenValueReadsBackAndOtherKeysKeepTheirValues) {
  ProfileBytes random(7);
  for (int round = 0; round < 600; ++round) {
    const std::string file = random.File(200);
    for (const size_t buffer : {size_t{0}, size_t{1}, size_t{2}, size_t{5}, size_t{31}}) {
      const std::string value = ProfileReader::FromBytes(file).Read(random.Name(), random.Name(), buffer);
      ASSERT_LE(Utf8ToGbk(value).size(), buffer == 0 ? 0 : buffer - 1) << "round " << round;
      ASSERT_TRUE(IsValidUtf8(value)) << "round " << round;
      ASSERT_EQ(value.find_first_of("\r\n"), std::string::npos) << "round " << round;
    }
    const std::string section = random.Name();
    const std::string key = random.Name();
    if (key.empty()) continue;  // an empty key name is not a key
    const std::string value = GbkToUtf8(random.Value());
    const std::string otherSection = random.Name();
    const std::string otherKey = random.Name();
    const std::string before = ProfileReader::FromBytes(file).Read(otherSection, otherKey, 256);

    const std::string written = ApplyProfileWrite(file, section, key, value);
    const ProfileReader after = ProfileReader::FromBytes(written);
    ASSERT_EQ(after.Read(section, key, 256), ExpectedReadBack(value))
        << "round " << round << " section [" << section << "] key " << key;
    // Names compare without regard to case.
    const auto fold = [](std::string s) {
      for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
      return s;
    };
    if (fold(otherSection) != fold(section) || fold(otherKey) != fold(key)) {
      ASSERT_EQ(after.Read(otherSection, otherKey, 256), before)
          << "round " << round << " [" << otherSection << "] " << otherKey;
    }
  }
}

}  // namespace
}  // namespace ravelo
