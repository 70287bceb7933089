// The drawn names of a round as the data folder keeps them: any file is
// either refused whole or gives ascending indices into the list, no more
// than the file names; the state written back from them reads back to the
// same indices.
#include <cstdint>
#include <string_view>
#include <vector>

#include "draw/core/drawn_state.h"
#include "fuzz_check.h"

using namespace ravelo;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  NameList names;
  for (const auto name : {u"张伟", u"王芳", u"张伟", u"Li Lei", u"\U00020000"}) names.Add(name);
  const auto drawn = draw::DrawnIndicesFromState(bytes, names);
  if (!drawn) return 0;
  for (std::size_t i = 0; i < drawn->size(); ++i) {
    FUZZ_CHECK((*drawn)[i] < names.size());
    FUZZ_CHECK(i == 0 || (*drawn)[i - 1] < (*drawn)[i]);
  }
  draw::DrawPool pool;
  pool.ResetWithout(names.size(), *drawn);
  FUZZ_CHECK(pool.Remaining() == names.size() - drawn->size());
  const auto again = draw::DrawnIndicesFromState(draw::DrawnStateText(names, pool), names);
  FUZZ_CHECK(again && *again == *drawn);
  return 0;
}
