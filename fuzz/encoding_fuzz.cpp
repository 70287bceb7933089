// GBK, UTF-8 and UTF-16 conversions: any bytes convert without fault, the
// round trips that must hold do, and a GBK cut never splits a character.
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz_check.h"
#include "shared/core/encoding.h"

using namespace ravelo;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);

  // UTF-8: valid text survives UTF-16 unchanged; anything else does not.
  const std::u16string wide = Utf8ToUtf16(bytes);
  FUZZ_CHECK(IsValidUtf8(bytes) == (Utf16ToUtf8(wide) == bytes));
  const std::string utf8 = Utf16ToUtf8(wide);
  FUZZ_CHECK(IsValidUtf8(utf8));
  FUZZ_CHECK(Utf8ToUtf16(utf8) == wide);  // no lone surrogate comes out of the decoder

  // UTF-16 bytes of either order: even-length text survives the bytes.
  for (const bool bigEndian : {false, true}) {
    const std::u16string units = Utf16FromBytes(bytes, bigEndian);
    FUZZ_CHECK(units.size() == (size + 1) / 2);
    if (size % 2 == 0) FUZZ_CHECK(Utf16ToBytes(units, bigEndian) == bytes);
    FUZZ_CHECK(IsValidUtf8(Utf16ToUtf8(units)));
  }

  // GBK: decoding gives valid UTF-8 and one re-encoding reaches a fixed point.
  const std::string fromGbk = GbkToUtf8(bytes);
  FUZZ_CHECK(IsValidUtf8(fromGbk));
  FUZZ_CHECK(Utf16ToUtf8(GbkToUtf16(bytes)) == fromGbk);
  const std::string gbk = Utf8ToGbk(fromGbk);
  FUZZ_CHECK(Utf8ToGbk(GbkToUtf8(gbk)) == gbk);
  FUZZ_CHECK(Utf16ToGbk(Utf8ToUtf16(fromGbk)) == gbk);
  // Any text stored as GBK reads back as what it stored.
  const std::string stored = Utf8ToGbk(bytes);
  FUZZ_CHECK(Utf8ToGbk(GbkToUtf8(stored)) == stored);

  // A cut of the encoder's output never ends inside a character.
  for (const size_t maxBytes : {size_t{0}, size_t{1}, gbk.size() / 2, gbk.size() / 3 + 1, gbk.size()}) {
    const size_t cut = GbkPrefixLength(gbk, maxBytes);
    FUZZ_CHECK(cut <= maxBytes && cut <= gbk.size());
    const std::string_view view(gbk);
    FUZZ_CHECK(GbkToUtf8(view.substr(0, cut)) + GbkToUtf8(view.substr(cut)) == GbkToUtf8(view));
  }
  return 0;
}
