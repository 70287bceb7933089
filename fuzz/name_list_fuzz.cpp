// The name list loader: any file loads without fault into exactly the names
// that decoding the whole file at once and splitting it at CR and LF gives;
// no name is empty or holds a line break. The first byte, when not 0, is
// the size of the pieces the file is read in, so that piece boundaries fall
// inside characters, byte order marks and line ends.
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "draw/core/name_list.h"
#include "fuzz_check.h"
#include "shared/core/encoding.h"
#include "shared/core/file_system.h"

using namespace ravelo;

namespace {

// The names as the loader's rules define them, from the whole file at once.
std::vector<std::u16string> ExpectedNames(std::string_view bytes) {
  std::u16string text;
  if (bytes.starts_with("\xEF\xBB\xBF")) {
    text = Utf8ToUtf16(bytes.substr(3));
  } else if (bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF")) {
    text = Utf16FromBytes(bytes.substr(2), bytes[0] == '\xFE');
  } else {
    text = IsValidUtf8(bytes) ? Utf8ToUtf16(bytes) : GbkToUtf16(bytes);
  }
  std::vector<std::u16string> names;
  size_t start = 0;
  for (size_t i = 0; i <= text.size(); ++i) {
    if (i < text.size() && text[i] != u'\r' && text[i] != u'\n') continue;
    if (i > start) names.push_back(text.substr(start, i - start));
    start = i + 1;
  }
  return names;
}

const std::string& ScratchFile() {
  static const std::string path = [] {
    char name[] = "/tmp/ravelo-name-fuzz-XXXXXX";
    const int fd = mkstemp(name);
    FUZZ_CHECK(fd >= 0);
    close(fd);
    return std::string(name);
  }();
  return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const size_t pieceBytes = data[0];
  const std::string bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
  FILE* out = std::fopen(ScratchFile().c_str(), "wb");
  FUZZ_CHECK(out != nullptr);
  FUZZ_CHECK(std::fwrite(bytes.data(), 1, bytes.size(), out) == bytes.size());
  std::fclose(out);

  NameList list;
  list.Add(u"old");
  const FilePath file = PathFromUtf8(ScratchFile());
  FUZZ_CHECK(pieceBytes == 0 ? Loadname(file, list) : LoadnameInPieces(file, list, pieceBytes));
  const auto expected = ExpectedNames(bytes);
  FUZZ_CHECK(list.size() == expected.size());
  for (size_t i = 0; i < list.size(); ++i) {
    FUZZ_CHECK(!list[i].empty());
    FUZZ_CHECK(list[i].find_first_of(u"\r\n") == std::u16string_view::npos);
    FUZZ_CHECK(list[i] == expected[i]);
  }
  return 0;
}
